// The main window: lays out the header bar, the page and the credits line,
// saves the answers when closed, and hands wheel turns to the page.
#pragma once
#include <windows.h>

constexpr char kMainWindowClass[] = "Morvi";
constexpr int kCreditsId = 8000;

// The solid brush behind the credits line (0x00C8D0D4), made by start-up.
extern HBRUSH creditsBrush;

// Registers the class "Morvi"; false when the system refuses it.
bool RegisterMainWindowClass(HINSTANCE instance);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A visible "Static" child in DEFAULT_GUI_FONT.
HWND CreateStatic(HWND parent, const char* text, int x, int y, int width, int height, int id);

// The page's own scroll codes for a wheel notch, from the high word of a
// WM_MOUSEWHEEL wParam: 501 for 120 (away from the user), 500 for 65416
// (towards the user), 0 for any other amount (nothing to do).
WPARAM WheelScrollCode(WPARAM wheelWParam);
