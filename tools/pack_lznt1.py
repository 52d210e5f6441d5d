#!/usr/bin/env python3
# Packs a file with LZNT1, the compression the platform's
# RtlDecompressBuffer reads, after a four-byte little-endian unpacked size.
#
#   pack_lznt1.py <file> <packed file>
import struct
import sys

CHUNK = 4096


def displacement_bits(position):
    bits = 4
    while (1 << bits) < position:
        bits += 1
    return bits


def pack_chunk(data):
    out = bytearray()
    starts = {}
    position = 0
    while position < len(data):
        flags_at = len(out)
        out.append(0)
        flags = 0
        for token in range(8):
            if position >= len(data):
                break
            bits = displacement_bits(position)
            longest = (1 << (16 - bits)) + 2
            best_length, best_distance = 0, 0
            for start in reversed(starts.get(bytes(data[position:position + 3]), [])[-256:]):
                distance = position - start
                if distance > (1 << bits):
                    break
                length = 0
                while (length < longest and position + length < len(data)
                       and data[start + length] == data[position + length]):
                    length += 1
                if length > best_length:
                    best_length, best_distance = length, distance
            step = best_length if best_length >= 3 else 1
            if best_length >= 3:
                flags |= 1 << token
                out += struct.pack('<H', ((best_distance - 1) << (16 - bits)) | (best_length - 3))
            else:
                out.append(data[position])
            for at in range(position, position + step):
                starts.setdefault(bytes(data[at:at + 3]), []).append(at)
            position += step
        out[flags_at] = flags
    if len(out) >= len(data):
        return struct.pack('<H', 0x3000 | (len(data) - 1)) + bytes(data)
    return struct.pack('<H', 0xB000 | (len(out) - 1)) + bytes(out)


def main():
    source, target = sys.argv[1], sys.argv[2]
    data = open(source, 'rb').read()
    packed = bytearray(struct.pack('<I', len(data)))
    for start in range(0, len(data), CHUNK):
        packed += pack_chunk(data[start:start + CHUNK])
    open(target, 'wb').write(packed)


main()
