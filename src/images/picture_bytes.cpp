#include "images/picture_bytes.h"

void RotateNibbles(const uint8_t* from, uint8_t* to, size_t size) {
  for (size_t i = 0; i < size; ++i) to[i] = RotateNibbles(from[i]);
}

FittedSize FitToBox(int width, int height, int boxWidth, int boxHeight) {
  if (width <= 0 || height <= 0) return {0, 0};
  const double across = static_cast<double>(boxWidth) / width;
  const double down = static_cast<double>(boxHeight) / height;
  const double scale = across < down ? across : down;
  return {static_cast<int>(width * scale), static_cast<int>(height * scale)};
}
