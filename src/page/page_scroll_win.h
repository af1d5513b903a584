// Scrolling the question page: its two scroll bars hold the ranges, page
// sizes and positions; every scroll moves all child controls together with
// ScrollWindow, one pixel per position unit, so a control's content
// coordinates are its client coordinates plus the scroll positions.
#pragma once
#include <windows.h>

#include "app/app_state.h"

// Sets both ranges from pageWidth, pageHeight and the client size; a bar
// with nothing to scroll is shown disabled, at position 0.
void UpdatePageScrollRanges(const AppState& state, HWND page);

// The ranges set again, and the contents moved by however much the system
// clamped the positions to them.
void RefreshPageScrolling(const AppState& state, HWND page);

void OnPageVScroll(HWND page, WPARAM wParam);
void OnPageHScroll(HWND page, WPARAM wParam);

// Sets the positions (the system clamps them) and moves the contents by the
// change.
void ScrollPageTo(HWND page, int horizontal, int vertical);
