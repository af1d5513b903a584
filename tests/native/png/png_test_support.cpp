#include "png_test_support.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

Bytes ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

static void PutBe32(Bytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back((uint8_t)(v >> shift));
}

Bytes Ihdr(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colorType, uint8_t interlace) {
    Bytes out;
    PutBe32(out, width);
    PutBe32(out, height);
    out.insert(out.end(), {bitDepth, colorType, 0, 0, interlace});
    return out;
}

Bytes MakePng(const std::vector<Chunk>& chunks) {
    Bytes out = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    for (const Chunk& chunk : chunks) {
        PutBe32(out, (uint32_t)chunk.data.size());
        size_t typeAt = out.size();
        out.insert(out.end(), chunk.type.begin(), chunk.type.end());
        out.insert(out.end(), chunk.data.begin(), chunk.data.end());
        uLong crc = crc32(0, out.data() + typeAt, (uInt)(out.size() - typeAt));
        PutBe32(out, (uint32_t)crc);
    }
    return out;
}

Bytes MakeImage(const Bytes& ihdr, const std::vector<Bytes>& idats, const Bytes& plte) {
    std::vector<Chunk> chunks = {{"IHDR", ihdr}};
    if (!plte.empty()) chunks.push_back({"PLTE", plte});
    for (const Bytes& idat : idats) chunks.push_back({"IDAT", idat});
    chunks.push_back({"IEND", {}});
    return MakePng(chunks);
}

Bytes ZlibCompress(const Bytes& data, int level) {
    uLongf size = compressBound((uLong)data.size());
    Bytes out(size);
    compress2(out.data(), &size, data.data(), (uLong)data.size(), level);
    out.resize(size);
    return out;
}

void BitWriter::Bits(uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        if (used_ == 0) bytes_.push_back(0);
        bytes_.back() |= (uint8_t)(((value >> i) & 1) << used_);
        used_ = (used_ + 1) & 7;
    }
}

void BitWriter::Code(uint32_t code, int len) {
    for (int i = len - 1; i >= 0; --i) Bits((code >> i) & 1, 1);
}

void BitWriter::FixedLiteral(uint32_t symbol) {
    if (symbol < 144) Code(0x30 + symbol, 8);
    else if (symbol < 256) Code(0x190 + symbol - 144, 9);
    else if (symbol < 280) Code(symbol - 256, 7);
    else Code(0xC0 + symbol - 280, 8);
}

void BitWriter::AlignToByte() { used_ = 0; }

Bytes BitWriter::Finish() { return bytes_; }

Bytes Zlib(const Bytes& deflate) {
    Bytes out(deflate.size() + 6, 0);  // Adler-32 left 0: not checked
    out[0] = 0x78;
    out[1] = 0x01;
    std::copy(deflate.begin(), deflate.end(), out.begin() + 2);
    return out;
}

std::vector<uint32_t> CanonicalCodes(const std::vector<uint8_t>& lengths) {
    uint32_t count[16] = {0}, next[16] = {0};
    for (uint8_t len : lengths) count[len]++;
    count[0] = 0;
    uint32_t code = 0;
    for (int len = 1; len < 16; ++len) {
        code = (code + count[len - 1]) << 1;
        next[len] = code;
    }
    std::vector<uint32_t> codes(lengths.size());
    for (size_t i = 0; i < lengths.size(); ++i) {
        if (lengths[i]) codes[i] = next[lengths[i]]++;
    }
    return codes;
}

Bytes Rows(const std::vector<Bytes>& rows) {
    Bytes out;
    for (const Bytes& row : rows) out.insert(out.end(), row.begin(), row.end());
    return out;
}

Decoded DecodePng(const Bytes& file, uint32_t request) {
    Decoded result;
    PngInfo info;
    PngReset(&info);
    if (!PngOpenMemory(&info, file.data(), (uint32_t)file.size())) {
        result.error = info.error;
        return result;
    }
    result.stage = 1;
    if (!PngDecodeImage(&info)) {
        result.error = info.error;
        PngRelease(&info);
        return result;
    }
    result.stage = 2;
    if (PngPrepareBitmap(&info, request, &result.bitmap, &result.code)) {
        result.stride = PngBitmapStride(&result.bitmap.header);
        result.pixels.assign((size_t)result.stride * info.height, 0xCD);
        result.converted = PngConvertRows(&info, result.pixels.data(), result.code) == 1;
    }
    result.error = info.error;
    PngRelease(&info);
    return result;
}

Bytes ExpandToBgr(const Decoded& decoded, int* channels) {
    const PngBitmapHeader& h = decoded.bitmap.header;
    uint32_t width = (uint32_t)h.biWidth, height = (uint32_t)-h.biHeight, bits = h.biBitCount;
    *channels = bits == 32 ? 4 : 3;
    Bytes out;
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* row = decoded.pixels.data() + (size_t)y * decoded.stride;
        for (uint32_t x = 0; x < width; ++x) {
            if (bits >= 24) {
                out.insert(out.end(), row + x * (bits / 8), row + (x + 1) * (bits / 8));
                continue;
            }
            uint32_t at = x * bits;
            uint32_t index = (row[at / 8] >> (8 - bits - at % 8)) & ((1u << bits) - 1);
            const PngColorEntry& c = decoded.bitmap.colors[index];
            out.insert(out.end(), {c.blue, c.green, c.red});
        }
    }
    return out;
}

int CountingAllocator::live = 0;
int CountingAllocator::calls = 0;
int CountingAllocator::failAt = 0;

static void* CountingAllocate(size_t size) {
    if (++CountingAllocator::calls == CountingAllocator::failAt) return nullptr;
    CountingAllocator::live++;
    return std::malloc(size ? size : 1);
}

static void CountingRelease(void* block) {
    if (block) CountingAllocator::live--;
    std::free(block);
}

CountingAllocator::CountingAllocator() : saved_(pngAllocator) {
    live = calls = failAt = 0;
    pngAllocator = {CountingAllocate, CountingRelease};
}

CountingAllocator::~CountingAllocator() { pngAllocator = saved_; }
