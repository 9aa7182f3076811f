#include "cli/json_writer.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tavrik::cli {
namespace {

constexpr char kReplacementCharacter[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0
// when it does not start with one (RFC 3629: no overlong forms, no
// surrogates, nothing above U+10FFFF).
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint8_t second_low = 0x80;   // the range of the second byte, which the
  std::uint8_t second_high = 0xBF;  // lead narrows to rule out the bad forms
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) second_low = 0xA0;
    if (lead == 0xED) second_high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) second_low = 0x90;
    if (lead == 0xF4) second_high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < second_low || byte(1) > second_high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

bool IsPlain(char c) {
  const auto byte = static_cast<std::uint8_t>(c);
  return byte >= 0x20 && byte < 0x80 && c != '"' && c != '\\';
}

// Appends what the first character of `text` (not plain) becomes; returns
// the number of bytes it took.
std::size_t AppendSpecial(std::string& line, std::string_view text) {
  static constexpr std::pair<char, std::string_view> kShortEscapes[] = {
      {'"', "\\\""}, {'\\', "\\\\"}, {'\b', "\\b"}, {'\f', "\\f"},
      {'\n', "\\n"}, {'\r', "\\r"},  {'\t', "\\t"}};
  const char c = text.front();
  for (const auto& [character, escape] : kShortEscapes) {
    if (c == character) {
      line += escape;
      return 1;
    }
  }
  if (static_cast<std::uint8_t>(c) < 0x20) {
    static constexpr char kHex[] = "0123456789abcdef";
    const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0x0F]};
    line.append(escape, sizeof escape);
    return 1;
  }
  const std::size_t length = Utf8SequenceLength(text);
  if (length == 0) {
    line += kReplacementCharacter;
    return 1;
  }
  line.append(text.substr(0, length));
  return length;
}

void AppendString(std::string& line, std::string_view text) {
  line += '"';
  while (!text.empty()) {
    // Plain ASCII, nearly every character there is, is copied a run at a time.
    const auto plain_end = std::find_if_not(text.begin(), text.end(), IsPlain);
    const std::size_t plain = static_cast<std::size_t>(plain_end - text.begin());
    line.append(text.substr(0, plain));
    text.remove_prefix(plain);
    if (!text.empty()) text.remove_prefix(AppendSpecial(line, text));
  }
  line += '"';
}

}  // namespace

void WriteJsonLine(std::ostream& out, const FrameRecord& record) {
  std::string line = "{";
  for (std::size_t i = 0; i < record.size(); ++i) {
    if (i > 0) line += ',';
    AppendString(line, kRecordColumns[i].name);
    line += ':';
    if (!record[i]) {
      line += "null";
    } else if (kRecordColumns[i].kind == ValueKind::kNumber) {
      line += *record[i];
    } else {
      AppendString(line, *record[i]);
    }
  }
  line += "}\n";
  out << line;
}

}  // namespace tavrik::cli
