// WriteIniItem with any section, key and value into a file that already holds arbitrary
// bytes: it succeeds on a healthy file, the item it sets stands on one line of its own
// ending in CR LF, and writing the same item again changes nothing.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "fuzz/fuzz_support.h"
#include "services/file_services.h"
#include "services/ini_document.h"
#include "tests/hostile/well_formed.h"

namespace {

const std::string& ScratchFile() {
  static const std::string path = [] {
    std::string folder = "/tmp/write-ini-fuzz-XXXXXX";
    if (mkdtemp(folder.data()) == nullptr)
      std::abort();
    return folder + "/record.ini";
  }();
  return path;
}

std::string ReadBack(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Store(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const bool with_key = in.ConsumeIntegralInRange<int>(0, 7) != 0;
  const bool with_value = in.ConsumeIntegralInRange<int>(0, 7) != 0;
  const bool file_exists = in.ConsumeBool();
  const std::string section = in.ConsumeRandomLengthString(64);
  const std::string key = in.ConsumeRandomLengthString(64);
  const std::string value = in.ConsumeRandomLengthString(256);
  const std::string content = in.ConsumeRemainingBytesAsString();

  const std::string& path = ScratchFile();
  unlink(path.c_str());
  if (file_exists)
    Store(path, content);
  const std::optional<std::string_view> key_arg =
      with_key ? std::optional<std::string_view>(key) : std::nullopt;
  const std::optional<std::string_view> value_arg =
      with_value ? std::optional<std::string_view>(value) : std::nullopt;

  FUZZ_CHECK(WriteIniItem(path, section, key_arg, value_arg));
  const std::string first = ReadBack(path);
  if (with_key && with_value) {
    const std::string line = EscapeIniLineBreaks(key) + "=" + EscapeIniLineBreaks(value);
    FUZZ_CHECK(first.find(line + "\r\n") != std::string::npos);
    FUZZ_CHECK(EscapeIniLineBreaks(value).find_first_of("\r\n") == std::string::npos);
  }
  if (!file_exists && with_key && with_value) {
    // A new file holds exactly its section header and the one item.
    FUZZ_CHECK(first == "[" + EscapeIniLineBreaks(section) + "]\r\n" + EscapeIniLineBreaks(key) +
                            "=" + EscapeIniLineBreaks(value) + "\r\n");
  }
  if (!file_exists && !(with_key && with_value))
    FUZZ_CHECK(access(path.c_str(), F_OK) != 0);  // removing from nothing creates nothing

  // A section or key that the file's own syntax cannot hold (a "]" in the section or a
  // lead byte that swallows its closing "]", an "=" in the key, a key that reads as a
  // header or comment) is found again only by luck; everything else must be set in place
  // the second time.
  const std::string_view trimmed_key = [&] {
    std::string_view k = key;
    while (!k.empty() && (k.front() == ' ' || k.front() == '\t')) k.remove_prefix(1);
    return k;
  }();
  const bool expressible =
      section.find(']') == std::string::npos && well_formed::IsGb18030(section) &&
      key.find('=') == std::string::npos &&
      (trimmed_key.empty() || (trimmed_key.front() != '[' && trimmed_key.front() != ';'));
  if (expressible) {
    FUZZ_CHECK(WriteIniItem(path, section, key_arg, value_arg));
    FUZZ_CHECK(ReadBack(path) == first);
  }
  return 0;
}
