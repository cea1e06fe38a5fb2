#include "tools/replay/runner.h"

#include "shell/keyboard.h"

#include <cinttypes>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "journal/script.h"
#include "services/convert.h"
#include "services/file_services.h"
#include "services/property_model.h"

namespace {

// A script error: reported as "error: line N: ..." and the driver ends with status 2.
struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string ColourText(Colour colour) {
  if (colour == kDefaultColour)
    return "default";
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", colour & 0xFFu, (colour >> 8) & 0xFFu,
                (colour >> 16) & 0xFFu);
  return buffer;
}

Colour ParseColour(const std::string& text) {
  if (text.size() != 7 || text[0] != '#')
    throw ScriptError("colour must be #rrggbb: " + text);
  char* end = nullptr;
  const unsigned long rgb = std::strtoul(text.c_str() + 1, &end, 16);
  if (*end != '\0')
    throw ScriptError("colour must be #rrggbb: " + text);
  return Rgb((rgb >> 16) & 0xFFu, (rgb >> 8) & 0xFFu, rgb & 0xFFu);
}

int32_t ParseInteger(const std::string& text) {
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0')
    throw ScriptError("not a whole number: " + text);
  if (value > INT32_MAX)
    return INT32_MAX;
  if (value < INT32_MIN)
    return INT32_MIN;
  return static_cast<int32_t>(value);
}

std::string NumberText(double value) {
  if (std::isnan(value))
    return "nan";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  return buffer;
}

// The property a script names, for the kind of the control.
const PropertyRow& PropertyByName(const Control& c, const std::string& name) {
  if (const PropertyRow* row = PropertyNamed(c.kind, name))
    return *row;
  if (IsPropertyName(name))
    throw ScriptError("property " + name + " does not apply to " + c.name);
  throw ScriptError("unknown property: " + name);
}

std::string ValueText(const PropertyValue& value, Shape shape) {
  switch (shape) {
    case Shape::TextValue:
      return PrintableText(std::get<Text>(value));
    case Shape::ColourValue:
      return ColourText(std::get<Colour>(value));
    case Shape::LogicalValue:
      return std::get<int32_t>(value) != 0 ? "1" : "0";
    case Shape::IntegerValue:
      return std::to_string(std::get<int32_t>(value));
  }
  return {};
}

}  // namespace

std::optional<DateTime> ParseLocalTime(const std::string& text) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d%c", &y, &mo, &d, &h, &mi, &s, &tail) != 6)
    return std::nullopt;
  if (y < 100 || y > 9999 || mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 ||
      mi > 59 || s < 0 || s > 59)
    return std::nullopt;
  return DateTimeFromCalendar(y, mo, d, h, mi, s);
}

ReplayRunner::ReplayRunner(const ReplayOptions& options, std::FILE* out)
    : out_(out),
      front_end_(options.start, [this](const std::string& line) { Print(line); }),
      journal_front_end_(front_end_),
      application_(journal_front_end_) {
  front_end_.Attach(application_);
  // The folder as the command line named it: bytes on Linux, UTF-8 from the UTF-16
  // command line on Windows.
  const NativePath folder = std::filesystem::path(std::u8string(options.run_directory.begin(),
                                                                options.run_directory.end()))
                                .native();
  if (!options.keep_journal) {
    application_.Start(folder);
    return;
  }
  journal_ = std::make_unique<Journal>(folder, journal_front_end_);
  journal_->StartBoard(application_, options.resume, notes_);
  // The virtual clock goes on from the last action played, as a window's clock would.
  front_end_.ContinueAt(journal_->last_action_ms());
}

void ReplayRunner::Print(const std::string& utf8) {
  std::fputs(utf8.c_str(), out_);
  std::fputc('\n', out_);
}

int ReplayRunner::Run(std::istream& script) {
  std::string line;
  int number = 0;
  while (std::getline(script, line)) {
    if (!RunLine(line, ++number))
      return 2;
  }
  std::fflush(out_);
  return 0;
}

bool ReplayRunner::RunLine(const std::string& text, int number) {
  try {
    const auto line = ParseScriptLine(text, number);
    if (!line)
      return true;
    // A line is one thing the host does: whoever follows the board hears of it once.
    const auto event = application_.OutsideEvent();
    return Execute(*line);
  } catch (const ScriptError& error) {
    std::fflush(out_);
    std::fprintf(stderr, "error: line %d: %s\n", number, error.what());
    return false;
  }
}

void ReplayRunner::MoveFocus(ControlId to) {
  if (to == focused_)
    return;
  const ControlId from = focused_;
  focused_ = to;
  if (from != 0)
    application_.Focus(from, false);
  application_.Focus(to, true);
}

bool ReplayRunner::Execute(const ScriptLine& line) {
  const auto& words = line.words;
  auto need = [&](size_t count) {
    if (words.size() < count)
      throw ScriptError(line.command + ": missing argument");
  };
  auto control = [&]() -> Control& {
    need(1);
    Control* c = application_.model().FindByName(words[0]);
    if (c == nullptr)
      throw ScriptError("unknown control: " + words[0]);
    return *c;
  };
  auto ignored = [&](bool accepted) {
    if (!accepted)
      Print("ignored " + words[0]);
  };
  const std::string& command = line.command;

  if (command == "click") {
    ignored(application_.Click(control().id));
  } else if (command == "type") {
    Control& c = control();
    if (c.kind != Kind::EditBox)
      throw ScriptError("type needs an edit box: " + words[0]);
    ignored(application_.Type(c.id, TextFromUtf8(UnescapeLineBreaks(line.rest_after_name))));
  } else if (command == "edited") {
    // The host's own edit left this text in the box (what the window reports).
    Control& c = control();
    if (c.kind != Kind::EditBox)
      throw ScriptError("edited needs an edit box: " + words[0]);
    ignored(application_.Edited(c.id, TextFromUtf8(UnescapeLineBreaks(line.rest_after_name))));
  } else if (command == "keydown") {
    // A key straight to the control, past the window's own keys (what the window
    // reports once those let it through).
    need(3);
    Control& c = control();
    ignored(application_.KeyDown(c.id, ParseInteger(words[1]), ParseInteger(words[2])).has_value());
  } else if (command == "answer") {
    // What the host answers to the message boxes from now on (1 OK, 2 Cancel, ...).
    need(1);
    front_end_.message_box_answer = ParseInteger(words[0]);
  } else if (command == "launched") {
    // Whether the programs the board starts from now on can be started.
    need(1);
    front_end_.launch_result = ParseInteger(words[0]) != 0;
  } else if (command == "key") {
    // The key reaches NAME as if it had the focus, through the window's own keys first.
    need(2);
    Control& c = control();
    const int32_t code = ParseInteger(words[1]);
    const int32_t mods = words.size() >= 3 ? ParseInteger(words[2]) : 0;
    if (!application_.model().TakesInput(c)) {
      ignored(false);
    } else {
      MoveFocus(c.id);
      if (!TakeWindowKey(application_, c.id, code, mods,
                         [this](ControlId target) { MoveFocus(target); }))
        application_.KeyDown(c.id, code, mods);
    }
  } else if (command == "focus") {
    // "focus" prints which control has the focus; "focus NAME" gives it to NAME.
    if (words.empty()) {
      const Control* focused = application_.model().Find(focused_);
      Print("focus=" + (focused != nullptr ? focused->name : std::string()));
    } else {
      Control& c = control();
      const bool takes = application_.model().TakesInput(c);
      if (takes)
        MoveFocus(c.id);
      ignored(takes);
    }
  } else if (command == "select") {
    need(2);
    Control& c = control();
    if (c.kind != Kind::ComboBox)
      throw ScriptError("select needs a combo box: " + words[0]);
    ignored(application_.Select(c.id, ParseInteger(words[1])));
  } else if (command == "slide") {
    need(2);
    Control& c = control();
    if (c.kind != Kind::SliderBar)
      throw ScriptError("slide needs a slider: " + words[0]);
    ignored(application_.Slide(c.id, ParseInteger(words[1])));
  } else if (command == "pick") {
    need(2);
    Control& c = control();
    if (c.kind != Kind::ColorPicker)
      throw ScriptError("pick needs a colour picker: " + words[0]);
    ignored(application_.Pick(c.id, ParseColour(words[1])));
  } else if (command == "wait") {
    need(1);
    front_end_.Advance(ParseInteger(words[0]));
  } else if (command == "write") {
    need(2);
    Control& c = control();
    const PropertyRow& p = PropertyByName(c, words[1]);
    // The value is the rest of the line after the property name.
    const std::string& rest = line.rest_after_name;
    const size_t skip = std::min(rest.size(), words[1].size() + 1);
    const std::string value = rest.substr(skip);
    switch (p.shape) {
      case Shape::TextValue:
        WriteProperty(kMainWindow, c.id, p.index, p.member,
                      TextFromUtf8(UnescapeLineBreaks(value)));
        break;
      case Shape::ColourValue:
        WriteProperty(kMainWindow, c.id, p.index, p.member, ParseColour(value));
        break;
      case Shape::IntegerValue:
      case Shape::LogicalValue:
        WriteProperty(kMainWindow, c.id, p.index, p.member, ParseInteger(value));
        break;
    }
  } else if (command == "print") {
    Control& c = control();
    const PropertyRow* p = words.size() >= 2 ? &PropertyByName(c, words[1]) : MainProperty(c.kind);
    if (p == nullptr)
      throw ScriptError(words[0] + " has no main property");
    Print(c.name + "." + std::string(p->script_name) + "=" +
          ValueText(ReadProperty(kMainWindow, c.id, p->index, p->member), p->shape));
  } else if (command == "eval") {
    need(2);
    const std::string& service = words[0];
    const std::string& arg = words[1];
    // A text argument is the rest of the line, so that blanks inside it count.
    const std::string text_arg = line.rest_after_name;
    if (service == "to-number") {
      Print(NumberText(ToNumber(TextFromUtf8(text_arg))));
    } else if (service == "to-integer") {
      Print(std::to_string(ToInteger(TextFromUtf8(text_arg))));
    } else if (service == "to-text") {
      Print(PrintableText(ToText(std::strtod(arg.c_str(), nullptr))));
    } else if (service == "time-to-text") {
      const auto when = ParseLocalTime(arg);
      if (!when)
        throw ScriptError("time must be \"YYYY-MM-DD HH:MM:SS\": " + arg);
      std::optional<int32_t> format;
      if (words.size() >= 3)
        format = ParseInteger(words[2]);
      Print(PrintableText(TimeToText(*when, format)));
    } else {
      throw ScriptError("unknown service: " + service);
    }
  } else if (command == "dump") {
    const ControlModel& model = application_.model();
    for (const Control& c : model.controls()) {
      const Control* parent = c.parent ? model.Find(c.parent) : nullptr;
      char head[64];
      std::snprintf(head, sizeof head, " 0x%08" PRIx32 " %d,%d,%dx%d", c.id, c.rect.left,
                    c.rect.top, c.rect.width, c.rect.height);
      std::string row = c.name + " " + std::string(KindName(c.kind)) + head +
                        " parent=" + (parent ? parent->name : "-") +
                        " visible=" + (ReadInteger(c.id, prop::kVisible) ? "1" : "0") +
                        " disabled=" + (ReadInteger(c.id, prop::kDisabled) ? "1" : "0");
      if (const PropertyRow* p = MainProperty(c.kind))
        row += " main=" + ValueText(ReadProperty(kMainWindow, c.id, p->index, p->member), p->shape);
      Print(row);
    }
  } else {
    throw ScriptError("unknown command: " + command);
  }
  return true;
}
