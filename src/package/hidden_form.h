// The hidden form in which accepted answers are held, and the key that
// enciphers the stored quiz package.
#pragma once
#include <cstddef>
#include <cstdint>

// b -> (b * 16 + (b as signed >> 4)) mod 256. Below 0x80 this exchanges the
// two halves; from 0x80 up the result's upper half is one less. One to one,
// and never 0 for a non-zero byte.
constexpr uint8_t SwapNibbles(uint8_t b) {
  return static_cast<uint8_t>(b * 16 + (static_cast<int8_t>(b) >> 4));
}

// The inverse of SwapNibbles: the low half of a swapped byte is the original
// upper half, so it tells which of the two rules made it.
constexpr uint8_t UnswapNibbles(uint8_t h) {
  const int high = h & 0x0F;
  const int low = high < 8 ? h >> 4 : ((h >> 4) + 1) & 0x0F;
  return static_cast<uint8_t>(high << 4 | low);
}

// 'a'-'z' and 0xE0-0xFF lowered by 0x20 (so 0xF7 becomes 0xD7 and 0xFF 0xDF);
// every other byte stays.
constexpr uint8_t UpperCaseByte(uint8_t b) {
  return (b >= 'a' && b <= 'z') || b >= 0xE0 ? static_cast<uint8_t>(b - 0x20) : b;
}

constexpr uint8_t HideByte(uint8_t b) { return SwapNibbles(UpperCaseByte(b)); }

// The enciphering key: 21 bytes, "Lignes vides oubliées" in Windows-1252.
constexpr size_t kCipherKeyLength = 21;
extern const uint8_t kCipherKey[kCipherKeyLength];

// The running key position of one load: it moves on by one for every byte
// enciphered or deciphered, across blocks, and wraps after the 21st byte.
struct CipherKey {
  size_t position = 0;

  // XORs bytes 1 .. size - 1 with the key (byte 0 is never enciphered);
  // the same call enciphers and deciphers.
  void Apply(uint8_t* bytes, size_t size);
};
