// Pictures the executable carries among its resources, made into bitmaps
// fitted to a box: an "IMG" resource holds a scrambled picture file that the
// system's OLE loader reads; failing that, an RT_RCDATA resource of the same
// id holds a plain PNG file for the program's own decoder.
#pragma once
#include <windows.h>

// The picture of that id fitted to the box, owned by the caller; null when
// there is none (no message) or it cannot be read (see the loaders).
HBITMAP LoadFittedPicture(HINSTANCE module, LPCSTR name, LPCSTR type, int boxWidth, int boxHeight);

// An OLE-readable picture file stored scrambled (the stored bytes are only
// read), not yet fitted; null when it cannot be read.
HBITMAP LoadOlePicture(const void* bytes, DWORD size);

// The RT_RCDATA PNG of that name as a DIB section, not yet fitted.
HBITMAP LoadPngPicture(HINSTANCE module, LPCSTR name);

// A new bitmap holding source scaled into the box, keeping its aspect
// (HALFTONE stretching). Takes the source and deletes it; null gives null.
HBITMAP FitBitmapToBox(HBITMAP source, int boxWidth, int boxHeight);
