#include "view/OffscreenGl.h"

// Windows gives OpenGL 1.1 no surface without a window; callers then draw
// through a hidden window of the toolkit's instead.
std::unique_ptr<OffscreenGl> OffscreenGl::Create(int, int, std::string& error)
{
    error = "Windows offers OpenGL only through a window";
    return nullptr;
}

OffscreenGl::~OffscreenGl() = default;

std::vector<unsigned char> OffscreenGl::ReadRgb() const
{
    return {};
}
