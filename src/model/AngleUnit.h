#pragma once

// Stored angles are integers in hundredths of a degree, or in whole degrees
// while the whole-degree view item is checked.

// Units per degree.
constexpr int UnitDivisor(bool wholeDegrees)
{
    return wholeDegrees ? 1 : 100;
}

// Range limit of the gaze sliders and spin buttons, in units.
constexpr int AngleLimit(bool wholeDegrees)
{
    return wholeDegrees ? 50 : 5000;
}
