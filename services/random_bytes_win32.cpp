#ifdef _WIN32

// rand_s is declared only with this set before the C library's headers.
#define _CRT_RAND_S
#include <stdlib.h>

#include "services/random_bytes.h"

bool SystemRandomBytes(uint8_t* into, std::size_t size) {
  while (size > 0) {
    unsigned int word = 0;
    if (rand_s(&word) != 0)
      return false;
    for (int i = 0; i < 4 && size > 0; ++i, --size) *into++ = static_cast<uint8_t>(word >> (8 * i));
  }
  return true;
}

#endif  // _WIN32
