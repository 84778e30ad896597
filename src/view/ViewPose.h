#pragma once

#include "examination/Examination.h"
#include "view/GazeMath.h"

#include <array>

// The turn of the whole head and the gaze of each eye, in degrees; index 0 is eye 1.
struct ViewPose {
    float headX = 0;
    float headY = 0;
    float headZ = 0;
    std::array<float, 2> azimuth{};
    std::array<float, 2> elevation{};
};

// Turns both eyes' gaze towards a target at offset from the straight-ahead
// point, sheared by each eye's axis tilts and seen from the head as the
// examination holds it, and returns where that target is in the room for
// the muscle model.
GazeTarget TurnEyesTowards(const Examination& examination, PointerOffset offset, ViewPose& pose);
