// Scanline geometry, unfiltering, Adam7 reordering and the row converters
// that write rawData into a DIB's pixel memory.
#include <cstring>

#include "images/png/png_internal.h"

// ---------------------------------------------------------------------------
// Geometry.

uint32_t PngBitsPerPixel(const PngInfo* info) {
    static const uint8_t channels[7] = {1, 0, 3, 1, 2, 0, 4};  // per colour type
    return info->colorType < 7 ? channels[info->colorType] * (uint32_t)info->bitDepth : 0;
}

uint64_t PngRowBytes(const PngInfo* info, uint32_t pixels) {
    return ((uint64_t)pixels * PngBitsPerPixel(info) + 7) / 8;
}

// Format notes: passes are (start column, column step, start row, row
// step); a pass with no column or no row inside the image is empty and has
// no scanlines at all, not even filter bytes.
void PngAdam7Pass(const PngInfo* info, int pass, PngPass* result) {
    static const uint8_t passes[7][4] = {
        {0, 8, 0, 8}, {4, 8, 0, 8}, {0, 4, 4, 8}, {2, 4, 0, 4}, {0, 2, 2, 4}, {1, 2, 0, 2}, {0, 1, 1, 2}};
    const uint8_t* p = passes[pass];
    result->startColumn = p[0];
    result->columnStep = p[1];
    result->startRow = p[2];
    result->rowStep = p[3];
    result->columns = info->width > p[0] ? (info->width - 1 - p[0]) / p[1] + 1 : 0;
    result->rows = info->height > p[2] ? (info->height - 1 - p[2]) / p[3] + 1 : 0;
    if (result->columns == 0 || result->rows == 0) result->columns = result->rows = 0;
}

uint32_t PngRawSize(const PngInfo* info) {
    uint64_t size = 0;
    if (info->interlace == 0) {
        size = (uint64_t)info->height * (1 + PngRowBytes(info, info->width));
    } else {
        for (int pass = 0; pass < 7; ++pass) {
            PngPass p;
            PngAdam7Pass(info, pass, &p);
            size += (uint64_t)p.rows * (1 + PngRowBytes(info, p.columns));
        }
    }
    return size > UINT32_MAX || PngBitsPerPixel(info) == 0 ? 0 : (uint32_t)size;
}

// ---------------------------------------------------------------------------
// Unfiltering. Each filter is a template over the filter unit U (1, 2, 3,
// 4, 6 or 8 bytes), so that the left neighbour is a constant distance away.
// Sub, Average and Paeth depend on the byte just reconstructed one unit to
// the left: the loops carry the last unit in registers (left[]) rather than
// reading it back from out, so the U bytes of a pixel form independent
// chains of a few operations each. Row lengths are whole units; a partial
// last unit is finished byte by byte.

template <uint32_t U>
static void UnfilterSub(const uint8_t* x, uint8_t* out, uint32_t n) {
    uint32_t left[U];
    uint32_t i = 0;
    for (; i < U && i < n; ++i) out[i] = (uint8_t)(left[i] = x[i]);
    const uint8_t* stop = x + i + (n - i) / U * U;
    for (x += i, out += i; x != stop; x += U, out += U) {
        for (uint32_t k = 0; k < U; ++k) out[k] = (uint8_t)(left[k] = (x[k] + left[k]) & 0xFF);
    }
    for (i = (n - i) % U; i > 0; --i, ++x, ++out) *out = (uint8_t)(*x + out[-(int32_t)U]);
}

static void UnfilterUp(const uint8_t* x, const uint8_t* prev, uint8_t* out, uint32_t n) {
    for (uint32_t i = 0; i < n; ++i) out[i] = (uint8_t)(x[i] + prev[i]);
}

template <uint32_t U>
static void UnfilterAverage(const uint8_t* x, const uint8_t* prev, uint8_t* out, uint32_t n) {
    uint32_t left[U];
    uint32_t i = 0;
    for (; i < U && i < n; ++i) out[i] = (uint8_t)(left[i] = (x[i] + (prev[i] >> 1)) & 0xFF);
    const uint8_t* stop = x + i + (n - i) / U * U;
    for (x += i, prev += i, out += i; x != stop; x += U, prev += U, out += U) {
        for (uint32_t k = 0; k < U; ++k) out[k] = (uint8_t)(left[k] = (x[k] + ((left[k] + prev[k]) >> 1)) & 0xFF);
    }
    for (i = (n - i) % U; i > 0; --i, ++x, ++prev, ++out) *out = (uint8_t)(*x + ((out[-(int32_t)U] + *prev) >> 1));
}

template <uint32_t U>
static void UnfilterAverageFirst(const uint8_t* x, uint8_t* out, uint32_t n) {
    uint32_t left[U];
    uint32_t i = 0;
    for (; i < U && i < n; ++i) out[i] = (uint8_t)(left[i] = x[i]);
    const uint8_t* stop = x + i + (n - i) / U * U;
    for (x += i, out += i; x != stop; x += U, out += U) {
        for (uint32_t k = 0; k < U; ++k) out[k] = (uint8_t)(left[k] = (x[k] + (left[k] >> 1)) & 0xFF);
    }
    for (i = (n - i) % U; i > 0; --i, ++x, ++out) *out = (uint8_t)(*x + (out[-(int32_t)U] >> 1));
}

// The Paeth choice without branches: the distances of the estimate left +
// above - upper left to the three neighbours are |above - upper left|,
// |left - upper left| and the absolute value of their sum.
static inline uint32_t PaethChoice(int32_t left, int32_t above, int32_t upperLeft) {
    int32_t toAbove = left - upperLeft, toLeft = above - upperLeft;
    int32_t toUpperLeft = toAbove + toLeft;
    toAbove = toAbove < 0 ? -toAbove : toAbove;
    toLeft = toLeft < 0 ? -toLeft : toLeft;
    toUpperLeft = toUpperLeft < 0 ? -toUpperLeft : toUpperLeft;
    int32_t best = toAbove < toLeft ? above : left;
    int32_t bestDistance = toAbove < toLeft ? toAbove : toLeft;
    return (uint32_t)(toUpperLeft < bestDistance ? upperLeft : best);
}

template <uint32_t U>
static void UnfilterPaeth(const uint8_t* x, const uint8_t* prev, uint8_t* out, uint32_t n) {
    uint32_t left[U];
    uint32_t i = 0;
    for (; i < U && i < n; ++i) out[i] = (uint8_t)(left[i] = (x[i] + prev[i]) & 0xFF);
    const uint8_t* stop = x + i + (n - i) / U * U;
    for (x += i, prev += i, out += i; x != stop; x += U, prev += U, out += U) {
        for (uint32_t k = 0; k < U; ++k) {
            uint32_t predicted = PaethChoice((int32_t)left[k], prev[k], prev[(int32_t)k - (int32_t)U]);
            out[k] = (uint8_t)(left[k] = (x[k] + predicted) & 0xFF);
        }
    }
    for (i = (n - i) % U; i > 0; --i, ++x, ++prev, ++out) {
        *out = (uint8_t)(*x + PngPaeth(out[-(int32_t)U], *prev, prev[-(int32_t)U]));
    }
}

template <uint32_t U>
static int Unfilter(uint8_t type, const uint8_t* x, const uint8_t* prev, uint8_t* out, uint32_t n) {
    switch (type) {
    case 1: UnfilterSub<U>(x, out, n); return 1;
    case 2: prev ? UnfilterUp(x, prev, out, n) : (void)std::memcpy(out, x, n); return 1;
    case 3: prev ? UnfilterAverage<U>(x, prev, out, n) : UnfilterAverageFirst<U>(x, out, n); return 1;
    case 4: prev ? UnfilterPaeth<U>(x, prev, out, n) : UnfilterSub<U>(x, out, n); return 1;
    default: return 0;
    }
}

// With no previous row, above and upper left are 0: Up becomes a copy and
// Paeth the same as Sub (the predictor then always picks left).
const uint8_t* PngUnfilterRow(const uint8_t* filtered, const uint8_t* prev, uint8_t* out,
                              uint32_t rowBytes, uint32_t unit) {
    const uint8_t* x = filtered + 1;
    uint8_t type = filtered[0];
    if (type == 0) return x;  // None: used where it lies
    int ok;
    switch (unit) {
    case 1: ok = Unfilter<1>(type, x, prev, out, rowBytes); break;
    case 2: ok = Unfilter<2>(type, x, prev, out, rowBytes); break;
    case 3: ok = Unfilter<3>(type, x, prev, out, rowBytes); break;
    case 4: ok = Unfilter<4>(type, x, prev, out, rowBytes); break;
    case 6: ok = Unfilter<6>(type, x, prev, out, rowBytes); break;
    case 8: ok = Unfilter<8>(type, x, prev, out, rowBytes); break;
    default: ok = 0; break;
    }
    return ok ? out : nullptr;
}

// ---------------------------------------------------------------------------
// Row converters: n input bytes of one unfiltered scanline into the output
// layout. They write at most the output stride of the row.

typedef void (*RowConverter)(const uint8_t* s, uint8_t* d, uint32_t n);

static void ConvertCopy(const uint8_t* s, uint8_t* d, uint32_t n) { std::memcpy(d, s, n); }

static void ConvertSwap16(const uint8_t* s, uint8_t* d, uint32_t n) {
    for (; n >= 2; n -= 2, s += 2, d += 2) d[0] = s[1], d[1] = s[0];
}

static void ConvertRgb16ToBgr16(const uint8_t* s, uint8_t* d, uint32_t n) {
    for (; n >= 6; n -= 6, s += 6, d += 6) d[0] = s[5], d[1] = s[4], d[2] = s[3], d[3] = s[2], d[4] = s[1], d[5] = s[0];
}

static void ConvertRgba16ToBgr16(const uint8_t* s, uint8_t* d, uint32_t n) {
    for (; n >= 8; n -= 8, s += 8, d += 6) d[0] = s[5], d[1] = s[4], d[2] = s[3], d[3] = s[2], d[4] = s[1], d[5] = s[0];
}

static void ConvertRgba16ToBgra16(const uint8_t* s, uint8_t* d, uint32_t n) {
    for (; n >= 8; n -= 8, s += 8, d += 8) {
        d[0] = s[5], d[1] = s[4], d[2] = s[3], d[3] = s[2], d[4] = s[1], d[5] = s[0], d[6] = s[7], d[7] = s[6];
    }
}

static void ConvertGreyAlpha16ToGrey16(const uint8_t* s, uint8_t* d, uint32_t n) {
    for (; n >= 4; n -= 4, s += 4, d += 2) d[0] = s[1], d[1] = s[0];
}

static void ConvertFirstOf2(const uint8_t* s, uint8_t* d, uint32_t n) {
    for (; n >= 2; n -= 2, s += 2) *d++ = s[0];
}

static void ConvertRgb16ToBgr8(const uint8_t* s, uint8_t* d, uint32_t n) {
    for (; n >= 6; n -= 6, s += 6, d += 3) d[0] = s[4], d[1] = s[2], d[2] = s[0];
}

static void ConvertRgba16ToBgr8(const uint8_t* s, uint8_t* d, uint32_t n) {
    for (; n >= 8; n -= 8, s += 8, d += 3) d[0] = s[4], d[1] = s[2], d[2] = s[0];
}

static void ConvertRgba16ToBgra8(const uint8_t* s, uint8_t* d, uint32_t n) {
    for (; n >= 8; n -= 8, s += 8, d += 4) d[0] = s[4], d[1] = s[2], d[2] = s[0], d[3] = s[6];
}

static void ConvertFirstOf4(const uint8_t* s, uint8_t* d, uint32_t n) {
    for (; n >= 4; n -= 4, s += 4) *d++ = s[0];
}

// Four 2-bit values v0..v3 (v0 in the top bits) become nibbles v0 v1, v2 v3.
static void ConvertWiden2To4(const uint8_t* s, uint8_t* d, uint32_t n) {
    for (; n > 0; --n, ++s, d += 2) {
        d[0] = (uint8_t)(((*s >> 2) & 0x30) | ((*s >> 4) & 0x03));
        d[1] = (uint8_t)(((*s << 2) & 0x30) | (*s & 0x03));
    }
}

// Pixels as 32-bit little-endian words (first byte lowest), for the 8-bit
// colour converters. Only whole pixels are loaded and stored: a 3-byte
// pixel goes through a 4-byte word only when another pixel follows it in
// both the scanline and the output row.
static inline uint32_t LoadLe32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    v = __builtin_bswap32(v);
#endif
    return v;
}

static inline void StoreLe32(uint8_t* p, uint32_t v) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    v = __builtin_bswap32(v);
#endif
    std::memcpy(p, &v, 4);
}

// R, G, B (and whatever follows) as a word becomes B, G, R in its low three
// bytes.
static inline uint32_t SwapRedBlue(uint32_t rgbx) { return __builtin_bswap32(rgbx) >> 8; }

static void ConvertRgbToBgr(const uint8_t* s, uint8_t* d, uint32_t n) {
    // The word stored for a pixel spills one byte onto the next pixel,
    // which then overwrites it.
    for (; n >= 6; n -= 3, s += 3, d += 3) StoreLe32(d, SwapRedBlue(LoadLe32(s)));
    if (n >= 3) d[0] = s[2], d[1] = s[1], d[2] = s[0];
}

static void ConvertRgbaToBgr(const uint8_t* s, uint8_t* d, uint32_t n) {
    for (; n >= 8; n -= 4, s += 4, d += 3) StoreLe32(d, SwapRedBlue(LoadLe32(s)));
    if (n >= 4) d[0] = s[2], d[1] = s[1], d[2] = s[0];
}

static void ConvertRgbaToBgra(const uint8_t* s, uint8_t* d, uint32_t n) {
    for (; n >= 4; n -= 4, s += 4, d += 4) {
        uint32_t v = LoadLe32(s);
        StoreLe32(d, (v & 0xFF00FF00u) | ((v >> 16) & 0xFFu) | ((v & 0xFFu) << 16));
    }
}

static const RowConverter converters[15] = {
    ConvertCopy, ConvertSwap16, ConvertRgb16ToBgr16, ConvertRgba16ToBgr16, ConvertRgba16ToBgra16,
    ConvertGreyAlpha16ToGrey16, ConvertFirstOf2, ConvertRgb16ToBgr8, ConvertRgba16ToBgr8,
    ConvertRgba16ToBgra8, ConvertFirstOf4, ConvertWiden2To4, ConvertRgbToBgr, ConvertRgbaToBgr,
    ConvertRgbaToBgra,
};

// ---------------------------------------------------------------------------
// Whole image.

namespace {
struct RowContext {
    const uint8_t* raw;    // next stored scanline (its filter byte)
    const uint8_t* prev;   // previous reconstructed scanline of this image or pass
    uint8_t* buffers[2];   // alternate scanline buffers
    uint32_t unit;
};
}  // namespace

// Reconstructs the next stored scanline of rowBytes bytes into whichever
// buffer does not hold the previous one; null for a bad filter type.
static const uint8_t* NextRow(RowContext* c, uint32_t rowBytes) {
    uint8_t* out = c->prev == c->buffers[0] ? c->buffers[1] : c->buffers[0];
    const uint8_t* row = PngUnfilterRow(c->raw, c->prev, out, rowBytes, c->unit);
    c->raw += rowBytes + 1;
    c->prev = row;
    return row;
}

// Whole-byte pixels of B bytes, B a constant so that each copy is a move.
template <uint32_t B>
static void PlaceBytes(const uint8_t* scratch, uint8_t* row, const PngPass* p) {
    uint8_t* d = row + p->startColumn * B;
    for (uint32_t i = 0; i < p->columns; ++i, scratch += B, d += p->columnStep * B) std::memcpy(d, scratch, B);
}

// Places the converted pixels of one pass scanline at their columns of the
// destination row. Narrower than a byte they are OR-ed into the zeroed row.
static void PlacePixels(const uint8_t* scratch, uint8_t* row, const PngPass* p, uint32_t bits) {
    switch (bits) {
    case 8: PlaceBytes<1>(scratch, row, p); return;
    case 16: PlaceBytes<2>(scratch, row, p); return;
    case 24: PlaceBytes<3>(scratch, row, p); return;
    case 32: PlaceBytes<4>(scratch, row, p); return;
    case 48: PlaceBytes<6>(scratch, row, p); return;
    case 64: PlaceBytes<8>(scratch, row, p); return;
    default: break;  // narrower than a byte
    }
    uint32_t mask = (1u << bits) - 1;
    for (uint32_t i = 0; i < p->columns; ++i) {
        uint32_t from = i * bits;
        uint32_t value = (scratch[from / 8] >> (8 - bits - from % 8)) & mask;
        uint32_t to = (p->startColumn + i * p->columnStep) * bits;
        row[to / 8] |= (uint8_t)(value << (8 - bits - to % 8));
    }
}

static int ConvertInterlaced(const PngInfo* info, RowContext* c, uint8_t* dest, uint8_t* scratch,
                             uint32_t stride, uint32_t bits, RowConverter convert) {
    if (bits < 8) std::memset(dest, 0, (size_t)stride * info->height);
    for (int pass = 0; pass < 7; ++pass) {
        PngPass p;
        PngAdam7Pass(info, pass, &p);
        uint32_t rowBytes = (uint32_t)PngRowBytes(info, p.columns);
        c->prev = nullptr;
        for (uint32_t j = 0; j < p.rows; ++j) {
            const uint8_t* row = NextRow(c, rowBytes);
            if (row == nullptr) return 0;  // bad filter type
            convert(row, scratch, rowBytes);
            PlacePixels(scratch, dest + (size_t)(p.startRow + j * p.rowStep) * stride, &p, bits);
        }
    }
    return 1;
}

// Needs the decoded rawData of exactly PngRawSize bytes. The two scanline
// buffers (and, for Adam7, the scratch row of stride + 16 bytes) come from
// one heap block, freed before returning.
int PngConvertRows(PngInfo* info, uint8_t* dest, uint32_t code) {
    if (info->stage != PNG_STAGE_DECODED || info->rawData == nullptr || info->rawSize != PngRawSize(info)) {
        return 0;
    }
    const PngFormat* format = PngFindImageFormat(info, code);
    uint32_t stride = PngOutputStride(info, code);
    if (format == nullptr || stride == 0) return 0;  // not a known code of this image
    RowConverter convert = converters[code & 0xFF];
    uint32_t rowBytes = (uint32_t)PngRowBytes(info, info->width);
    uint32_t unit = PngBitsPerPixel(info) / 8;
    uint64_t half = ((uint64_t)rowBytes + 8 + 7) & ~(uint64_t)7;
    uint64_t scratchBytes = info->interlace ? (uint64_t)stride + 16 : 0;
    if (2 * half + scratchBytes > SIZE_MAX) return 0;  // beyond the address space
    uint8_t* block = (uint8_t*)pngAllocator.allocate((size_t)(2 * half + scratchBytes));
    if (block == nullptr) return 0;
    RowContext c = {info->rawData, nullptr, {block, block + half}, unit ? unit : 1};
    int ok = 1;
    if (info->interlace) {
        ok = ConvertInterlaced(info, &c, dest, block + 2 * half, stride, format->outputBits, convert);
    } else {
        for (uint32_t y = 0; y < info->height && ok; ++y, dest += stride) {
            const uint8_t* row = NextRow(&c, rowBytes);
            if (row == nullptr) ok = 0;  // bad filter type
            else convert(row, dest, rowBytes);
        }
    }
    pngAllocator.release(block);
    return ok;
}
