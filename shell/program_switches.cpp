#include "shell/program_switches.h"

#include <filesystem>
#include <set>

#include "services/utf8.h"
#include "shell/setting_lines.h"

namespace {

enum class Takes : uint8_t { kNothing, kFolder, kFile, kAddress };

struct SwitchRow {
  std::string_view name;  // as written after "--"
  Takes takes;
};

// Every switch the program knows. A new one is a row here and a reader of `given`.
constexpr SwitchRow kSwitches[] = {
    {"overlay-dir", Takes::kFolder},
    {"serve", Takes::kAddress},
    {"hotkeys", Takes::kFile},
    {"resume", Takes::kNothing},
};

// What a switch's value is called in problems.
std::string_view ValueName(Takes takes) {
  switch (takes) {
    case Takes::kAddress:
      return "a port or ADDRESS:PORT";
    case Takes::kFile:
      return "a file";
    default:
      return "a folder";
  }
}

const SwitchRow* FindSwitch(std::string_view name) {
  for (const SwitchRow& row : kSwitches) {
    if (row.name == name)
      return &row;
  }
  return nullptr;
}

NativePath AbsoluteFolder(const NativePath& path, const std::optional<NativePath>& base) {
  const std::filesystem::path given(path);
  if (given.is_absolute())
    return path;
  std::error_code ignored;
  const std::filesystem::path made =
      base ? std::filesystem::path(*base) / given : std::filesystem::absolute(given, ignored);
  return made.lexically_normal().native();
}

// Where a switch was read, for problems: "command line" or "FILE:LINE".
struct Place {
  std::string where;
  std::set<std::string, std::less<>>* seen_here;  // switches this source gave already
};

// One switch with its value (nullopt when none was written) into `into`.
void Take(std::string_view name, std::optional<NativePath> value, const Place& place,
          const std::optional<NativePath>& base, ProgramSwitches& into) {
  const SwitchRow* row = FindSwitch(name);
  if (row == nullptr) {
    into.problems.push_back(place.where + ": unknown switch --" + std::string(name));
    return;
  }
  if (row->takes != Takes::kNothing && (!value || value->empty())) {
    into.problems.push_back(place.where + ": --" + std::string(name) + " needs " +
                            std::string(ValueName(row->takes)));
    return;
  }
  if (row->takes == Takes::kAddress && !ReadServeAddress(Utf8FromNativePath(*value))) {
    into.problems.push_back(
        place.where + ": --" + std::string(name) + " " + Utf8FromNativePath(*value) + " is not " +
        std::string(ValueName(row->takes)) + " (a port from 0 to 65535, an IPv4 address)");
    return;
  }
  if (row->takes == Takes::kNothing && value) {
    into.problems.push_back(place.where + ": --" + std::string(name) + " takes no value");
    return;
  }
  if (!place.seen_here->insert(std::string(name)).second) {
    into.problems.push_back(place.where + ": --" + std::string(name) +
                            " is given twice; the first one stands");
    return;
  }
  if (into.given.count(name) != 0)
    return;  // the command line gave it already
  NativePath taken = value ? *value : NativePath();
  if (row->takes == Takes::kFolder || row->takes == Takes::kFile)
    taken = AbsoluteFolder(taken, base);
  into.given.emplace(std::string(name), std::move(taken));
}

}  // namespace

const NativePath* ProgramSwitches::Value(std::string_view name) const {
  const auto found = given.find(name);
  return found == given.end() ? nullptr : &found->second;
}

std::optional<NativePath> ProgramSwitches::overlay_dir() const {
  const NativePath* value = Value("overlay-dir");
  return value ? std::optional<NativePath>(*value) : std::nullopt;
}

std::optional<ServeAddress> ProgramSwitches::serve() const {
  const NativePath* value = Value("serve");
  return value ? ReadServeAddress(Utf8FromNativePath(*value)) : std::nullopt;
}

namespace {

// A decimal number of 1 to `max_digits` digits no greater than `max`, nothing else.
std::optional<uint32_t> SmallNumber(std::string_view digits, std::size_t max_digits, uint32_t max) {
  if (digits.empty() || digits.size() > max_digits)
    return std::nullopt;
  uint32_t number = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9')
      return std::nullopt;
    number = number * 10 + static_cast<uint32_t>(c - '0');
  }
  return number <= max ? std::optional<uint32_t>(number) : std::nullopt;
}

bool IsDottedQuad(std::string_view address) {
  for (int part = 0; part < 4; ++part) {
    const std::size_t dot = address.find('.');
    if ((part < 3) == (dot == std::string_view::npos))
      return false;
    if (!SmallNumber(address.substr(0, dot), 3, 255))
      return false;
    address.remove_prefix(dot == std::string_view::npos ? address.size() : dot + 1);
  }
  return true;
}

}  // namespace

std::optional<ServeAddress> ReadServeAddress(std::string_view text) {
  const std::size_t colon = text.rfind(':');
  ServeAddress address;
  if (colon != std::string_view::npos) {
    address.host = std::string(text.substr(0, colon));
    if (!IsDottedQuad(address.host))
      return std::nullopt;
    text.remove_prefix(colon + 1);
  }
  const auto port = SmallNumber(text, 5, 65535);
  if (!port)
    return std::nullopt;
  address.port = static_cast<uint16_t>(*port);
  return address;
}

bool ProgramSwitches::resume() const {
  return Value("resume") != nullptr;
}

bool SwitchTakesValue(std::string_view name) {
  const SwitchRow* row = FindSwitch(name);
  return row != nullptr && row->takes != Takes::kNothing;
}

void ReadCommandLineSwitches(const std::vector<NativePath>& arguments, ProgramSwitches& into) {
  std::set<std::string, std::less<>> seen;
  const Place place{"command line", &seen};
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string word = Utf8FromNativePath(arguments[i]);
    if (word.size() < 3 || word.compare(0, 2, "--") != 0) {
      into.problems.push_back(place.where + ": " + word + " is not a switch");
      continue;
    }
    const std::size_t equals = word.find('=');
    const std::string name = word.substr(2, equals == std::string::npos ? equals : equals - 2);
    std::optional<NativePath> value;
    if (equals != std::string::npos) {
      value = NativePathFromUtf8(std::string_view(word).substr(equals + 1));
    } else if (SwitchTakesValue(name) && i + 1 < arguments.size()) {
      value = arguments[++i];
    }
    Take(name, std::move(value), place, std::nullopt, into);
  }
}

void ReadOptionsText(std::string_view content, std::string_view label, const NativePath& folder,
                     ProgramSwitches& into) {
  std::set<std::string, std::less<>> seen;
  ForEachSettingLine(content, [&](std::string_view line, int number) {
    const Place place{std::string(label) + ":" + std::to_string(number), &seen};
    if (!IsValidUtf8(line)) {
      into.problems.push_back(place.where + ": the line is not UTF-8 text");
      return;
    }
    // "--" is optional in the file: "overlay-dir D:\obs" reads as "--overlay-dir D:\obs".
    if (line.substr(0, 2) == "--")
      line.remove_prefix(2);
    const std::size_t name_end = line.find_first_of(" \t=");
    const std::string_view name = line.substr(0, name_end);
    std::optional<NativePath> value;
    if (name_end != std::string_view::npos) {
      std::string_view rest = Trimmed(line.substr(name_end + (line[name_end] == '=' ? 1 : 0)));
      // A folder pasted with its quotes (as Explorer's "copy as path" gives it).
      if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"')
        rest = rest.substr(1, rest.size() - 2);
      if (!rest.empty())
        value = NativePathFromUtf8(rest);
    }
    Take(name, std::move(value), place, folder, into);
  });
}

void ReadOptionsFile(const NativePath& records_folder, ProgramSwitches& into) {
  const NativePath file =
      (std::filesystem::path(records_folder) / NativePathFromUtf8(kOptionsFileName)).native();
  std::string content;
  switch (ReadWholeFile(file, content)) {
    case ReadResult::kMissing:
      break;
    case ReadResult::kFailed:
      into.problems.push_back(Utf8FromNativePath(file) + ": cannot be read");
      break;
    case ReadResult::kRead:
      ReadOptionsText(content, Utf8FromNativePath(file), records_folder, into);
      break;
  }
}

ProgramSwitches ReadProgramSwitches(const std::vector<NativePath>& arguments,
                                    const std::optional<NativePath>& records_folder) {
  ProgramSwitches switches;
  ReadCommandLineSwitches(arguments, switches);
  if (records_folder)
    ReadOptionsFile(*records_folder, switches);
  return switches;
}
