// Decoder of the LZW code stream in which each quiz package block is stored.
//
// Codes are packed most significant bit first, with no alignment, starting
// 9 bits wide. 0-255 are single bytes, 256 ends the stream, 257 makes every
// later code one bit wider, 258 resets the dictionary (next free code 259,
// width 9) and 259-4095 are dictionary strings. The first code is not looked
// up: its low eight bits are the first string. Output lags one code behind:
// each code writes the string of the code before it, and the end code writes
// the last one, so a valid stream always yields at least one byte.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr int32_t kLzwOk = 0;
constexpr int32_t kLzwNoMemory = -4;    // working memory or output not obtained
constexpr int32_t kLzwTooShort = -5;    // input ended inside the first code
constexpr int32_t kLzwMalformed = -7;   // anything else that is not a valid stream

constexpr uint32_t kLzwMaxPacked = 32768;    // size of the input buffer
constexpr uint32_t kLzwMaxUnpacked = 30000;  // size of the output buffer
constexpr uint32_t kLzwMaxString = 4096;     // longest dictionary string
constexpr uint32_t kLzwLastCode = 4095;      // highest dictionary code

constexpr uint32_t kLzwEndCode = 256;
constexpr uint32_t kLzwGrowCode = 257;
constexpr uint32_t kLzwResetCode = 258;
constexpr uint32_t kLzwFirstFreeCode = 259;
constexpr int kLzwFirstWidth = 9;
constexpr int kLzwMaxWidth = 32;

// Where the decoder's memory comes from. The Win32 layer sets
// outputUnavailable to show its message; tests swap the allocator to make
// allocations fail.
struct LzwMemory {
  void* (*allocate)(size_t size);
  void (*release)(void* block);
  void (*outputUnavailable)();  // may be null
};
extern LzwMemory lzwMemory;

// On success, bytes holds size unpacked bytes; the caller owns them and
// gives them back with LzwFreeOutput.
struct LzwOutput {
  uint8_t* bytes = nullptr;
  uint32_t size = 0;
};

// Unpacks one whole block. Returns kLzwOk, or a negative result with output
// left empty. Refuses (kLzwMalformed), never overruns: a block over 32768
// bytes, unpacked data over 30000 bytes, a dictionary string over 4096 bytes,
// an entry beyond code 4095, a code above the next free code, a width grown
// past 32 bits, and input that ends before the end code.
int32_t LzwDecode(const uint8_t* block, uint32_t length, LzwOutput* output);

void LzwFreeOutput(LzwOutput* output);
