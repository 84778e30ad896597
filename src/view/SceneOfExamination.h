#pragma once

#include "examination/Examination.h"
#include "view/CoverBlends.h"
#include "view/SceneState.h"

// What the view draws of an examination while the eyes follow target (as
// the patient sees it) and the cover movements stand at blends: its angles,
// aids and display aids, with the solver's prism and muscle turns. What
// belongs to the canvas alone (the penlight held down, angle kappa, the
// quadrant tools) is left for the canvas to add.
SceneState SceneOf(const Examination& examination, GazeTarget target, const CoverBlends& blends);
