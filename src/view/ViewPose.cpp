#include "view/ViewPose.h"

#include "examination/Solver.h"
#include "model/AngleUnit.h"
#include "view/MuscleGaze.h"

namespace {

// The pointer offset that gives the target's direction as the turned head sees it.
PointerOffset OffsetInHead(const HeadPosture& head, PointerOffset offset)
{
    if (head.Straight())
        return offset;
    const GazeTarget inHead = InHead(head, TargetOfPointer(offset));
    return PointerOffsetForDirection({-inHead.right, inHead.up});
}

}  // namespace

GazeTarget TurnEyesTowards(const Examination& examination, PointerOffset offset, ViewPose& pose)
{
    const int divisor = UnitDivisor(examination.WholeDegrees());
    // The eyes turn in the head; the target stays in the room.
    const PointerOffset inHead = OffsetInHead(examination.Head(), offset);
    for (Eye eye : {Eye::one, Eye::two}) {
        const std::size_t index = static_cast<std::size_t>(eye);
        const EyeGaze gaze =
            GazeTowardsPointer(inHead, examination.Units(eye, EyeQuantity::horizontalAxisTilt),
                               examination.Units(eye, EyeQuantity::verticalAxisTilt), divisor, pose.azimuth[index]);
        pose.azimuth[index] = gaze.azimuth;
        pose.elevation[index] = gaze.elevation;
    }
    return TargetOfPointer(offset);
}
