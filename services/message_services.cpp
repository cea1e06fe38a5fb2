#include "services/message_services.h"

#include <algorithm>
#include <array>

#include "services/control_host.h"

namespace {

Text MessageText(const MessageValue& message) {
  struct Visitor {
    Text operator()(const Text& text) const { return text; }
    Text operator()(double number) const { return ToText(number); }
    Text operator()(int32_t integer) const { return ToText(integer); }
    Text operator()(Logical logical) const { return LogicalToText(logical.value); }
    Text operator()(DateTime when) const { return TimeToText(when, 1); }
  };
  return std::visit(Visitor{}, message);
}

}  // namespace

int32_t ShowMessageBox(const MessageValue& message, std::optional<int32_t> flags,
                       std::optional<Text> caption) {
  auto style = static_cast<uint32_t>(flags.value_or(0));
  if ((style & message_flags::kSystemModal) == 0)
    style |= message_flags::kTaskModal;
  const Text shown_caption = caption ? *caption : Gb("信息：");
  const int32_t answer = TheControlHost().MessageBox(MessageText(message), shown_caption, style);
  // IDOK..IDNO become 0..6; anything else counts as OK.
  return answer >= 1 && answer <= 7 ? answer - 1 : 0;
}

int32_t ShowWindowValue(std::optional<int32_t> show_style) {
  static constexpr std::array<int32_t, 6> kPlatformValue = {0, 1, 2, 3, 4, 6};
  const int32_t style = std::clamp(show_style.value_or(2), 1, 6);
  return kPlatformValue[static_cast<size_t>(style - 1)];
}

bool RunProgram(const Text& command_line, std::optional<bool> wait,
                std::optional<int32_t> show_style) {
  if (command_line.empty())
    return false;
  return TheControlHost().LaunchProgram(command_line, ShowWindowValue(show_style),
                                        wait.value_or(false));
}
