#pragma once
// Files that another program polls (the streaming software reads the overlay files):
// a reader must see the old content or the new one, never half of either.
#include <cstdint>
#include <string>
#include <string_view>

#include "services/platform_paths.h"

// Gives `folder`/`name` exactly `content`: written whole under a temporary name in the
// same folder, flushed, then renamed over the old file in one step. On failure the old
// file is untouched, no temporary file is left, and `error` says why (UTF-8).
// Who may read the file: anyone the folder lets (the overlay files), or on Linux its
// owner alone from its first moment (mode 0600: a secret such as the server's token). On
// Windows the file takes the folder's permissions either way.
enum class Readers : uint8_t { kAnyone, kOwnerOnly };

bool ReplaceFileWhole(const NativePath& folder, std::string_view name, std::string_view content,
                      std::string& error, Readers readers = Readers::kAnyone);
