#include "app/layout.h"

#include <gtest/gtest.h>

namespace {
void ExpectPlace(const Place& p, int x, int y, int w, int h) {
  EXPECT_EQ(p.x, x);
  EXPECT_EQ(p.y, y);
  EXPECT_EQ(p.width, w);
  EXPECT_EQ(p.height, h);
}
}  // namespace

TEST(Layout, CentredOnTheDesktop) {
  ExpectPlace(CentredOnDesktop(0, 0, 1280, 1024, 930, 600), 175, 212, 930, 600);
  // Odd differences truncate toward zero, also when the window is larger.
  ExpectPlace(CentredOnDesktop(0, 0, 1025, 769, 930, 600), 47, 84, 930, 600);
  ExpectPlace(CentredOnDesktop(0, 0, 800, 599, 930, 600), -65, 0, 930, 600);
  ExpectPlace(CentredOnDesktop(-1280, 0, 0, 1024, 930, 600), -1105, 212, 930, 600);
}

TEST(Layout, MainWindowFor900x540) {
  const MainLayout layout = LayOutMainWindow(900, 540);
  ExpectPlace(layout.page, 5, 50, 889, 472);
  ExpectPlace(layout.headerBar, 5, 2, 889, 49);
  ExpectPlace(layout.credits, 755, 524, 150, 15);
}

TEST(Layout, HeaderBarFor900) {
  HeaderMove moves[kHeaderMoveCount];
  HeaderBarMoves(900, moves);
  const int order[kHeaderMoveCount] = {kTitleId, kLinkId, kById, kAuthorId,
                                       kSaveButtonId, kDescriptionId, kLinkRuleId, kHideBoxId};
  for (int i = 0; i < kHeaderMoveCount; ++i) EXPECT_EQ(moves[i].id, order[i]);
  ExpectPlace(moves[0].place, 110, 3, 550, 18);
  ExpectPlace(moves[1].place, 766, 0, 115, 18);
  ExpectPlace(moves[2].place, 766, 25, 26, 18);
  ExpectPlace(moves[3].place, 793, 25, 105, 18);
  ExpectPlace(moves[4].place, 696, 25, 55, 18);
  ExpectPlace(moves[5].place, 110, 19, 576, 28);
  ExpectPlace(moves[6].place, 755, 0, 1, 50);
  ExpectPlace(moves[7].place, 696, 0, 85, 18);
}
