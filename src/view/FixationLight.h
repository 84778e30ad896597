#pragma once

#include "model/MuscleModel.h"

// The light the patient fixes, drawn in the room in front of him where he
// looks. It lies on the line of sight the view's gaze rule gives: a target
// offset as far as the pointer would be for that gaze, so a light that
// follows the pointer sits under it.

// Where the light stands in the head's frame before its posture (the head
// transform of the view's turn alone), scene units; z towards the viewer.
struct FixationLightPlace {
    double x = 0;
    double y = 0;
    double z = 0;
};
FixationLightPlace FixationLightPlaceFor(GazeTarget seen, int distance);

// Draws the light for a gaze the patient holds, under the view's turn of
// the head, in front of the face, leaving every GL state as it was.
void DrawFixationLight(GazeTarget seen, int distance);
