#include "settings/Md5.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr std::array<unsigned, 64> kShifts = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                                              5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                                              4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                                              6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};

std::uint32_t RotateLeft(std::uint32_t x, unsigned n)
{
    return (x << n) | (x >> (32 - n));
}

// The table of the algorithm: the integer part of 2^32 |sin(i + 1)|.
std::array<std::uint32_t, 64> SineTable()
{
    std::array<std::uint32_t, 64> table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] =
            static_cast<std::uint32_t>(std::floor(std::fabs(std::sin(static_cast<double>(i + 1))) * 4294967296.0));
    return table;
}

void Digest(const std::uint8_t* block, std::array<std::uint32_t, 4>& state)
{
    static const std::array<std::uint32_t, 64> kSines = SineTable();
    std::array<std::uint32_t, 16> words{};
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = std::uint32_t{block[4 * i]} | std::uint32_t{block[4 * i + 1]} << 8 |
                   std::uint32_t{block[4 * i + 2]} << 16 | std::uint32_t{block[4 * i + 3]} << 24;
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (std::size_t i = 0; i < 64; ++i) {
        std::uint32_t f = 0;
        std::size_t g = 0;
        if (i < 16) {
            f = (b & c) | (~b & d);
            g = i;
        } else if (i < 32) {
            f = (d & b) | (~d & c);
            g = (5 * i + 1) % 16;
        } else if (i < 48) {
            f = b ^ c ^ d;
            g = (3 * i + 5) % 16;
        } else {
            f = c ^ (b | ~d);
            g = (7 * i) % 16;
        }
        const std::uint32_t next = d;
        d = c;
        c = b;
        b += RotateLeft(a + f + kSines[i] + words[g], kShifts[i]);
        a = next;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

}  // namespace

std::string Md5Hex(const std::uint8_t* data, std::size_t size)
{
    std::array<std::uint32_t, 4> state = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
    const std::size_t whole = size / 64 * 64;
    for (std::size_t at = 0; at < whole; at += 64)
        Digest(data + at, state);

    // The rest, a one bit, zeros, and the length in bits as the last 8 bytes.
    std::vector<std::uint8_t> tail(data + whole, data + size);
    tail.push_back(0x80);
    while (tail.size() % 64 != 56)
        tail.push_back(0);
    const std::uint64_t bits = static_cast<std::uint64_t>(size) * 8;
    for (unsigned i = 0; i < 8; ++i)
        tail.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    for (std::size_t at = 0; at < tail.size(); at += 64)
        Digest(tail.data() + at, state);

    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (const std::uint32_t word : state)
        for (unsigned i = 0; i < 4; ++i) {
            const auto byte = static_cast<std::uint8_t>(word >> (8 * i));
            hex += kHex[byte >> 4];
            hex += kHex[byte & 15];
        }
    return hex;
}
