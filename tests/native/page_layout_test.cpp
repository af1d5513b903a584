#include "page/page_layout.h"

#include <gtest/gtest.h>

#include <string>

#include "checking/grading.h"
#include "package/hidden_form.h"

namespace {
std::string Hidden(const char* plain) {
  std::string hidden;
  for (const char* p = plain; *p; ++p) hidden.push_back(static_cast<char>(HideByte(static_cast<uint8_t>(*p))));
  return hidden;
}
}  // namespace

TEST(OwnerOfField, FieldsToQuestions) {
  const struct {
    int id, n, q, question, answer;
  } cases[] = {
      {4001, 1, 5, 0, 1}, {4005, 1, 5, 4, 1}, {4006, 1, 5, -1, 1}, {4000, 1, 5, -1, 1},
      {4001, 2, 3, 0, 1}, {4002, 2, 3, 0, 2}, {4003, 2, 3, 1, 1}, {4006, 2, 3, 2, 2},
      {4007, 2, 3, -1, 1}, {4001, 3, 3, -1, 1},
  };
  for (const auto& c : cases) {
    const FieldOwner owner = OwnerOfField(c.id, c.n, c.q);
    EXPECT_EQ(owner.question, c.question) << c.id << " n=" << c.n;
    if (owner.question >= 0) {
      EXPECT_EQ(owner.answer, c.answer) << c.id;
    }
  }
}

TEST(WordCountHint, CountsWordsOfTheReadableAnswer) {
  const struct {
    const char* answer;
    const char* hint;
  } cases[] = {
      {"paris", "en 1 mot"},        {"jean-paul", "en 2 mots"},   {"jean!-paul", "en 1 mot"},
      {"l'homme de fer", "en 4 mots"}, {"fin!", "en 1 mot"},    {"a b!", "en 2 mots"},
      {"", "en 1 mot"},             {"!!a b", "en 2 mots"},       {"a  b", "en 3 mots"},
  };
  for (const auto& c : cases) {
    char hint[32];
    WordCountHint(Hidden(c.answer).c_str(), hint);
    EXPECT_STREQ(hint, c.hint) << c.answer;
  }
}

TEST(PageColours, StaticsByIdAndVerdict) {
  const struct {
    int id;
    StaticLook look;
  } cases[] = {
      {2000, StaticLook::kOnPage}, {2003, StaticLook::kOnPage}, {2246, StaticLook::kOnPage},
      {2247, StaticLook::kDefault}, {156, StaticLook::kOnPage},  {8001, StaticLook::kOnPage},
      {8006, StaticLook::kOnPage}, {8007, StaticLook::kDefault}, {8000, StaticLook::kDefault},
      {5001, StaticLook::kVerdict}, {5006, StaticLook::kVerdict}, {5007, StaticLook::kDefault},
      {3000, StaticLook::kQuestion}, {9901, StaticLook::kDefault}, {4001, StaticLook::kDefault},
  };
  for (const auto& c : cases) EXPECT_EQ(LookOfStatic(c.id, 2, 3), c.look) << c.id;

  EXPECT_EQ(TextColourOnPage(60, 60), 0x00FFFFFFu);
  EXPECT_EQ(TextColourOnPage(69, 69), 0x00FFFFFFu);
  EXPECT_EQ(TextColourOnPage(70, 60), 0x00000000u);
  EXPECT_EQ(TextColourOnPage(60, 70), 0x00000000u);

  const struct {
    const char* verdict;
    VerdictBrush brush;
    uint32_t background;
  } verdicts[] = {
      {kVerdictAnagram, VerdictBrush::kAnagram, 0x000000FF}, {kVerdictRight, VerdictBrush::kRight, 0x0000FF00},
      {kVerdictWrong, VerdictBrush::kWrong, 0x000000FF},     {kVerdictEmpty, VerdictBrush::kNone, 0},
      {kVerdictNearly, VerdictBrush::kHint, 0x000000FF},     {kVerdictSomeIdea, VerdictBrush::kHint, 0x000000FF},
  };
  for (const auto& v : verdicts) {
    const VerdictLook look = LookOfVerdict(v.verdict);
    EXPECT_EQ(look.brush, v.brush) << v.verdict;
    if (v.brush != VerdictBrush::kNone) {
      EXPECT_EQ(look.background, v.background) << v.verdict;
    }
  }
}

TEST(ScrollTargets, VerticalAndHorizontalCodes) {
  // Content 1000 high in a client 400 high: range 0..998, page 399.
  const ScrollState vertical{0, 998, 399, 0, 123};
  const struct {
    int code, position, target;
  } cases[] = {
      {1, 0, 310}, {1, 310, 620}, {0, 310, 0}, {0, 100, 0}, {3, 0, 399}, {2, 500, 101},
      {5, 0, 123}, {6, 500, 0},   {7, 0, 998}, {500, 0, 50}, {501, 0, 0}, {501, 300, 250},
      {4, 77, 77}, {8, 77, 77},
  };
  for (const auto& c : cases) {
    ScrollState bar = vertical;
    bar.position = c.position;
    EXPECT_EQ(VerticalScrollTarget(c.code, bar), c.target) << c.code << " from " << c.position;
  }
  const ScrollState horizontal{0, 898, 699, 10, 40};
  EXPECT_EQ(HorizontalScrollTarget(0, horizontal), 9);
  EXPECT_EQ(HorizontalScrollTarget(1, horizontal), 11);
  EXPECT_EQ(HorizontalScrollTarget(3, horizontal), 709);
  EXPECT_EQ(HorizontalScrollTarget(2, horizontal), 0);
  EXPECT_EQ(HorizontalScrollTarget(5, horizontal), 40);
  EXPECT_EQ(HorizontalScrollTarget(6, horizontal), 10) << "SB_LEFT does nothing";
  EXPECT_EQ(HorizontalScrollTarget(500, horizontal), 10);
}

TEST(BringIntoView, OnlyFieldsOutsideThePageMoveIt) {
  // Page 700 x 400; field reference point = left + 18.
  EXPECT_FALSE(BringIntoView(610, 5, 0, 0, 900, 400, 0).scroll);
  EXPECT_TRUE(BringIntoView(610, 5, 0, 0, 700, 400, 0).scroll) << "reference point + 130 past the right edge";
  EXPECT_FALSE(BringIntoView(0, 385, 0, 0, 700, 400, 0).scroll) << "top at the limit";
  const ViewTarget below = BringIntoView(610, 386, 0, 0, 700, 400, 0);
  EXPECT_TRUE(below.scroll);
  EXPECT_EQ(below.vertical, 386 - 15);
  EXPECT_EQ(below.horizontal, 610 + 18 - 130);
  const ViewTarget above = BringIntoView(46, 100, 0, 300, 700, 400, 270);
  EXPECT_TRUE(above.scroll);
  EXPECT_EQ(above.vertical, 100 - 270 - 15);
  EXPECT_TRUE(BringIntoView(600, 10, 0, 0, 700, 400, 0).scroll) << "reference point + 130 past the right edge";
}

TEST(FocusAllowance, PictureRowAndItsBand) {
  int32_t heights[32] = {260, 0, 100};
  EXPECT_EQ(FocusAllowance(heights, 0), 270);
  EXPECT_EQ(FocusAllowance(heights, 2), 270);
  EXPECT_EQ(FocusAllowance(heights, 3), 0);
  EXPECT_EQ(FocusAllowance(heights, 6), 110);
  EXPECT_EQ(FocusAllowance(heights, -1), 0);
}
