#include "view/IrisTexture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

std::vector<std::uint8_t> ConvertIrisTexture(const std::vector<std::uint8_t>& rgb)
{
    std::vector<std::uint8_t> rgba(kIrisTextureBytes, 0);
    const std::size_t used = std::min(rgb.size(), kIrisFileBytes);
    std::size_t out = 0;
    for (std::size_t in = 0; in < used; ++in) {
        rgba[out++] = rgb[in];
        if (out % 4 == 3)
            rgba[out++] = kIrisTextureAlpha;
    }
    return rgba;
}

bool LoadIrisTexture(const std::filesystem::path& path, std::vector<std::uint8_t>& rgba)
{
    rgba.assign(kIrisTextureBytes, 0);
    // Opening a FIFO or a device would block start-up or read forever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::vector<std::uint8_t> rgb(kIrisFileBytes);
    file.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
    if (file.bad())
        return false;
    rgb.resize(static_cast<std::size_t>(file.gcount()));
    rgba = ConvertIrisTexture(rgb);
    return true;
}
