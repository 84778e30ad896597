#pragma once

#include <string_view>

// Whether a GL_RENDERER string names a renderer that runs on the processor.
// Multisampling costs such renderers several times the paint time, so smooth
// edges are only asked for where the graphics card draws.
bool IsSoftwareRenderer(std::string_view renderer);
