#include "images/image_loader_win.h"

#include <ocidl.h>
#include <olectl.h>

#include "images/picture_bytes.h"
#include "images/png/png_win.h"

HBITMAP LoadFittedPicture(HINSTANCE module, LPCSTR name, LPCSTR type, int boxWidth, int boxHeight) {
  HRSRC found = FindResourceA(module, name, type);
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  HBITMAP picture;
  if (loaded == nullptr) {
    picture = LoadPngPicture(module, name);
  } else {
    const void* bytes = LockResource(loaded);
    const DWORD size = SizeofResource(module, found);
    picture = bytes != nullptr ? LoadOlePicture(bytes, size) : nullptr;
    FreeResource(loaded);
  }
  return FitBitmapToBox(picture, boxWidth, boxHeight);
}

namespace {

// The OLE part of LoadOlePicture, between its CoInitialize and
// CoUninitialize.
HBITMAP ReadWithOle(const void* bytes, DWORD size) {
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, size);
  if (block == nullptr) return nullptr;
  RotateNibbles(static_cast<const uint8_t*>(bytes), static_cast<uint8_t*>(block), size);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {  // the stream owns the block
    GlobalFree(block);
    return nullptr;
  }
  IPicture* picture = nullptr;
  if (FAILED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(&picture))) ||
      picture == nullptr) {
    stream->Release();
    return nullptr;
  }
  // A copy, since the picture destroys its own handle when released.
  OLE_HANDLE handle = 0;
  picture->get_Handle(&handle);
  HBITMAP copy = static_cast<HBITMAP>(
      CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0));
  if (copy == nullptr) {
    char text[128];
    wsprintfA(text, "%s plante avec l'erreur : %d\n", "CopyImage", static_cast<int>(GetLastError()));
    MessageBoxA(nullptr, text, "Information", MB_ICONINFORMATION);
  }
  picture->Release();
  stream->Release();
  return copy;
}

}  // namespace

HBITMAP LoadOlePicture(const void* bytes, DWORD size) {
  CoInitialize(nullptr);  // balanced below, whatever COM state the thread is in
  HBITMAP bitmap = ReadWithOle(bytes, size);
  CoUninitialize();
  return bitmap;
}

HBITMAP LoadPngPicture(HINSTANCE module, LPCSTR name) {
  UsePngProcessHeap();
  PngInfo info;
  PngReset(&info);
  if (!PngOpenResource(&info, module, name)) return nullptr;
  if (!PngDecodeImage(&info)) {
    PngRelease(&info);
    MessageBoxA(nullptr, "Error: couldn't decode PNG resource", "Information", MB_ICONERROR);
    return nullptr;
  }
  HBITMAP bitmap = PngMakeBitmap(&info, nullptr, PNG_FORMAT_DEFAULT, FALSE);
  PngRelease(&info);
  if (bitmap == nullptr) {
    MessageBoxA(nullptr, "Error: couldn't create bitmap", "Information", MB_ICONERROR);
  }
  return bitmap;
}

HBITMAP FitBitmapToBox(HBITMAP source, int boxWidth, int boxHeight) {
  if (source == nullptr) return nullptr;
  BITMAP info = {};
  GetObjectA(source, sizeof info, &info);
  const FittedSize size = FitToBox(info.bmWidth, info.bmHeight, boxWidth, boxHeight);
  HDC screen = GetDC(nullptr);
  HDC from = CreateCompatibleDC(screen);
  HDC to = CreateCompatibleDC(screen);
  HGDIOBJ oldFrom = SelectObject(from, source);
  HBITMAP result = CreateCompatibleBitmap(screen, size.width, size.height);
  HGDIOBJ oldTo = SelectObject(to, result);
  SetStretchBltMode(to, HALFTONE);
  StretchBlt(to, 0, 0, size.width, size.height, from, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  SelectObject(from, oldFrom);
  SelectObject(to, oldTo);
  DeleteDC(from);
  DeleteDC(to);
  DeleteObject(source);
  ReleaseDC(nullptr, screen);
  return result;
}
