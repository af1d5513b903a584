#include "images/png/png_win.h"

namespace {

void* HeapAllocate(size_t size) { return HeapAlloc(GetProcessHeap(), 0, size); }
void HeapRelease(void* block) {
  if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace

void UsePngProcessHeap() { pngAllocator = {HeapAllocate, HeapRelease}; }

BOOL PngOpenResource(PngInfo* info, HINSTANCE module, LPCSTR name) {
  if (!PngBeginOpen(info)) return FALSE;
  HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (found == nullptr) {
    info->error = PNG_ERROR_NO_RESOURCE;
    return FALSE;
  }
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) {
    info->error = PNG_ERROR_BAD_RESOURCE;
    return FALSE;
  }
  const DWORD size = SizeofResource(module, found);
  if (size == 0) {
    info->error = PNG_ERROR_BAD_RESOURCE;
    return FALSE;
  }
  return PngOpenMemory(info, static_cast<const uint8_t*>(data), size);
}

HBITMAP PngMakeBitmap(PngInfo* info, HWND window, uint32_t request, BOOL makeDdb) {
  PngBitmapInfo bitmapInfo;
  uint32_t code = 0;
  if (!PngPrepareBitmap(info, request, &bitmapInfo, &code)) return nullptr;
  BITMAPINFO* header = reinterpret_cast<BITMAPINFO*>(&bitmapInfo);
  HDC dc = GetDC(window);
  HBITMAP bitmap = nullptr;
  if (!makeDdb) {
    void* bits = nullptr;
    bitmap = CreateDIBSection(dc, header, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
      info->error = PNG_ERROR_NO_BITMAP;
    } else if (!PngConvertRows(info, static_cast<uint8_t*>(bits), code)) {
      DeleteObject(bitmap);
      bitmap = nullptr;
    }
  } else {
    const uint32_t size = PngBitmapStride(&bitmapInfo.header) * info->height;
    uint8_t* pixels = static_cast<uint8_t*>(pngAllocator.allocate(size));
    if (pixels == nullptr) {
      info->error = PNG_ERROR_MEMORY;
    } else {
      if (PngConvertRows(info, pixels, code)) {
        bitmap = CreateDIBitmap(dc, &header->bmiHeader, CBM_INIT, pixels, header, DIB_RGB_COLORS);
        if (bitmap == nullptr) info->error = PNG_ERROR_NO_BITMAP;
      }
      pngAllocator.release(pixels);
    }
  }
  ReleaseDC(window, dc);
  return bitmap;
}
