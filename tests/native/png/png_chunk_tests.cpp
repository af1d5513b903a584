// Chunk walk, format rules, stage rules and allocation failures.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "images/png/png_internal.h"
#include "png_test_support.h"

namespace {

const Bytes grey1x1 = ZlibCompress({0, 0x80});  // one 8-bit grey pixel, filter None

Bytes Plte(int entries) {
    Bytes out;
    for (int i = 0; i < entries * 3; ++i) out.push_back((uint8_t)i);
    return out;
}

int32_t OpenError(const Bytes& file) {
    PngInfo info;
    PngReset(&info);
    int ok = PngOpenMemory(&info, file.data(), (uint32_t)file.size());
    EXPECT_EQ(info.stage, ok ? PNG_STAGE_OPENED : PNG_STAGE_EMPTY);
    EXPECT_EQ(info.inputSource, ok ? PNG_SOURCE_RESOURCE : PNG_SOURCE_NONE);
    return ok ? PNG_OK : info.error;
}

TEST(PngChunks, WalkAcceptsAndRefuses) {
    const Bytes ihdr = Ihdr(1, 1, 8, 0);
    Bytes valid = MakeImage(ihdr, {grey1x1});
    Bytes badSignature = valid;
    badSignature[7] ^= 1;
    Bytes shortIhdr = MakePng({{"IHDR", Bytes(ihdr.begin(), ihdr.end() - 1)}, {"IDAT", grey1x1}});
    Bytes cutIhdr(valid.begin(), valid.begin() + 8 + 8 + 10);
    Bytes badCrcs = valid;
    for (size_t at : {(size_t)29, (size_t)30, valid.size() - 1}) badCrcs[at] ^= 0xFF;
    Bytes palette = Ihdr(1, 1, 8, 3);
    struct Case {
        const char* what;
        Bytes file;
        int32_t error;
    };
    const Case cases[] = {
        {"valid", valid, PNG_OK},
        {"15 bytes", Bytes(valid.begin(), valid.begin() + 15), PNG_ERROR_NOT_PNG},
        {"wrong signature", badSignature, PNG_ERROR_NOT_PNG},
        {"PLTE first", MakePng({{"PLTE", Plte(1)}, {"IHDR", ihdr}}), PNG_ERROR_NOT_PNG},
        {"IHDR of 12 bytes", shortIhdr, PNG_ERROR_NOT_PNG},
        {"IHDR cut off by the end", cutIhdr, PNG_ERROR_NOT_PNG},
        {"width 0", MakeImage(Ihdr(0, 1, 8, 0), {grey1x1}), PNG_ERROR_NOT_PNG},
        {"height 0", MakeImage(Ihdr(1, 0, 8, 0), {grey1x1}), PNG_ERROR_NOT_PNG},
        {"lower-case iHDR", MakePng({{"iHDR", ihdr}, {"IDAT", grey1x1}}), PNG_OK},
        {"wrong CRCs", badCrcs, PNG_OK},
        {"no IEND", MakePng({{"IHDR", ihdr}, {"IDAT", grey1x1}}), PNG_OK},
        {"ancillary chunks", MakePng({{"IHDR", ihdr}, {"tEXt", {'a'}}, {"IDAT", grey1x1}, {"zzZz", {}}}), PNG_OK},
        {"critical unknown", MakePng({{"IHDR", ihdr}, {"ABCD", {}}, {"IDAT", grey1x1}}), PNG_ERROR_UNSUPPORTED},
        {"critical unknown after IEND", MakePng({{"IHDR", ihdr}, {"IDAT", grey1x1}, {"IEND", {}}, {"XYZW", {}}}),
         PNG_ERROR_UNSUPPORTED},
        {"16-bit palette", MakeImage(Ihdr(1, 1, 16, 3), {grey1x1}, Plte(1)), PNG_ERROR_UNSUPPORTED},
        {"colour type 1", MakeImage(Ihdr(1, 1, 8, 1), {grey1x1}), PNG_ERROR_UNSUPPORTED},
        {"colour type 5", MakeImage(Ihdr(1, 1, 8, 5), {grey1x1}), PNG_ERROR_UNSUPPORTED},
        {"8-bit grey alpha is fine", MakeImage(Ihdr(1, 1, 8, 4), {grey1x1}), PNG_OK},
        {"4-bit RGB", MakeImage(Ihdr(1, 1, 4, 2), {grey1x1}), PNG_ERROR_UNSUPPORTED},
        {"interlace method 2", MakeImage(Ihdr(1, 1, 8, 0, 2), {grey1x1}), PNG_ERROR_UNSUPPORTED},
        {"palette without PLTE", MakeImage(palette, {grey1x1}), PNG_ERROR_NOT_PNG},
        {"PLTE of 257 entries", MakeImage(palette, {grey1x1}, Plte(257)), PNG_ERROR_NOT_PNG},
        {"PLTE of 256 entries", MakeImage(palette, {grey1x1}, Plte(256)), PNG_OK},
        {"raw size beyond 32 bits", MakeImage(Ihdr(0x10000, 0x10000, 8, 0), {grey1x1}), PNG_ERROR_UNSUPPORTED},
        {"pixel buffer beyond 32 bits", MakeImage(Ihdr(0x8000, 0x4000, 16, 6), {grey1x1}), PNG_ERROR_UNSUPPORTED},
        {"widest 1-bit row", MakeImage(Ihdr(0xFFFFFFFF, 1, 1, 0), {grey1x1}), PNG_OK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(OpenError(c.file), c.error);
    }
    Bytes compression = MakeImage(ihdr, {grey1x1}), filter = compression;
    compression[8 + 8 + 10] = 1;
    filter[8 + 8 + 11] = 1;
    EXPECT_EQ(OpenError(compression), PNG_ERROR_UNSUPPORTED);
    EXPECT_EQ(OpenError(filter), PNG_ERROR_UNSUPPORTED);
}

TEST(PngChunks, RecordsFirstPaletteAndIdat) {
    Bytes file = MakePng({{"IHDR", Ihdr(1, 1, 8, 3)}, {"PLTE", Bytes(8, 0x11)}, {"IDAT", grey1x1},
                          {"PLTE", Plte(3)}, {"IDAT", grey1x1}, {"IEND", {}}});
    PngInfo info;
    PngReset(&info);
    ASSERT_TRUE(PngOpenMemory(&info, file.data(), (uint32_t)file.size()));
    EXPECT_EQ(info.paletteCount, 2u);  // 8 bytes: two entries
    EXPECT_EQ(info.paletteData, file.data() + 33 + 8);
    EXPECT_EQ(info.firstIdat, file.data() + 33 + 20);
    EXPECT_EQ(info.ihdrData, file.data() + 16);
    EXPECT_EQ(info.inputData, file.data());
    EXPECT_EQ(info.colorType, 3);
    EXPECT_EQ(info.bitDepth, 8);
    EXPECT_EQ(info.error, PNG_OK);
}

TEST(PngChunks, ReadChunkKinds) {
    Bytes file = MakePng({{"IHDR", {}}, {"pLTE", {}}, {"IDAT", {}}, {"iEND", {}}, {"teXt", {1, 2}}, {"ZZZZ", {}}});
    file.resize(file.size() + 1);  // a stray byte: not a chunk
    PngInfo info;
    PngReset(&info);
    info.inputData = file.data();
    info.inputSize = (uint32_t)file.size();
    info.chunkCursor = file.data() + 8;
    const int kinds[] = {PNG_CHUNK_IHDR, PNG_CHUNK_PLTE, PNG_CHUNK_IDAT, PNG_CHUNK_IEND, PNG_CHUNK_ANCILLARY,
                         PNG_CHUNK_CRITICAL};
    PngChunk chunk;
    for (int kind : kinds) {
        ASSERT_TRUE(PngReadChunk(&info, &chunk));
        EXPECT_EQ(chunk.kind, kind);
        info.chunkCursor += chunk.length + 12;
    }
    EXPECT_FALSE(PngReadChunk(&info, &chunk));
    // A length that runs past the end is no chunk.
    Bytes longer = MakePng({{"tEXt", {1, 2, 3}}});
    longer[11] = 4;
    info.inputData = longer.data();
    info.inputSize = (uint32_t)longer.size();
    info.chunkCursor = longer.data() + 8;
    EXPECT_FALSE(PngReadChunk(&info, &chunk));
}

TEST(PngChunks, StageRules) {
    Bytes file = MakeImage(Ihdr(1, 1, 8, 0), {grey1x1});
    PngInfo info;
    PngBitmapInfo bitmap;
    uint32_t code;
    PngReset(&info);
    EXPECT_FALSE(PngDecodeImage(&info));
    EXPECT_EQ(info.error, PNG_ERROR_WRONG_STAGE);
    ASSERT_TRUE(PngOpenMemory(&info, file.data(), (uint32_t)file.size()));
    EXPECT_FALSE(PngPrepareBitmap(&info, PNG_FORMAT_DEFAULT, &bitmap, &code));
    EXPECT_EQ(info.error, PNG_ERROR_WRONG_STAGE);

    PngInfo before = info;
    Bytes other = MakeImage(Ihdr(2, 2, 8, 0), {grey1x1});
    EXPECT_FALSE(PngOpenMemory(&info, other.data(), (uint32_t)other.size()));
    EXPECT_EQ(info.error, PNG_ERROR_HAS_INPUT);
    info.error = before.error;
    EXPECT_EQ(std::memcmp(&info, &before, sizeof info), 0) << "second open changed the record";

    ASSERT_TRUE(PngDecodeImage(&info));
    EXPECT_EQ(info.stage, PNG_STAGE_DECODED);
    EXPECT_FALSE(PngDecodeImage(&info));
    EXPECT_EQ(info.error, PNG_ERROR_WRONG_STAGE);
    EXPECT_EQ(info.stage, PNG_STAGE_DECODED);
    EXPECT_TRUE(PngRelease(&info));
    PngInfo zero;
    std::memset(&zero, 0, sizeof zero);
    EXPECT_EQ(std::memcmp(&info, &zero, sizeof info), 0);
    EXPECT_TRUE(PngOpenMemory(&info, other.data(), (uint32_t)other.size()));
    EXPECT_EQ(info.width, 2u);
    PngRelease(&info);

    // A failed open leaves the record empty but for the error.
    Bytes bad = file;
    bad[0] = 0;
    EXPECT_FALSE(PngOpenMemory(&info, bad.data(), (uint32_t)bad.size()));
    info.error = 0;
    EXPECT_EQ(std::memcmp(&info, &zero, sizeof info), 0);
    // The Win32 layer's resource lookup runs between these two.
    EXPECT_TRUE(PngBeginOpen(&info));
    EXPECT_EQ(info.error, PNG_OK);
}

TEST(PngChunks, DecodeWithoutIdatFailsAndStaysOpened) {
    Bytes file = MakePng({{"IHDR", Ihdr(1, 1, 8, 0)}, {"IEND", {}}});
    PngInfo info;
    PngReset(&info);
    ASSERT_TRUE(PngOpenMemory(&info, file.data(), (uint32_t)file.size()));
    EXPECT_FALSE(PngDecodeImage(&info));
    EXPECT_EQ(info.error, PNG_ERROR_NOT_PNG);
    EXPECT_EQ(info.stage, PNG_STAGE_OPENED);
    EXPECT_EQ(info.rawData, nullptr);
    PngRelease(&info);
}

TEST(PngChunks, FailedAllocations) {
    Bytes file = MakeImage(Ihdr(1, 1, 8, 0), {grey1x1});
    CountingAllocator allocator;
    PngInfo info;
    PngReset(&info);
    ASSERT_TRUE(PngOpenMemory(&info, file.data(), (uint32_t)file.size()));
    CountingAllocator::failAt = 1;  // rawData
    EXPECT_FALSE(PngDecodeImage(&info));
    EXPECT_EQ(info.error, PNG_ERROR_MEMORY);
    EXPECT_EQ(info.rawData, nullptr);
    EXPECT_EQ(info.stage, PNG_STAGE_OPENED);
    ASSERT_TRUE(PngDecodeImage(&info));
    CountingAllocator::failAt = 3;  // the scanline buffers
    uint8_t dest[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_FALSE(PngConvertRows(&info, dest, 0x00080100));
    EXPECT_EQ(dest[0], 0xEE);
    EXPECT_TRUE(PngConvertRows(&info, dest, 0x00080100));
    EXPECT_EQ(dest[0], 0x80);
    EXPECT_EQ(info.error, PNG_OK);
    PngRelease(&info);
    EXPECT_EQ(CountingAllocator::live, 0);
}

TEST(PngChunks, ErrorTexts) {
    const int32_t codes[] = {PNG_OK, PNG_ERROR_MEMORY, PNG_ERROR_HAS_INPUT, PNG_ERROR_NOT_PNG, PNG_ERROR_UNSUPPORTED,
                             PNG_ERROR_BAD_FORMAT, PNG_ERROR_WRONG_STAGE, PNG_ERROR_NO_BITMAP, PNG_ERROR_NO_RESOURCE,
                             PNG_ERROR_BAD_RESOURCE};
    std::set<std::string> texts;
    for (int32_t code : codes) texts.insert(PngErrorText(code));
    EXPECT_EQ(texts.size(), std::size(codes));
    EXPECT_EQ(texts.count(PngErrorText(1234)), 0u);
}

}  // namespace
