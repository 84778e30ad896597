#include "resources/EmbeddedImages.h"

#include "resources/EmbeddedImageTable.h"

#include <algorithm>

const EmbeddedImage* FindEmbeddedImage(std::string_view name)
{
    const EmbeddedImage* end = kEmbeddedImages + kEmbeddedImageCount;
    const EmbeddedImage* found =
        std::lower_bound(kEmbeddedImages, end, name, [](const EmbeddedImage& image, std::string_view key) {
            return std::string_view(image.name) < key;
        });
    return found != end && found->name == name ? found : nullptr;
}

std::vector<std::string_view> EmbeddedImageNames()
{
    std::vector<std::string_view> names;
    names.reserve(kEmbeddedImageCount);
    for (std::size_t i = 0; i < kEmbeddedImageCount; ++i)
        names.emplace_back(kEmbeddedImages[i].name);
    return names;
}
