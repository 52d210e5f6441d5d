#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Unpacks LZNT1, the compression of NTFS and of ntdll's RtlDecompressBuffer,
// which Windows 9x lacks: chunks of at most 4096 bytes, each a two-byte
// header (size less one in bits 0-11, packed in bit 15) and then either the
// bytes as they are or groups of eight tokens behind a flag byte, each a
// byte as it is or a two-byte copy of earlier bytes of the chunk.
// Exactly `size` bytes, or an empty vector when the data is damaged or
// unpacks to another size.
std::vector<uint8_t> UnpackLznt1(const uint8_t* packed, size_t packedSize, size_t size);
