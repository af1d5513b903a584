// Byte strings for tests, written as hexadecimal: Hex("30 98 a0").
#pragma once
#include <cstdint>
#include <string>
#include <vector>

inline std::vector<uint8_t> Hex(const std::string& text) {
  std::vector<uint8_t> bytes;
  int high = -1;
  for (char c : text) {
    int value = c >= '0' && c <= '9' ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : -1;
    if (value < 0) continue;
    if (high < 0) {
      high = value;
    } else {
      bytes.push_back(static_cast<uint8_t>(high << 4 | value));
      high = -1;
    }
  }
  return bytes;
}

inline std::vector<uint8_t> Bytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}
