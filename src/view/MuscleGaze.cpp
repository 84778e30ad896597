#include "view/MuscleGaze.h"

namespace {

constexpr double kDegreesPerPixel = 0.125;

}  // namespace

GazeTarget TargetOfPointer(PointerOffset offset)
{
    return {-kDegreesPerPixel * offset.dx, kDegreesPerPixel * offset.dy};
}
