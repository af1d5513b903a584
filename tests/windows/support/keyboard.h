// Real keyboard input for tests: keys go through SendInput to the focused
// window of the foreground thread, and the player's loop (with the page's
// dialog handling) dispatches them.
#pragma once
#include <windows.h>

// Presses and releases a key (with Alt held when alt is set), then lets
// the loop dispatch what it caused.
void PressKey(WORD key, bool alt = false);
// Types text as characters (Windows-1252).
void TypeText(const char* text);
