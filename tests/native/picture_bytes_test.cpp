#include "images/picture_bytes.h"

#include <gtest/gtest.h>

TEST(RotateNibbles, ExchangesTheHalvesOfEveryByte) {
  EXPECT_EQ(RotateNibbles(0x00), 0x00);
  EXPECT_EQ(RotateNibbles(0xFF), 0xFF);
  EXPECT_EQ(RotateNibbles(0x98), 0x89);
  EXPECT_EQ(RotateNibbles(0xC9), 0x9C) << "not the hidden form's SwapNibbles";
  for (int b = 0; b < 256; ++b) EXPECT_EQ(RotateNibbles(RotateNibbles(static_cast<uint8_t>(b))), b);
  const uint8_t stored[] = {0x8F, 0xD8, 0x00};
  uint8_t plain[3];
  RotateNibbles(stored, plain, 3);
  EXPECT_EQ(plain[0], 0xF8);
  EXPECT_EQ(plain[1], 0x8D);
  EXPECT_EQ(plain[2], 0x00);
}

TEST(FitToBox, KeepsTheAspect) {
  const struct {
    int w, h, boxW, boxH, fitW, fitH;
  } cases[] = {
      {260, 260, 260, 260, 260, 260}, {130, 65, 260, 260, 260, 130}, {520, 1040, 260, 260, 130, 260},
      {200, 100, 260, 100, 200, 100}, {1000, 10, 260, 260, 260, 2},  {300, 400, 260, 195, 146, 195},
      {100, 100, 260, 0, 0, 0},
  };
  for (const auto& c : cases) {
    const FittedSize size = FitToBox(c.w, c.h, c.boxW, c.boxH);
    EXPECT_EQ(size.width, c.fitW) << c.w << "x" << c.h;
    EXPECT_EQ(size.height, c.fitH) << c.w << "x" << c.h;
  }
}
