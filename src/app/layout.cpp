#include "app/layout.h"

Place CentredOnDesktop(int left, int top, int right, int bottom, int width, int height) {
  return {left + ((right - left) - width) / 2, top + ((bottom - top) - height) / 2, width, height};
}

MainLayout LayOutMainWindow(int w, int h) {
  return {
      {5, 50, w - 11, h - 68},
      {5, 2, w - 11, 49},
      {w - 145, h - 16, 150, 15},
  };
}

void HeaderBarMoves(int w, HeaderMove (&moves)[kHeaderMoveCount]) {
  const HeaderMove order[kHeaderMoveCount] = {
      {kTitleId, {110, 3, w - 350, 18}},
      {kLinkId, {w - 134, 0, 115, 18}},
      {kById, {w - 134, 25, 26, 18}},
      {kAuthorId, {w - 107, 25, 105, 18}},
      {kSaveButtonId, {w - 204, 25, 55, 18}},
      {kDescriptionId, {110, 19, w - 324, 28}},
      {kLinkRuleId, {w - 145, 0, 1, 50}},
      {kHideBoxId, {w - 204, 0, 85, 18}},
  };
  for (int i = 0; i < kHeaderMoveCount; ++i) moves[i] = order[i];
}
