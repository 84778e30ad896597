#include "model/LightReflex.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
// The corneal centre lies behind the entrance pupil by this much; the
// reflex's offset follows from it alone, whatever the corneal radius.
constexpr double kCentreBehindPupilMm = kEntrancePupilMm - kCornealCentreMm;
// Below this the light grazes the eye and the plane position runs off.
constexpr double kMinForward = 0.05;

EyeDirection TurnedNasally(EyeDirection direction, double degrees)
{
    const double c = std::cos(degrees * kRadiansPerDegree);
    const double s = std::sin(degrees * kRadiansPerDegree);
    return {direction.nasal * c + direction.forward * s, direction.up, direction.forward * c - direction.nasal * s};
}

}  // namespace

CornealReflex ReflexFor(EyeDirection towardsLight, bool angleKappa)
{
    // In the frame of the pupil's axis the light of a fixed target comes
    // from kappa nasal of it.
    const EyeDirection light = angleKappa ? TurnedNasally(towardsLight, kAngleKappaDegrees) : towardsLight;
    CornealReflex reflex;
    reflex.nasalMm = kCentreBehindPupilMm * light.nasal;
    reflex.upMm = kCentreBehindPupilMm * light.up;
    const double forward = std::max(light.forward, kMinForward);
    reflex.planeNasalMm = kCentreBehindPupilMm * light.nasal / forward;
    reflex.planeUpMm = kCentreBehindPupilMm * light.up / forward;
    return reflex;
}
