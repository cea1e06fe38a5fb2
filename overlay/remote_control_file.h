#pragma once
// remote-control.txt in the records folder: where the server listens and the token a
// click needs, new at each start, readable by the host's own account only.
#include <optional>
#include <string>
#include <string_view>

#include "services/platform_paths.h"

inline constexpr std::string_view kRemoteControlFileName = "remote-control.txt";

// 128 bits from the system's random source as 32 lower-case hex digits; nullopt when the
// system gives none.
std::optional<std::string> NewToken();
// The file's whole content: "url=URL\ntoken=TOKEN\n".
std::string RemoteControlText(std::string_view url, std::string_view token);
// Replaces the file whole (mode 0600 on Linux from its first moment); false and `error`
// when it cannot be written.
bool WriteRemoteControlFile(const NativePath& folder, std::string_view url, std::string_view token,
                            std::string& error);
