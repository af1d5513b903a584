// PNG decoder: pure C++ half (no <windows.h>). Bytes in memory are
// checked, inflated and unfiltered, and the rows converted into a caller's
// pixel buffer laid out as a Windows DIB. The Win32 layer adds the resource
// lookup and the bitmap creation around these functions.
//
// Every operation returning int gives 1 on success and 0 on failure (the
// values of Win32 TRUE and FALSE); on failure `error` in the record says why.
#pragma once

#include <cstddef>
#include <cstdint>

// The decoder's whole state, owned by the caller. Zero-filled by PngReset
// and PngRelease. All pointers except rawData point into the caller's
// input, which is borrowed and never copied.
struct PngInfo {
    uint32_t width;
    uint32_t height;
    int32_t error;
    uint32_t paletteCount;
    uint8_t colorType;
    uint8_t bitDepth;
    uint8_t interlace;
    const uint8_t* inputData;
    uint32_t inputSize;
    const uint8_t* chunkCursor;
    uint8_t* rawData;
    uint32_t rawSize;
    const uint8_t* paletteData;
    int32_t inputSource;
    const uint8_t* ihdrData;
    const uint8_t* firstIdat;
    int32_t stage;
};

// Values of PngInfo::stage.
constexpr int32_t PNG_STAGE_EMPTY = 0;
constexpr int32_t PNG_STAGE_OPENED = 1;
constexpr int32_t PNG_STAGE_DECODED = 2;

// Values of PngInfo::inputSource. Resource data and any other memory given to
// PngOpenMemory are borrowed alike: the decoder never frees its input.
constexpr int32_t PNG_SOURCE_NONE = 0;
constexpr int32_t PNG_SOURCE_RESOURCE = 2;

// Error codes (PngInfo::error). PngErrorText gives each a short description.
constexpr int32_t PNG_OK = 0;
constexpr int32_t PNG_ERROR_MEMORY = 0x1001;          // an allocation failed
constexpr int32_t PNG_ERROR_HAS_INPUT = 0x1002;       // record already holds an input
constexpr int32_t PNG_ERROR_NOT_PNG = 0x2000;         // not a PNG, or its data stream is bad
constexpr int32_t PNG_ERROR_UNSUPPORTED = 0x2001;     // a PNG this decoder does not handle
constexpr int32_t PNG_ERROR_BAD_FORMAT = 0x2002;      // requested pixel format does not fit
constexpr int32_t PNG_ERROR_WRONG_STAGE = 0x2003;     // operation called in the wrong stage
constexpr int32_t PNG_ERROR_NO_BITMAP = 0x2006;       // the system did not create the bitmap
constexpr int32_t PNG_ERROR_NO_RESOURCE = 0x3001;     // no RT_RCDATA resource of that name
constexpr int32_t PNG_ERROR_BAD_RESOURCE = 0x3002;    // resource cannot be loaded, or is empty

const char* PngErrorText(int32_t error);

// Pixel format code that asks for the image's default format.
constexpr uint32_t PNG_FORMAT_DEFAULT = 0xFFFFFFFFu;

// Every heap block of the decoder comes from here. Defaults to malloc/free;
// the Win32 layer points it at the process heap, tests at failing
// allocators. allocate returns null on failure; release accepts null.
struct PngAllocator {
    void* (*allocate)(size_t size);
    void (*release)(void* block);
};
extern PngAllocator pngAllocator;

int PngReset(PngInfo* info);

// Returns 1 when the record may take an input: stage and inputSource both 0.
// Otherwise sets error PNG_ERROR_HAS_INPUT, leaves the record as it was and
// returns 0. On success error is cleared, so a resource lookup that fails
// afterwards can store its own code.
int PngBeginOpen(PngInfo* info);

// Attaches size bytes at data (inputSource PNG_SOURCE_RESOURCE: borrowed,
// they must outlive the record's use) and walks the chunks. 1: a supported
// PNG, stage 1. 0: error set; when the record already held an input it is
// untouched, otherwise it is left empty (all fields but error zero).
int PngOpenMemory(PngInfo* info, const uint8_t* data, uint32_t size);

// Inflates the image data into rawData. Needs stage 1; 1: stage 2.
int PngDecodeImage(PngInfo* info);

// Frees rawData in stage 2 and zero-fills the record.
int PngRelease(PngInfo* info);

// Layout of Windows' BITMAPINFOHEADER followed by a 256-entry RGBQUAD table,
// so the Win32 layer can pass it as a BITMAPINFO as it stands.
struct PngBitmapHeader {
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight;
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};
struct PngColorEntry {
    uint8_t blue;
    uint8_t green;
    uint8_t red;
    uint8_t reserved;
};
struct PngBitmapInfo {
    PngBitmapHeader header;
    PngColorEntry colors[256];
};
static_assert(sizeof(PngBitmapHeader) == 40, "BITMAPINFOHEADER layout");
static_assert(sizeof(PngBitmapInfo) == 40 + 256 * 4, "BITMAPINFO with 256 colours");

// Fills the header and colour table for the image's default format and
// returns the default pixel format code (0 for a combination outside the
// supported list).
uint32_t PngFillBitmapInfo(const PngInfo* info, PngBitmapInfo* bitmapInfo);

// The pure part of making a bitmap: checks the stage (PNG_ERROR_WRONG_STAGE)
// and the requested code (PNG_ERROR_BAD_FORMAT unless PNG_FORMAT_DEFAULT or
// a known bitmap-ready code of the image's colour type and bit depth), fills
// bitmapInfo and stores in *code the format to hand to PngConvertRows.
int PngPrepareBitmap(PngInfo* info, uint32_t request, PngBitmapInfo* bitmapInfo, uint32_t* code);

// Bytes per row of a bitmap with this header: (width x biBitCount + 7) / 8
// rounded up to a multiple of 4.
uint32_t PngBitmapStride(const PngBitmapHeader* header);

// Bytes per output row that PngConvertRows writes for this code, a multiple
// of 4; 0 when the code is not a known code of the image's combination. For
// an opened image, stride x height of every known code fits in 32 bits.
uint32_t PngOutputStride(const PngInfo* info, uint32_t code);

// Unfilters rawData (stage 2) and writes the image top-down into dest, which
// holds PngOutputStride(info, code) x height bytes. 0 for a code that is not
// a known code of the image's combination, a bad filter type or a failed
// allocation of the scanline buffers; error is not changed.
int PngConvertRows(PngInfo* info, uint8_t* dest, uint32_t code);
