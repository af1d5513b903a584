// Handle types for records that pure code shares with the Win32 layer.
// They are the very types <windows.h> declares (STRICT handles are pointers
// to distinct incomplete structs), so a file may include both headers.
#pragma once

struct HWND__;
struct HFONT__;
struct HBRUSH__;
typedef HWND__* HWND;
typedef HFONT__* HFONT;
typedef HBRUSH__* HBRUSH;
