// The score and reward code in the header bar, and the Hide box.
#pragma once
#include <windows.h>

#include "app/app_state.h"

// Counts the questions whose verdict fields all read "BRAVO", writes
// " s / Q" and reward code line s (six blanks at 0) into the header bar,
// then applies the Hide box.
void UpdateScore(AppState& state, HWND page);

// Hides or shows the solved rows as the Hide box says (no box, as outside
// the picture layout, means shown), then sets the scroll ranges again.
void ApplyHiding(AppState& state);

void SetRowPicture(const AppState& state, int k, int showCommand, int distance);
void ShiftRow(const AppState& state, int k, int distance);

// Moves one control vertically by distance; a control that does not exist
// is skipped.
void ShiftControl(HWND control, int distance);
