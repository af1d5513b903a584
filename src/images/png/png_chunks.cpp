// Record lifecycle and chunk structure: opening, the chunk walk, decoding
// into rawData and releasing.
#include <cstdlib>
#include <cstring>

#include "images/png/png_internal.h"

static void* PngDefaultAllocate(size_t size) { return std::malloc(size); }
static void PngDefaultRelease(void* block) { std::free(block); }

PngAllocator pngAllocator = {PngDefaultAllocate, PngDefaultRelease};

const char* PngErrorText(int32_t error) {
    switch (error) {
    case PNG_OK: return "no error";
    case PNG_ERROR_MEMORY: return "out of memory";
    case PNG_ERROR_HAS_INPUT: return "record already holds an input";
    case PNG_ERROR_NOT_PNG: return "not a PNG, or bad image data";
    case PNG_ERROR_UNSUPPORTED: return "PNG not supported";
    case PNG_ERROR_BAD_FORMAT: return "pixel format does not fit the image";
    case PNG_ERROR_WRONG_STAGE: return "called in the wrong stage";
    case PNG_ERROR_NO_BITMAP: return "bitmap not created";
    case PNG_ERROR_NO_RESOURCE: return "no such resource";
    case PNG_ERROR_BAD_RESOURCE: return "resource cannot be loaded or is empty";
    default: return "unknown error";
    }
}

int PngReset(PngInfo* info) {
    std::memset(info, 0, sizeof *info);
    return 1;
}

int PngBeginOpen(PngInfo* info) {
    if (info->stage != PNG_STAGE_EMPTY || info->inputSource != PNG_SOURCE_NONE) {
        info->error = PNG_ERROR_HAS_INPUT;
        return 0;
    }
    info->error = PNG_OK;
    return 1;
}

int PngOpenMemory(PngInfo* info, const uint8_t* data, uint32_t size) {
    if (!PngBeginOpen(info)) return 0;
    info->inputData = data;
    info->chunkCursor = data;
    info->inputSize = size;
    info->inputSource = PNG_SOURCE_RESOURCE;
    if (!PngWalkChunks(info)) {
        int32_t error = info->error;
        PngReset(info);
        info->error = error;
        return 0;
    }
    info->stage = PNG_STAGE_OPENED;
    return 1;
}

// Reads the header of the chunk at chunkCursor. 0 when there is no further
// chunk: fewer than 12 bytes left, or data and CRC running past the end.
// The four known types are matched with bit 5 of the first letter ignored,
// so that a lower-case first letter does not hide them.
int PngReadChunk(const PngInfo* info, PngChunk* chunk) {
    const uint8_t* cursor = info->chunkCursor;
    const uint8_t* end = info->inputData + info->inputSize;
    if (cursor < info->inputData || cursor >= end || end - cursor < 12) return 0;
    uint64_t remaining = (uint64_t)(end - cursor);
    uint32_t length = PngLoadBe32(cursor);
    if ((uint64_t)length + 12 > remaining) return 0;
    const uint8_t* type = cursor + 4;
    uint8_t first = type[0] & 0xDF;
    auto is = [&](const char* name) {
        return first == (uint8_t)name[0] && std::memcmp(type + 1, name + 1, 3) == 0;
    };
    if (is("IHDR")) chunk->kind = PNG_CHUNK_IHDR;
    else if (is("PLTE")) chunk->kind = PNG_CHUNK_PLTE;
    else if (is("IDAT")) chunk->kind = PNG_CHUNK_IDAT;
    else if (is("IEND")) chunk->kind = PNG_CHUNK_IEND;
    else chunk->kind = (type[0] & 0x20) ? PNG_CHUNK_ANCILLARY : PNG_CHUNK_CRITICAL;
    chunk->length = length;
    chunk->crc = PngLoadBe32(cursor + 8 + length);
    return 1;
}

// Every output layout of a supported image must be addressable with 32-bit
// sizes: the raw buffer, the two scanline buffers of the converter and the
// pixel buffer of every known code.
static int PngSizesFit(const PngInfo* info) {
    if (PngRawSize(info) == 0) return 0;
    if (2 * PngRowBytes(info, info->width) + 16 > UINT32_MAX) return 0;
    size_t count;
    const PngFormat* formats = PngFormatList(&count);
    for (size_t i = 0; i < count; ++i) {
        if (PngFindImageFormat(info, formats[i].code) && PngOutputStride(info, formats[i].code) == 0) {
            return 0;
        }
    }
    return 1;
}

// Checks the signature and the chunk structure and records where IHDR, the
// first PLTE and the first IDAT are. IEND does not end the walk: a critical
// chunk of unknown type after it still fails. A chunk cut off by the end of
// the input ends the walk as if the input ended before it.
int PngWalkChunks(PngInfo* info) {
    static const uint8_t signature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    info->chunkCursor = nullptr;
    info->ihdrData = nullptr;
    info->firstIdat = nullptr;
    info->paletteData = nullptr;
    info->paletteCount = 0;
    info->error = PNG_OK;
    const uint8_t* input = info->inputData;
    if (input == nullptr || info->inputSize < 16 || std::memcmp(input, signature, 8) != 0) {
        info->error = PNG_ERROR_NOT_PNG;
        return 0;
    }
    PngChunk chunk;
    info->chunkCursor = input + 8;
    if (!PngReadChunk(info, &chunk) || chunk.kind != PNG_CHUNK_IHDR || chunk.length < 13) {
        info->error = PNG_ERROR_NOT_PNG;  // IHDR missing, short or cut off
        return 0;
    }
    info->ihdrData = input + 16;
    info->width = PngLoadBe32(info->ihdrData);
    info->height = PngLoadBe32(info->ihdrData + 4);
    if (info->width == 0 || info->height == 0) {
        info->error = PNG_ERROR_NOT_PNG;
        return 0;
    }
    for (;;) {
        info->chunkCursor += chunk.length + 12;
        if (!PngReadChunk(info, &chunk)) break;
        if (chunk.kind == PNG_CHUNK_CRITICAL) {
            info->error = PNG_ERROR_UNSUPPORTED;
            return 0;
        }
        if (chunk.kind == PNG_CHUNK_PLTE && info->paletteData == nullptr) {
            info->paletteData = info->chunkCursor + 8;
            info->paletteCount = chunk.length / 3;
        }
        if (chunk.kind == PNG_CHUNK_IDAT && info->firstIdat == nullptr) {
            info->firstIdat = info->chunkCursor;
        }
    }
    const uint8_t* ihdr = info->ihdrData;
    info->bitDepth = ihdr[8];
    info->colorType = ihdr[9];
    info->interlace = ihdr[12];
    if (!PngIsSupported(info->bitDepth, info->colorType) || ihdr[11] != 0 || ihdr[10] != 0
        || info->interlace > 1 || !PngSizesFit(info)) {
        info->error = PNG_ERROR_UNSUPPORTED;
        return 0;
    }
    // A palette image needs its colour table from a PLTE of at most 256
    // entries; rather than clamp a longer one, such a file is refused.
    if (info->colorType == 3 && (info->paletteData == nullptr || info->paletteCount > 256)) {
        info->error = PNG_ERROR_NOT_PNG;
        return 0;
    }
    return 1;
}

// An image without IDAT fails here like one whose data stream cannot be
// inflated. A failed allocation leaves rawData null and error
// PNG_ERROR_MEMORY; either way the record stays opened.
int PngDecodeImage(PngInfo* info) {
    if (info->stage != PNG_STAGE_OPENED) {
        info->error = PNG_ERROR_WRONG_STAGE;
        return 0;
    }
    if (info->firstIdat == nullptr) {
        info->error = PNG_ERROR_NOT_PNG;
        return 0;
    }
    info->rawSize = PngRawSize(info);
    info->rawData = (uint8_t*)pngAllocator.allocate(info->rawSize);
    if (info->rawData == nullptr) {
        info->rawSize = 0;
        info->error = PNG_ERROR_MEMORY;
        return 0;
    }
    if (!PngInflate(info)) {
        pngAllocator.release(info->rawData);
        info->rawData = nullptr;
        info->rawSize = 0;
        return 0;
    }
    info->stage = PNG_STAGE_DECODED;
    return 1;
}

int PngRelease(PngInfo* info) {
    if (info->stage == PNG_STAGE_DECODED) pngAllocator.release(info->rawData);
    return PngReset(info);
}
