#include "journal/journal_format.h"

#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <limits>
#include <map>

#include "journal/script.h"
#include "services/text.h"
#include "services/utf8.h"
#include "shell/catalogue.h"

namespace {

struct CommandRow {
  std::string_view word;
  HostAction::Kind kind;
};

// The script words of the actions, one place for both directions.
constexpr CommandRow kCommands[] = {
    {"click", HostAction::Kind::kClick},   {"edited", HostAction::Kind::kEdited},
    {"type", HostAction::Kind::kType},     {"keydown", HostAction::Kind::kKeyDown},
    {"select", HostAction::Kind::kSelect}, {"slide", HostAction::Kind::kSlide},
    {"pick", HostAction::Kind::kPick},
};

std::string_view CommandWord(HostAction::Kind kind) {
  for (const CommandRow& row : kCommands) {
    if (row.kind == kind)
      return row.word;
  }
  return {};
}

const CommandRow* CommandNamed(std::string_view word) {
  for (const CommandRow& row : kCommands) {
    if (row.word == word)
      return &row;
  }
  return nullptr;
}

constexpr std::string_view kHeaderStart = "# scoreboard journal 1 ";

template <typename Number>
std::optional<Number> WholeNumber(std::string_view text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end)
    return std::nullopt;
  return value;
}

std::optional<ControlId> ControlNamed(std::string_view name) {
  static const std::map<std::string, ControlId, std::less<>> by_name = [] {
    std::map<std::string, ControlId, std::less<>> names;
    for (const ControlSpec& entry : MainCatalogue())
      names.emplace(entry.control.name, entry.control.id);
    return names;
  }();
  const auto found = by_name.find(name);
  return found == by_name.end() ? std::nullopt : std::optional<ControlId>(found->second);
}

std::optional<JournalHeader> ParseHeader(std::string_view line) {
  if (line.substr(0, kHeaderStart.size()) != kHeaderStart)
    return std::nullopt;
  const std::string fields(line.substr(kHeaderStart.size()));
  unsigned long long catalogue = 0;
  long long clock = 0;
  double date = 0.0;
  char tail = 0;
  if (std::sscanf(fields.c_str(), "catalogue=%16llx clock=%lld date=%lf%c", &catalogue, &clock,
                  &date, &tail) != 3)
    return std::nullopt;
  return JournalHeader{catalogue, clock, date};
}

// "#rrggbb" as a colour (0x00BBGGRR).
std::optional<int32_t> ParseColour(std::string_view text) {
  if (text.size() != 7 || text[0] != '#')
    return std::nullopt;
  uint32_t rgb = 0;
  const auto [stop, error] = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
  if (error != std::errc() || stop != text.data() + 7)
    return std::nullopt;
  return static_cast<int32_t>(((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16));
}

// One action line as an action; the reason it is not one otherwise.
std::optional<std::string> ParseAction(const ScriptLine& line, const CommandRow& row,
                                       JournalAction& action) {
  const auto& words = line.words;
  if (words.empty())
    return "no control named";
  const auto control = ControlNamed(words[0]);
  if (!control)
    return "no control " + words[0] + " in this board";
  action.kind = row.kind;
  action.control = *control;
  auto number = [&](std::size_t at) -> std::optional<int32_t> {
    return at < words.size() ? WholeNumber<int32_t>(words[at]) : std::nullopt;
  };
  switch (row.kind) {
    case HostAction::Kind::kClick:
      return words.size() == 1 ? std::nullopt : std::optional<std::string>("words after click");
    case HostAction::Kind::kEdited:
    case HostAction::Kind::kType: {
      const std::string utf8 = UnescapeLineBreaks(line.rest_after_name);
      if (!IsValidUtf8(utf8))
        return "a text that is not UTF-8";
      action.text = TextFromUtf8(utf8);
      return std::nullopt;
    }
    case HostAction::Kind::kKeyDown: {
      const auto key = number(1);
      const auto modifiers = number(2);
      if (!key || !modifiers || words.size() != 3)
        return "keydown needs a key and modifiers";
      action.value = *key;
      action.modifiers = *modifiers;
      return std::nullopt;
    }
    case HostAction::Kind::kSelect:
    case HostAction::Kind::kSlide: {
      const auto value = number(1);
      if (!value || words.size() != 2)
        return "a whole number is missing";
      action.value = *value;
      return std::nullopt;
    }
    case HostAction::Kind::kPick: {
      const auto colour = words.size() == 2 ? ParseColour(words[1]) : std::nullopt;
      if (!colour)
        return "pick needs #rrggbb";
      action.value = *colour;
      return std::nullopt;
    }
  }
  return "unknown action";
}

}  // namespace

std::string JournalFileName(int runs_back) {
  if (runs_back == 0)
    return std::string(kJournalFileName);
  return "scoreboard-journal-" + std::to_string(runs_back) + ".txt";
}

bool IsJournalFileName(std::string_view name) {
  for (int back = 0; back < kJournalRunsKept; ++back) {
    if (name == JournalFileName(back))
      return true;
  }
  return false;
}

uint64_t CatalogueFingerprint() {
  uint64_t hash = 0xcbf29ce484222325ull;  // FNV-1a
  auto mix = [&hash](std::string_view bytes) {
    for (const char c : bytes) {
      hash ^= static_cast<unsigned char>(c);
      hash *= 0x100000001b3ull;
    }
  };
  auto mix_number = [&mix](uint64_t value) { mix(std::to_string(value) + ";"); };
  for (const ControlSpec& entry : MainCatalogue()) {
    mix(entry.control.name);
    mix_number(entry.control.id);
    mix_number(static_cast<uint64_t>(entry.kind));
    mix_number(entry.parent);
  }
  return hash;
}

std::string HeaderLine(const JournalHeader& header) {
  char line[160];
  std::snprintf(line, sizeof line, "%scatalogue=%016" PRIx64 " clock=%" PRId64 " date=%.17g\n",
                std::string(kHeaderStart).c_str(), header.catalogue, header.clock_ms,
                header.date_days);
  return line;
}

std::string ActionLines(const HostAction& action, std::string_view control_name,
                        int64_t previous_ms, int64_t time_ms, const std::vector<int32_t>& answers,
                        const std::vector<bool>& launches) {
  std::string lines;
  // A clock set back counts as no time passing: the board's timers never run backwards.
  int64_t gap = time_ms > previous_ms ? time_ms - previous_ms : 0;
  // The driver's wait takes a 32-bit number of milliseconds.
  while (gap > 0) {
    const int64_t step = std::min<int64_t>(gap, std::numeric_limits<int32_t>::max());
    lines += "wait " + std::to_string(step) + "\n";
    gap -= step;
  }
  for (const int32_t answer : answers) lines += "answer " + std::to_string(answer) + "\n";
  for (const bool launched : launches) lines += launched ? "launched 1\n" : "launched 0\n";
  lines += CommandWord(action.kind);
  lines += ' ';
  lines += control_name;
  switch (action.kind) {
    case HostAction::Kind::kClick:
      break;
    case HostAction::Kind::kEdited:
      lines += ' ';
      lines += EscapeLineBreaks(Utf8FromText(*action.text));
      break;
    case HostAction::Kind::kType:
      lines += ' ';
      lines += EscapeLineBreaks(Utf8FromText(action.typed));
      break;
    case HostAction::Kind::kKeyDown:
      lines += ' ' + std::to_string(action.value) + ' ' + std::to_string(action.modifiers);
      break;
    case HostAction::Kind::kSelect:
    case HostAction::Kind::kSlide:
      lines += ' ' + std::to_string(action.value);
      break;
    case HostAction::Kind::kPick: {
      const auto colour = static_cast<uint32_t>(action.value);
      char rgb[8];
      std::snprintf(rgb, sizeof rgb, "#%02x%02x%02x", colour & 0xFFu, (colour >> 8) & 0xFFu,
                    (colour >> 16) & 0xFFu);
      lines += ' ';
      lines += rgb;
      break;
    }
  }
  lines += '\n';
  return lines;
}

JournalContents ReadJournal(std::string_view bytes) {
  JournalContents contents;
  std::size_t at = 0;
  int number = 0;
  int64_t clock = 0;
  JournalAction pending;
  std::string problem;
  while (at < bytes.size()) {
    const std::size_t end = bytes.find('\n', at);
    if (end == std::string_view::npos) {
      problem = "a last line cut short";
      break;
    }
    const std::string_view text = bytes.substr(at, end - at);
    ++number;
    if (number == 1) {
      contents.header = ParseHeader(text);
      if (!contents.header) {
        problem = "no journal header on line 1";
        break;
      }
      if (contents.header->catalogue != CatalogueFingerprint()) {
        problem = "a journal of another board (its control catalogue differs)";
        contents.header.reset();
        break;
      }
      clock = contents.header->clock_ms;
      contents.whole_bytes = end + 1;
      at = end + 1;
      continue;
    }
    at = end + 1;
    if (!IsValidUtf8(text)) {
      problem = "line " + std::to_string(number) + " is not UTF-8 text";
      break;
    }
    const auto line = ParseScriptLine(text, number);
    if (!line)
      continue;
    const auto& words = line->words;
    if (line->command == "wait") {
      const auto ms = words.size() == 1 ? WholeNumber<int32_t>(words[0]) : std::nullopt;
      if (!ms || *ms < 0) {
        problem = "line " + std::to_string(number) + ": a wait without a time";
        break;
      }
      clock += *ms;
      continue;
    }
    if (line->command == "answer") {
      const auto answer = words.size() == 1 ? WholeNumber<int32_t>(words[0]) : std::nullopt;
      if (!answer) {
        problem = "line " + std::to_string(number) + ": an answer without a number";
        break;
      }
      pending.answers.push_back(*answer);
      continue;
    }
    if (line->command == "launched") {
      if (words.size() != 1 || (words[0] != "0" && words[0] != "1")) {
        problem = "line " + std::to_string(number) + ": launched needs 0 or 1";
        break;
      }
      pending.launches.push_back(words[0] == "1");
      continue;
    }
    const CommandRow* row = CommandNamed(line->command);
    if (row == nullptr) {
      problem = "line " + std::to_string(number) + ": unknown command " + line->command;
      break;
    }
    if (auto why = ParseAction(*line, *row, pending)) {
      problem = "line " + std::to_string(number) + ": " + *why;
      break;
    }
    pending.time_ms = clock;
    contents.actions.push_back(std::move(pending));
    pending = JournalAction{};
    contents.whole_bytes = at;
  }
  if (!contents.header && problem.empty())
    problem = "an empty file: no journal header";
  if (!problem.empty() || contents.whole_bytes < bytes.size()) {
    if (problem.empty())
      problem = "lines after the last whole action";
    contents.skipped =
        std::to_string(bytes.size() - contents.whole_bytes) + " bytes skipped (" + problem + ")";
  }
  return contents;
}
