// The scrolling question page: one row of controls per question.
#pragma once
#include <windows.h>

// The page's own WM_VSCROLL codes for the mouse wheel: 50 pixels down
// (towards the user) and 50 pixels up.
constexpr WPARAM kScrollWheelDown = 500;
constexpr WPARAM kScrollWheelUp = 501;

// The page's own scroll code for a wheel notch, from the high word of a
// WM_MOUSEWHEEL wParam: kScrollWheelUp for 120 (away from the user),
// kScrollWheelDown for 65416 (towards the user), 0 for any other amount
// (nothing to do).
WPARAM WheelScrollCode(WPARAM wheelWParam);

INT_PTR CALLBACK QuestionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
