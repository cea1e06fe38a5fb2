// The journal reader on any bytes, as a crash or a disk may leave a journal: reading never
// crashes, never vouches for more than it read, and what it vouches for reads back the
// same on its own, with nothing skipped; every action it gives, written again, reads back
// as the same action.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "journal/journal_format.h"
#include "shell/catalogue.h"

namespace {

std::string NameOf(ControlId id) {
  for (const ControlSpec& entry : MainCatalogue()) {
    if (entry.control.id == id)
      return entry.control.name;
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Half the inputs start with this board's header, so the fuzzer reaches the actions.
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (size > 0 && (data[0] & 1) != 0)
    bytes = HeaderLine({CatalogueFingerprint(), 1000, 42000.5}) + bytes.substr(1);

  const JournalContents read = ReadJournal(bytes);
  FUZZ_CHECK(read.whole_bytes <= bytes.size());
  FUZZ_CHECK(read.header.has_value() || read.actions.empty());
  FUZZ_CHECK(read.skipped.empty() == (read.header.has_value() && read.whole_bytes == bytes.size()));
  if (!read.header)
    return 0;

  const JournalContents again = ReadJournal(std::string_view(bytes).substr(0, read.whole_bytes));
  FUZZ_CHECK(again.skipped.empty());
  FUZZ_CHECK(again.actions.size() == read.actions.size());

  std::string written = HeaderLine(*read.header);
  int64_t previous = read.header->clock_ms;
  for (const JournalAction& action : read.actions) {
    FUZZ_CHECK(action.time_ms >= previous);
    const HostAction host{action.kind, action.control, &action.text,
                          action.text, action.value,   action.modifiers};
    written += ActionLines(host, NameOf(action.control), previous, action.time_ms, action.answers,
                           action.launches);
    previous = action.time_ms;
  }
  const JournalContents rewritten = ReadJournal(written);
  FUZZ_CHECK(rewritten.skipped.empty());
  FUZZ_CHECK(rewritten.actions.size() == read.actions.size());
  for (std::size_t i = 0; i < read.actions.size(); ++i) {
    const JournalAction& a = read.actions[i];
    const JournalAction& b = rewritten.actions[i];
    FUZZ_CHECK(a.kind == b.kind && a.control == b.control && a.text == b.text &&
               a.value == b.value && a.modifiers == b.modifiers && a.time_ms == b.time_ms &&
               a.answers == b.answers && a.launches == b.launches);
  }
  return 0;
}
