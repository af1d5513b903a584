#include "checking/score_win.h"

#include <cstring>

#include "app/layout.h"
#include "checking/grading.h"
#include "checking/hiding.h"
#include "page/page_layout.h"
#include "page/page_scroll_win.h"

namespace {

class PageRowMoves : public RowMoves {
 public:
  explicit PageRowMoves(const AppState& state) : state_(state) {}
  void SetRowPicture(int k, bool show, int distance) override {
    ::SetRowPicture(state_, k, show ? SW_SHOWNORMAL : SW_HIDE, distance);
  }
  void ShiftRow(int k, int distance) override { ::ShiftRow(state_, k, distance); }

 private:
  const AppState& state_;
};

// Number, answer and verdict fields of question k, in the order they move.
void ShiftTextControls(const AppState& state, int k, int distance) {
  HWND page = state.pageWindow;
  const int n = state.answersPerQuestion;
  const int e = n == 2 ? 2 * k - 1 : k;
  ShiftControl(GetDlgItem(page, kAnswerIdBase + e), distance);
  ShiftControl(GetDlgItem(page, kVerdictIdBase + e), distance);
  ShiftControl(GetDlgItem(page, kNumberIdBase + k), distance);
  if (n == 2) {
    ShiftControl(GetDlgItem(page, kAnswerIdBase + e + 1), distance);
    ShiftControl(GetDlgItem(page, kVerdictIdBase + e + 1), distance);
  }
}

}  // namespace

void UpdateScore(AppState& state, HWND page) {
  int score = 0;
  for (int k = 1; k <= state.questionCount; ++k) {
    bool right = true;
    for (int j = 1; j <= state.answersPerQuestion && right; ++j) {
      char verdict[255];
      GetDlgItemTextA(page, kVerdictIdBase + (k - 1) * state.answersPerQuestion + j, verdict, sizeof verdict);
      right = std::strcmp(verdict, kVerdictRight) == 0;
    }
    if (right && state.answersPerQuestion >= 1) ++score;
  }
  char text[64];
  wsprintfA(text, " %d / %d", score, state.questionCount);
  SetDlgItemTextA(state.headerBarWindow, kScoreFieldId, text);
  SetDlgItemTextA(state.headerBarWindow, kCodeFieldId, score > 0 ? state.rewardCodes[score - 1] : "      ");
  ApplyHiding(state);
}

void ApplyHiding(AppState& state) {
  PageRowMoves moves(state);
  if (SendDlgItemMessageA(state.headerBarWindow, kHideBoxId, BM_GETCHECK, 0, 0) == BST_CHECKED) {
    RunHidePass(state, moves);
  } else {
    RunShowPass(state, moves);
  }
  RefreshPageScrolling(state, state.pageWindow);
}

void SetRowPicture(const AppState& state, int k, int showCommand, int distance) {
  ShowWindow(GetDlgItem(state.pageWindow, kPictureIdBase + k), showCommand);
  ShowWindow(GetDlgItem(state.pageWindow, kRevealIdBase + k), showCommand);
  ShiftTextControls(state, k, distance);
}

void ShiftRow(const AppState& state, int k, int distance) {
  ShiftControl(GetDlgItem(state.pageWindow, kPictureIdBase + k), distance);
  ShiftControl(GetDlgItem(state.pageWindow, kRevealIdBase + k), distance);
  ShiftTextControls(state, k, distance);
}

void ShiftControl(HWND control, int distance) {
  if (control == nullptr) return;
  RECT rect;
  GetWindowRect(control, &rect);
  POINT topLeft = {rect.left, rect.top + distance};
  HWND parent = GetParent(control);
  if (parent != nullptr && parent != GetDesktopWindow()) ScreenToClient(parent, &topLeft);
  SetWindowPos(control, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}
