// Hand-made zlib/DEFLATE streams, each with its exact result.
#include <gtest/gtest.h>

#include "images/png/png_internal.h"
#include "png_test_support.h"

namespace {

struct Inflated {
    bool ok;
    int32_t error;
    Bytes raw;
};

// Decodes the IDAT payloads as the data of an 8-bit grey image of
// rawSize - 1 by 1 pixels, whose raw size is therefore rawSize.
Inflated InflateIdats(const std::vector<Bytes>& idats, uint32_t rawSize) {
    Bytes file = MakeImage(Ihdr(rawSize - 1, 1, 8, 0), idats);
    PngInfo info;
    PngReset(&info);
    EXPECT_TRUE(PngOpenMemory(&info, file.data(), (uint32_t)file.size()));
    Inflated result;
    result.ok = PngDecodeImage(&info) == 1;
    result.error = info.error;
    if (result.ok) result.raw.assign(info.rawData, info.rawData + info.rawSize);
    EXPECT_EQ(info.stage, result.ok ? PNG_STAGE_DECODED : PNG_STAGE_OPENED);
    PngRelease(&info);
    return result;
}

Inflated InflateStream(const Bytes& zlib, uint32_t rawSize) { return InflateIdats({zlib}, rawSize); }

const Bytes storedHello = {0x01, 0x05, 0x00, 0xFA, 0xFF, 'h', 'e', 'l', 'l', 'o'};

// A zlib stream without the Adler-32 trailer, which is never read.
Bytes WithHeader(uint8_t cmf, uint8_t flg, const Bytes& deflate) {
    Bytes out = {cmf, flg};
    out.insert(out.end(), deflate.begin(), deflate.end());
    return out;
}

TEST(PngInflate, ZlibHeaderAndStoredBlock) {
    struct Case {
        const char* what;
        uint8_t cmf, flg;
        Bytes deflate;
        bool ok;
    };
    const Case cases[] = {
        {"stored LEN 05 00 NLEN FA FF", 0x78, 0x9C, storedHello, true},
        {"wrong header check value", 0x78, 0x00, storedHello, true},
        {"window field 0", 0x08, 0x1D, storedHello, true},
        {"preset dictionary", 0x78, 0xBC, storedHello, false},
        {"window field 8", 0x88, 0x01, storedHello, false},
        {"method 7", 0x77, 0x01, storedHello, false},
        {"NLEN FB FF", 0x78, 0x01, {0x01, 0x05, 0x00, 0xFB, 0xFF, 'h', 'e', 'l', 'l', 'o'}, false},
        {"block type 3", 0x78, 0x01, {0x07, 0, 0, 0, 0}, false},
        {"stored bytes cut short", 0x78, 0x01, {0x01, 0x05, 0x00, 0xFA, 0xFF, 'h', 'e', 'l'}, false},
        {"non-final block and nothing after", 0x78, 0x01, {0x00, 0x05, 0x00, 0xFA, 0xFF, 'h', 'e', 'l', 'l', 'o'}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Inflated result = InflateStream(WithHeader(c.cmf, c.flg, c.deflate), 5);
        EXPECT_EQ(result.ok, c.ok);
        EXPECT_EQ(result.error, c.ok ? PNG_OK : PNG_ERROR_NOT_PNG);
        if (c.ok) {
            EXPECT_EQ(result.raw, (Bytes{'h', 'e', 'l', 'l', 'o'}));
        }
    }
}

// Two stored blocks, the second one starting mid-chunk and crossing chunk
// boundaries, with empty IDAT chunks between the pieces.
TEST(PngInflate, StreamSplitOverIdatChunks) {
    Bytes data(300);
    for (size_t i = 0; i < data.size(); ++i) data[i] = (uint8_t)(i * 7 + i / 13);
    for (int level : {0, 1, 9}) {
        SCOPED_TRACE(level);
        Bytes zlib = ZlibCompress(data, level);
        for (size_t piece : {1, 2, 3, 7, 64}) {
            std::vector<Bytes> idats;
            for (size_t at = 0; at < zlib.size(); at += piece) {
                idats.push_back(Bytes(zlib.begin() + at, zlib.begin() + std::min(zlib.size(), at + piece)));
                idats.push_back({});
            }
            Inflated result = InflateIdats(idats, (uint32_t)data.size());
            ASSERT_TRUE(result.ok) << "pieces of " << piece;
            EXPECT_EQ(result.raw, data);
        }
    }
}

TEST(PngInflate, StoredBlockReadsReservoirThenChunks) {
    // A fixed block of one literal, then a stored block whose LEN, NLEN and
    // first bytes sit in the bit reservoir and whose rest spans chunks.
    BitWriter w;
    w.Bits(0, 1);
    w.Bits(1, 2);
    w.FixedLiteral('x');
    w.FixedLiteral(256);
    w.Bits(1, 1);
    w.Bits(0, 2);
    w.AlignToByte();
    Bytes deflate = w.Finish();
    Bytes payload(40);
    for (size_t i = 0; i < payload.size(); ++i) payload[i] = (uint8_t)(0xF0 ^ i);
    deflate.insert(deflate.end(), {40, 0, 0xD7, 0xFF});
    deflate.insert(deflate.end(), payload.begin(), payload.end());
    Bytes zlib = Zlib(deflate);
    Bytes expected = {'x'};
    expected.insert(expected.end(), payload.begin(), payload.end());
    Inflated whole = InflateStream(zlib, 41);
    ASSERT_TRUE(whole.ok);
    EXPECT_EQ(whole.raw, expected);
    Inflated split = InflateIdats({Bytes(zlib.begin(), zlib.begin() + 12), {}, Bytes(zlib.begin() + 12, zlib.begin() + 30),
                                   Bytes(zlib.begin() + 30, zlib.end())}, 41);
    ASSERT_TRUE(split.ok);
    EXPECT_EQ(split.raw, expected);
}

// Fixed-code block of literals and matches: symbol 257 + n is length n + 3
// for n < 8; distance code d < 4 is distance d + 1.
TEST(PngInflate, FixedBlockMatchesRepeatOverlaps) {
    BitWriter w;
    w.Bits(1, 1);
    w.Bits(1, 2);
    for (char c : std::string("abc")) w.FixedLiteral((uint8_t)c);
    w.FixedLiteral(257 + 4);  // length 7
    w.FixedDistance(2);       // distance 3: "abcabca"
    w.FixedLiteral(257 + 2);  // length 5
    w.FixedDistance(0);       // distance 1: "aaaaa"
    w.FixedLiteral(256);
    Inflated result = InflateStream(Zlib(w.Finish()), 15);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(std::string(result.raw.begin(), result.raw.end()), "abcabcabcaaaaaa");
}

TEST(PngInflate, LongMatchesCopiedWordWise) {
    // Distances of 8 and more with lengths above the distance, near the end
    // of the output as well, through zlib's own encoder.
    Bytes data;
    for (int i = 0; i < 5000; ++i) data.push_back((uint8_t)((i % 11) * 23 + (i % 97 == 0)));
    for (int i = 0; i < 300; ++i) data.push_back((uint8_t)(i % 9));
    Inflated result = InflateStream(ZlibCompress(data), (uint32_t)data.size());
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.raw, data);
}

// Matches at distances 1 to 9 of lengths around the point where a short
// distance's copy turns to words, each followed by enough literals for
// word copies, or last in the output.
TEST(PngInflate, ShortDistanceMatches) {
    // Fixed codes: length 3..10 is symbol 254 + length; 11..18 is 265..268
    // with one extra bit; 258 is 285. Distance d <= 4 is code d - 1, 5..8
    // code 4 or 5 with one extra bit, 9..12 code 6 with two.
    auto lengthSymbol = [](uint32_t length, uint32_t* extra, int* extraBits) {
        if (length == 258) return *extraBits = 0, 285u;
        if (length <= 10) return *extraBits = 0, 254 + length;
        *extra = (length - 11) % 2, *extraBits = 1;
        return 265 + (length - 11) / 2;
    };
    auto distanceCode = [](uint32_t distance, uint32_t* extra, int* extraBits) {
        if (distance <= 4) return *extraBits = 0, distance - 1;
        if (distance <= 8) return *extra = (distance - 5) % 2, *extraBits = 1, 4 + (distance - 5) / 2;
        return *extra = distance - 9, *extraBits = 2, 6u;
    };
    for (uint32_t distance = 1; distance <= 9; ++distance) {
        for (uint32_t length : {3u, 5u, 7u, 8u, 9u, 12u, 18u, 258u}) {
            for (bool last : {false, true}) {
                SCOPED_TRACE(testing::Message() << "distance " << distance << " length " << length << (last ? " last" : ""));
                BitWriter w;
                w.Bits(1, 1);
                w.Bits(1, 2);
                Bytes expected;
                for (uint32_t i = 0; i < distance; ++i) expected.push_back((uint8_t)('a' + i));
                for (uint8_t c : expected) w.FixedLiteral(c);
                uint32_t extra = 0;
                int extraBits;
                w.FixedLiteral(lengthSymbol(length, &extra, &extraBits));
                w.Bits(extra, extraBits);
                w.FixedDistance(distanceCode(distance, &extra, &extraBits));
                w.Bits(extra, extraBits);
                for (uint32_t i = 0; i < length; ++i) expected.push_back(expected[expected.size() - distance]);
                for (uint32_t i = 0; !last && i < 10; ++i) {
                    w.FixedLiteral('z');
                    expected.push_back('z');
                }
                w.FixedLiteral(256);
                Inflated result = InflateStream(Zlib(w.Finish()), (uint32_t)expected.size());
                ASSERT_TRUE(result.ok);
                EXPECT_EQ(result.raw, expected);
            }
        }
    }
}

TEST(PngInflate, FixedBlockFailures) {
    struct Case {
        const char* what;
        std::vector<uint32_t> symbols;  // literal/length symbols, with "d<code>" as 1000 + code
        uint32_t rawSize;
    };
    const Case cases[] = {
        {"literal/length 286", {'a', 286, 1000, 256}, 4},
        {"literal/length 287", {'a', 287, 1000, 256}, 4},
        {"distance code 30", {'a', 257, 1030, 256}, 4},
        {"distance code 31", {'a', 257, 1031, 256}, 4},
        {"distance before the start", {'a', 257, 1001, 256}, 4},
        {"literal beyond rawSize", {'a', 'b', 'c', 256}, 2},
        {"match beyond rawSize", {'a', 257, 1000, 256}, 3},
        {"ends before rawSize", {'a', 256}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BitWriter w;
        w.Bits(1, 1);
        w.Bits(1, 2);
        for (uint32_t s : c.symbols) {
            if (s >= 1000) w.FixedDistance(s - 1000);
            else w.FixedLiteral(s);
        }
        Inflated result = InflateStream(Zlib(w.Finish()), c.rawSize);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, PNG_ERROR_NOT_PNG);
    }
}

TEST(PngInflate, StreamThatRunsOut) {
    BitWriter w;
    w.Bits(1, 1);
    w.Bits(1, 2);
    for (int i = 0; i < 4; ++i) w.FixedLiteral('a');
    w.FixedLiteral(256);
    Bytes deflate = w.Finish();
    // Without the Adler-32 trailer the stream still ends properly.
    Bytes noTrailer = {0x78, 0x01};
    noTrailer.insert(noTrailer.end(), deflate.begin(), deflate.end());
    EXPECT_TRUE(InflateStream(noTrailer, 4).ok);
    // Cut inside the end-of-block code: the zero bytes after the end must
    // not complete it. The seven bits of code 256 are all zero, so only the
    // check on used bits can tell.
    Bytes cut(noTrailer.begin(), noTrailer.end() - 1);
    Inflated result = InflateStream(cut, 4);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, PNG_ERROR_NOT_PNG);
    EXPECT_FALSE(InflateStream({0x78}, 4).ok);
}

// Dynamic block header: all 19 code-length lengths are sent.
struct LengthItem {
    uint32_t symbol, extraBits, extra;
};
void DynamicHeader(BitWriter& w, uint32_t nlen, uint32_t ndist, const std::vector<uint8_t>& lengthLengths,
                   const std::vector<LengthItem>& items) {
    static const uint8_t order[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    w.Bits(1, 1);
    w.Bits(2, 2);
    w.Bits(nlen - 257, 5);
    w.Bits(ndist - 1, 5);
    w.Bits(19 - 4, 4);
    for (uint8_t symbol : order) w.Bits(lengthLengths[symbol], 3);
    std::vector<uint32_t> codes = CanonicalCodes(lengthLengths);
    for (const LengthItem& item : items) {
        w.Code(codes[item.symbol], lengthLengths[item.symbol]);
        w.Bits(item.extra, (int)item.extraBits);
    }
}

// Literal/length lengths 'A' 2, 256 2, 257 2 (codes 00, 01, 10; 11 unused)
// and distance lengths 2, 2, the last three sent as one repeat (16) that
// runs from the literal/length lengths into the distance lengths.
std::vector<uint8_t> repeatLengths() {
    std::vector<uint8_t> l(19, 0);
    l[2] = 1, l[16] = 2, l[18] = 2;
    return l;
}
const std::vector<LengthItem> repeatItems = {
    {18, 7, 65 - 11}, {2, 0, 0}, {18, 7, 138 - 11}, {18, 7, 52 - 11}, {2, 0, 0}, {16, 2, 0}};

TEST(PngInflate, DynamicBlock) {
    BitWriter w;
    DynamicHeader(w, 258, 2, repeatLengths(), repeatItems);
    w.Code(0, 2);  // 'A'
    w.Code(2, 2);  // length 3
    w.Code(0, 2);  // distance 1
    w.Code(1, 2);  // end of block
    Inflated result = InflateStream(Zlib(w.Finish()), 4);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(std::string(result.raw.begin(), result.raw.end()), "AAAA");

    Bytes data(2000);
    for (size_t i = 0; i < data.size(); ++i) data[i] = (uint8_t)((i * i) % 251 / 3);
    Inflated zlibMade = InflateStream(ZlibCompress(data), (uint32_t)data.size());
    ASSERT_TRUE(zlibMade.ok);
    EXPECT_EQ(zlibMade.raw, data);
}

TEST(PngInflate, DynamicBlockFailures) {
    std::vector<uint8_t> threeOnes(19, 0);
    threeOnes[1] = threeOnes[16] = threeOnes[18] = 1;
    struct Case {
        const char* what;
        uint32_t nlen, ndist;
        std::vector<uint8_t> lengthLengths;
        std::vector<LengthItem> items;
        uint32_t badCode;  // a 2-bit code sent after a valid header, or none
    };
    // Same total of lengths as the valid sequence, so only the missing
    // previous length is wrong.
    std::vector<LengthItem> startsWithRepeat = repeatItems;
    startsWithRepeat[0] = {18, 7, 62 - 11};
    startsWithRepeat.insert(startsWithRepeat.begin(), {16, 2, 0});
    std::vector<LengthItem> repeatsTooFar = repeatItems;
    repeatsTooFar.back() = {16, 2, 1};  // 4 lengths where 3 remain
    const Case cases[] = {
        {"repeat 16 with no previous length", 258, 2, repeatLengths(), startsWithRepeat, 4},
        {"repeat past HLIT + HDIST", 258, 2, repeatLengths(), repeatsTooFar, 4},
        {"over-subscribed code-length code", 258, 2, threeOnes, repeatItems, 4},
        {"literal/length code not in the table", 258, 2, repeatLengths(), repeatItems, 3},
    };
    {
        BitWriter control;
        DynamicHeader(control, 258, 2, repeatLengths(), repeatItems);
        control.Code(0, 2), control.Code(0, 2), control.Code(1, 2);
        ASSERT_TRUE(InflateStream(Zlib(control.Finish()), 2).ok) << "the unchanged stream decodes";
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BitWriter w;
        DynamicHeader(w, c.nlen, c.ndist, c.lengthLengths, c.items);
        w.Code(0, 2);  // 'A'
        if (c.badCode < 4) w.Code(c.badCode, 2);
        w.Code(0, 2);  // 'A'
        w.Code(1, 2);  // end of block: valid after a valid header
        Inflated result = InflateStream(Zlib(w.Finish()), 2);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, PNG_ERROR_NOT_PNG);
    }
}

// Runs of literals ending just before, at and just after the end of the
// output, for runs short and long enough to be written without a check of
// the room for each literal: fixed codes of 8 and 9 bits, and a dynamic
// code where 'A' takes a single bit ('B' and end-of-block two), which packs
// the most literals between two refills.
TEST(PngInflate, LiteralRunsAroundTheEndOfTheOutput) {
    std::vector<uint8_t> dynamicLengths(257, 0);
    dynamicLengths['A'] = 1;
    dynamicLengths['B'] = dynamicLengths[256] = 2;
    std::vector<uint32_t> dynamicCodes = CanonicalCodes(dynamicLengths);
    std::vector<uint8_t> lengthLengths(19, 0);
    lengthLengths[0] = lengthLengths[1] = lengthLengths[2] = lengthLengths[18] = 2;
    const std::vector<LengthItem> dynamicItems = {
        {18, 7, 65 - 11}, {1, 0, 0}, {2, 0, 0}, {18, 7, 138 - 11}, {18, 7, 51 - 11}, {2, 0, 0}, {0, 0, 0}};
    for (bool fixed : {true, false}) {
        // The helper's image is rawSize - 1 pixels wide, so rawSize is 2 or more.
        for (uint32_t run : {3u, 49u, 63u, 64u, 65u, 130u, 1000u}) {
            BitWriter w;
            if (fixed) {
                w.Bits(1, 1);
                w.Bits(1, 2);
            } else {
                DynamicHeader(w, 257, 1, lengthLengths, dynamicItems);
            }
            Bytes expected;
            for (uint32_t i = 0; i < run; ++i) {
                uint8_t literal = fixed ? (uint8_t)(i * 37 + 11) : i % 50 == 49 ? 'B' : 'A';
                if (fixed) w.FixedLiteral(literal);
                else w.Code(dynamicCodes[literal], dynamicLengths[literal]);
                expected.push_back(literal);
            }
            if (fixed) w.FixedLiteral(256);
            else w.Code(dynamicCodes[256], 2);
            Bytes zlib = Zlib(w.Finish());
            for (uint32_t rawSize : {run - 1, run, run + 1}) {
                SCOPED_TRACE(testing::Message() << (fixed ? "fixed: " : "dynamic: ") << run << " literals into "
                                                << rawSize << " bytes");
                Inflated result = InflateStream(zlib, rawSize);
                EXPECT_EQ(result.ok, rawSize == run);
                if (result.ok) {
                    EXPECT_EQ(result.raw, expected);
                }
            }
        }
    }
}

// A literal/length code that reaches 15 bits: literals 0..13 with lengths
// 1..14, then 255 and end-of-block with 15 (complete), or end-of-block
// alone with 15, which leaves the all-ones 15-bit code without a symbol.
TEST(PngInflate, FifteenBitCodes) {
    struct Case {
        const char* what;
        bool with255;
        std::vector<uint32_t> literals;
        bool ok;
    };
    const Case cases[] = {
        {"shortest, longest and 15-bit literals", true, {13, 0, 255, 7, 0, 13}, true},
        {"the missing 15-bit code", false, {13, 0, 0x7FFF}, false},
        {"incomplete code, used codes only", false, {13, 0, 1}, true},
    };
    // Code-length code: 0..14 four bits, 15 and 18 five bits (complete).
    std::vector<uint8_t> lengthLengths(19, 0);
    for (int i = 0; i <= 14; ++i) lengthLengths[i] = 4;
    lengthLengths[15] = lengthLengths[18] = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> lengths(257, 0);
        std::vector<LengthItem> items;
        for (uint32_t i = 0; i < 14; ++i) {
            lengths[i] = (uint8_t)(i + 1);
            items.push_back({i + 1, 0, 0});
        }
        items.push_back({18, 7, 138 - 11});  // symbols 14..151
        items.push_back({18, 7, 103 - 11});  // symbols 152..254
        lengths[255] = c.with255 ? 15 : 0;
        items.push_back({lengths[255], 0, 0});
        lengths[256] = 15;
        items.push_back({15, 0, 0});
        items.push_back({0, 0, 0});  // the one distance length: no distance codes
        BitWriter w;
        DynamicHeader(w, 257, 1, lengthLengths, items);
        std::vector<uint32_t> codes = CanonicalCodes(lengths);
        Bytes expected;
        for (uint32_t literal : c.literals) {
            if (literal > 255) {
                w.Code(literal, 15);  // not a code of the table
            } else {
                w.Code(codes[literal], lengths[literal]);
                expected.push_back((uint8_t)literal);
            }
        }
        w.Code(codes[256], 15);
        Inflated result = InflateStream(Zlib(w.Finish()), (uint32_t)expected.size());
        EXPECT_EQ(result.ok, c.ok);
        if (c.ok) {
            EXPECT_EQ(result.raw, expected);
        }
    }
}

// The limit of a length, from its value shifted up to 15 bits.
uint32_t Limit(const PngHuffman& h, uint32_t len) { return h.length[len].justified >> (15 - len); }

TEST(PngInflate, HuffmanTableFromLengths) {
    // RFC 1951's example: lengths 3 3 3 3 3 2 4 4 for A..H give F 00,
    // A 010 .. E 110, G 1110, H 1111.
    const uint8_t lengths[8] = {3, 3, 3, 3, 3, 2, 4, 4};
    uint16_t symbols[8];
    PngHuffman h;
    ASSERT_TRUE(PngBuildHuffman(&h, symbols, lengths, 8));
    EXPECT_EQ(h.minLength, 2);
    EXPECT_EQ(h.maxLength, 4);
    EXPECT_EQ(Limit(h, 2), 1u);
    EXPECT_EQ(Limit(h, 3), 7u);
    EXPECT_EQ(Limit(h, 4), 16u);
    for (uint32_t len = 5; len <= 16; ++len) EXPECT_EQ(h.length[len].justified, PNG_HUFFMAN_PAST) << len;
    EXPECT_EQ(h.symbol[0 + h.length[2].offset], 5);   // F = 00
    EXPECT_EQ(h.symbol[2 + h.length[3].offset], 0);   // A = 010
    EXPECT_EQ(h.symbol[6 + h.length[3].offset], 4);   // E = 110
    EXPECT_EQ(h.symbol[15 + h.length[4].offset], 7);  // H = 1111
    const uint8_t tooMany[3] = {1, 1, 1};
    EXPECT_FALSE(PngBuildHuffman(&h, symbols, tooMany, 3));
    const uint8_t single[2] = {0, 1};  // incomplete: one code of one bit
    EXPECT_TRUE(PngBuildHuffman(&h, symbols, single, 2));
    EXPECT_EQ(Limit(h, 1), 1u);
    EXPECT_EQ(h.minLength, 1);
    EXPECT_EQ(h.maxLength, 1);
    // A complete code reaching 15 bits (one code of each length 1..14, two
    // of 15): the last limit is 2^15, and every length is searched.
    uint8_t deep[16];
    for (int i = 0; i < 14; ++i) deep[i] = (uint8_t)(i + 1);
    deep[14] = deep[15] = 15;
    uint16_t deepSymbols[16];
    ASSERT_TRUE(PngBuildHuffman(&h, deepSymbols, deep, 16));
    EXPECT_EQ(h.minLength, 1);
    EXPECT_EQ(h.maxLength, 15);
    EXPECT_EQ(h.length[15].justified, 1u << 15);
    EXPECT_EQ(h.symbol[0x7FFF + h.length[15].offset], 15);
    const uint8_t none[3] = {0, 0, 0};
    EXPECT_TRUE(PngBuildHuffman(&h, symbols, none, 3));
    EXPECT_EQ(h.maxLength, 0);
    EXPECT_EQ(h.length[1].justified, PNG_HUFFMAN_PAST);
}

TEST(PngInflate, IdatRunningPastTheInput) {
    Bytes data(50, 7);
    Bytes zlib = ZlibCompress(data);
    Bytes file = MakeImage(Ihdr(49, 1, 8, 0), {Bytes(zlib.begin(), zlib.begin() + 5), Bytes(zlib.begin() + 5, zlib.end())});
    // Cut inside the second IDAT: it no longer continues the stream.
    file.resize(file.size() - 12 - 4);
    PngInfo info;
    PngReset(&info);
    ASSERT_TRUE(PngOpenMemory(&info, file.data(), (uint32_t)file.size()));
    EXPECT_FALSE(PngDecodeImage(&info));
    EXPECT_EQ(info.error, PNG_ERROR_NOT_PNG);
    EXPECT_EQ(info.rawData, nullptr);
    PngRelease(&info);
}

TEST(PngInflate, ByteSourceJoinsIdatChunksAndThenYieldsZeros) {
    // "IDAt" would fail the chunk walk, so the record is set up by hand.
    Bytes file = MakePng({{"IHDR", Ihdr(1, 1, 8, 0)}, {"IDAT", {1, 2}}, {"IDAT", {}}, {"IDAt", {3}},
                          {"tEXt", {9}}, {"IDAT", {4}}});
    PngInfo info;
    PngReset(&info);
    info.inputData = file.data();
    info.inputSize = (uint32_t)file.size();
    info.firstIdat = file.data() + 8 + 25;
    PngIdatReader reader;
    PngStartIdat(&info, &reader);
    Bytes got;
    for (int i = 0; i < 6; ++i) got.push_back(PngNextIdatByte(&reader));
    // "IDAt" continues the stream (fourth letter's case ignored); tEXt ends it.
    EXPECT_EQ(got, (Bytes{1, 2, 3, 0, 0, 0}));
    EXPECT_EQ(reader.phantom, 3u);
}

}  // namespace
