#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// A picture compiled into the program: the bytes of its SVG document.
struct EmbeddedImage {
    const char* name;
    const unsigned char* data;  // followed by a zero byte that size does not count
    std::size_t size;
};

// The image of exactly this name, case included, or nullptr.
const EmbeddedImage* FindEmbeddedImage(std::string_view name);

// The names of all embedded images, sorted byte-wise.
std::vector<std::string_view> EmbeddedImageNames();
