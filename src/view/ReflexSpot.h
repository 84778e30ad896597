#pragma once

#include "view/EyeRotation.h"

// Where the penlight's reflex is drawn on one eye (0 = eye 1), in the eye's
// own drawn coordinates on its pupil plane (x towards the viewer's right
// when the eye looks at the viewer, y upwards). The light lies along the
// eye's gaze, where the fixing eye looks, and is seen through the eye's own
// prism; `rotation` is what the eye is turned by besides its gaze.
struct SpotPosition {
    double x = 0;
    double y = 0;
};
SpotPosition ReflexSpotOf(int eye, const RotationSequence& rotation, const SceneState& scene);
