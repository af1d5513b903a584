// The PNG test suite: every valid file decodes to libpng's pixels, every
// corrupt file is refused with its code, and mutated files never make the
// decoder read or write out of bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <map>

#include "images/png/png_internal.h"
#include "png_oracle.h"
#include "png_test_support.h"

namespace {

const std::string suiteDir = MORVI_PNGSUITE_DIR;

std::vector<std::string> SuiteFiles() {
    std::vector<std::string> names;
    if (DIR* dir = opendir(suiteDir.c_str())) {
        while (dirent* entry = readdir(dir)) {
            std::string name = entry->d_name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0) names.push_back(name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Corrupt files whose only fault is a chunk CRC, which is not checked.
bool DecodesLikeValid(const std::string& name) {
    return name[0] != 'x' || name == "xcsn0g01.png" || name == "xhdn0g08.png";
}

TEST(PngSuite, ValidFilesMatchLibpng) {
    std::vector<std::string> files = SuiteFiles();
    if (files.empty()) GTEST_SKIP() << "no PNG suite at " << suiteDir;
    int compared = 0;
    for (const std::string& name : files) {
        if (!DecodesLikeValid(name)) continue;
        SCOPED_TRACE(name);
        Bytes file = ReadFileBytes(suiteDir + "/" + name);
        Decoded ours = DecodePng(file);
        ASSERT_EQ(ours.stage, 2) << PngErrorText(ours.error);
        ASSERT_TRUE(ours.converted);
        Bytes expected;
        int expectedChannels = 0;
        uint32_t width = 0, height = 0;
        ASSERT_TRUE(LibpngDecodeBgr(file, &expected, &expectedChannels, &width, &height));
        int channels = 0;
        Bytes actual = ExpandToBgr(ours, &channels);
        EXPECT_EQ(channels, expectedChannels);
        EXPECT_EQ((uint32_t)ours.bitmap.header.biWidth, width);
        EXPECT_EQ((uint32_t)-ours.bitmap.header.biHeight, height);
        EXPECT_TRUE(actual == expected);
        ++compared;
    }
    std::printf("compared with libpng: %d files\n", compared);
    EXPECT_GE(compared, 160);
}

TEST(PngSuite, CorruptFilesAreRefused) {
    struct Case {
        const char* name;
        int stage;  // 0: the open fails, 1: the decode fails
        int32_t error;
    };
    static const Case cases[] = {
        {"xc1n0g08.png", 0, PNG_ERROR_UNSUPPORTED},  // colour type 1
        {"xc9n2c08.png", 0, PNG_ERROR_UNSUPPORTED},  // colour type 9
        {"xcrn0g04.png", 0, PNG_ERROR_NOT_PNG},      // signature with CR LF turned to CR
        {"xd0n2c08.png", 0, PNG_ERROR_UNSUPPORTED},  // bit depth 0
        {"xd3n2c08.png", 0, PNG_ERROR_UNSUPPORTED},  // bit depth 3
        {"xd9n2c08.png", 0, PNG_ERROR_UNSUPPORTED},  // bit depth 99
        {"xdtn0g01.png", 1, PNG_ERROR_NOT_PNG},      // no IDAT
        {"xlfn0g04.png", 0, PNG_ERROR_NOT_PNG},      // signature with LF turned to CR LF
        {"xs1n0g01.png", 0, PNG_ERROR_NOT_PNG},      // signature bytes damaged
        {"xs2n0g01.png", 0, PNG_ERROR_NOT_PNG},
        {"xs4n0g01.png", 0, PNG_ERROR_NOT_PNG},
        {"xs7n0g01.png", 0, PNG_ERROR_NOT_PNG},
    };
    std::vector<std::string> files = SuiteFiles();
    if (files.empty()) GTEST_SKIP() << "no PNG suite at " << suiteDir;
    int refused = 0;
    for (const std::string& name : files) {
        if (DecodesLikeValid(name)) continue;
        SCOPED_TRACE(name);
        const Case* c = std::find_if(std::begin(cases), std::end(cases),
                                     [&](const Case& k) { return name == k.name; });
        ASSERT_NE(c, std::end(cases)) << "corrupt file without an expected result";
        Decoded result = DecodePng(ReadFileBytes(suiteDir + "/" + name));
        EXPECT_EQ(result.stage, c->stage);
        EXPECT_EQ(result.error, c->error);
        ++refused;
    }
    std::printf("refused: %d files\n", refused);
    EXPECT_EQ(refused, (int)std::size(cases));
}

// Opens, decodes and converts with every known code of the image; the
// destination has guard bytes after its end that must stay untouched.
void DecodeEverything(const Bytes& file, std::map<int32_t, int>* outcomes) {
    PngInfo info;
    PngReset(&info);
    if (!PngOpenMemory(&info, file.data(), (uint32_t)file.size()) || !PngDecodeImage(&info)) {
        (*outcomes)[info.error]++;
        PngRelease(&info);
        return;
    }
    size_t count;
    const PngFormat* formats = PngFormatList(&count);
    for (size_t i = 0; i < count; ++i) {
        uint32_t stride = PngOutputStride(&info, formats[i].code);
        if (stride == 0) continue;
        Bytes dest((size_t)stride * info.height + 64, 0xA5);
        PngConvertRows(&info, dest.data(), formats[i].code);
        for (size_t k = dest.size() - 64; k < dest.size(); ++k) {
            ASSERT_EQ(dest[k], 0xA5) << "write beyond the output, code " << std::hex << formats[i].code;
        }
    }
    (*outcomes)[0]++;
    PngRelease(&info);
}

// Every bit flipped and every truncation of a few small files. A failure
// is any crash or write out of bounds (the run under ASan and the fuzz
// target catch reads); the error codes are only counted.
TEST(PngSuite, MutatedFilesAreHandled) {
    static const char* const seeds[] = {"basn0g01.png", "basi3p02.png", "basn2c16.png", "s06i3p02.png",
                                        "tbgn3p08.png"};
    if (SuiteFiles().empty()) GTEST_SKIP() << "no PNG suite at " << suiteDir;
    CountingAllocator allocator;
    std::map<int32_t, int> outcomes;
    for (const char* seed : seeds) {
        SCOPED_TRACE(seed);
        Bytes original = ReadFileBytes(suiteDir + "/" + seed);
        ASSERT_FALSE(original.empty());
        for (size_t length = 0; length < original.size(); ++length) {
            Bytes cut(original.begin(), original.begin() + length);
            DecodeEverything(cut, &outcomes);
        }
        for (size_t bit = 0; bit < original.size() * 8; ++bit) {
            Bytes flipped = original;
            flipped[bit / 8] ^= (uint8_t)(1u << (bit % 8));
            DecodeEverything(flipped, &outcomes);
        }
    }
    EXPECT_EQ(CountingAllocator::live, 0);
    for (auto& [error, count] : outcomes) std::printf("%-40s %d\n", PngErrorText(error), count);
}

}  // namespace
