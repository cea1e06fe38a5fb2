#ifndef _WIN32

#include <sys/random.h>

#include <cerrno>

#include "services/random_bytes.h"

bool SystemRandomBytes(uint8_t* into, std::size_t size) {
  while (size > 0) {
    const ssize_t got = getrandom(into, size, 0);
    if (got < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    into += got;
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

#endif  // _WIN32
