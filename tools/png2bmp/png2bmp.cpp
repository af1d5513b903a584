// png2bmp IN.png OUT.bmp [--format CODE] [--ddb]
// Decodes IN.png with morvi's PNG decoder and writes the bitmap exactly as
// the player makes it: the header with its negative height, the colour
// table (2^bits entries for palette images, whose biClrUsed is 0; biClrUsed
// entries for grey ramps) and the rows at the bitmap's stride. --ddb lays
// the pixels out as the device-dependent path's pixel block. An image the
// decoder refuses gives exit code 1 and its error code on stderr.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "images/png/png_decoder.h"

static int Usage() {
    std::fprintf(stderr, "usage: png2bmp IN.png OUT.bmp [--format CODE] [--ddb]\n");
    return 2;
}

static int Refused(const PngInfo& info) {
    std::fprintf(stderr, "png2bmp: error %d (0x%X): %s\n", (int)info.error, (unsigned)info.error,
                 PngErrorText(info.error));
    return 1;
}

static void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back((uint8_t)(value >> (8 * i)));
}

// Rows of a DIB as Windows lays them out: each a whole number of 32-bit words.
static uint32_t DibStride(const PngBitmapHeader& h) {
    return (uint32_t)(((uint64_t)(uint32_t)h.biWidth * h.biBitCount + 31) / 32 * 4);
}

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    uint32_t request = PNG_FORMAT_DEFAULT;
    bool ddb = false;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--ddb") == 0) {
            ddb = true;
        } else if (std::strcmp(argv[i], "--format") == 0 && i + 1 < argc) {
            char* end = nullptr;
            request = (uint32_t)std::strtoul(argv[++i], &end, 0);
            if (*end != '\0') return Usage();
        } else {
            return Usage();
        }
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "png2bmp: cannot read %s\n", argv[1]);
        return 2;
    }
    std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    PngInfo info;
    PngReset(&info);
    PngBitmapInfo bitmap;
    uint32_t code = 0;
    if (!PngOpenMemory(&info, file.data(), (uint32_t)file.size()) || !PngDecodeImage(&info)
        || !PngPrepareBitmap(&info, request, &bitmap, &code)) {
        int result = Refused(info);
        PngRelease(&info);
        return result;
    }
    const PngBitmapHeader& h = bitmap.header;
    uint32_t stride = ddb ? PngBitmapStride(&h) : DibStride(h);
    std::vector<uint8_t> pixels((size_t)stride * info.height, 0);
    if (!PngConvertRows(&info, pixels.data(), code)) {
        std::fprintf(stderr, "png2bmp: rows cannot be converted (bad filter type)\n");
        PngRelease(&info);
        return 1;
    }
    PngRelease(&info);

    uint32_t colors = h.biClrUsed;
    if (colors == 0 && h.biBitCount <= 8) colors = 1u << h.biBitCount;
    uint32_t offset = 14 + 40 + 4 * colors;
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put(out, offset + (uint32_t)pixels.size(), 4);
    Put(out, 0, 4);  // two reserved words
    Put(out, offset, 4);
    const uint8_t* raw = (const uint8_t*)&bitmap;
    out.insert(out.end(), raw, raw + 40 + 4 * colors);
    out.insert(out.end(), pixels.begin(), pixels.end());

    std::ofstream bmp(argv[2], std::ios::binary);
    bmp.write((const char*)out.data(), (std::streamsize)out.size());
    if (!bmp) {
        std::fprintf(stderr, "png2bmp: cannot write %s\n", argv[2]);
        return 2;
    }
    return 0;
}
