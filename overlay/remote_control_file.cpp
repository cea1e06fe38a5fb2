#include "overlay/remote_control_file.h"

#include <array>
#include <cstdint>

#include "services/random_bytes.h"
#include "services/replace_file.h"

std::optional<std::string> NewToken() {
  std::array<uint8_t, 16> bits{};
  if (!SystemRandomBytes(bits.data(), bits.size()))
    return std::nullopt;
  constexpr char kHex[] = "0123456789abcdef";
  std::string token;
  for (const uint8_t byte : bits) {
    token += kHex[byte >> 4];
    token += kHex[byte & 0xF];
  }
  return token;
}

std::string RemoteControlText(std::string_view url, std::string_view token) {
  return "url=" + std::string(url) + "\ntoken=" + std::string(token) + "\n";
}

bool WriteRemoteControlFile(const NativePath& folder, std::string_view url, std::string_view token,
                            std::string& error) {
  return ReplaceFileWhole(folder, kRemoteControlFileName, RemoteControlText(url, token), error,
                          Readers::kOwnerOnly);
}
