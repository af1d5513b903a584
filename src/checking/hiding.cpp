#include "checking/hiding.h"

namespace {

int CollapseDistance(const AppState& state, int row) {
  return state.pictureRowHeights[row] + (state.questionType > 1 ? kRevealBand : 0);
}

}  // namespace

void RunHidePass(AppState& state, RowMoves& moves) {
  int row = 0, hidden = 0;
  const AnswerNode* node = state.answers.first;
  for (int k = 1; k <= state.questionCount; ++k, node = node != nullptr ? node->next : nullptr) {
    int32_t& rowState = state.rowHideState[k - 1];
    if (rowState == kRowHidden) ++hidden;
    if (node != nullptr && node->solved && rowState == kRowShown) {
      moves.SetRowPicture(k, false, -state.pictureRowHeights[row]);
      rowState = kRowHidden;
      ++hidden;
    }
    if (k % 3 == 0) {
      // A row already collapsed counts only two hidden questions, so it
      // never collapses twice.
      if (hidden == 3) {
        const int d = CollapseDistance(state, row);
        for (int j = k + 1; j <= state.questionCount; ++j) moves.ShiftRow(j, -d);
        state.pageHeight -= d;
        rowState = kRowCollapsed;
      }
      ++row;
      hidden = 0;
    }
  }
}

void RunShowPass(AppState& state, RowMoves& moves) {
  int row = 0;
  for (int k = 1; k <= state.questionCount; ++k) {
    int32_t& rowState = state.rowHideState[k - 1];
    if (rowState == kRowHidden || rowState == kRowCollapsed) {
      moves.SetRowPicture(k, true, state.pictureRowHeights[row]);
    }
    if (rowState == kRowCollapsed) {
      const int d = CollapseDistance(state, row);
      state.pageHeight += d;
      for (int j = k + 1; j <= state.questionCount; ++j) moves.ShiftRow(j, d);
    }
    rowState = kRowShown;
    if (k % 3 == 0) ++row;
  }
}
