#pragma once

#include <cstdint>

// One flag bit per quadrant of each eye's field; "outer" is away from the
// midline, "inner" towards it.
enum QuadrantBit : std::uint8_t {
    kEye1UpperOuter = 0x80,
    kEye1UpperInner = 0x40,
    kEye1LowerOuter = 0x20,
    kEye1LowerInner = 0x10,
    kEye2UpperInner = 0x08,
    kEye2UpperOuter = 0x04,
    kEye2LowerInner = 0x02,
    kEye2LowerOuter = 0x01,
};

// Quadrant bits a left click toggles, from the pointer unprojected through
// each eye's gaze and scaled by 100 (x1, y1 for eye 1; x2, y2 for eye 2;
// negative y is above the eye). A point exactly on a boundary, or a NaN from a
// failed unprojection, toggles nothing.
std::uint8_t QuadrantToggleMask(double x1, double y1, double x2, double y2);
