#include "charts/CairoImage.h"

#include <cstdint>

cairo_surface_t* CairoImageOf(const RgbPicture& picture)
{
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.rgb.size() != static_cast<std::size_t>(picture.width) * picture.height * 3)
        return nullptr;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return nullptr;
    }
    cairo_surface_flush(image);
    unsigned char* pixels = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < picture.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(pixels + static_cast<std::ptrdiff_t>(y) * stride);
        const unsigned char* from = picture.rgb.data() + static_cast<std::size_t>(y) * picture.width * 3;
        for (int x = 0; x < picture.width; ++x, from += 3)
            row[x] = (std::uint32_t{from[0]} << 16) | (std::uint32_t{from[1]} << 8) | from[2];
    }
    cairo_surface_mark_dirty(image);
    return image;
}

void CopyFromCairoImage(cairo_surface_t* image, RgbPicture& picture)
{
    cairo_surface_flush(image);
    const unsigned char* pixels = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < picture.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(pixels + static_cast<std::ptrdiff_t>(y) * stride);
        unsigned char* to = picture.rgb.data() + static_cast<std::size_t>(y) * picture.width * 3;
        for (int x = 0; x < picture.width; ++x, to += 3) {
            to[0] = static_cast<unsigned char>(row[x] >> 16);
            to[1] = static_cast<unsigned char>(row[x] >> 8);
            to[2] = static_cast<unsigned char>(row[x]);
        }
    }
}
