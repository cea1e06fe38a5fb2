// The edge conversions on any bytes (lone lead bytes, broken four-byte forms, overlong
// and surrogate UTF-8): each always yields a well-formed text of its target encoding,
// and every well-formed text comes back unchanged from the round trip.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "services/text.h"
#include "tests/hostile/well_formed.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  const std::string utf8 = Utf8FromText(input);
  FUZZ_CHECK(well_formed::IsUtf8(utf8));
  if (well_formed::IsGb18030(input))
    FUZZ_CHECK(TextFromUtf8(utf8) == input);

  const Text text = TextFromUtf8(input);
  FUZZ_CHECK(well_formed::IsGb18030(text));
  if (well_formed::IsUtf8(input))
    FUZZ_CHECK(Utf8FromText(text) == input);
  return 0;
}
