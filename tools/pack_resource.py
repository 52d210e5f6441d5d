#!/usr/bin/env python3
# Packs a file as the program's packed resources (widgets/bitmap_resource.h):
# the whole file packed with LZNT1 (widgets/lznt1.cpp unpacks it), after its
# four-byte little-endian size. In a .bmp file of 16 bits or more a pixel,
# a PACKEDBITMAP, every pixel row but the first is first stored as its
# bytewise difference from the row before, which leaves little but zeros
# where the picture changes only across. Any other file, such as the icon
# files of PACKEDICON resources, is packed as it is.
#
#   pack_resource.py <file> <packed file>
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


def rows_as_differences(bitmap):
    bits_at, = struct.unpack_from('<I', bitmap, 10)
    width, height, _, bits = struct.unpack_from('<iiHH', bitmap, 18)
    stride = (width * bits + 31) // 32 * 4
    out = bytearray(bitmap)
    for row in range(abs(height) - 1, 0, -1):
        at = bits_at + row * stride
        for byte in range(at, at + stride):
            out[byte] = (bitmap[byte] - bitmap[byte - stride]) & 255
    return out


def main():
    source, target = sys.argv[1], sys.argv[2]
    data = open(source, 'rb').read()
    if data[:2] == b'BM':
        data = rows_as_differences(data)
    packed = bytearray(struct.pack('<I', len(data)))
    for start in range(0, len(data), CHUNK):
        packed += pack_chunk(data[start:start + CHUNK])
    open(target, 'wb').write(packed)


main()
