#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The iris picture: 128 x 128 pixels, stored as raw RGB without a header and
// handed to GL as RGBA.
constexpr int kIrisTextureSide = 128;
constexpr std::size_t kIrisFileBytes = kIrisTextureSide * kIrisTextureSide * 3;
constexpr std::size_t kIrisTextureBytes = kIrisTextureSide * kIrisTextureSide * 4;
constexpr std::uint8_t kIrisTextureAlpha = 250;
// The picture's file, looked up in the working folder.
inline constexpr char kIrisTextureFile[] = "texturen.dat";

// Inserts the alpha byte after every third input byte, so a trailing partial
// pixel keeps its bytes without an alpha. The result is always a complete
// RGBA image: bytes the input does not reach are zero, input beyond the
// image is ignored.
std::vector<std::uint8_t> ConvertIrisTexture(const std::vector<std::uint8_t>& rgb);

// Reads the picture file and converts it. Reads no more than one image's
// worth, however large the file. Returns false when the file cannot be
// opened or read, or is not a regular file; rgba is then all zero bytes. A
// short file is not an error.
bool LoadIrisTexture(const std::filesystem::path& path, std::vector<std::uint8_t>& rgba);
