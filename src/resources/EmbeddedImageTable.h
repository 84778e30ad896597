#pragma once

#include "resources/EmbeddedImages.h"

// Written by EmbedImages.cmake; sorted by name, names unique.
extern const EmbeddedImage kEmbeddedImages[];
extern const std::size_t kEmbeddedImageCount;
