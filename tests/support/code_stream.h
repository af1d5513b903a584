// Hand-made LZW code streams for tests: codes of given widths packed most
// significant bit first, the last byte filled with zero bits.
#pragma once
#include <cstdint>
#include <utility>
#include <vector>

struct Code {
  uint32_t value;
  int width;
};

inline std::vector<uint8_t> PackCodes(const std::vector<Code>& codes) {
  std::vector<uint8_t> bytes;
  uint8_t current = 0;
  int used = 0;
  for (const Code& code : codes) {
    for (int bit = code.width - 1; bit >= 0; --bit) {
      current = static_cast<uint8_t>(current << 1 | (code.value >> bit & 1));
      if (++used == 8) {
        bytes.push_back(current);
        current = 0;
        used = 0;
      }
    }
  }
  if (used > 0) bytes.push_back(static_cast<uint8_t>(current << (8 - used)));
  return bytes;
}
