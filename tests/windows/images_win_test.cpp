// The image loader and the PNG decoder's Win32 layer over real resources of
// this program (see CMakeLists.txt for what each id holds).
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "images/image_loader_win.h"
#include "images/png/png_win.h"
#include "support/message_box_watcher.h"

namespace {

const HINSTANCE kModule = GetModuleHandleA(nullptr);
LPCSTR Id(int id) { return MAKEINTRESOURCEA(id); }

SIZE SizeOf(HBITMAP bitmap) {
  BITMAP info = {};
  GetObjectA(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

COLORREF CentreColour(HBITMAP bitmap) {
  const SIZE size = SizeOf(bitmap);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF colour = GetPixel(dc, size.cx / 2, size.cy / 2);
  SelectObject(dc, old);
  DeleteDC(dc);
  return colour;
}

// Near: JPEG and the halftone stretch may move a channel a little.
void ExpectColourNear(COLORREF actual, COLORREF expected) {
  for (int shift : {0, 8, 16}) {
    const int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
    EXPECT_NEAR(a, e, 24) << std::hex << actual << " vs " << expected;
  }
}

std::vector<uint8_t> Bits(HBITMAP bitmap) {
  const SIZE size = SizeOf(bitmap);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<uint8_t> bits(4 * size.cx * size.cy);
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, bitmap, 0, size.cy, bits.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  return bits;
}

}  // namespace

TEST(LoadFittedPicture, ScrambledPicturesOfEveryKindFitTheBox) {
  const struct {
    int id;
    const char* what;
    int width, height;
    COLORREF colour;
  } cases[] = {
      {401, "JPEG 130 x 65", 260, 130, RGB(255, 0, 0)},
      {402, "GIF 520 x 1040", 130, 260, RGB(0, 255, 0)},
      {403, "BMP 260 x 260 keeps its size", 260, 260, RGB(0, 0, 255)},
      {414, "PNG 200 x 100 read by OLE", 260, 130, RGB(255, 255, 0)},
      {404, "plain PNG 200 x 100 as RT_RCDATA", 260, 130, RGB(255, 255, 0)},
      {405, "the IMG resource wins over RT_RCDATA", 260, 130, RGB(255, 0, 255)},
  };
  MessageBoxWatcher watcher;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HBITMAP bitmap = LoadFittedPicture(kModule, Id(c.id), "IMG", 260, 260);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(SizeOf(bitmap).cx, c.width);
    EXPECT_EQ(SizeOf(bitmap).cy, c.height);
    ExpectColourNear(CentreColour(bitmap), c.colour);
    DeleteObject(bitmap);
  }
  EXPECT_TRUE(watcher.shown().empty());
}

TEST(LoadFittedPicture, SmallerBoxes) {
  HBITMAP bitmap = LoadFittedPicture(kModule, Id(401), "IMG", 260, 100);
  EXPECT_EQ(SizeOf(bitmap).cx, 200);
  EXPECT_EQ(SizeOf(bitmap).cy, 100);
  DeleteObject(bitmap);
}

TEST(LoadFittedPicture, NothingToShowGivesNullQuietly) {
  MessageBoxWatcher watcher;
  EXPECT_EQ(LoadFittedPicture(kModule, Id(499), "IMG", 260, 260), nullptr) << "no resource at all";
  EXPECT_EQ(LoadFittedPicture(kModule, Id(406), "IMG", 260, 260), nullptr) << "IMG that is no picture";
  EXPECT_EQ(LoadFittedPicture(kModule, Id(409), "IMG", 260, 260), nullptr) << "empty RT_RCDATA";
  EXPECT_EQ(LoadFittedPicture(kModule, Id(410), "IMG", 260, 260), nullptr) << "RT_RCDATA that is no PNG";
  EXPECT_TRUE(watcher.shown().empty());
}

TEST(LoadFittedPicture, BrokenPngsAreReported) {
  const struct {
    int id;
    const char* text;
  } cases[] = {
      {407, "Error: couldn't decode PNG resource"},
      {408, "Error: couldn't create bitmap"},
  };
  for (const auto& c : cases) {
    MessageBoxWatcher watcher;
    EXPECT_EQ(LoadFittedPicture(kModule, Id(c.id), "IMG", 260, 260), nullptr);
    ASSERT_EQ(watcher.shown().size(), 1u);
    EXPECT_EQ(watcher.shown()[0].caption, "Information");
    EXPECT_EQ(watcher.shown()[0].text, c.text);
  }
}

TEST(LoadFittedPicture, SamePictureTwiceGivesEqualBitmaps) {
  HBITMAP first = LoadFittedPicture(kModule, Id(402), "IMG", 260, 260);
  HBITMAP second = LoadFittedPicture(kModule, Id(402), "IMG", 260, 260);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  EXPECT_EQ(Bits(first), Bits(second));
  DeleteObject(first);
  DeleteObject(second);
}

TEST(LoadOlePicture, LeavesTheStoredBytesAsTheyAre) {
  HRSRC found = FindResourceA(kModule, Id(401), "IMG");
  const DWORD size = SizeofResource(kModule, found);
  const uint8_t* stored = static_cast<const uint8_t*>(LockResource(LoadResource(kModule, found)));
  const std::vector<uint8_t> before(stored, stored + size);
  EXPECT_EQ(before[0], 0xFF) << "a JPEG starts FF D8, and the exchange leaves FF alone";
  EXPECT_EQ(before[1], 0x8D);
  HBITMAP bitmap = LoadOlePicture(stored, size);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(SizeOf(bitmap).cx, 130);
  EXPECT_EQ(std::vector<uint8_t>(stored, stored + size), before);
  DeleteObject(bitmap);
}

TEST(LoadOlePicture, BalancesComWhateverTheThreadsState) {
  for (bool initialised : {false, true}) {
    if (initialised) CoInitialize(nullptr);
    HRSRC found = FindResourceA(kModule, Id(402), "IMG");
    HBITMAP bitmap = LoadOlePicture(LockResource(LoadResource(kModule, found)), SizeofResource(kModule, found));
    EXPECT_NE(bitmap, nullptr);
    DeleteObject(bitmap);
    const HRESULT again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_EQ(again, initialised ? S_FALSE : S_OK);
    CoUninitialize();
    if (initialised) CoUninitialize();
  }
}

TEST(FitBitmapToBox, TakesAndDeletesTheSource) {
  HDC screen = GetDC(nullptr);
  HBITMAP source = CreateCompatibleBitmap(screen, 520, 1040);
  ReleaseDC(nullptr, screen);
  HBITMAP fitted = FitBitmapToBox(source, 260, 260);
  EXPECT_EQ(GetObjectType(source), 0u);
  EXPECT_EQ(SizeOf(fitted).cx, 130);
  EXPECT_EQ(SizeOf(fitted).cy, 260);
  DeleteObject(fitted);
  EXPECT_EQ(FitBitmapToBox(nullptr, 260, 260), nullptr);
}

TEST(PngOpenResource, Errors) {
  PngInfo info;
  PngReset(&info);
  EXPECT_FALSE(PngOpenResource(&info, kModule, Id(499)));
  EXPECT_EQ(info.error, PNG_ERROR_NO_RESOURCE);
  EXPECT_FALSE(PngOpenResource(&info, kModule, Id(409)));
  EXPECT_EQ(info.error, PNG_ERROR_BAD_RESOURCE);
  EXPECT_FALSE(PngOpenResource(&info, kModule, Id(410)));
  EXPECT_EQ(info.error, PNG_ERROR_NOT_PNG);
  EXPECT_EQ(info.stage, PNG_STAGE_EMPTY);
  ASSERT_TRUE(PngOpenResource(&info, kModule, Id(404)));
  EXPECT_EQ(info.stage, PNG_STAGE_OPENED);
  EXPECT_EQ(info.inputSource, PNG_SOURCE_RESOURCE);
  EXPECT_EQ(info.width, 200u);
  const uint8_t* input = info.inputData;
  EXPECT_FALSE(PngOpenResource(&info, kModule, Id(411)));
  EXPECT_EQ(info.error, PNG_ERROR_HAS_INPUT);
  EXPECT_EQ(info.inputData, input);
  EXPECT_EQ(info.stage, PNG_STAGE_OPENED);
  EXPECT_EQ(PngMakeBitmap(&info, nullptr, PNG_FORMAT_DEFAULT, FALSE), nullptr);
  EXPECT_EQ(info.error, PNG_ERROR_WRONG_STAGE);
  PngRelease(&info);
}

namespace {

struct Decoded {
  PngInfo info;
  explicit Decoded(int id) {
    UsePngProcessHeap();
    PngReset(&info);
    EXPECT_TRUE(PngOpenResource(&info, kModule, Id(id)));
    EXPECT_TRUE(PngDecodeImage(&info));
  }
  ~Decoded() { PngRelease(&info); }
};

}  // namespace

TEST(PngMakeBitmap, DibSectionAndDeviceDependentBitmapHoldTheSamePixels) {
  Decoded png(404);
  HBITMAP dib = PngMakeBitmap(&png.info, nullptr, PNG_FORMAT_DEFAULT, FALSE);
  HBITMAP ddb = PngMakeBitmap(&png.info, nullptr, PNG_FORMAT_DEFAULT, TRUE);
  ASSERT_NE(dib, nullptr);
  ASSERT_NE(ddb, nullptr);
  DIBSECTION section = {};
  EXPECT_EQ(GetObjectA(dib, sizeof section, &section), static_cast<int>(sizeof section));
  EXPECT_EQ(section.dsBmih.biBitCount, 24);
  EXPECT_EQ(GetObjectA(ddb, sizeof section, &section), static_cast<int>(sizeof(BITMAP))) << "not a DIB section";
  EXPECT_EQ(Bits(dib), Bits(ddb));
  EXPECT_EQ(CentreColour(dib), RGB(255, 255, 0));
  EXPECT_EQ(png.info.stage, PNG_STAGE_DECODED) << "more bitmaps may be made";
  DeleteObject(dib);
  DeleteObject(ddb);
}

TEST(PngMakeBitmap, TwoBitGreyBecomesAFourBitDibWithAGreyRamp) {
  Decoded png(411);
  HBITMAP dib = PngMakeBitmap(&png.info, nullptr, PNG_FORMAT_DEFAULT, FALSE);
  ASSERT_NE(dib, nullptr);
  DIBSECTION section = {};
  GetObjectA(dib, sizeof section, &section);
  EXPECT_EQ(section.dsBmih.biBitCount, 4);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, dib);
  RGBQUAD table[16] = {};
  ASSERT_GE(GetDIBColorTable(dc, 0, 16, table), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(table[i].rgbRed, i * 85);
    EXPECT_EQ(table[i].rgbGreen, i * 85);
    EXPECT_EQ(table[i].rgbBlue, i * 85);
    EXPECT_EQ(GetPixel(dc, i, 0), RGB(i * 85, i * 85, i * 85));
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(dib);
}

TEST(PngMakeBitmap, RequestedFormats) {
  Decoded png(412);  // 8-bit RGBA
  HBITMAP full = PngMakeBitmap(&png.info, nullptr, 0x0608010E, FALSE);
  HBITMAP noAlpha = PngMakeBitmap(&png.info, nullptr, 0x0608010D, FALSE);
  ASSERT_NE(full, nullptr);
  ASSERT_NE(noAlpha, nullptr);
  DIBSECTION section = {};
  GetObjectA(full, sizeof section, &section);
  EXPECT_EQ(section.dsBmih.biBitCount, 32);
  EXPECT_EQ(static_cast<const uint8_t*>(section.dsBm.bmBits)[3], 40) << "alpha carried";
  GetObjectA(noAlpha, sizeof section, &section);
  EXPECT_EQ(section.dsBmih.biBitCount, 24);
  const uint8_t* pixel = static_cast<const uint8_t*>(section.dsBm.bmBits);
  EXPECT_EQ(pixel[0], 30);  // blue, green, red
  EXPECT_EQ(pixel[1], 20);
  EXPECT_EQ(pixel[2], 10);
  DeleteObject(full);
  DeleteObject(noAlpha);
  for (uint32_t bad : {0x0608000Eu, 0x0208010Cu, 0x06100108u, 0x0608010Fu}) {
    png.info.error = 0;
    EXPECT_EQ(PngMakeBitmap(&png.info, nullptr, bad, FALSE), nullptr) << std::hex << bad;
    EXPECT_EQ(png.info.error, PNG_ERROR_BAD_FORMAT);
  }
}

TEST(PngMakeBitmap, BadFilterTypeFailsWithTheErrorUnchanged) {
  Decoded png(408);
  EXPECT_EQ(PngMakeBitmap(&png.info, nullptr, PNG_FORMAT_DEFAULT, FALSE), nullptr);
  EXPECT_EQ(PngMakeBitmap(&png.info, nullptr, PNG_FORMAT_DEFAULT, TRUE), nullptr);
  EXPECT_EQ(png.info.error, PNG_OK);
}

// An icon is a picture OLE reads, but not one CopyImage copies as a bitmap.
TEST(LoadFittedPicture, PictureThatCannotBeCopiedIsReported) {
  MessageBoxWatcher watcher;
  EXPECT_EQ(LoadFittedPicture(kModule, Id(413), "IMG", 260, 260), nullptr);
  ASSERT_EQ(watcher.shown().size(), 1u);
  EXPECT_EQ(watcher.shown()[0].caption, "Information");
  const std::string& text = watcher.shown()[0].text;
  EXPECT_EQ(text.rfind("CopyImage plante avec l'erreur : ", 0), 0u) << text;
  EXPECT_EQ(text.back(), '\n');
}
