// zlib (RFC 1950) and DEFLATE (RFC 1951) decoding of the IDAT data into
// rawData. Nothing is allocated: code lengths and the three decoding tables
// live on the stack. Codes are decoded one bit at a time against per-length
// limits of the canonical code; there are no lookup tables.
#include <cstring>

#include "images/png/png_internal.h"

// ---------------------------------------------------------------------------
// Byte source: the data of consecutive IDAT chunks as one stream.

void PngStartIdat(const PngInfo* info, PngIdatReader* reader) {
    reader->phantom = 0;
    reader->inputEnd = info->inputData + info->inputSize;
    const uint8_t* chunk = info->firstIdat;
    if (chunk == nullptr || chunk < info->inputData || reader->inputEnd - chunk < 12
        || PngLoadBe32(chunk) > (uint64_t)(reader->inputEnd - chunk) - 12) {
        reader->next = reader->end = reader->inputEnd = nullptr;
        return;
    }
    reader->next = chunk + 8;
    reader->end = reader->next + PngLoadBe32(chunk);
}

// Format notes: a chunk continues the stream when it is complete within the
// input and its type is IDAT with the fourth letter's bit 5 ignored; empty
// IDAT chunks are stepped over. The first chunk that does not continue it
// ends the stream for good (inputEnd is cleared).
int PngNextIdatChunk(PngIdatReader* reader) {
    while (reader->inputEnd != nullptr) {
        const uint8_t* chunk = reader->end + 4;  // past the CRC
        if (reader->inputEnd - chunk < 12) break;
        uint32_t length = PngLoadBe32(chunk);
        const uint8_t* type = chunk + 4;
        if (length > (uint64_t)(reader->inputEnd - chunk) - 12 || type[0] != 'I'
            || type[1] != 'D' || type[2] != 'A' || (type[3] & 0xDF) != 'T') {
            break;
        }
        reader->next = chunk + 8;
        reader->end = reader->next + length;
        if (length > 0) return 1;
    }
    reader->inputEnd = nullptr;
    return 0;
}

// After the stream has ended every byte is 0; phantom counts them so that
// the inflater can tell whether it used any.
uint8_t PngNextIdatByte(PngIdatReader* reader) {
    if (reader->next == reader->end && !PngNextIdatChunk(reader)) {
        reader->phantom++;
        return 0;
    }
    return *reader->next++;
}

// ---------------------------------------------------------------------------
// Bit reader: a 64-bit reservoir, least significant bit first.

namespace {
struct Inflater {
    uint64_t bits;       // unread bits; bits above count may hold the next input bits
    uint32_t count;      // valid bits in the reservoir
    PngIdatReader source;
    uint8_t* out;
    uint8_t* outStart;
    uint8_t* outEnd;
};
}  // namespace

static inline uint64_t LoadLe64(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, 8);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    v = __builtin_bswap64(v);
#endif
    return v;
}

// The reservoir mirrored: the first unread bit moves from bit 0 to bit 63,
// so that the unread bits read as a Huffman code, most significant bit
// first, are the top bits.
static inline uint64_t Mirror(uint64_t v) {
    v = __builtin_bswap64(v);
    v = ((v >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((v & 0x0F0F0F0F0F0F0F0Full) << 4);
    v = ((v >> 2) & 0x3333333333333333ull) | ((v & 0x3333333333333333ull) << 2);
    return ((v >> 1) & 0x5555555555555555ull) | ((v & 0x5555555555555555ull) << 1);
}

// Tops the reservoir up to 56 or more bits from 8 bytes of the current
// chunk, keeping the whole bytes that fit; the bits of the next byte
// beyond count are the same bits a later load puts there.
static inline void FastRefill(uint64_t& bits, uint32_t& count, const uint8_t*& next) {
    bits |= LoadLe64(next) << count;
    next += (63 - count) >> 3;
    count |= 56;
}

// The slow refill, byte by byte across chunk ends, is also where running
// out is detected: the zero bytes after the end sit at the top of the
// reservoir, so once 8 x phantom exceeds the bits left, the decoder has
// used bits the stream does not have.
static inline int RanOut(const Inflater* s) { return (uint64_t)s->source.phantom * 8 > s->count; }

static int SlowRefill(Inflater* s) {
    if (RanOut(s)) return 0;
    if (s->count < 64) s->bits &= s->count == 0 ? 0 : ~(uint64_t)0 >> (64 - s->count);
    while (s->count <= 56) {
        s->bits |= (uint64_t)PngNextIdatByte(&s->source) << s->count;
        s->count += 8;
    }
    return 1;
}

// Makes at least n (at most 48) bits available; 0 when the stream ran out.
static inline int Need(Inflater* s, uint32_t n) {
    if (s->count >= n) return 1;
    if (s->source.end - s->source.next >= 8) {
        FastRefill(s->bits, s->count, s->source.next);
        return 1;
    }
    return SlowRefill(s);
}

static inline uint32_t Take(uint64_t& bits, uint32_t& count, uint32_t n) {
    uint32_t value = (uint32_t)bits & ((1u << n) - 1);
    bits >>= n;
    count -= n;
    return value;
}

// ---------------------------------------------------------------------------
// Huffman codes.

// Format notes: canonical codes (RFC 1951 3.2.2) of one length are
// consecutive numbers, and the first code of each length is the limit of
// the length before, doubled. Over-subscribed sets have no such assignment
// and are refused; incomplete sets leave codes without a symbol, which the
// decoder rejects when it meets them.
int PngBuildHuffman(PngHuffman* h, uint16_t* symbols, const uint8_t* lengths, uint32_t n) {
    uint32_t count[16] = {0};
    for (uint32_t i = 0; i < n; ++i) {
        if (lengths[i] > 15) return 0;
        count[lengths[i]]++;
    }
    int32_t left = 1;
    h->minLength = 1;
    h->maxLength = 0;
    for (uint32_t len = 1; len <= 15; ++len) {
        left = 2 * left - (int32_t)count[len];
        if (left < 0) return 0;  // over-subscribed
        if (count[len] != 0) {
            if (h->maxLength == 0) h->minLength = (uint8_t)len;
            h->maxLength = (uint8_t)len;
        }
    }
    uint32_t next[16];
    uint32_t base = 0, code = 0;
    h->length[0] = {0, 0};
    for (uint32_t len = 1; len <= 15; ++len) {
        next[len] = base;
        PngCodeLength& entry = h->length[len];
        entry.justified = len <= h->maxLength ? (uint16_t)((code + count[len]) << (15 - len)) : PNG_HUFFMAN_PAST;
        entry.offset = count[len] != 0 ? (int16_t)((int32_t)base - (int32_t)code) : 0;
        base += count[len];
        code = (code + count[len]) << 1;
    }
    h->length[16] = {PNG_HUFFMAN_PAST, 0};
    for (uint32_t i = 0; i < n; ++i) {
        if (lengths[i] != 0) symbols[next[lengths[i]]++] = (uint16_t)i;
    }
    h->symbol = symbols;
    return 1;
}

// Decodes one symbol from the mirrored reservoir: the code grows by one bit
// per length, from the shortest length of the alphabet on, and ends at the
// first length whose limit it is below; the comparison is made on the next
// 15 bits of the stream against the limits shifted up to 15 bits (code <
// limit exactly when window < limit << (15 - len)). -1 for a code not in
// the table; len receives the code's length. The caller guarantees 15 bits
// in the reservoir. The fields of h come as separate arguments so that the
// inner loop keeps them in registers.
static inline int Decode(const PngCodeLength* lengths, uint32_t minLength, uint32_t maxLength,
                         const uint16_t* symbols, uint64_t mirrored, uint32_t& len) {
    uint16_t window = (uint16_t)(mirrored >> 49);
    const PngCodeLength* entry = lengths + minLength;
    while (window >= entry->justified) ++entry;
    size_t n = (size_t)(entry - lengths);
    len = (uint32_t)n;
    if (n > maxLength) return -1;
    return symbols[(ptrdiff_t)((size_t)window >> (15 - n)) + entry->offset];
}

// Decode for the slower paths, which keep only the plain reservoir.
static inline int DecodeBits(const PngHuffman* h, uint64_t& bits, uint32_t& count) {
    uint32_t len;
    int symbol = Decode(h->length, h->minLength, h->maxLength, h->symbol, Mirror(bits), len);
    if (symbol >= 0) bits >>= len, count -= len;
    return symbol;
}

// ---------------------------------------------------------------------------
// Blocks.

// Decodes literals and matches until the end-of-block code. Format notes:
// symbols 286 and 287 and distance codes 30 and 31 have codes in the fixed
// table but no meaning; a match may overlap the bytes it produces (distance
// below length), repeating them, so only a distance of 8 or more is copied a
// word at a time from the start (words overrun the match by up to 7 bytes,
// so only where rawData has that room).
static int InflateCodes(Inflater* s, const PngHuffman* lencode, const PngHuffman* distcode) {
    static const uint16_t lengthBase[29] = {  // symbols 257..285
        3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
        35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static const uint8_t lengthExtra[29] = {
        0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    static const uint16_t distBase[30] = {  // codes 0..29
        1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193,
        257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
    static const uint8_t distExtra[30] = {
        0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

    const PngCodeLength* const litLengths = lencode->length;
    const uint16_t* const litSymbols = lencode->symbol;
    const uint32_t litMin = lencode->minLength, litMax = lencode->maxLength;
    const PngCodeLength* const distLengths = distcode->length;
    const uint16_t* const distSymbols = distcode->symbol;
    const uint32_t distMin = distcode->minLength, distMax = distcode->maxLength;
    // The reservoir is kept mirrored here (first unread bit at bit 63), as
    // the codes want it; a match mirrors it back for its extra bits.
    uint64_t mirrored = Mirror(s->bits);
    uint32_t count = s->count;
    const uint8_t* next = s->source.next;
    const uint8_t* end = s->source.end;
    uint8_t* out = s->out;
    uint8_t* const outStart = s->outStart;
    uint8_t* const outEnd = s->outEnd;
    // Tops the reservoir up to 56 or more bits; false when the stream ran out.
    auto refill = [&]() {
        if (end - next >= 8) {
            mirrored |= Mirror(LoadLe64(next)) >> count;
            next += (63 - count) >> 3;
            count |= 56;
            return true;
        }
        s->bits = Mirror(mirrored), s->count = count, s->source.next = next;
        if (!SlowRefill(s)) return false;
        mirrored = Mirror(s->bits), count = s->count, next = s->source.next, end = s->source.end;
        return true;
    };
    int ok = 0;
    for (;;) {
        if (count < 15 && !refill()) break;  // ran out of input
        uint32_t len;
        int symbol;
        if (outEnd - out >= 64) {
            // Literals until the next refill: fewer than 64, since every
            // code takes a bit at least, so the room is checked once.
            do {
                symbol = Decode(litLengths, litMin, litMax, litSymbols, mirrored, len);
                if (symbol < 0) break;
                mirrored <<= len;
                count -= len;
                if (symbol >= 256) break;
                *out++ = (uint8_t)symbol;
            } while (count >= 15);
            if (symbol < 0) break;  // no such code
            if (symbol < 256) continue;
        } else {
            symbol = Decode(litLengths, litMin, litMax, litSymbols, mirrored, len);
            if (symbol < 0) break;  // no such code
            mirrored <<= len;
            count -= len;
            if (symbol < 256) {
                if (out == outEnd) break;  // output full
                *out++ = (uint8_t)symbol;
                continue;
            }
        }
        if (symbol == 256) {
            ok = 1;
            break;
        }
        symbol -= 257;
        if (symbol >= 29) break;  // symbols 286 and 287
        // The rest of the pair takes at most 5 + 15 + 13 bits.
        if (count < 33 && !refill()) break;  // ran out of input
        uint64_t bits = Mirror(mirrored);
        uint32_t extra = lengthExtra[symbol];
        uint32_t length = lengthBase[symbol] + ((uint32_t)bits & ((1u << extra) - 1));
        bits >>= extra;
        mirrored <<= extra;
        int code = Decode(distLengths, distMin, distMax, distSymbols, mirrored, len);
        if (code < 0 || code >= 30) break;  // no such code, or codes 30 and 31
        bits >>= len;
        mirrored <<= len;
        count -= extra + len;
        extra = distExtra[code];
        uint32_t distance = distBase[code] + ((uint32_t)bits & ((1u << extra) - 1));
        mirrored <<= extra;
        count -= extra;
        if (distance > (size_t)(out - outStart)) break;  // before the start of the output
        if (length > (size_t)(outEnd - out)) break;      // beyond rawSize
        const uint8_t* from = out - distance;
        uint8_t* stop = out + length;
        if (distance >= 8 && (size_t)(outEnd - out) >= length + 8) {
            do {
                std::memcpy(out, from, 8);
                out += 8;
                from += 8;
            } while (out < stop);
            out = stop;
        } else if (distance == 1) {
            std::memset(out, out[-1], length);
            out = stop;
        } else if ((size_t)(outEnd - out) >= length + 8) {
            // Distance 2 to 7: past its first period - distance bytes the
            // match also repeats with a period of 8 or more, the smallest
            // multiple of the distance, so the rest goes a word at a time.
            uint32_t period = (distance + 7) / distance * distance;
            uint8_t* words = out + (period - distance);
            while (out < stop && out < words) *out++ = *from++;
            for (from = out - period; out < stop; out += 8, from += 8) std::memcpy(out, from, 8);
            out = stop;
        } else {
            while (out < stop) *out++ = *from++;
        }
    }
    s->bits = Mirror(mirrored), s->count = count, s->source.next = next;
    s->out = out;
    return ok;
}

// Format notes: LEN and NLEN start at the next byte boundary; the bytes
// already in the reservoir come first, the rest straight from the chunks.
static int InflateStored(Inflater* s) {
    Take(s->bits, s->count, s->count & 7);
    if (!Need(s, 32)) return 0;
    uint32_t length = Take(s->bits, s->count, 16);
    uint32_t complement = Take(s->bits, s->count, 16);
    if (complement != (~length & 0xFFFF)) return 0;  // NLEN is not the complement of LEN
    if (RanOut(s)) return 0;
    if (length > (size_t)(s->outEnd - s->out)) return 0;  // beyond rawSize
    for (; length > 0 && s->count >= 8; --length) {
        if (s->count / 8 <= s->source.phantom) return 0;  // ran out of input
        *s->out++ = (uint8_t)Take(s->bits, s->count, 8);
    }
    if (length == 0) return 1;
    s->bits = 0;
    while (length > 0) {
        PngIdatReader* source = &s->source;
        if (source->next == source->end && !PngNextIdatChunk(source)) return 0;  // ran out
        size_t n = (size_t)(source->end - source->next);
        if (n > length) n = length;
        std::memcpy(s->out, source->next, n);
        s->out += n;
        source->next += n;
        length -= (uint32_t)n;
    }
    return 1;
}

// Format notes: the fixed literal/length code has lengths 8, 9, 7, 8 for
// symbols 0-143, 144-255, 256-279, 280-287; all 32 distance codes are 5 bits.
static int InflateFixed(Inflater* s) {
    uint8_t lengths[288 + 32];
    uint16_t lenSymbols[288], distSymbols[32];
    PngHuffman lencode, distcode;
    uint32_t symbol = 0;
    for (; symbol < 144; ++symbol) lengths[symbol] = 8;
    for (; symbol < 256; ++symbol) lengths[symbol] = 9;
    for (; symbol < 280; ++symbol) lengths[symbol] = 7;
    for (; symbol < 288; ++symbol) lengths[symbol] = 8;
    for (; symbol < 288 + 32; ++symbol) lengths[symbol] = 5;
    PngBuildHuffman(&lencode, lenSymbols, lengths, 288);
    PngBuildHuffman(&distcode, distSymbols, lengths + 288, 32);
    return InflateCodes(s, &lencode, &distcode);
}

// Format notes: HLIT + 257 literal/length lengths and HDIST + 1 distance
// lengths form one sequence, so a repeat may run from the first list into
// the second, but not past its end. Up to 288 + 32 lengths are read; the
// symbols beyond 285 and 29 that they make room for are refused if used.
static int InflateDynamic(Inflater* s) {
    static const uint8_t order[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    uint8_t lengths[288 + 32];
    uint16_t lenSymbols[288], distSymbols[32], lengthSymbols[19];
    PngHuffman lencode, distcode, lengthcode;

    if (!Need(s, 14)) return 0;
    uint32_t nlen = Take(s->bits, s->count, 5) + 257;
    uint32_t ndist = Take(s->bits, s->count, 5) + 1;
    uint32_t ncode = Take(s->bits, s->count, 4) + 4;
    std::memset(lengths, 0, 19);
    for (uint32_t i = 0; i < ncode; ++i) {
        if (!Need(s, 3)) return 0;
        lengths[order[i]] = (uint8_t)Take(s->bits, s->count, 3);
    }
    if (!PngBuildHuffman(&lengthcode, lengthSymbols, lengths, 19)) return 0;  // over-subscribed

    uint32_t index = 0;
    while (index < nlen + ndist) {
        if (!Need(s, 15 + 7)) return 0;
        int symbol = DecodeBits(&lengthcode, s->bits, s->count);
        if (symbol < 0) return 0;  // no such code
        if (symbol < 16) {
            lengths[index++] = (uint8_t)symbol;
            continue;
        }
        uint8_t repeated = 0;
        uint32_t repeat;
        if (symbol == 16) {
            if (index == 0) return 0;  // no previous length
            repeated = lengths[index - 1];
            repeat = 3 + Take(s->bits, s->count, 2);
        } else if (symbol == 17) {
            repeat = 3 + Take(s->bits, s->count, 3);
        } else {
            repeat = 11 + Take(s->bits, s->count, 7);
        }
        if (index + repeat > nlen + ndist) return 0;  // past HLIT + HDIST lengths
        while (repeat--) lengths[index++] = repeated;
    }
    if (!PngBuildHuffman(&lencode, lenSymbols, lengths, nlen)) return 0;
    if (!PngBuildHuffman(&distcode, distSymbols, lengths + nlen, ndist)) return 0;
    return InflateCodes(s, &lencode, &distcode);
}

// Format notes: the zlib header must name method 8 with a window field of 7
// or less and no preset dictionary; its check value (a multiple of 31) and
// the Adler-32 trailer are not verified, so a stream cut right after its
// final block is accepted. A stream that runs out before its final block
// ends, or that produces more or fewer than rawSize bytes, fails: rawData
// is entirely defined after a successful inflate.
int PngInflate(PngInfo* info) {
    info->error = PNG_ERROR_NOT_PNG;
    Inflater s;
    s.bits = 0;
    s.count = 0;
    PngStartIdat(info, &s.source);
    s.out = s.outStart = info->rawData;
    s.outEnd = info->rawData + info->rawSize;

    if (!Need(&s, 16)) return 0;
    uint32_t method = Take(s.bits, s.count, 8);
    uint32_t flags = Take(s.bits, s.count, 8);
    if ((method & 0x0F) != 8 || (method >> 4) > 7 || (flags & 0x20) != 0) return 0;
    uint32_t last;
    do {
        if (!Need(&s, 3)) return 0;
        last = Take(s.bits, s.count, 1);
        uint32_t type = Take(s.bits, s.count, 2);
        int ok = type == 0 ? InflateStored(&s)
               : type == 1 ? InflateFixed(&s)
               : type == 2 ? InflateDynamic(&s)
               : 0;  // block type 3
        if (!ok) return 0;
    } while (!last);
    if (RanOut(&s) || s.out != s.outEnd) return 0;
    info->error = PNG_OK;
    return 1;
}
