// Every allocation of the program goes through here, so that running out of memory
// ends as the fatal run-time error that names the byte count, not as an exception
// escaping a handler. Sanitizer builds keep their own allocator.
#include <cstdlib>
#include <new>
#include <string>

#include "services/fatal_error.h"
#include "shell/shutdown.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SCOREBOARD_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define SCOREBOARD_SANITIZED 1
#endif

[[noreturn]] void FatalAllocationFailure(std::size_t bytes) {
  Text message = Gb("分配 ") + std::to_string(bytes) + Gb(" 字节内存失败!");
  FatalRuntimeError(std::nullopt, std::move(message));
}

#ifndef SCOREBOARD_SANITIZED

void* operator new(std::size_t size) {
  if (size == 0)
    size = 1;
  for (;;) {
    if (void* block = std::malloc(size))
      return block;
    std::new_handler handler = std::get_new_handler();
    if (handler == nullptr)
      FatalAllocationFailure(size);
    handler();
  }
}

void* operator new[](std::size_t size) {
  return ::operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}

void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete[](void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}

#endif
