// The Hide box of the picture layout: solved questions lose their picture
// and reveal field and their text controls move up into the picture's
// place; a picture row whose three questions are all hidden gives its
// height (and the 65-pixel reveal band) back to every later row.
//
// The passes decide; RowMoves carries out each step on the page.
#pragma once
#include "app/app_state.h"

// Per question (rowHideState): as built, hidden, or hidden and holding its
// picture row's collapse (the last question of a fully hidden row).
constexpr int32_t kRowShown = 0;
constexpr int32_t kRowHidden = 1;
constexpr int32_t kRowCollapsed = 2;

constexpr int kRevealBand = 65;

class RowMoves {
 public:
  virtual ~RowMoves() = default;
  // Shows or hides the picture and reveal field of question k (from 1) and
  // moves its text controls by distance (negative is up).
  virtual void SetRowPicture(int k, bool show, int distance) = 0;
  // Moves every control of question k by distance.
  virtual void ShiftRow(int k, int distance) = 0;
};

// Hides every solved question still shown, and collapses each complete
// picture row whose three questions are hidden; pageHeight shrinks by each
// collapse. The last row, when the count is not a multiple of three, never
// collapses.
void RunHidePass(AppState& state, RowMoves& moves);

// Puts every hidden or collapsed row back where the page built it.
void RunShowPass(AppState& state, RowMoves& moves);
