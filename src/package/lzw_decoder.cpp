#include "package/lzw_decoder.h"

#include <cstdlib>
#include <cstring>

LzwMemory lzwMemory = {std::malloc, std::free, nullptr};

namespace {

constexpr uint32_t kDictionarySize = kLzwLastCode + 1;

struct DictionaryEntry {
  uint8_t* bytes;   // a heap block of its own
  uint16_t length;
};

// Reads codes of any width from 9 to 32 bits, most significant bit first.
// The bits of the last byte read that a code did not use wait, left-aligned,
// in the reserve.
class CodeReader {
 public:
  CodeReader(const uint8_t* input, uint32_t length) : input_(input), length_(length) {}

  // False when the input ends before the code is complete.
  bool Read(int width, uint32_t* code) {
    uint64_t value = reserveBits_ ? reserve_ >> (8 - reserveBits_) : 0;
    int needed = width - reserveBits_;
    reserveBits_ = 0;
    while (needed >= 8) {
      if (position_ == length_) return false;
      value = value << 8 | input_[position_++];
      needed -= 8;
    }
    if (needed > 0) {
      if (position_ == length_) return false;
      const uint8_t byte = input_[position_++];
      value = value << needed | byte >> (8 - needed);
      reserve_ = static_cast<uint8_t>(byte << needed);
      reserveBits_ = 8 - needed;
    }
    *code = static_cast<uint32_t>(value);
    return true;
  }

 private:
  const uint8_t* input_;
  uint32_t length_;
  uint32_t position_ = 0;
  uint8_t reserve_ = 0;
  int reserveBits_ = 0;
};

// All memory of one call, released by the destructor on every return.
class Workspace {
 public:
  ~Workspace() {
    if (dictionary != nullptr) {
      for (uint32_t i = 0; i < kDictionarySize; ++i) lzwMemory.release(dictionary[i].bytes);
      lzwMemory.release(dictionary);
    }
    lzwMemory.release(previous);
    lzwMemory.release(input);
    lzwMemory.release(output);
  }

  // The dictionary with its 256 one-byte strings, the previous-string
  // buffer and the input buffer; then the output buffer.
  int32_t Obtain() {
    dictionary = static_cast<DictionaryEntry*>(lzwMemory.allocate(kDictionarySize * sizeof(DictionaryEntry)));
    if (dictionary == nullptr) return kLzwNoMemory;
    std::memset(dictionary, 0, kDictionarySize * sizeof(DictionaryEntry));
    for (uint32_t i = 0; i < 256; ++i) {
      if (!Store(i, nullptr, 0, static_cast<uint8_t>(i))) return kLzwNoMemory;
    }
    previous = static_cast<uint8_t*>(lzwMemory.allocate(kLzwMaxString));
    input = static_cast<uint8_t*>(lzwMemory.allocate(kLzwMaxPacked));
    if (previous == nullptr || input == nullptr) return kLzwNoMemory;
    output = static_cast<uint8_t*>(lzwMemory.allocate(kLzwMaxUnpacked));
    if (output == nullptr) {
      if (lzwMemory.outputUnavailable != nullptr) lzwMemory.outputUnavailable();
      return kLzwNoMemory;
    }
    return kLzwOk;
  }

  // Entry code becomes prefix followed by last; whatever the slot held
  // before is released first.
  bool Store(uint32_t code, const uint8_t* prefix, uint32_t prefixLength, uint8_t last) {
    DictionaryEntry& entry = dictionary[code];
    lzwMemory.release(entry.bytes);
    entry.bytes = static_cast<uint8_t*>(lzwMemory.allocate(prefixLength + 1));
    entry.length = 0;
    if (entry.bytes == nullptr) return false;
    if (prefixLength > 0) std::memcpy(entry.bytes, prefix, prefixLength);
    entry.bytes[prefixLength] = last;
    entry.length = static_cast<uint16_t>(prefixLength + 1);
    return true;
  }

  DictionaryEntry* dictionary = nullptr;
  uint8_t* previous = nullptr;
  uint8_t* input = nullptr;
  uint8_t* output = nullptr;
};

}  // namespace

int32_t LzwDecode(const uint8_t* block, uint32_t length, LzwOutput* result) {
  *result = LzwOutput{};
  if (length > kLzwMaxPacked) return kLzwMalformed;  // larger than the input buffer
  Workspace work;
  const int32_t obtained = work.Obtain();
  if (obtained != kLzwOk) return obtained;
  if (length > 0) std::memcpy(work.input, block, length);

  CodeReader reader(work.input, length);
  uint32_t code;
  if (!reader.Read(kLzwFirstWidth, &code)) return kLzwTooShort;
  work.previous[0] = static_cast<uint8_t>(code);
  uint32_t previousLength = 1;
  uint32_t produced = 0;
  uint32_t nextFree = kLzwFirstFreeCode;
  int width = kLzwFirstWidth;

  while (width <= kLzwMaxWidth) {
    if (!reader.Read(width, &code)) return kLzwMalformed;  // no end code
    if (code == kLzwEndCode) {
      if (previousLength > kLzwMaxUnpacked - produced) return kLzwMalformed;
      std::memcpy(work.output + produced, work.previous, previousLength);
      result->bytes = work.output;
      result->size = produced + previousLength;
      work.output = nullptr;
      return kLzwOk;
    }
    if (code == kLzwResetCode) {
      // The previous string stays: the next code extends it as usual.
      nextFree = kLzwFirstFreeCode;
      width = kLzwFirstWidth;
      continue;
    }
    if (code == kLzwGrowCode) {
      ++width;
      continue;
    }
    if (code > nextFree) return kLzwMalformed;            // not defined yet
    if (nextFree > kLzwLastCode) return kLzwMalformed;    // dictionary full without a reset
    if (previousLength >= kLzwMaxString) return kLzwMalformed;  // entry would pass 4096 bytes
    // Code == nextFree is the entry being defined now: previous string
    // followed by its own first byte.
    const uint8_t last = code == nextFree ? work.previous[0] : work.dictionary[code].bytes[0];
    if (!work.Store(nextFree, work.previous, previousLength, last)) return kLzwNoMemory;
    ++nextFree;
    if (previousLength > kLzwMaxUnpacked - produced) return kLzwMalformed;
    std::memcpy(work.output + produced, work.previous, previousLength);
    produced += previousLength;
    const DictionaryEntry& entry = work.dictionary[code];
    std::memcpy(work.previous, entry.bytes, entry.length);
    previousLength = entry.length;
  }
  return kLzwMalformed;  // width grown past 32 bits
}

void LzwFreeOutput(LzwOutput* output) {
  lzwMemory.release(output->bytes);
  *output = LzwOutput{};
}
