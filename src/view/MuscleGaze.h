#pragma once

#include "model/MuscleModel.h"
#include "view/GazeMath.h"

// The pointer as a fixation target for the muscle model: the eyes turn by
// 0.125 degree per pixel towards it, and a pointer right of the straight-ahead
// point lies towards the patient's left.
GazeTarget TargetOfPointer(PointerOffset offset);
