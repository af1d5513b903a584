// What the audio and video quiz modes need from start-up: atl.dll's control
// host and COM on the GUI thread. Nothing of it exists in the other modes.
#pragma once
#include <windows.h>
#include <unknwn.h>

#include "app/app_state.h"

using AtlAxAttachControlFunction = HRESULT(WINAPI*)(IUnknown* control, HWND host, IUnknown** container);

extern HMODULE atlModule;                              // null unless loaded
extern AtlAxAttachControlFunction atlAxAttachControl;  // null unless found

bool IsMediaMode(const AppState& state);

// Modes 2 and 3: loads atl.dll and, if it loaded, finds AtlAxAttachControl
// and initialises COM.
void StartMedia(const AppState& state);

// Modes 2 and 3: destroys the main window (and with it the players' host
// windows), then uninitialises COM and frees atl.dll.
void StopMedia(const AppState& state, HWND mainWindow);
