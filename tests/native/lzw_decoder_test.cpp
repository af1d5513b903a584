#include "package/lzw_decoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "lzw_encoder.h"
#include "support/code_stream.h"
#include "support/hex.h"

namespace {

struct Decoded {
  int32_t result;
  std::string bytes;
};

Decoded Decode(const std::vector<uint8_t>& block) {
  LzwOutput out;
  const int32_t result = LzwDecode(block.data(), static_cast<uint32_t>(block.size()), &out);
  Decoded decoded{result, std::string(reinterpret_cast<const char*>(out.bytes), out.size)};
  if (result != kLzwOk) {
    EXPECT_EQ(out.bytes, nullptr);
    EXPECT_EQ(out.size, 0u);
  }
  LzwFreeOutput(&out);
  return decoded;
}

std::vector<Code> At9(std::initializer_list<uint32_t> values) {
  std::vector<Code> codes;
  for (uint32_t v : values) codes.push_back({v, 9});
  return codes;
}

struct StreamCase {
  const char* name;
  std::vector<uint8_t> block;
  int32_t result;
  std::string bytes;
};

std::vector<Code> GrowTo(int width, std::vector<Code> codes) {
  for (int w = 9; w < width; ++w) codes.push_back({kLzwGrowCode, w});
  return codes;
}

std::vector<Code> Then(std::vector<Code> codes, std::initializer_list<Code> more) {
  codes.insert(codes.end(), more);
  return codes;
}

}  // namespace

TEST(LzwDecode, HandMadeStreams) {
  const StreamCase cases[] = {
      {"dictionary entries", Hex("30 98 A0 70 00"), kLzwOk, "abab"},
      {"code equal to the next free code", Hex("30 C0 E0 00"), kLzwOk, "aaa"},
      {"bytes after the end code are ignored", Hex("30 98 A0 70 00 FF FF 12"), kLzwOk, "abab"},
      {"empty block", {}, kLzwTooShort, ""},
      {"one byte: first code incomplete", Hex("30"), kLzwTooShort, ""},
      {"only the first code", Hex("30 80"), kLzwMalformed, ""},
      {"first code then end", PackCodes(At9({97, 256})), kLzwOk, "a"},
      {"first code is not looked up", PackCodes(At9({0x161, 256})), kLzwOk, "a"},
      {"code above the next free code", PackCodes(At9({97, 98, 261, 256})), kLzwMalformed, ""},
      {"earlier entry", PackCodes(At9({97, 98, 99, 259, 256})), kLzwOk, "abcab"},
      {"entry defined by the same code", PackCodes(At9({97, 98, 260, 256})), kLzwOk, "abbb"},
      {"reset keeps the previous string", PackCodes(At9({97, 98, 258, 259, 256})), kLzwOk, "abbb"},
      {"reset forgets the entries", PackCodes(At9({97, 98, 99, 258, 260, 256})), kLzwMalformed, ""},
      {"grow changes only later codes",
       PackCodes({{97, 9}, {kLzwGrowCode, 9}, {98, 10}, {259, 10}, {256, 10}}), kLzwOk, "abab"},
      {"reset goes back to 9 bits",
       PackCodes({{97, 9}, {kLzwGrowCode, 9}, {98, 10}, {kLzwResetCode, 10}, {99, 9}, {256, 9}}),
       kLzwOk, "abc"},
      {"32-bit codes", PackCodes(Then(GrowTo(32, {{97, 9}}), {{98, 32}, {256, 32}})), kLzwOk, "ab"},
      {"width grown past 32 bits", PackCodes(Then(GrowTo(33, {{97, 9}}), {{98, 33}})), kLzwMalformed, ""},
      {"input ends inside a code", PackCodes(At9({97, 98})), kLzwMalformed, ""},
  };
  for (const StreamCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Decoded decoded = Decode(c.block);
    EXPECT_EQ(decoded.result, c.result);
    EXPECT_EQ(decoded.bytes, c.bytes);
  }
}

TEST(LzwDecode, RefusesBlocksLargerThanTheInputBuffer) {
  std::vector<uint8_t> block = Hex("30 98 A0 70 00");
  block.resize(kLzwMaxPacked, 0);
  EXPECT_EQ(Decode(block).result, kLzwOk);
  block.push_back(0);
  EXPECT_EQ(Decode(block).result, kLzwMalformed);
}

TEST(LzwDecode, RefusesMoreThan30000UnpackedBytes) {
  const std::string full(kLzwMaxUnpacked, 'a');
  const std::vector<uint8_t> fits =
      LzwEncode(reinterpret_cast<const uint8_t*>(full.data()), full.size());
  EXPECT_EQ(Decode(fits).bytes, full);
  const std::string over = full + "a";
  const std::vector<uint8_t> tooLong =
      LzwEncode(reinterpret_cast<const uint8_t*>(over.data()), over.size());
  EXPECT_EQ(Decode(tooLong).result, kLzwMalformed);
}

TEST(LzwDecode, RefusesAnEntryBeyondCode4095) {
  // Every literal after the first defines one entry: 3837 of them fill
  // codes 259 to 4095.
  const auto literals = [](int count) {
    std::vector<Code> codes(1 + count, Code{'x', 9});
    return codes;
  };
  std::vector<Code> full = literals(3837);
  full.push_back({256, 9});
  EXPECT_EQ(Decode(PackCodes(full)).bytes, std::string(3838, 'x'));

  std::vector<Code> over = literals(3838);
  over.push_back({256, 9});
  EXPECT_EQ(Decode(PackCodes(over)).result, kLzwMalformed);

  std::vector<Code> reset = literals(3837);
  reset.push_back({kLzwResetCode, 9});
  reset.push_back({'x', 9});
  reset.push_back({256, 9});
  EXPECT_EQ(Decode(PackCodes(reset)).bytes, std::string(3839, 'x'));
}

// Counts the decoder's allocations and fails those of one size.
class MemoryTest : public ::testing::Test {
 protected:
  static inline size_t failSize = 0;
  static inline int live = 0;
  static inline int notices = 0;

  static void* Allocate(size_t size) {
    if (size == failSize) return nullptr;
    ++live;
    return std::malloc(size);
  }
  static void Release(void* block) {
    if (block != nullptr) --live;
    std::free(block);
  }
  static void Notice() { ++notices; }

  void SetUp() override {
    saved_ = lzwMemory;
    lzwMemory = {Allocate, Release, Notice};
    live = 0;
    notices = 0;
  }
  void TearDown() override { lzwMemory = saved_; }

  LzwMemory saved_{};
};

TEST_F(MemoryTest, EveryCallReleasesItsWorkingMemory) {
  failSize = 0;
  LzwOutput out;
  ASSERT_EQ(LzwDecode(Hex("30 98 A0 70 00").data(), 5, &out), kLzwOk);
  EXPECT_EQ(live, 1);  // only the output, which the caller now owns
  LzwFreeOutput(&out);
  EXPECT_EQ(live, 0);
  EXPECT_EQ(LzwDecode(Hex("30 80").data(), 2, &out), kLzwMalformed);
  EXPECT_EQ(live, 0);
}

TEST_F(MemoryTest, MissingMemoryGivesMinus4AndOnlyTheOutputIsReported) {
  const struct {
    size_t failSize;
    int notices;
  } cases[] = {
      {kLzwMaxUnpacked, 1},  // the output buffer
      {kLzwMaxPacked, 0},    // the input buffer
      {2, 0},                // a dictionary string made while decoding
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.failSize);
    failSize = c.failSize;
    notices = 0;
    LzwOutput out;
    EXPECT_EQ(LzwDecode(Hex("30 98 A0 70 00").data(), 5, &out), kLzwNoMemory);
    EXPECT_EQ(out.bytes, nullptr);
    EXPECT_EQ(notices, c.notices);
    EXPECT_EQ(live, 0);
  }
}
