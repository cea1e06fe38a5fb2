#pragma once
// A fresh, empty folder of one test's own under the system's temporary folder, so that
// tests running side by side never share one. Plain std::filesystem, so the Windows
// build gets the same folders as Linux.
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

// Empty path when no folder could be made.
inline std::filesystem::path NewTemporaryFolder(const std::string& prefix) {
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  if (error) {
    return {};
  }
  std::random_device device;
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  std::mt19937_64 pick(device() ^ static_cast<std::uint64_t>(now));
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path candidate =
        base / (prefix + "-" + std::to_string(pick() % 1000000000));
    // create_directory answers false for a name already taken: the folder is ours alone.
    if (std::filesystem::create_directory(candidate, error)) {
      return candidate;
    }
  }
  return {};
}
