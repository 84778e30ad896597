#pragma once

#include "model/MuscleModel.h"
#include "view/CoverBlends.h"
#include "view/GazeMath.h"

#include <array>

// The pointer as a fixation target for the muscle model: the eyes turn by
// 0.125 degree per pixel towards it, and a pointer right of the straight-ahead
// point lies towards the patient's left.
GazeTarget TargetOfPointer(PointerOffset offset);

// Each eye's extra turn from its weak muscles, in the signs the view turns
// an eye by, eye 1 at index 0. With both eyes open the eye given by
// DefaultFixingEye fixes; covering an eye (occluder, or translucent occluder)
// hands fixation to the other, the red filter with a vertical offset to the
// eye whose fixing-eye box is ticked, and the turn moves with the cover
// animation from one picture to the other. cycloStays: the torsion stays as
// with both eyes open, since taking up fixation needs none.
std::array<ViewTurn, 2> MuscleTurns(const MuscleStrengths& strengths, GazeTarget target, const CoverBlends& blends,
                                    bool cycloStays = false);

// Whether the eye fixing under these blends (the one more than half handed
// fixation, else the usual one) cannot reach the target.
bool FixingEyeCannotFixate(const MuscleStrengths& strengths, GazeTarget target, const CoverBlends& blends);
