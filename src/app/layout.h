// Where the main window and its parts go: plain arithmetic on client sizes.
#pragma once

struct Place {
  int x, y, width, height;
};

constexpr int kMainWindowWidth = 930;
constexpr int kMainWindowHeight = 600;

// Top-left corner that centres a window of the given outer size on the
// desktop rectangle (left, top, right, bottom); divisions truncate toward 0.
Place CentredOnDesktop(int left, int top, int right, int bottom, int width, int height);

// The main window's layout for a client area of w x h.
struct MainLayout {
  Place page;
  Place headerBar;
  Place credits;
};
MainLayout LayOutMainWindow(int w, int h);

// Header bar controls and their places, created at and moved to.
enum HeaderBarId : int {
  kLinkId = 24,
  kById = 25,
  kAuthorId = 26,
  kSaveButtonId = 27,
  kDescriptionId = 28,
  kTitleId = 29,
  kCodeFieldId = 30,
  kCodeLabelId = 31,
  kScoreFieldId = 32,
  kHideBoxId = 33,
  kScoreRuleId = 120,
  kBlockRuleId = 121,
  kLinkRuleId = 122,
};

// Where WM_SIZE moves a header bar control for a client width w, in the
// order it moves them; the hide box is moved only in the picture layout.
struct HeaderMove {
  int id;
  Place place;
};
constexpr int kHeaderMoveCount = 8;
void HeaderBarMoves(int w, HeaderMove (&moves)[kHeaderMoveCount]);
