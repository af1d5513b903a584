// Internal parts of the PNG decoder, shared by its source files and exposed
// for the unit tests.
#pragma once

#include "images/png/png_decoder.h"

// Chunk kinds reported by PngReadChunk.
constexpr int PNG_CHUNK_ANCILLARY = 0;
constexpr int PNG_CHUNK_IHDR = 1;
constexpr int PNG_CHUNK_PLTE = 2;
constexpr int PNG_CHUNK_IDAT = 3;
constexpr int PNG_CHUNK_IEND = 4;
constexpr int PNG_CHUNK_CRITICAL = 5;

struct PngChunk {
    int kind;
    uint32_t length;  // data bytes
    uint32_t crc;     // as stored; never compared
};

inline uint32_t PngLoadBe32(const uint8_t* p) {
    return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3];
}

int PngReadChunk(const PngInfo* info, PngChunk* chunk);
int PngWalkChunks(PngInfo* info);

// Size of rawData for the opened image; 0 when it does not fit in 32 bits.
uint32_t PngRawSize(const PngInfo* info);

// Channels x bit depth of the image's stored pixels.
uint32_t PngBitsPerPixel(const PngInfo* info);

// Bytes of a stored run of n pixels, without the filter byte; computed in
// 64 bits so that callers can check it against their limits.
uint64_t PngRowBytes(const PngInfo* info, uint32_t pixels);

// One of the known pixel format codes, with the bits per output pixel.
struct PngFormat {
    uint32_t code;
    uint32_t outputBits;
};
// The table of known codes.
const PngFormat* PngFormatList(size_t* count);
// The known code equal to code, or null.
const PngFormat* PngFindFormat(uint32_t code);
// The known code equal to code when it has the image's colour type and bit
// depth, else null.
const PngFormat* PngFindImageFormat(const PngInfo* info, uint32_t code);
// Whether bitDepth x 256 + colorType is a supported combination.
int PngIsSupported(uint32_t bitDepth, uint32_t colorType);

// Adam7 pass geometry; columns or rows 0 means the pass is empty.
struct PngPass {
    uint32_t startColumn, columnStep, startRow, rowStep;
    uint32_t columns, rows;
};
void PngAdam7Pass(const PngInfo* info, int pass, PngPass* result);

// Source of the inflater: the data of consecutive IDAT chunks as one stream.
struct PngIdatReader {
    const uint8_t* next;       // next unread data byte of the current chunk
    const uint8_t* end;        // end of the current chunk's data
    const uint8_t* inputEnd;
    uint32_t phantom;          // zero bytes handed out after the stream ended
};
void PngStartIdat(const PngInfo* info, PngIdatReader* reader);
// Steps over the exhausted chunk's CRC onto the next IDAT chunk with data;
// 0 when the stream has ended (next == end stays true).
int PngNextIdatChunk(PngIdatReader* reader);
uint8_t PngNextIdatByte(PngIdatReader* reader);

// Canonical Huffman decoding table for one alphabet. A code of len bits,
// read most significant bit first, belongs to that length when it is below
// the length's limit; its symbol is then symbol[code + offset]. The limit
// is kept shifted up to 15 bits, justified = limit << (15 - len), so that
// it can be compared with the next 15 bits of the stream. Past maxLength
// every justified limit is PNG_HUFFMAN_PAST, which ends the search over the
// lengths, from minLength on.
constexpr uint16_t PNG_HUFFMAN_PAST = 0xFFFF;
struct PngCodeLength {
    uint16_t justified;
    int16_t offset;
};
struct PngHuffman {
    PngCodeLength length[17];  // by code length; entry 0 unused
    uint8_t minLength;         // shortest length in use (1 when there is none)
    uint8_t maxLength;         // longest length in use (0 when there is none)
    uint16_t* symbol;
};
// Builds h from n code lengths (0 to 15, 0 for an absent symbol) into the
// caller's symbol storage of n entries. 0 for an over-subscribed set of
// lengths; an incomplete set is accepted and its missing codes are refused
// when decoded.
int PngBuildHuffman(PngHuffman* h, uint16_t* symbols, const uint8_t* lengths, uint32_t n);

int PngInflate(PngInfo* info);

// Reconstructs one scanline. filtered points at the filter-type byte; prev
// is the previous reconstructed scanline or null; out receives the result
// when it cannot be used in place. Returns the reconstructed bytes (filtered
// + 1 for filter type None) or null for an unknown filter type.
const uint8_t* PngUnfilterRow(const uint8_t* filtered, const uint8_t* prev, uint8_t* out,
                              uint32_t rowBytes, uint32_t unit);

// The Paeth predictor with the PNG tie-break order: left, above, upper left.
inline uint8_t PngPaeth(uint8_t left, uint8_t above, uint8_t upperLeft) {
    int p = left + above - upperLeft;
    int pa = p > left ? p - left : left - p;
    int pb = p > above ? p - above : above - p;
    int pc = p > upperLeft ? p - upperLeft : upperLeft - p;
    if (pa <= pb && pa <= pc) return left;
    return pb <= pc ? above : upperLeft;
}
