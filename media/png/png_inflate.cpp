// Deflate decoder tuned for whole-image decompression into a buffer of known size.
//
// Bits are read through a 64-bit buffer. While at least 8 input bytes remain and the output has room
// for the longest match plus copy slack, the fast loop refills without branches and copies matches
// eight bytes at a time; near either end the careful loop takes over, reading the input byte by byte
// (zeros past its end, counted, so that using them reports a truncated stream) and checking every
// output byte. Huffman codes are looked up in one primary table per alphabet whose entries already
// hold the literal, or the length or distance base with its extra-bit count; codes longer than the
// primary index continue in subtables.
#include "media/png/png_inflate.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr unsigned kLitPrimaryBits = 11;
constexpr unsigned kDistPrimaryBits = 8;
constexpr unsigned kCodeLengthPrimaryBits = 7;
constexpr unsigned kMaxCodeLength = 15;
constexpr unsigned kLitSymbols = 288;
constexpr unsigned kDistSymbols = 32;

// Table entry: bits 0-5 bits to drop (code length plus extra bits), bits 8-11 code length, flags in
// 6 and 12-15, bits 16-31 the value (literal byte, length or distance base, code-length symbol,
// subtable start). A subtable link drops the primary bits and keeps the subtable's index bits in
// bits 8-11. A literal entry whose index also holds the whole code of the next literal carries both
// (bits 16-23 and 24-31, flag kSecondLiteral) and drops both codes.
constexpr uint32_t kSecondLiteral = 1u << 6;
constexpr uint32_t kLiteral = 1u << 12;
constexpr uint32_t kEndOfBlock = 1u << 13;
constexpr uint32_t kSubtable = 1u << 14;
constexpr uint32_t kInvalid = 1u << 15;

// Every subtable of a table has maxLength - primaryBits index bits, so each long code needs at most one.
constexpr size_t kLitTableSize =
    (1u << kLitPrimaryBits) + kLitSymbols * (1u << (kMaxCodeLength - kLitPrimaryBits));
constexpr size_t kDistTableSize =
    (1u << kDistPrimaryBits) + kDistSymbols * (1u << (kMaxCodeLength - kDistPrimaryBits));

// The longest match (258) plus the bytes a word-wide copy may write past its end.
constexpr size_t kFastOutputSlack = 258 + 16;

struct SymbolTables {
    uint32_t literalLength[kLitSymbols]; // value, flags and extra-bit count of each symbol
    uint32_t distance[kDistSymbols];
    uint32_t codeLength[19];
};

constexpr SymbolTables MakeSymbolTables() {
    constexpr uint16_t lengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                         31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    constexpr uint8_t lengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                         2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    constexpr uint16_t distBase[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                       33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                       1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
    constexpr uint8_t distExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                       6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
    SymbolTables t{};
    for (uint32_t s = 0; s < kLitSymbols; s++) {
        if (s < 256)
            t.literalLength[s] = s << 16 | kLiteral;
        else if (s == 256)
            t.literalLength[s] = kEndOfBlock;
        else if (s <= 285)
            t.literalLength[s] = uint32_t(lengthBase[s - 257]) << 16 | lengthExtra[s - 257];
        else
            t.literalLength[s] = kInvalid;
    }
    for (uint32_t s = 0; s < kDistSymbols; s++)
        t.distance[s] = s < 30 ? uint32_t(distBase[s]) << 16 | distExtra[s] : kInvalid;
    for (uint32_t s = 0; s < 19; s++)
        t.codeLength[s] = s << 16;
    return t;
}

constexpr SymbolTables kSymbols = MakeSymbolTables();

// Order in which a dynamic block lists the code-length code's lengths.
constexpr uint8_t kCodeLengthOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

struct ByteReversal {
    uint8_t reversed[256];
};

constexpr ByteReversal MakeByteReversal() {
    ByteReversal t{};
    for (unsigned b = 0; b < 256; b++)
        for (unsigned i = 0; i < 8; i++)
            if (b >> i & 1) t.reversed[b] |= uint8_t(0x80 >> i);
    return t;
}

constexpr ByteReversal kByteReversal = MakeByteReversal();

// The low `length` bits of `code` (length 1 to 15) in reverse order.
inline uint32_t ReverseBits(uint32_t code, unsigned length) {
    const uint32_t reversed16 =
        uint32_t(kByteReversal.reversed[code & 255]) << 8 | kByteReversal.reversed[code >> 8 & 255];
    return reversed16 >> (16 - length);
}

// Builds the lookup table of the canonical code given by `lengths`. An over-full code fails; an
// incomplete one leaves its unused entries invalid, so only a stream that uses them fails.
bool BuildTable(const uint8_t* lengths, unsigned symbolCount, const uint32_t* descriptors,
                unsigned primaryBits, uint32_t* table) {
    unsigned count[kMaxCodeLength + 1] = {};
    for (unsigned s = 0; s < symbolCount; s++)
        count[lengths[s]]++;
    count[0] = 0;
    int left = 1;
    unsigned maxLength = 0;
    for (unsigned length = 1; length <= kMaxCodeLength; length++) {
        left = left * 2 - int(count[length]);
        if (left < 0) return false;
        if (count[length]) maxLength = length;
    }
    unsigned offset[kMaxCodeLength + 2] = {};
    for (unsigned length = 1; length <= kMaxCodeLength; length++)
        offset[length + 1] = offset[length] + count[length];
    uint16_t sorted[kLitSymbols];
    for (unsigned s = 0; s < symbolCount; s++)
        if (lengths[s]) sorted[offset[lengths[s]]++] = uint16_t(s);

    // A complete code writes every primary entry; only an incomplete one leaves some invalid.
    const uint32_t primarySize = 1u << primaryBits;
    if (left != 0)
        for (uint32_t i = 0; i < primarySize; i++)
            table[i] = kInvalid;
    const unsigned subBits = maxLength > primaryBits ? maxLength - primaryBits : 0;
    uint32_t nextSubtable = primarySize;
    // Canonical codes come in the order of their bit strings, so the long codes sharing a primary
    // index are consecutive: a new index opens the next subtable.
    uint32_t linkIndex = UINT32_MAX;
    uint32_t code = 0;
    unsigned index = 0;
    for (unsigned length = 1; length <= maxLength; length++, code <<= 1) {
        for (unsigned k = 0; k < count[length]; k++, code++, index++) {
            const uint32_t descriptor = descriptors[sorted[index]];
            const uint32_t reversed = ReverseBits(code, length);
            if (length <= primaryBits) {
                const uint32_t entry = descriptor + (length << 8) + length;
                for (uint32_t i = reversed; i < primarySize; i += 1u << length)
                    table[i] = entry;
                continue;
            }
            uint32_t& link = table[reversed & (primarySize - 1)];
            if ((reversed & (primarySize - 1)) != linkIndex) {
                linkIndex = reversed & (primarySize - 1);
                link = nextSubtable << 16 | kSubtable | subBits << 8 | primaryBits;
                for (uint32_t i = 0; i < (1u << subBits); i++)
                    table[nextSubtable + i] = kInvalid;
                nextSubtable += 1u << subBits;
            }
            const uint32_t start = link >> 16;
            const unsigned subLength = length - primaryBits;
            const uint32_t entry = descriptor + (subLength << 8) + subLength;
            for (uint32_t i = reversed >> primaryBits; i < (1u << subBits); i += 1u << subLength)
                table[start + i] = entry;
        }
    }
    return true;
}

// Merges the primary entries whose index holds the codes of two literals into entries giving both.
// Such an entry's index is the first code, then the second, then any bits: the pairs of short literal
// codes are written directly, which touches far fewer entries than checking every index.
void PairLiterals(const uint8_t* lengths, unsigned symbolCount, uint32_t* table) {
    unsigned count[kMaxCodeLength + 1] = {};
    for (unsigned s = 0; s < symbolCount; s++)
        count[lengths[s]]++;
    count[0] = 0;
    uint32_t nextCode[kMaxCodeLength + 1] = {};
    for (unsigned length = 1; length <= kMaxCodeLength; length++)
        nextCode[length] = (nextCode[length - 1] + count[length - 1]) << 1;

    struct Code {
        uint16_t reversed;
        uint16_t symbol;
    };
    Code literals[kLitPrimaryBits][256]; // by code length, the lengths a pair can hold
    unsigned literalCount[kLitPrimaryBits] = {};
    for (unsigned s = 0; s < 256 && s < symbolCount; s++) {
        const unsigned length = lengths[s];
        if (length == 0) continue;
        const uint32_t code = nextCode[length]++;
        if (length < kLitPrimaryBits)
            literals[length][literalCount[length]++] = {uint16_t(ReverseBits(code, length)), uint16_t(s)};
    }
    for (unsigned firstLength = 1; firstLength < kLitPrimaryBits; firstLength++)
        for (unsigned a = 0; a < literalCount[firstLength]; a++) {
            const Code first = literals[firstLength][a];
            for (unsigned secondLength = 1; firstLength + secondLength <= kLitPrimaryBits; secondLength++)
                for (unsigned b = 0; b < literalCount[secondLength]; b++) {
                    const Code second = literals[secondLength][b];
                    const uint32_t single =
                        (uint32_t(first.symbol) << 16 | kLiteral) + (firstLength << 8) + firstLength;
                    const uint32_t entry =
                        (single + secondLength) | kSecondLiteral | uint32_t(second.symbol) << 24;
                    const unsigned both = firstLength + secondLength;
                    for (uint32_t i = first.reversed | uint32_t(second.reversed) << firstLength;
                         i < (1u << kLitPrimaryBits); i += 1u << both)
                        table[i] = entry;
                }
        }
}

inline uint64_t LoadLittleEndian64(const uint8_t* p) {
    uint64_t value;
    std::memcpy(&value, p, 8);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    value = __builtin_bswap64(value);
#endif
    return value;
}

inline void Copy8(uint8_t* dst, const uint8_t* src) {
    std::memcpy(dst, src, 8);
}

inline uint64_t LowBits(uint64_t bits, unsigned n) {
    return bits & ((uint64_t(1) << n) - 1);
}

// Copies a match of `length` bytes from `distance` back; may write up to 15 bytes past its end.
inline void CopyMatchFast(uint8_t* dst, uint32_t distance, uint32_t length) {
    uint8_t* const stop = dst + length;
    if (distance >= 8) {
        const uint8_t* src = dst - distance;
        Copy8(dst, src);
        Copy8(dst + 8, src + 8);
        dst += 16;
        src += 16;
        while (dst < stop) {
            Copy8(dst, src);
            Copy8(dst + 8, src + 8);
            dst += 16;
            src += 16;
        }
    } else if (distance == 1) {
        uint64_t run = uint64_t(dst[-1]) * 0x0101010101010101ull;
        do {
            std::memcpy(dst, &run, 8);
            dst += 8;
        } while (dst < stop);
    } else {
        // The pattern repeats every `distance` bytes, so also every `step` bytes (a multiple >= 8):
        // lay down the first `step` bytes one by one, then copy words from `step` back.
        static constexpr uint8_t kStep[8] = {0, 0, 8, 9, 8, 10, 12, 14};
        const unsigned step = kStep[distance];
        const uint8_t* src = dst - distance;
        for (unsigned i = 0; i < step; i++)
            dst[i] = src[i];
        for (dst += step; dst < stop; dst += 8)
            Copy8(dst, dst - step);
    }
}

struct Inflater {
    const uint8_t* next;
    const uint8_t* end;
    uint64_t bits;
    unsigned bitCount;
    unsigned phantomBytes; // zero bytes supplied past the end of the input
    uint8_t* outStart;
    uint8_t* out;
    uint8_t* outEnd;
    bool fixedTablesLoaded;
    uint32_t litTable[kLitTableSize];
    uint32_t distTable[kDistTableSize];
};

// Tops the bit buffer up to 56..63 bits: a word at a time while 8 input bytes remain, else one byte
// at a time with zeros past the end. Bits above the count are zeros or the input's next bits (what a
// word refill leaves), so OR-ing the next bytes in is safe either way.
inline void RefillCareful(Inflater& s) {
    if (s.end - s.next >= 8) {
        s.bits |= LoadLittleEndian64(s.next) << s.bitCount;
        s.next += (63 - s.bitCount) >> 3;
        s.bitCount |= 56;
        return;
    }
    s.bits &= s.bitCount ? ~uint64_t(0) >> (64 - s.bitCount) : 0;
    while (s.bitCount < 56) {
        uint64_t byte = 0;
        if (s.next < s.end)
            byte = *s.next++;
        else
            s.phantomBytes++;
        s.bits |= byte << s.bitCount;
        s.bitCount += 8;
    }
}

// True once bits that the input never held have been consumed.
inline bool Overran(const Inflater& s) {
    return s.phantomBytes * 8 > s.bitCount;
}

inline void Drop(Inflater& s, unsigned n) {
    s.bits >>= n;
    s.bitCount -= n;
}

InflateResult Fail(const Inflater& s, InflateResult reason) {
    return Overran(s) ? kInflateTruncated : reason;
}

InflateResult CopyStoredBlock(Inflater& s) {
    Drop(s, s.bitCount & 7);
    // Give the whole bytes still in the bit buffer back to the input.
    const unsigned buffered = s.bitCount / 8;
    if (s.phantomBytes > buffered) return kInflateTruncated;
    s.next -= buffered - s.phantomBytes;
    s.bits = 0;
    s.bitCount = 0;
    s.phantomBytes = 0;
    if (s.end - s.next < 4) return kInflateTruncated;
    const uint32_t length = s.next[0] | uint32_t(s.next[1]) << 8;
    const uint32_t complement = s.next[2] | uint32_t(s.next[3]) << 8;
    s.next += 4;
    if (length != (~complement & 0xFFFF)) return kInflateBadStoredLength;
    if (size_t(s.end - s.next) < length) return kInflateTruncated;
    if (size_t(s.outEnd - s.out) < length) return kInflateOverflow;
    std::memcpy(s.out, s.next, length);
    s.out += length;
    s.next += length;
    return kInflateOk;
}

bool LoadFixedTables(Inflater& s) {
    uint8_t lengths[kLitSymbols];
    for (unsigned i = 0; i < kLitSymbols; i++)
        lengths[i] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
    uint8_t distLengths[kDistSymbols];
    std::memset(distLengths, 5, sizeof distLengths);
    if (!BuildTable(lengths, kLitSymbols, kSymbols.literalLength, kLitPrimaryBits, s.litTable) ||
        !BuildTable(distLengths, kDistSymbols, kSymbols.distance, kDistPrimaryBits, s.distTable))
        return false;
    PairLiterals(lengths, kLitSymbols, s.litTable);
    return true;
}

InflateResult LoadDynamicTables(Inflater& s) {
    RefillCareful(s);
    const unsigned litCount = unsigned(LowBits(s.bits, 5)) + 257;
    const unsigned distCount = unsigned(LowBits(s.bits >> 5, 5)) + 1;
    const unsigned codeLengthCount = unsigned(LowBits(s.bits >> 10, 4)) + 4;
    Drop(s, 14);
    if (litCount > 286 || distCount > 30) return Fail(s, kInflateBadCodeLengths);

    uint8_t codeLengthLengths[19] = {};
    for (unsigned i = 0; i < codeLengthCount; i++) {
        RefillCareful(s);
        codeLengthLengths[kCodeLengthOrder[i]] = uint8_t(LowBits(s.bits, 3));
        Drop(s, 3);
    }
    uint32_t codeLengthTable[1u << kCodeLengthPrimaryBits];
    if (!BuildTable(codeLengthLengths, 19, kSymbols.codeLength, kCodeLengthPrimaryBits, codeLengthTable))
        return Fail(s, kInflateBadCodeLengths);

    uint8_t lengths[286 + 30];
    const unsigned total = litCount + distCount;
    unsigned n = 0;
    while (n < total) {
        RefillCareful(s);
        const uint32_t entry = codeLengthTable[LowBits(s.bits, kCodeLengthPrimaryBits)];
        if (entry & kInvalid) return Fail(s, kInflateBadCodeLengths);
        Drop(s, entry & 63);
        const unsigned symbol = entry >> 16;
        if (symbol < 16) {
            lengths[n++] = uint8_t(symbol);
            continue;
        }
        unsigned repeat;
        uint8_t value = 0;
        if (symbol == 16) {
            if (n == 0) return Fail(s, kInflateBadCodeLengths);
            value = lengths[n - 1];
            repeat = 3 + unsigned(LowBits(s.bits, 2));
            Drop(s, 2);
        } else if (symbol == 17) {
            repeat = 3 + unsigned(LowBits(s.bits, 3));
            Drop(s, 3);
        } else {
            repeat = 11 + unsigned(LowBits(s.bits, 7));
            Drop(s, 7);
        }
        if (repeat > total - n) return Fail(s, kInflateBadCodeLengths);
        std::memset(lengths + n, value, repeat);
        n += repeat;
    }
    if (Overran(s)) return kInflateTruncated;
    if (lengths[256] == 0) return kInflateBadCodeLengths; // no end-of-block code
    if (!BuildTable(lengths, litCount, kSymbols.literalLength, kLitPrimaryBits, s.litTable) ||
        !BuildTable(lengths + litCount, distCount, kSymbols.distance, kDistPrimaryBits, s.distTable))
        return kInflateBadCodeLengths;
    PairLiterals(lengths, litCount, s.litTable);
    return kInflateOk;
}

// Looks a literal/length or distance code up, following a subtable link; drops the link's bits.
inline uint32_t Lookup(Inflater& s, const uint32_t* table, unsigned primaryBits) {
    uint32_t entry = table[LowBits(s.bits, primaryBits)];
    if (entry & kSubtable) {
        Drop(s, entry & 63);
        entry = table[(entry >> 16) + LowBits(s.bits, (entry >> 8) & 15)];
    }
    return entry;
}

// Value of a length or distance entry (base plus extra bits); drops its bits.
inline uint32_t TakeValue(Inflater& s, uint32_t entry) {
    const uint32_t value = (entry >> 16) + uint32_t(LowBits(s.bits, entry & 63) >> ((entry >> 8) & 15));
    Drop(s, entry & 63);
    return value;
}

// Stores the entry's literal and the byte after it (a second literal, or a byte that the next write
// replaces) in one move.
inline void StoreLiteralPair(uint8_t* out, uint32_t entry) {
    uint16_t pair = uint16_t(entry >> 16);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    pair = uint16_t(pair << 8 | pair >> 8);
#endif
    std::memcpy(out, &pair, 2);
}

// Input bytes the fast loop needs: each pass refills once, reading a word where the pass began.
constexpr size_t kFastInputSlack = 8;

// Decodes symbols while kFastInputSlack input bytes remain and the output has kFastOutputSlack bytes
// to spare. The decoder's state is held in locals: output bytes written through a byte pointer could
// otherwise alias the record's fields and force them back to memory after every literal.
//
// Every path ends with a refill and the primary entry of the next symbol already loaded, so the entry
// that ends a run of literals is not looked up twice, and the next symbol's lookup overlaps a match's
// copy.
InflateResult DecodeFast(Inflater& s, bool* blockEnded) {
    *blockEnded = false;
    if (size_t(s.end - s.next) < kFastInputSlack || size_t(s.outEnd - s.out) < kFastOutputSlack)
        return kInflateOk;
    const uint32_t* const litTable = s.litTable;
    const uint32_t* const distTable = s.distTable;
    const uint8_t* const inLimit = s.end - kFastInputSlack;
    uint8_t* const outLimit = s.outEnd - kFastOutputSlack;
    uint8_t* const outStart = s.outStart;
    const uint8_t* next = s.next;
    uint64_t bits = s.bits;
    unsigned bitCount = s.bitCount;
    uint8_t* out = s.out;
    auto drop = [&](unsigned n) {
        bits >>= n;
        bitCount -= n;
    };
    // Tops the buffer up to 56..63 bits; one refill covers a length and a distance code with their
    // extra bits (48 bits), or four primary entries and the lookup of a fifth.
    auto refill = [&]() {
        bits |= LoadLittleEndian64(next) << bitCount;
        next += (63 - bitCount) >> 3;
        bitCount |= 56;
    };
    InflateResult result = kInflateOk;
    refill();
    uint32_t entry = litTable[LowBits(bits, kLitPrimaryBits)];
    while (next <= inLimit && out <= outLimit) {
        if (entry & kLiteral) {
            // Up to four primary entries (one or two literals each) per refill.
            for (int k = 0; k < 4; k++) {
                drop(entry & 63);
                StoreLiteralPair(out, entry);
                out += 1 + ((entry >> 6) & 1);
                entry = litTable[LowBits(bits, kLitPrimaryBits)];
                if (!(entry & kLiteral)) break;
            }
            refill();
            continue;
        }
        if (entry & kSubtable) {
            drop(entry & 63);
            entry = litTable[(entry >> 16) + LowBits(bits, (entry >> 8) & 15)];
            if (entry & kLiteral) {
                drop(entry & 63);
                *out++ = uint8_t(entry >> 16);
                refill();
                entry = litTable[LowBits(bits, kLitPrimaryBits)];
                continue;
            }
        }
        if (entry & (kEndOfBlock | kInvalid)) {
            if (entry & kInvalid) {
                result = kInflateBadSymbol;
                break;
            }
            drop(entry & 63);
            *blockEnded = true;
            break;
        }
        const uint32_t length = (entry >> 16) + uint32_t(LowBits(bits, entry & 63) >> ((entry >> 8) & 15));
        drop(entry & 63);
        entry = distTable[LowBits(bits, kDistPrimaryBits)];
        if (entry & kSubtable) {
            drop(entry & 63);
            entry = distTable[(entry >> 16) + LowBits(bits, (entry >> 8) & 15)];
        }
        if (entry & kInvalid) {
            result = kInflateBadSymbol;
            break;
        }
        const uint32_t distance = (entry >> 16) + uint32_t(LowBits(bits, entry & 63) >> ((entry >> 8) & 15));
        drop(entry & 63);
        if (distance > size_t(out - outStart)) {
            result = kInflateBadDistance;
            break;
        }
        refill();
        entry = litTable[LowBits(bits, kLitPrimaryBits)];
        CopyMatchFast(out, distance, length);
        out += length;
    }
    s.next = next;
    s.bits = bits;
    s.bitCount = bitCount;
    s.out = out;
    return result;
}

InflateResult DecodeHuffmanBlock(Inflater& s) {
    const uint32_t* const litTable = s.litTable;
    const uint32_t* const distTable = s.distTable;
    for (;;) {
        bool blockEnded;
        const InflateResult fast = DecodeFast(s, &blockEnded);
        if (fast != kInflateOk || blockEnded) return fast;

        RefillCareful(s);
        uint32_t entry = Lookup(s, litTable, kLitPrimaryBits);
        if (entry & kInvalid) return Fail(s, kInflateBadSymbol);
        if (entry & (kLiteral | kEndOfBlock)) {
            Drop(s, entry & 63);
            if (Overran(s)) return kInflateTruncated;
            if (entry & kEndOfBlock) return kInflateOk;
            const size_t count = 1 + ((entry >> 6) & 1);
            if (size_t(s.outEnd - s.out) < count) return kInflateOverflow;
            s.out[0] = uint8_t(entry >> 16);
            if (count == 2) s.out[1] = uint8_t(entry >> 24);
            s.out += count;
            continue;
        }
        const uint32_t length = TakeValue(s, entry);
        entry = Lookup(s, distTable, kDistPrimaryBits);
        if (entry & kInvalid) return Fail(s, kInflateBadSymbol);
        const uint32_t distance = TakeValue(s, entry);
        if (Overran(s)) return kInflateTruncated;
        if (distance > size_t(s.out - s.outStart)) return kInflateBadDistance;
        if (length > size_t(s.outEnd - s.out)) return kInflateOverflow;
        const uint8_t* src = s.out - distance;
        for (uint32_t i = 0; i < length; i++)
            s.out[i] = src[i];
        s.out += length;
    }
}

} // namespace

InflateResult InflateZlibStream(const uint8_t* in, size_t inSize, uint8_t* out, size_t outSize) {
    if (inSize < 2) return kInflateTruncated;
    const uint8_t method = in[0], flags = in[1];
    if ((method & 15) != 8 || (method >> 4) > 7 || (flags & 0x20)) return kInflateBadHeader;

    Inflater s;
    s.next = in + 2;
    s.end = in + inSize;
    s.bits = 0;
    s.bitCount = 0;
    s.phantomBytes = 0;
    s.outStart = s.out = out;
    s.outEnd = out + outSize;
    s.fixedTablesLoaded = false;

    bool finalBlock = false;
    while (!finalBlock) {
        RefillCareful(s);
        finalBlock = s.bits & 1;
        const unsigned type = unsigned(s.bits >> 1) & 3;
        Drop(s, 3);
        if (Overran(s)) return kInflateTruncated;
        InflateResult result;
        if (type == 0) {
            result = CopyStoredBlock(s);
        } else if (type == 3) {
            return kInflateBadBlockType;
        } else {
            if (type == 1 && !s.fixedTablesLoaded) {
                if (!LoadFixedTables(s)) return kInflateBadCodeLengths;
                s.fixedTablesLoaded = true;
            }
            if (type == 2) {
                s.fixedTablesLoaded = false;
                result = LoadDynamicTables(s);
                if (result != kInflateOk) return result;
            }
            result = DecodeHuffmanBlock(s);
        }
        if (result != kInflateOk) return result;
    }
    return s.out == s.outEnd ? kInflateOk : kInflateShort;
}
