#include "overlay/board_json.h"

#include <cstdio>

#include "services/utf8.h"

std::string JsonString(std::string_view text) {
  const std::string valid = ValidUtf8(text);
  std::string json;
  json.reserve(valid.size() + 2);
  json += '"';
  for (std::size_t i = 0; i < valid.size(); ++i) {
    const char c = valid[i];
    switch (c) {
      case '"':
        json += "\\\"";
        continue;
      case '\\':
        json += "\\\\";
        continue;
      case '\n':
        json += "\\n";
        continue;
      case '\r':
        json += "\\r";
        continue;
      case '\t':
        json += "\\t";
        continue;
      default:
        break;
    }
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      json += escaped;
    } else if (byte == 0xE2 && i + 2 < valid.size() && valid[i + 1] == '\x80' &&
               (valid[i + 2] == '\xA8' || valid[i + 2] == '\xA9')) {
      json += valid[i + 2] == '\xA8' ? "\\u2028" : "\\u2029";
      i += 2;
    } else {
      json += c;
    }
  }
  json += '"';
  return json;
}

std::string BoardJson(const BoardValues& values) {
  std::string json = "{";
  std::string_view open_group;
  for (std::size_t i = 0; i < kBoardFieldCount; ++i) {
    const BoardField& field = kBoardFields[i];
    const bool first_in_group = i == 0 || kBoardFields[i - 1].group != field.group;
    if (first_in_group && !open_group.empty()) {
      json += '}';
      open_group = {};
    }
    if (i > 0)
      json += ',';
    if (first_in_group && !field.group.empty()) {
      json += JsonString(field.group) + ":{";
      open_group = field.group;
    }
    json += JsonString(field.key) + ':' + JsonString(values[i]);
  }
  if (!open_group.empty())
    json += '}';
  json += "}\n";
  return json;
}
