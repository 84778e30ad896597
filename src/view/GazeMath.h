#pragma once

// Pointer position relative to the point the eyes look at when they look
// straight ahead, in pixels; dy grows upwards.
struct PointerOffset {
    int dx = 0;
    int dy = 0;
};

// Gaze of one eye in degrees, applied as rotations about z by azimuth, about
// x by elevation and about z back by azimuth.
struct EyeGaze {
    float azimuth = 0;
    float elevation = 0;
};

// x, y: pointer in canvas pixels (y down); centreX, centreY: where the
// midpoint between the drawn eyes is, in the same pixels.
PointerOffset GazePointerOffset(int x, int y, int centreX, int centreY);

// Turns an eye towards the pointer by 0.125 degree per pixel of distance. The
// offset is first sheared by the eye's two axis tilts, given as raw spin
// values (horizontal tilt: spin 413 or 415, vertical tilt: spin 412 or 414)
// with their unit divisor (1 or 100). With the pointer exactly on the
// straight-ahead point the direction is undefined, so the eye keeps
// previousAzimuth.
EyeGaze GazeTowardsPointer(PointerOffset offset, int horizontalTiltSpin, int verticalTiltSpin,
                           int unitDivisor, float previousAzimuth);

// Sign of a right-drag's vertical view rotation: +1 when the gaze was last
// set from left of the straight-ahead point (the point itself counts as left).
int DragSignForPointer(int x, int centreX);
