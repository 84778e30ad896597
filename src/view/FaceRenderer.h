#pragma once

#include "view/CoverBlends.h"
#include "view/SceneState.h"
#include "view/ViewPose.h"

// Compiles the face's fixed parts (skin, nose, brows) into their display
// list in the current context.
void CompileFaceList();

// Draws the face in head coordinates under the current model-view, lit by
// the eyes' lights: the fixed parts, and each eye's lids where its gaze,
// retraction and levator put them. Leaves the GL state as it found it.
void DrawFace(const SceneState& scene, const CoverBlends& blends, const ViewPose& pose);
