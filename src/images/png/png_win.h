// The PNG decoder's Win32 layer: PNG files stored as RT_RCDATA resources in,
// DIB sections or device-dependent bitmaps out.
#pragma once
#include <windows.h>

#include "images/png/png_decoder.h"

// Points the decoder's allocations at the process heap.
void UsePngProcessHeap();

// Attaches the RT_RCDATA resource name of module, used where it lies, and
// walks its chunks. TRUE: a supported PNG (stage 1). FALSE with error 4098
// (the record already holds an input; left as it was), 12289 (no such
// resource), 12290 (not loadable, or empty), or the walk's code.
BOOL PngOpenResource(PngInfo* info, HINSTANCE module, LPCSTR name);

// A new bitmap of the decoded image (stage 2) in the requested pixel format
// (PNG_FORMAT_DEFAULT for the image's own), against the device context of
// window (null: the screen): a DIB section, or with makeDdb a
// device-dependent bitmap. Null with error 8195, 8194, 4097 or 8198, or with
// error unchanged when the rows cannot be converted (a bad filter type).
HBITMAP PngMakeBitmap(PngInfo* info, HWND window, uint32_t request, BOOL makeDdb);
