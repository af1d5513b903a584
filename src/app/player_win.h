// Start-up, the message loop and shutdown of the player, in their fixed
// order. WinMain is RunPlayer; tests drive the three parts separately.
#pragma once
#include <windows.h>

extern HWND mainWindow;

// Start-up up to the message loop. False (after the message box) when the
// main window class cannot be registered; nothing else is made then.
bool StartPlayer(HINSTANCE instance);

// Until WM_QUIT; returns its wParam. Only the page gets dialog keyboard
// handling (Tab and the arrow keys between its controls).
int RunMessageLoop();

// Shutdown after the loop: header bar, media support (and in the media
// modes the main window), credits brush, state record.
void StopPlayer();

int RunPlayer(HINSTANCE instance);
