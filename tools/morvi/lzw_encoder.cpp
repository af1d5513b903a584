#include "lzw_encoder.h"

#include "package/lzw_decoder.h"

namespace {

// Codes one after another, most significant bit first; the last byte is
// filled up with zero bits.
class CodeWriter {
 public:
  void Put(uint32_t code, int width) {
    for (int bit = width - 1; bit >= 0; --bit) {
      current_ = static_cast<uint8_t>(current_ << 1 | (code >> bit & 1));
      if (++used_ == 8) {
        bytes_.push_back(current_);
        current_ = 0;
        used_ = 0;
      }
    }
  }

  std::vector<uint8_t> Finish() {
    if (used_ > 0) bytes_.push_back(static_cast<uint8_t>(current_ << (8 - used_)));
    return std::move(bytes_);
  }

 private:
  std::vector<uint8_t> bytes_;
  uint8_t current_ = 0;
  int used_ = 0;
};

class Encoder {
 public:
  Encoder() : next_(kLzwLastCode + 1, std::vector<uint16_t>()) { Reset(); }

  void Emit(uint32_t code) {
    while (code >> width_ != 0) {
      writer_.Put(kLzwGrowCode, width_);
      ++width_;
    }
    writer_.Put(code, width_);
  }

  void EmitReset() {
    writer_.Put(kLzwResetCode, width_);
    Reset();
  }

  // The code of string(prefix) + byte, or 0 when there is none.
  uint16_t Find(uint32_t prefix, uint8_t byte) const {
    return next_[prefix].empty() ? 0 : next_[prefix][byte];
  }

  // Defines the next free code as string(prefix) + byte, as the decoder does
  // when it reads the code after prefix. When the dictionary is full a reset
  // comes first; the decoder then still defines code 259 from the string of
  // prefix, but a prefix longer than one byte has no code after the reset,
  // so that entry can never be reached and is only counted.
  void Define(uint32_t prefix, uint8_t byte) {
    bool unreachable = false;
    if (nextFree_ > kLzwLastCode) {
      EmitReset();
      unreachable = prefix >= 256;
    }
    const uint16_t code = static_cast<uint16_t>(nextFree_++);
    if (unreachable) return;
    if (next_[prefix].empty()) next_[prefix].assign(256, 0);
    next_[prefix][byte] = code;
  }

  std::vector<uint8_t> Finish() { return writer_.Finish(); }

 private:
  void Reset() {
    for (auto& row : next_) row.clear();
    nextFree_ = kLzwFirstFreeCode;
    width_ = kLzwFirstWidth;
  }

  // next_[code][byte]: the code of that string followed by byte.
  std::vector<std::vector<uint16_t>> next_;
  uint32_t nextFree_ = kLzwFirstFreeCode;
  int width_ = kLzwFirstWidth;
  CodeWriter writer_;
};

}  // namespace

std::vector<uint8_t> LzwEncode(const uint8_t* data, size_t size, int extraResets) {
  Encoder encoder;
  uint32_t current = data[0];  // the first code is always a single byte
  size_t currentLength = 1;
  bool first = true;
  for (size_t i = 1; i < size; ++i) {
    const uint8_t byte = data[i];
    const uint16_t longer = encoder.Find(current, byte);
    if (longer != 0 && currentLength < kLzwMaxString) {
      current = longer;
      ++currentLength;
      continue;
    }
    encoder.Emit(current);
    if (first) {
      for (int k = 0; k < extraResets; ++k) encoder.EmitReset();
      first = false;
    }
    encoder.Define(current, byte);
    current = byte;
    currentLength = 1;
  }
  encoder.Emit(current);
  if (first) {
    for (int k = 0; k < extraResets; ++k) encoder.EmitReset();
  }
  encoder.Emit(kLzwEndCode);
  return encoder.Finish();
}
