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
