#include "package/hidden_form.h"

// Spelled out so the bytes do not depend on the compiler's character set.
const uint8_t kCipherKey[kCipherKeyLength] = {
    'L', 'i', 'g', 'n', 'e', 's', ' ', 'v', 'i', 'd', 'e',
    's', ' ', 'o', 'u', 'b', 'l', 'i', 0xE9, 'e', 's'};

void CipherKey::Apply(uint8_t* bytes, size_t size) {
  for (size_t i = 1; i < size; ++i) {
    bytes[i] ^= kCipherKey[position];
    position = position + 1 == kCipherKeyLength ? 0 : position + 1;
  }
}
