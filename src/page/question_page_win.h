// The scrolling question page: one row of controls per question.
#pragma once
#include <windows.h>

// The page's own WM_VSCROLL codes for the mouse wheel: 50 pixels down
// (towards the user) and 50 pixels up.
constexpr WPARAM kScrollWheelDown = 500;
constexpr WPARAM kScrollWheelUp = 501;

INT_PTR CALLBACK QuestionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
