#include "view/ViewPose.h"

#include "model/AngleUnit.h"
#include "view/MuscleGaze.h"

GazeTarget TurnEyesTowards(const Examination& examination, PointerOffset offset, ViewPose& pose)
{
    const int divisor = UnitDivisor(examination.WholeDegrees());
    for (Eye eye : {Eye::one, Eye::two}) {
        const std::size_t index = static_cast<std::size_t>(eye);
        const EyeGaze gaze =
            GazeTowardsPointer(offset, examination.Units(eye, EyeQuantity::horizontalAxisTilt),
                               examination.Units(eye, EyeQuantity::verticalAxisTilt), divisor, pose.azimuth[index]);
        pose.azimuth[index] = gaze.azimuth;
        pose.elevation[index] = gaze.elevation;
    }
    return TargetOfPointer(offset);
}
