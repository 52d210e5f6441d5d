#include "widgets/lznt1.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) { return {values.begin(), values.end()}; }

std::string Unpack(const std::vector<uint8_t>& packed, size_t size) {
    auto out = UnpackLznt1(packed.data(), packed.size(), size);
    return {out.begin(), out.end()};
}

struct TGoodCase {
    const char* Name;
    std::vector<uint8_t> Packed;
    std::string Expected;
};

TEST(Lznt1, UnpacksChunksAsTheyWerePacked) {
    const TGoodCase cases[] = {
        {"stored chunk", Bytes({0x02, 0x30, 'x', 'y', 'z'}), "xyz"},
        {"copy that overlaps what it writes",
         Bytes({0x05, 0xB0, 0x08, 'a', 'b', 'c', 0x06, 0x20}), "abcabcabcabc"},
        {"each chunk starts afresh", Bytes({0x02, 0x30, 'x', 'y', 'z', 0x05, 0xB0, 0x08, 'a', 'b', 'c', 0x06, 0x20}),
         "xyzabcabcabcabc"},
        // Past 16 bytes into a chunk the distance takes five bits: 0x8000
        // is 17 back, not 9.
        {"distance widens with the position",
         Bytes({0x15, 0xB0, 0x00, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 0x00, 'I', 'J', 'K', 'L', 'M', 'N', 'O',
                'P', 0x02, 'Q', 0x00, 0x80}),
         "ABCDEFGHIJKLMNOPQABC"},
        {"end mark stops the stream", Bytes({0x02, 0x30, 'x', 'y', 'z', 0x00, 0x00, 0x02, 0x30, 'q', 'q', 'q'}),
         "xyz"},
    };
    for (const auto& c : cases) EXPECT_EQ(Unpack(c.Packed, c.Expected.size()), c.Expected) << c.Name;
}

struct TBadCase {
    const char* Name;
    std::vector<uint8_t> Packed;
    size_t Size;
};

TEST(Lznt1, RefusesDamagedData) {
    const TBadCase cases[] = {
        {"copy before anything was written", Bytes({0x02, 0xB0, 0x01, 0x00, 0x00}), 3},
        {"copy from before the chunk", Bytes({0x02, 0x30, 'x', 'y', 'z', 0x03, 0xB0, 0x02, 'a', 0x00, 0x10}), 7},
        {"copy token cut short", Bytes({0x02, 0xB0, 0x02, 'a', 0x00}), 4},
        {"chunk longer than the data", Bytes({0x09, 0x30, 'x', 'y', 'z'}), 10},
        {"unpacks to less than its size", Bytes({0x02, 0x30, 'x', 'y', 'z'}), 4},
        {"unpacks to more than its size", Bytes({0x02, 0x30, 'x', 'y', 'z'}), 2},
        {"size no data this short can give", Bytes({0x02, 0x30, 'x', 'y', 'z'}), 0x7FFFFFFF},
        {"nothing at all", {}, 1},
    };
    for (const auto& c : cases) EXPECT_TRUE(UnpackLznt1(c.Packed.data(), c.Packed.size(), c.Size).empty()) << c.Name;
}

// The program's banner: what tools/pack_resource.py made is read back whole.
TEST(Lznt1, UnpacksTheBanner) {
    std::ifstream file(TAVREL_ROOT_DIR "/app/pictures/banner.packed", std::ios::binary);
    std::vector<uint8_t> packed{std::istreambuf_iterator<char>(file), {}};
    ASSERT_GT(packed.size(), 4u);
    const size_t size = packed[0] | packed[1] << 8 | packed[2] << 16 | static_cast<size_t>(packed[3]) << 24;
    auto bitmap = UnpackLznt1(packed.data() + 4, packed.size() - 4, size);
    ASSERT_EQ(bitmap.size(), size);
    EXPECT_EQ(bitmap[0], 'B');
    EXPECT_EQ(bitmap[1], 'M');
}

}  // namespace
