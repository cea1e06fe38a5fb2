#pragma once
// Message boxes and program launch, as the handlers ask for them; the platform part is
// the front end's.
#include <cstdint>
#include <optional>
#include <variant>

#include "services/convert.h"
#include "services/text.h"

struct Logical {
  bool value = false;
};
using MessageValue = std::variant<Text, double, int32_t, Logical, DateTime>;

namespace message_flags {
inline constexpr uint32_t kIconError = 0x10;
inline constexpr uint32_t kSystemModal = 0x1000;
inline constexpr uint32_t kTaskModal = 0x2000;
inline constexpr uint32_t kTopMost = 0x40000;
}  // namespace message_flags

// Shows the message (a value is shown as to-text writes it) and answers the pressed
// button: 0 OK, 1 Cancel, 2 Abort, 3 Retry, 4 Ignore, 5 Yes, 6 No. The caption defaults
// to "信息："; the box is task-modal unless it is system-modal.
int32_t ShowMessageBox(const MessageValue& message, std::optional<int32_t> flags = std::nullopt,
                       std::optional<Text> caption = std::nullopt);

// The show styles: how a started program's window first shows.
namespace show_style {
inline constexpr int32_t kHidden = 1;
inline constexpr int32_t kNormal = 2;
inline constexpr int32_t kMinimisedActive = 3;
inline constexpr int32_t kMaximised = 4;
inline constexpr int32_t kNormalInactive = 5;
inline constexpr int32_t kMinimised = 6;
}  // namespace show_style

// The show style: omitted 2, clamped to 1..6, then mapped to the platform's value.
int32_t ShowWindowValue(std::optional<int32_t> show_style);
// Starts a program; false when the platform refuses. Never shows a message.
bool RunProgram(const Text& command_line, std::optional<bool> wait = std::nullopt,
                std::optional<int32_t> show_style = std::nullopt);
