// Pixel format codes and the bitmap header with its colour table.
#include <cstring>

#include "images/png/png_internal.h"

// Pixel format code: colour type << 24 | bit depth << 16 | bitmap-ready flag
// << 8 | conversion code. Flag 1 marks the layouts a Windows DIB can hold.
static const PngFormat formats[] = {
    {0x00010100, 1},  {0x00020000, 2},  {0x0002010B, 4},  {0x00040100, 4},
    {0x00080100, 8},  {0x00100001, 16}, {0x00100106, 8},  {0x0208010C, 24},
    {0x02100002, 48}, {0x02100107, 24}, {0x03010100, 1},  {0x03020000, 2},
    {0x0302010B, 4},  {0x03040100, 4},  {0x03080100, 8},  {0x04080000, 16},
    {0x04080106, 8},  {0x04100001, 32}, {0x04100005, 16}, {0x04100006, 16},
    {0x0410010A, 8},  {0x0608010E, 32}, {0x0608010D, 24}, {0x06100004, 64},
    {0x06100003, 48}, {0x06100109, 32}, {0x06100108, 24},
};

const PngFormat* PngFormatList(size_t* count) {
    *count = sizeof formats / sizeof formats[0];
    return formats;
}

const PngFormat* PngFindFormat(uint32_t code) {
    for (const PngFormat& format : formats) {
        if (format.code == code) return &format;
    }
    return nullptr;
}

const PngFormat* PngFindImageFormat(const PngInfo* info, uint32_t code) {
    if ((code >> 24) != info->colorType || ((code >> 16) & 0xFF) != info->bitDepth) return nullptr;
    return PngFindFormat(code);
}

// Keys bit depth x 256 + colour type, ended by 0xFFFF.
static const uint16_t supportedKeys[] = {
    0x0100, 0x0200, 0x0400, 0x0800, 0x1000, 0x0802, 0x1002, 0x0103,
    0x0203, 0x0403, 0x0803, 0x0804, 0x1004, 0x0806, 0x1006, 0xFFFF,
};

int PngIsSupported(uint32_t bitDepth, uint32_t colorType) {
    uint32_t key = bitDepth * 256 + colorType;
    for (const uint16_t* k = supportedKeys; *k != 0xFFFF; ++k) {
        if (*k == key) return 1;
    }
    return 0;
}

// The default conversion: widen 2-bit values to nibbles, reduce 16-bit
// samples to their high bytes, drop grey's alpha, reorder RGB as BGR.
static uint32_t PngDefaultConversion(uint32_t colorType, uint32_t bitDepth) {
    switch (colorType) {
    case 0: return bitDepth == 2 ? 11 : bitDepth == 16 ? 6 : 0;
    case 2: return bitDepth == 8 ? 12 : 7;
    case 3: return bitDepth == 2 ? 11 : 0;
    case 4: return bitDepth == 8 ? 6 : 10;
    default: return bitDepth == 8 ? 14 : 9;
    }
}

// Grey ramps get biClrUsed entries i x 255 / (n - 1). Palette images keep
// biClrUsed 0, so the DIB's table counts 2^bits entries: those beyond the
// PLTE's entries are black.
uint32_t PngFillBitmapInfo(const PngInfo* info, PngBitmapInfo* bitmapInfo) {
    std::memset(bitmapInfo, 0, sizeof *bitmapInfo);
    PngBitmapHeader& header = bitmapInfo->header;
    header.biSize = sizeof header;
    header.biWidth = (int32_t)info->width;
    header.biHeight = -(int32_t)info->height;
    header.biPlanes = 1;
    if (!PngIsSupported(info->bitDepth, info->colorType)) return 0;
    uint32_t code = PngDefaultConversion(info->colorType, info->bitDepth);
    code |= (uint32_t)info->colorType << 24 | (uint32_t)info->bitDepth << 16 | 0x100;
    header.biBitCount = (uint16_t)PngFindFormat(code)->outputBits;
    if (info->colorType == 3) {
        uint32_t count = info->paletteCount < 256 ? info->paletteCount : 256;
        for (uint32_t i = 0; i < count; ++i) {
            const uint8_t* rgb = info->paletteData + 3 * i;
            bitmapInfo->colors[i] = PngColorEntry{rgb[2], rgb[1], rgb[0], 0};
        }
    } else if (header.biBitCount <= 8) {
        uint32_t n = 1u << header.biBitCount;
        if (info->bitDepth < header.biBitCount) n = 1u << info->bitDepth;  // widened 2-bit grey
        for (uint32_t i = 0; i < n; ++i) {
            uint8_t level = (uint8_t)(i * 255 / (n - 1));
            bitmapInfo->colors[i] = PngColorEntry{level, level, level, 0};
        }
        header.biClrUsed = n;
    }
    return code;
}

// Besides the flag, colour type and bit depth, the request must be one of
// the known codes: a code that merely looks right is never used to convert.
// 0x0608010D and 0x06100108 drop the alpha of an RGBA image into a 24-bit DIB.
int PngPrepareBitmap(PngInfo* info, uint32_t request, PngBitmapInfo* bitmapInfo, uint32_t* code) {
    if (info->stage != PNG_STAGE_DECODED) {
        info->error = PNG_ERROR_WRONG_STAGE;
        return 0;
    }
    if (request != PNG_FORMAT_DEFAULT
        && (((request >> 8) & 0xFF) != 1 || PngFindImageFormat(info, request) == nullptr)) {
        info->error = PNG_ERROR_BAD_FORMAT;
        return 0;
    }
    *code = PngFillBitmapInfo(info, bitmapInfo);
    if (request != PNG_FORMAT_DEFAULT) *code = request;
    if (request == 0x0608010D || request == 0x06100108) bitmapInfo->header.biBitCount = 24;
    return 1;
}

uint32_t PngBitmapStride(const PngBitmapHeader* header) {
    uint64_t bytes = ((uint64_t)(uint32_t)header->biWidth * header->biBitCount + 7) / 8;
    bytes = (bytes + 3) & ~(uint64_t)3;
    return bytes > UINT32_MAX ? 0 : (uint32_t)bytes;
}

// 0 as well when the stride, the scratch row of an interlaced image (stride
// + 16) or the whole output (stride x height) would not fit in 32 bits.
uint32_t PngOutputStride(const PngInfo* info, uint32_t code) {
    const PngFormat* format = PngFindImageFormat(info, code);
    if (format == nullptr) return 0;
    uint64_t bytes = ((uint64_t)info->width * format->outputBits + 7) / 8;
    bytes = (bytes + 3) & ~(uint64_t)3;
    if (bytes + 16 > UINT32_MAX || bytes * info->height > UINT32_MAX) return 0;
    return (uint32_t)bytes;
}
