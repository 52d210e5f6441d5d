#include "widgets/lznt1.h"

namespace {

const size_t ChunkSize = 4096;

unsigned ReadWord(const uint8_t* at) { return at[0] | (at[1] << 8); }

// The split of a copy token: the further into the chunk, the more of its 16
// bits name the distance back and the fewer the length.
unsigned LengthBits(size_t positionInChunk) {
    unsigned bits = 12;
    for (size_t rest = positionInChunk - 1; rest >= 0x10; rest >>= 1) --bits;
    return bits;
}

// One packed chunk into out; false when it reads or copies out of bounds.
bool UnpackChunk(const uint8_t* in, const uint8_t* end, std::vector<uint8_t>& out) {
    const size_t start = out.size();
    while (in < end) {
        const uint8_t flags = *in++;
        for (int token = 0; token < 8 && in < end; ++token) {
            if (!(flags & (1 << token))) {
                out.push_back(*in++);
                continue;
            }
            const size_t position = out.size() - start;
            if (end - in < 2 || position == 0) return false;
            const unsigned word = ReadWord(in);
            in += 2;
            const unsigned lengthBits = LengthBits(position);
            const size_t distance = (word >> lengthBits) + 1;
            const size_t length = (word & ((1u << lengthBits) - 1)) + 3;
            if (distance > position || position + length > ChunkSize) return false;
            for (size_t i = 0; i < length; ++i) out.push_back(out[out.size() - distance]);
        }
    }
    return true;
}

}  // namespace

std::vector<uint8_t> UnpackLznt1(const uint8_t* packed, size_t packedSize, size_t size) {
    // Every chunk takes at least three bytes: a larger size is damage, and
    // no reason to ask for the memory.
    if (size / ChunkSize > packedSize / 3) return {};
    std::vector<uint8_t> out;
    out.reserve(size);
    const uint8_t* in = packed;
    const uint8_t* const end = packed + packedSize;
    while (end - in >= 2) {
        const unsigned header = ReadWord(in);
        in += 2;
        if (header == 0) break;
        const size_t chunkLength = (header & 0x0FFF) + 1;
        if (static_cast<size_t>(end - in) < chunkLength) return {};
        if (header & 0x8000) {
            if (!UnpackChunk(in, in + chunkLength, out)) return {};
        } else {
            out.insert(out.end(), in, in + chunkLength);
        }
        in += chunkLength;
        if (out.size() > size) return {};
    }
    if (out.size() != size) return {};
    return out;
}
