#pragma once
// The content side of writing one INI item: what a file's text becomes when one item is
// set or removed. Kept apart from the file itself so that every layout can be checked
// without touching a disk.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Bytes of the GB18030 character at `pos` (at least 1): a lead byte 0x81-0xFE takes the
// next byte as its trail, or three more for a four-byte form (lead, digit, lead, digit).
// Scans for "]" or "\" step over whole characters, since 0x5D and 0x5C are trail bytes too.
std::size_t GbCharLength(std::string_view text, std::size_t pos);

// Each line break (CR LF, lone CR, lone LF) becomes the two characters "\n", so that a
// multi-line value stays on the one line of its key.
std::string EscapeIniLineBreaks(std::string_view text);

// The new content of an INI file after setting `key` of `section` to `value`.
// - No `key`: every section of that name goes, with all its lines.
// - No `value`: every line of that key in sections of that name goes.
// - Otherwise the first line of the key in the first section of that name is replaced,
//   or the key is added after the last non-empty line of that section, or the section
//   is added at the end of the file.
// Sections and keys match ASCII case-insensitively with surrounding blanks ignored;
// texts are GB18030, so a trail byte is never taken for "]" or folded as a letter.
// Section, key and value have their line breaks escaped. Untouched lines keep their
// bytes and their own line ends (LF-only lines stay so); written lines end in CR LF.
// Returns std::nullopt when the content would not change (nothing to remove).
std::optional<std::string> EditIniContent(std::string_view content, std::string_view section,
                                          std::optional<std::string_view> key,
                                          std::optional<std::string_view> value);
