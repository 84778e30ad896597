#include "view/RendererKind.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

bool IsSoftwareRenderer(std::string_view renderer)
{
    std::string lower(renderer);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // Mesa's rasterisers on the processor, and Windows' and macOS's fall-backs.
    constexpr std::array<std::string_view, 6> kSoftware = {"llvmpipe", "softpipe",    "swrast",
                                                           "software", "gdi generic", "apple software"};
    return lower.empty() || std::any_of(kSoftware.begin(), kSoftware.end(),
                                        [&](std::string_view name) { return lower.find(name) != std::string::npos; });
}
