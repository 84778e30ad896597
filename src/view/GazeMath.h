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

// The eyes turn no further from straight ahead than a person's can.
constexpr double kGazeLimitDegrees = 50.0;

// The pointer as a target in front of the face: its offset measured in
// pixels of the view at the default window size, where the gaze rule below
// was set, so a larger view turns the eyes no further for the same point of
// the face; and no further out than the gaze limit. `defaultPixelsPerPixel`
// is how many such pixels one pixel of the current view spans.
PointerOffset TargetOffset(PointerOffset offset, double defaultPixelsPerPixel);

// Turns an eye towards the pointer by 0.125 degree per pixel of distance, up
// to the gaze limit. The
// offset is first sheared by the eye's two axis tilts, given as raw spin
// values (horizontal tilt: spin 413 or 415, vertical tilt: spin 412 or 414)
// with their unit divisor (1 or 100). With the pointer exactly on the
// straight-ahead point the direction is undefined, so the eye keeps
// previousAzimuth.
EyeGaze GazeTowardsPointer(PointerOffset offset, int horizontalTiltSpin, int verticalTiltSpin, int unitDivisor,
                           float previousAzimuth);

// Sign of a right-drag's vertical view rotation: +1 when the gaze was last
// set from left of the straight-ahead point (the point itself counts as left).
int DragSignForPointer(int x, int centreX);

// A fixation target given as a direction instead of the pointer: degrees
// towards the viewer's right and upwards from straight ahead. It is turned
// into the pointer offset that gives that gaze, so both go through the same
// rule of an eighth of a degree per pixel.
struct GazeDirection {
    double right = 0;
    double up = 0;
};
PointerOffset PointerOffsetForDirection(GazeDirection direction);

// The nine diagnostic positions of gaze in the order of a numeric keypad
// (1 = down and to the viewer's left ... 5 = straight ahead ... 9 = up and to
// the viewer's right), `eccentricity` degrees out on each axis that moves.
// Positions outside 1..9 give straight ahead.
GazeDirection KeypadGazePosition(int key, double eccentricity);
