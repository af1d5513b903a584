#include "cp1252.h"

#include <cstdint>
#include <cstdio>

namespace {

// Characters of bytes 0x80-0x9F; the undefined ones keep their own number.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CharOfByte(uint8_t b) {
  return b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : b;
}

bool ByteOfChar(char32_t c, uint8_t* b) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
    *b = static_cast<uint8_t>(c);
    return true;
  }
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == c) {
      *b = static_cast<uint8_t>(0x80 + i);
      return true;
    }
  }
  return false;
}

// Next character of s at *i, or U+FFFD (and false) for malformed UTF-8.
bool NextChar(std::string_view s, size_t* i, char32_t* c) {
  const uint8_t lead = static_cast<uint8_t>(s[*i]);
  size_t extra;
  if (lead < 0x80) {
    extra = 0;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
  } else {
    *c = 0xFFFD;
    return false;
  }
  *c = 0xFFFD;
  if (s.size() - *i <= extra) return false;
  char32_t value = extra == 0 ? lead : lead & (0x3F >> extra);
  for (size_t k = 1; k <= extra; ++k) {
    const uint8_t next = static_cast<uint8_t>(s[*i + k]);
    if ((next & 0xC0) != 0x80) return false;
    value = value << 6 | (next & 0x3F);
  }
  static constexpr char32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return false;
  }
  *i += extra + 1;
  *c = value;
  return true;
}

void AppendUtf8(std::string* out, char32_t c) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | c >> 6));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xE0 | c >> 12));
    out->push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

bool Utf8ToCp1252(std::string_view utf8, std::string* out, char32_t* bad) {
  out->clear();
  size_t i = 0;
  while (i < utf8.size()) {
    char32_t c;
    uint8_t b;
    if (!NextChar(utf8, &i, &c) || !ByteOfChar(c, &b)) {
      *bad = c;
      return false;
    }
    out->push_back(static_cast<char>(b));
  }
  return true;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  for (char b : bytes) AppendUtf8(&out, CharOfByte(static_cast<uint8_t>(b)));
  return out;
}

std::string CodePointName(char32_t c) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
  return name;
}
