// Pure helpers of the image loader: the scrambling of stored pictures and
// clips, and the size a picture gets in its box.
#pragma once
#include <cstddef>
#include <cstdint>

// Pictures and clips are stored with the two halves of every byte
// exchanged; the same exchange restores them. (Not SwapNibbles, which
// differs from 0x80 up.)
constexpr uint8_t RotateNibbles(uint8_t b) { return static_cast<uint8_t>(b << 4 | b >> 4); }

void RotateNibbles(const uint8_t* from, uint8_t* to, size_t size);

struct FittedSize {
  int width, height;
};

// The largest size of the same aspect that fits the box: the smaller of the
// two scale factors, in floating point, and each side truncated. Small
// pictures are enlarged as well as large ones reduced.
FittedSize FitToBox(int width, int height, int boxWidth, int boxHeight);
