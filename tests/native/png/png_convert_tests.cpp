// Raw sizes, unfiltering, row converters, Adam7 placement and the bitmap
// header with its colour table.
#include <gtest/gtest.h>

#include "images/png/png_internal.h"
#include "png_test_support.h"

namespace {

PngInfo Geometry(uint32_t width, uint32_t height, uint8_t depth, uint8_t colorType, uint8_t interlace) {
    PngInfo info;
    PngReset(&info);
    info.width = width, info.height = height, info.bitDepth = depth, info.colorType = colorType;
    info.interlace = interlace;
    return info;
}

TEST(PngConvert, RawSizes) {
    struct Case {
        uint32_t width, height;
        uint8_t depth, colorType, interlace;
        uint32_t rawSize;
    };
    const Case cases[] = {
        {1, 1, 8, 0, 1, 2},          // pass 1 only
        {3, 3, 8, 0, 1, 15},         // passes 1, 4, 5, 6, 7
        {6, 3, 8, 0, 1, 2 + 2 + 2 + 4 + 8 + 7},  // no third pass
        {10, 1, 1, 0, 0, 3},         // row of 2 bytes
        {5, 2, 16, 6, 0, 2 * 41},
        {7, 2, 2, 3, 0, 2 * 3},
        {0xFFFFFFFF, 2, 16, 6, 0, 0},  // beyond 32 bits
    };
    for (const Case& c : cases) {
        PngInfo info = Geometry(c.width, c.height, c.depth, c.colorType, c.interlace);
        EXPECT_EQ(PngRawSize(&info), c.rawSize) << c.width << "x" << c.height;
    }
    // The non-empty passes as a mask, bit 0 for pass 1.
    auto mask = [](uint32_t width, uint32_t height) {
        PngInfo info = Geometry(width, height, 8, 0, 1);
        uint32_t m = 0;
        for (int pass = 0; pass < 7; ++pass) {
            PngPass p;
            PngAdam7Pass(&info, pass, &p);
            if (p.rows) m |= 1u << pass;
        }
        return m;
    };
    EXPECT_EQ(mask(1, 1), 0x55u & 0x2Bu);
    EXPECT_EQ(mask(3, 3), 0x7Du & 0x7Bu);
    EXPECT_EQ(mask(6, 3), 0x7Fu & 0x7Bu);  // every pass but the third
    EXPECT_EQ(mask(2, 9), 0x75u);
    EXPECT_EQ(mask(9, 2), 0x6Bu);
    EXPECT_EQ(mask(5, 5), 0x7Fu);
}

TEST(PngConvert, PaethTieBreaks) {
    EXPECT_EQ(PngPaeth(7, 7, 7), 7);        // all equal: left
    EXPECT_EQ(PngPaeth(10, 20, 20), 10);    // left and upper left tie on p: left
    EXPECT_EQ(PngPaeth(20, 10, 20), 10);    // p = 10: above strictly closest
    EXPECT_EQ(PngPaeth(10, 30, 20), 20);    // p = 20: upper left strictly closest
    EXPECT_EQ(PngPaeth(6, 0, 4), 0);        // p = 2: above and upper left tie: above
    EXPECT_EQ(PngPaeth(0, 3, 2), 0);        // p = 1: left and upper left tie: left
}

TEST(PngConvert, UnfilterRows) {
    const Bytes prev = {10, 20, 30, 40, 250, 60};
    struct Case {
        uint8_t type;
        uint32_t unit;
        bool withPrev;
        Bytes stored, expected;
    };
    const Case cases[] = {
        {1, 1, false, {1, 2, 3, 4, 5, 6}, {1, 3, 6, 10, 15, 21}},
        {1, 3, true, {1, 2, 3, 4, 5, 255}, {1, 2, 3, 5, 7, 2}},
        {2, 2, true, {1, 2, 3, 4, 10, 6}, {11, 22, 33, 44, 4, 66}},
        {2, 2, false, {1, 2, 3, 4, 10, 6}, {1, 2, 3, 4, 10, 6}},
        // Average: (left + above) in 9 bits, so 250 + 60 does not wrap.
        {3, 1, true, {0, 0, 0, 0, 0, 0}, {5, 12, 21, 30, 140, 100}},
        {3, 2, false, {8, 9, 2, 3, 0, 0}, {8, 9, 6, 7, 3, 3}},
        {4, 1, false, {1, 2, 3, 4, 5, 6}, {1, 3, 6, 10, 15, 21}},
        {4, 1, true, {0, 0, 0, 0, 0, 0}, {10, 20, 30, 40, 250, 60}},
        {4, 2, true, {1, 1, 1, 1, 1, 1}, {11, 21, 31, 41, 251, 61}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << (int)c.type << " unit " << c.unit);
        Bytes filtered = {c.type};
        filtered.insert(filtered.end(), c.stored.begin(), c.stored.end());
        Bytes out(6, 0xEE);
        const uint8_t* row = PngUnfilterRow(filtered.data(), c.withPrev ? prev.data() : nullptr, out.data(), 6, c.unit);
        ASSERT_EQ(row, out.data());
        EXPECT_EQ(out, c.expected);
    }
    Bytes none = {0, 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(PngUnfilterRow(none.data(), prev.data(), nullptr, 6, 1), none.data() + 1);  // used in place
    Bytes five = {5, 1, 2, 3, 4, 5, 6};
    Bytes out(6);
    EXPECT_EQ(PngUnfilterRow(five.data(), nullptr, out.data(), 6, 1), nullptr);
}

// The filters byte by byte, straight from their definitions, against the
// decoder's unrolled loops: every unit, filter type with and without a
// previous row, and row lengths around multiples of the unit.
TEST(PngConvert, UnfilterMatchesDefinition) {
    auto reference = [](uint8_t type, const Bytes& x, const uint8_t* prev, uint32_t unit) {
        Bytes out(x.size());
        for (size_t i = 0; i < x.size(); ++i) {
            int left = i >= unit ? out[i - unit] : 0;
            int above = prev ? prev[i] : 0;
            int upperLeft = prev && i >= unit ? prev[i - unit] : 0;
            int predicted = type == 1 ? left : type == 2 ? above : type == 3 ? (left + above) / 2
                                                                             : PngPaeth((uint8_t)left, (uint8_t)above, (uint8_t)upperLeft);
            out[i] = (uint8_t)(x[i] + predicted);
        }
        return out;
    };
    uint32_t state = 99;
    auto random = [&state]() {
        state = state * 1103515245u + 12345u;
        return (uint8_t)(state >> 16);
    };
    for (uint32_t unit : {1u, 2u, 3u, 4u, 6u, 8u}) {
        for (uint32_t n : {1u, unit - 1, unit, unit + 1, 2 * unit, 7 * unit, 7 * unit + 2, 64 * unit}) {
            if (n == 0) continue;
            Bytes stored(n), prev(n);
            for (uint32_t i = 0; i < n; ++i) stored[i] = random(), prev[i] = random();
            // Neighbours that tie in the Paeth choice: equal bytes in both rows.
            for (uint32_t i = 0; i < n; i += 5) prev[i] = stored[i];
            for (uint8_t type = 1; type <= 4; ++type) {
                for (bool withPrev : {false, true}) {
                    SCOPED_TRACE(testing::Message() << "type " << (int)type << " unit " << unit << " length " << n
                                                    << (withPrev ? " with" : " without") << " previous row");
                    Bytes filtered = {type};
                    filtered.insert(filtered.end(), stored.begin(), stored.end());
                    Bytes out(n + 8, 0xEE);
                    const uint8_t* previous = withPrev ? prev.data() : nullptr;
                    ASSERT_EQ(PngUnfilterRow(filtered.data(), previous, out.data(), n, unit), out.data());
                    EXPECT_EQ(Bytes(out.begin(), out.begin() + n), reference(type, stored, previous, unit));
                    EXPECT_EQ(Bytes(out.begin() + n, out.end()), Bytes(8, 0xEE));  // nothing written beyond
                }
            }
        }
    }
}

// An image made of the given scanlines, decoded through the public API.
Decoded DecodeRows(const Bytes& ihdr, const std::vector<Bytes>& rows, uint32_t request = PNG_FORMAT_DEFAULT,
                   const Bytes& plte = {}) {
    return DecodePng(MakeImage(ihdr, {ZlibCompress(Rows(rows))}, plte), request);
}

Bytes Row(const Decoded& d, uint32_t y, uint32_t bytes) {
    return Bytes(d.pixels.begin() + y * d.stride, d.pixels.begin() + y * d.stride + bytes);
}

TEST(PngConvert, FilterTypeFiveFailsTheBitmap) {
    Decoded d = DecodeRows(Ihdr(2, 2, 8, 0), {{0, 1, 2}, {5, 3, 4}});
    EXPECT_EQ(d.stage, 2);
    EXPECT_FALSE(d.converted);
    EXPECT_EQ(d.error, PNG_OK);  // unchanged by the conversion
}

TEST(PngConvert, EveryKnownCode) {
    const Bytes rgba16 = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0};
    const Bytes rgb16 = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
    const Bytes ga16 = {0x12, 0x34, 0x56, 0x78};
    struct Case {
        uint8_t colorType, depth;
        uint32_t width;
        Bytes pixels;  // one stored row without its filter byte
        uint32_t code;
        Bytes expected;
    };
    const Case cases[] = {
        {0, 1, 10, {0xA5, 0xC0}, 0x00010100, {0xA5, 0xC0}},
        {0, 2, 4, {0x1B}, 0x00020000, {0x1B}},
        {0, 2, 4, {0x1B}, 0x0002010B, {0x01, 0x23}},
        {3, 2, 5, {0xE4, 0x80}, 0x0302010B, {0x32, 0x10, 0x20}},
        {0, 4, 2, {0x9C}, 0x00040100, {0x9C}},
        {0, 8, 1, {0x42}, 0x00080100, {0x42}},
        {0, 16, 1, {0x12, 0x34}, 0x00100001, {0x34, 0x12}},
        {0, 16, 1, {0x12, 0x34}, 0x00100106, {0x12}},
        {2, 8, 1, {1, 2, 3}, 0x0208010C, {3, 2, 1}},
        {2, 16, 1, rgb16, 0x02100002, {0xBC, 0x9A, 0x78, 0x56, 0x34, 0x12}},
        {2, 16, 1, rgb16, 0x02100107, {0x9A, 0x56, 0x12}},
        {3, 1, 3, {0xA0}, 0x03010100, {0xA0}},
        {3, 4, 1, {0x70}, 0x03040100, {0x70}},
        {3, 8, 1, {9}, 0x03080100, {9}},
        {4, 8, 1, {7, 200}, 0x04080000, {7, 200}},
        {4, 8, 1, {7, 200}, 0x04080106, {7}},
        {4, 16, 1, ga16, 0x04100001, {0x34, 0x12, 0x78, 0x56}},
        {4, 16, 1, ga16, 0x04100005, {0x34, 0x12}},
        {4, 16, 1, ga16, 0x04100006, {0x12, 0x56}},
        {4, 16, 1, ga16, 0x0410010A, {0x12}},
        {6, 8, 1, {1, 2, 3, 4}, 0x0608010E, {3, 2, 1, 4}},
        {6, 8, 1, {1, 2, 3, 4}, 0x0608010D, {3, 2, 1}},
        {6, 16, 1, rgba16, 0x06100004, {0xBC, 0x9A, 0x78, 0x56, 0x34, 0x12, 0xF0, 0xDE}},
        {6, 16, 1, rgba16, 0x06100003, {0xBC, 0x9A, 0x78, 0x56, 0x34, 0x12}},
        {6, 16, 1, rgba16, 0x06100109, {0x9A, 0x56, 0x12, 0xDE}},
        {6, 16, 1, rgba16, 0x06100108, {0x9A, 0x56, 0x12}},
    };
    size_t known;
    PngFormatList(&known);
    EXPECT_EQ(std::size(cases) + 1, known);  // 0x03020000 is covered by 0x00020000's converter
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.code);
        Bytes row = {0};
        row.insert(row.end(), c.pixels.begin(), c.pixels.end());
        Bytes file = MakeImage(Ihdr(c.width, 2, c.depth, c.colorType), {ZlibCompress(Rows({row, row}))},
                               c.colorType == 3 ? Bytes(48, 1) : Bytes{});
        PngInfo info;
        PngReset(&info);
        ASSERT_TRUE(PngOpenMemory(&info, file.data(), (uint32_t)file.size()));
        ASSERT_TRUE(PngDecodeImage(&info));
        uint32_t stride = PngOutputStride(&info, c.code);
        ASSERT_EQ(stride, (c.expected.size() + 3) / 4 * 4);
        Bytes dest(stride * 2, 0xEE);
        ASSERT_TRUE(PngConvertRows(&info, dest.data(), c.code));
        EXPECT_EQ(Bytes(dest.begin(), dest.begin() + c.expected.size()), c.expected);
        EXPECT_EQ(Bytes(dest.begin() + stride, dest.begin() + stride + c.expected.size()), c.expected);
        // Not the image's combination, or not a known code at all.
        EXPECT_FALSE(PngConvertRows(&info, dest.data(), c.code ^ 0x01000000));
        EXPECT_FALSE(PngConvertRows(&info, dest.data(), (c.code & ~0xFFu) | 15));
        PngRelease(&info);
    }
}

// The 8-bit colour converters over rows of several pixels, which go a word
// at a time except for the last pixel: every pixel of each row in place,
// and the row's padding up to the stride left alone.
TEST(PngConvert, ColourConvertersOverWholeRows) {
    struct Case {
        uint8_t colorType;
        uint32_t code;
        uint32_t in, out;  // bytes per pixel
    };
    const Case cases[] = {
        {2, 0x0208010C, 3, 3},
        {6, 0x0608010E, 4, 4},
        {6, 0x0608010D, 4, 3},
    };
    for (const Case& c : cases) {
        for (uint32_t width = 1; width <= 6; ++width) {
            SCOPED_TRACE(testing::Message() << std::hex << c.code << std::dec << " width " << width);
            std::vector<Bytes> rows;
            Bytes expected;
            for (uint32_t y = 0; y < 2; ++y) {
                Bytes row = {0};
                for (uint32_t x = 0; x < width; ++x) {
                    uint8_t r = (uint8_t)(10 * x + y + 1), g = (uint8_t)(r + 100), b = (uint8_t)(r + 200);
                    row.insert(row.end(), {r, g, b});
                    if (c.in == 4) row.push_back((uint8_t)(r ^ 0x5A));
                    if (y == 0) {
                        expected.insert(expected.end(), {b, g, r});
                        if (c.out == 4) expected.push_back((uint8_t)(r ^ 0x5A));
                    }
                }
                rows.push_back(row);
            }
            Bytes file = MakeImage(Ihdr(width, 2, 8, c.colorType), {ZlibCompress(Rows(rows))});
            PngInfo info;
            PngReset(&info);
            ASSERT_TRUE(PngOpenMemory(&info, file.data(), (uint32_t)file.size()));
            ASSERT_TRUE(PngDecodeImage(&info));
            uint32_t stride = PngOutputStride(&info, c.code);
            Bytes dest(stride * 2, 0xEE);
            ASSERT_TRUE(PngConvertRows(&info, dest.data(), c.code));
            EXPECT_EQ(Bytes(dest.begin(), dest.begin() + expected.size()), expected);
            EXPECT_EQ(Bytes(dest.begin() + expected.size(), dest.begin() + stride), Bytes(stride - expected.size(), 0xEE));
            EXPECT_EQ(dest[stride + c.out - 1], c.out == 4 ? (uint8_t)(2 ^ 0x5A) : 2);  // second row, first pixel's last byte
            PngRelease(&info);
        }
    }
}

// Adam7 with output narrower than a byte: pixels OR-ed into a zeroed
// destination. A 3 x 3 1-bit image whose pixels are 1 where x + y is odd.
TEST(PngConvert, InterlacedSubBytePlacement) {
    // Passes 1 (0,0), 4 (2,0), 5 (0,2),(2,2), 6 (1,0),(1,2), 7 row 1.
    std::vector<Bytes> rows = {{0, 0x00}, {0, 0x00}, {0, 0x00}, {0, 0x80}, {0, 0x80}, {0, 0xA0}};
    Bytes ihdr = Ihdr(3, 3, 1, 0, 1);
    Decoded d = DecodeRows(ihdr, rows);
    ASSERT_TRUE(d.converted);
    EXPECT_EQ(d.stride, 4u);
    EXPECT_EQ(Row(d, 0, 1), (Bytes{0x40}));
    EXPECT_EQ(Row(d, 1, 1), (Bytes{0xA0}));
    EXPECT_EQ(Row(d, 2, 1), (Bytes{0x40}));
    // The same pixels as 2-bit grey widened to nibbles.
    Decoded wide = DecodeRows(Ihdr(3, 3, 2, 0, 1), {{0, 0x00}, {0, 0x00}, {0, 0x00}, {0, 0xC0}, {0, 0xC0}, {0, 0xCC}});
    ASSERT_TRUE(wide.converted);
    EXPECT_EQ(Row(wide, 0, 2), (Bytes{0x03, 0x00}));
    EXPECT_EQ(Row(wide, 1, 2), (Bytes{0x30, 0x30}));
    EXPECT_EQ(Row(wide, 2, 2), (Bytes{0x03, 0x00}));
}

TEST(PngConvert, InterlacedEqualsPlain) {
    // An 11 x 9 RGB image written plain and as Adam7 passes must convert alike.
    const uint32_t w = 11, h = 9;
    auto pixel = [](uint32_t x, uint32_t y, uint32_t c) { return (uint8_t)(x * 20 + y * 7 + c * 50); };
    std::vector<Bytes> plain, passes;
    for (uint32_t y = 0; y < h; ++y) {
        Bytes row = {0};
        for (uint32_t x = 0; x < w; ++x)
            for (uint32_t c = 0; c < 3; ++c) row.push_back(pixel(x, y, c));
        plain.push_back(row);
    }
    PngInfo info = Geometry(w, h, 8, 2, 1);
    for (int pass = 0; pass < 7; ++pass) {
        PngPass p;
        PngAdam7Pass(&info, pass, &p);
        for (uint32_t j = 0; j < p.rows; ++j) {
            Bytes row = {0};
            for (uint32_t i = 0; i < p.columns; ++i)
                for (uint32_t c = 0; c < 3; ++c)
                    row.push_back(pixel(p.startColumn + i * p.columnStep, p.startRow + j * p.rowStep, c));
            passes.push_back(row);
        }
    }
    Decoded a = DecodeRows(Ihdr(w, h, 8, 2, 0), plain);
    Decoded b = DecodeRows(Ihdr(w, h, 8, 2, 1), passes);
    ASSERT_TRUE(a.converted && b.converted);
    for (uint32_t y = 0; y < h; ++y) EXPECT_EQ(Row(a, y, w * 3), Row(b, y, w * 3)) << "row " << y;
    EXPECT_EQ(Row(a, 0, 3), (Bytes{100, 50, 0}));
}

TEST(PngConvert, BitmapInfoGreyRamps) {
    struct Case {
        uint8_t depth, colorType;
        uint16_t bitCount;
        uint32_t entries, code;
    };
    const Case cases[] = {
        {1, 0, 1, 2, 0x00010100},   {2, 0, 4, 4, 0x0002010B},   {4, 0, 4, 16, 0x00040100},
        {8, 0, 8, 256, 0x00080100}, {16, 0, 8, 256, 0x00100106}, {8, 4, 8, 256, 0x04080106},
        {16, 4, 8, 256, 0x0410010A}, {8, 2, 24, 0, 0x0208010C},  {16, 2, 24, 0, 0x02100107},
        {8, 6, 32, 0, 0x0608010E},  {16, 6, 32, 0, 0x06100109},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "depth " << (int)c.depth << " type " << (int)c.colorType);
        PngInfo info = Geometry(5, 3, c.depth, c.colorType, 0);
        PngBitmapInfo bi;
        EXPECT_EQ(PngFillBitmapInfo(&info, &bi), c.code);
        EXPECT_EQ(bi.header.biSize, 40u);
        EXPECT_EQ(bi.header.biWidth, 5);
        EXPECT_EQ(bi.header.biHeight, -3);
        EXPECT_EQ(bi.header.biPlanes, 1);
        EXPECT_EQ(bi.header.biBitCount, c.bitCount);
        EXPECT_EQ(bi.header.biCompression, 0u);
        EXPECT_EQ(bi.header.biClrUsed, c.entries);
        for (uint32_t i = 0; i < c.entries; ++i) {
            uint8_t level = (uint8_t)(i * 255 / (c.entries - 1));
            ASSERT_EQ(bi.colors[i].blue, level);
            ASSERT_EQ(bi.colors[i].green, level);
            ASSERT_EQ(bi.colors[i].red, level);
            ASSERT_EQ(bi.colors[i].reserved, 0);
        }
    }
    PngInfo two = Geometry(1, 1, 2, 0, 0);
    PngBitmapInfo bi;
    PngFillBitmapInfo(&two, &bi);
    EXPECT_EQ(bi.colors[1].red, 85);
    EXPECT_EQ(bi.colors[2].red, 170);
    EXPECT_EQ(bi.colors[3].red, 255);
}

TEST(PngConvert, BitmapInfoPalette) {
    const Bytes plte = {1, 2, 3, 4, 5, 6, 7, 8};  // two entries and a stray byte
    PngInfo info = Geometry(1, 1, 2, 3, 0);
    info.paletteData = plte.data();
    info.paletteCount = 2;
    PngBitmapInfo bi;
    EXPECT_EQ(PngFillBitmapInfo(&info, &bi), 0x0302010Bu);
    EXPECT_EQ(bi.header.biBitCount, 4);
    EXPECT_EQ(bi.header.biClrUsed, 0u);
    EXPECT_EQ(bi.colors[0].blue, 3);
    EXPECT_EQ(bi.colors[0].green, 2);
    EXPECT_EQ(bi.colors[0].red, 1);
    EXPECT_EQ(bi.colors[1].blue, 6);
    EXPECT_EQ(bi.colors[1].red, 4);
    for (int i = 2; i < 16; ++i) EXPECT_EQ(bi.colors[i].red | bi.colors[i].green | bi.colors[i].blue, 0);
}

TEST(PngConvert, RequestedFormats) {
    Bytes rgba8 = MakeImage(Ihdr(1, 1, 8, 6), {ZlibCompress({0, 1, 2, 3, 4})});
    Bytes rgba16 = MakeImage(Ihdr(1, 1, 16, 6), {ZlibCompress({0, 1, 2, 3, 4, 5, 6, 7, 8})});
    Decoded d = DecodePng(rgba8, 0x0608010D);
    ASSERT_TRUE(d.converted);
    EXPECT_EQ(d.bitmap.header.biBitCount, 24);
    EXPECT_EQ(Row(d, 0, 3), (Bytes{3, 2, 1}));
    Decoded d16 = DecodePng(rgba16, 0x06100108);
    ASSERT_TRUE(d16.converted);
    EXPECT_EQ(d16.bitmap.header.biBitCount, 24);
    EXPECT_EQ(Row(d16, 0, 3), (Bytes{5, 3, 1}));
    struct Case {
        const Bytes* file;
        uint32_t request;
    };
    const Case refused[] = {
        {&rgba16, 0x0608010D},  // another bit depth
        {&rgba8, 0x06100108},
        {&rgba8, 0x0208010C},   // another colour type
        {&rgba16, 0x06100004},  // flag 0
        {&rgba8, 0x0608010F},   // right flag and combination, unknown conversion
        {&rgba8, 0x06080100},
    };
    for (const Case& c : refused) {
        Decoded r = DecodePng(*c.file, c.request);
        EXPECT_EQ(r.stage, 2);
        EXPECT_EQ(r.error, PNG_ERROR_BAD_FORMAT) << std::hex << c.request;
        EXPECT_FALSE(r.converted);
    }
}

TEST(PngConvert, AncillaryChunksChangeNothing) {
    Bytes idat = ZlibCompress({0, 10, 20, 30});
    Bytes plain = MakeImage(Ihdr(1, 1, 8, 2), {idat});
    Bytes decorated = MakePng({{"IHDR", Ihdr(1, 1, 8, 2)}, {"gAMA", {0, 0, 0xB1, 0x8F}}, {"tRNS", {0, 10, 0, 20, 0, 30}},
                               {"IDAT", idat}, {"tEXt", {'k', 0, 'v'}}, {"IEND", {}}});
    Decoded a = DecodePng(plain), b = DecodePng(decorated);
    ASSERT_TRUE(a.converted && b.converted);
    EXPECT_EQ(a.pixels, b.pixels);
    EXPECT_EQ(a.bitmap.header.biBitCount, 24);
    EXPECT_EQ(Row(b, 0, 3), (Bytes{30, 20, 10}));
}

}  // namespace
