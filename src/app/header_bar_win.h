// The header bar across the top: score, reward code, title, description,
// author with the link, "Sauver", and in the picture layout "Cacher".
#pragma once
#include <windows.h>

constexpr COLORREF kHeaderColour = 0x00FF8080;
constexpr COLORREF kLinkColour = 0x00FF3232;

INT_PTR CALLBACK HeaderBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);

// The link's underlined font (three quarters of its client height) and the
// pointing hand, installed as the cursor of the "Static" class: of all the
// program's statics only the link takes the mouse (SS_NOTIFY), so the hand
// shows over it alone.
void SetLinkStyle(HWND link);
