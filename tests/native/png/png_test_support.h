// Helpers for the PNG decoder tests: building PNG files and DEFLATE streams
// by hand, and decoding through the public API.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "images/png/png_decoder.h"

using Bytes = std::vector<uint8_t>;

Bytes ReadFileBytes(const std::string& path);

// 13 IHDR bytes: width, height, bit depth, colour type, compression 0,
// filter 0, interlace.
Bytes Ihdr(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colorType, uint8_t interlace = 0);

// A PNG file: the signature, then each chunk with its length and a correct
// CRC. Types are four characters.
struct Chunk {
    std::string type;
    Bytes data;
};
Bytes MakePng(const std::vector<Chunk>& chunks);

// Shorthand for a file of IHDR, the IDAT chunks given and IEND.
Bytes MakeImage(const Bytes& ihdr, const std::vector<Bytes>& idats, const Bytes& plte = {});

Bytes ZlibCompress(const Bytes& data, int level = 9);

// A DEFLATE stream written bit by bit, least significant bit first.
class BitWriter {
public:
    void Bits(uint32_t value, int count);
    // A Huffman code of len bits, most significant bit first.
    void Code(uint32_t code, int len);
    // Fixed-code symbols of RFC 1951.
    void FixedLiteral(uint32_t symbol);
    void FixedDistance(uint32_t code) { Code(code, 5); }
    void AlignToByte();
    Bytes Finish();  // pads the last byte with zeros
private:
    Bytes bytes_;
    int used_ = 0;
};

// zlib header 78 01 followed by the stream.
Bytes Zlib(const Bytes& deflate);

// Canonical codes for lengths (RFC 1951 3.2.2); code[i] for symbol i.
std::vector<uint32_t> CanonicalCodes(const std::vector<uint8_t>& lengths);

// Filtered scanlines of an image: each row is a filter byte plus data.
Bytes Rows(const std::vector<Bytes>& rows);

// Decoded result of one pixel format.
struct Decoded {
    int32_t error = 0;
    int stage = 0;  // stage reached: 0 open failed, 1 decode failed, 2 decoded
    bool converted = false;
    PngBitmapInfo bitmap{};
    uint32_t code = 0;
    uint32_t stride = 0;
    Bytes pixels;
};
Decoded DecodePng(const Bytes& file, uint32_t request = PNG_FORMAT_DEFAULT);

// Pixels of a decoded default-format bitmap as B, G, R (and A for 32-bit
// bitmaps) bytes, colour table applied; rows packed without padding.
Bytes ExpandToBgr(const Decoded& decoded, int* channels);

// Allocation seam helpers: counts blocks; fails the n-th allocation
// (counting from 1) when failAt is non-zero.
struct CountingAllocator {
    CountingAllocator();
    ~CountingAllocator();
    static int live;
    static int calls;
    static int failAt;
private:
    PngAllocator saved_;
};
