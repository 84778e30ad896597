#pragma once

#include <optional>
#include <string_view>

// Size of an SVG picture in its own user units (pixels at scale 1).
struct SvgSize {
    double width;
    double height;
};

// The size the document asks for: the width and height attributes of its
// <svg> element (plain numbers or "px"), else the last two numbers of its
// viewBox. nullopt when there is no <svg> element, or its size is missing,
// not positive or given in other units.
std::optional<SvgSize> SvgNominalSize(std::string_view document);

struct PixelSize {
    int width;
    int height;
};

// The bitmap size for drawing a picture of the given nominal size when the
// caller fixes both, one or neither side (a side <= 0 is open). An open side
// follows the picture's aspect ratio; with both open the nominal size is
// rounded up to whole pixels. Every side of the result is at least 1, and a
// side the caller leaves open is at most 16384.
PixelSize ResolvePixelSize(SvgSize nominal, int width, int height);
