#pragma once

// The examination keys' steps, from what the examination holds now to what
// it holds after the key.

#include "model/HeadPosture.h"
#include "model/Prism.h"

#include <array>

// The distance after one of the four distance commands; other ids keep it.
int DistanceAfter(int commandId, int distance);

// The prisms after a prism key (stronger, weaker, next base of one eye) or
// after removing them; other ids keep them.
std::array<Prism, 2> PrismsAfter(int commandId, std::array<Prism, 2> prisms);

// The keypad key of a gaze command (1-9), 0 for the pointer; -1 for other ids.
int GazeKeyOf(int commandId);

// Degrees of one head key's step.
inline constexpr double kHeadStep = 5;

// The head after a head step (turn the face right, left, tilt right, left,
// chin up, down); the examination holds it within kLargestHeadPosture. Other
// ids keep it.
HeadPosture HeadAfter(int commandId, HeadPosture head);
