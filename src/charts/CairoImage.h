#pragma once

#include "charts/NinePositions.h"

#include <cairo.h>

// A picture as a Cairo image surface to draw on or from; null if it holds no
// pixels or Cairo failed. The caller destroys it.
cairo_surface_t* CairoImageOf(const RgbPicture& picture);

// The image's pixels back into the picture it was made of.
void CopyFromCairoImage(cairo_surface_t* image, RgbPicture& picture);
