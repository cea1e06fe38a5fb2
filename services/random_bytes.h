#pragma once
// Secrets from the operating system's own random source (getrandom on Linux, rand_s,
// which is RtlGenRandom, on Windows): never from a seeded generator.
#include <cstddef>
#include <cstdint>

// Fills `size` bytes; false when the system cannot give them (nothing is then trusted).
bool SystemRandomBytes(uint8_t* into, std::size_t size);
