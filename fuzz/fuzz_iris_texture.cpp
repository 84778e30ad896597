// The iris picture texturen.dat, whatever its length and content.
#include "FuzzSupport.h"

#include "view/IrisTexture.h"

#include <algorithm>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> rgb(data, data + size);
    const std::vector<std::uint8_t> rgba = ConvertIrisTexture(rgb);
    FUZZ_CHECK(rgba.size() == kIrisTextureBytes);
    const std::size_t used = std::min(size, kIrisFileBytes);
    for (std::size_t i = 0; i < used; ++i)
        FUZZ_CHECK(rgba[i / 3 * 4 + i % 3] == rgb[i]);
    for (std::size_t pixel = 0; pixel < used / 3; ++pixel)
        FUZZ_CHECK(rgba[pixel * 4 + 3] == kIrisTextureAlpha);

    std::vector<std::uint8_t> loaded;
    FUZZ_CHECK(LoadIrisTexture(Scratch().Write("texturen.dat", data, size), loaded));
    FUZZ_CHECK(loaded == rgba);
    return 0;
}
