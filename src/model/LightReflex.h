// The penlight's reflex on the cornea (first Purkinje image), from a model
// eye of 24 mm: the cornea is a sphere of radius 7.8 mm whose centre lies
// 5.7 mm in front of the eye's centre of rotation, the pupil 9.9 mm in front.
// Seen from the light, the reflex lies where the corneal normal points at it,
// which is straight in front of the corneal centre whatever the radius. The
// examiner sees the pupil through the cornea, as the entrance pupil about
// 3.1 mm behind the corneal apex (schematic eye), 4.65 mm in front of the
// corneal centre; so the reflex stands 4.65 mm x sin(angle) off the pupil's
// centre as seen: about 12 degrees (22 PD) per mm, the figure photographic
// Hirschberg studies measure.
constexpr double kEyeDiameterMm = 24.0;
constexpr double kCornealCentreMm = 5.7;
constexpr double kPupilPlaneMm = 9.9;
constexpr double kEntrancePupilMm = 10.35;
// Angle kappa: the pupil's axis lies this far temporal of the line of
// sight, so a fixing eye shows its reflex slightly nasal.
constexpr double kAngleKappaDegrees = 5.0;

// A unit direction in one eye's own terms: towards its nose, upwards and
// forwards along its line of sight.
struct EyeDirection {
    double nasal = 0;
    double up = 0;
    double forward = 1;
};

struct CornealReflex {
    // The reflex as the examiner behind the light sees it, relative to the
    // pupil's centre, in mm: + towards the nose, + upwards.
    double nasalMm = 0;
    double upMm = 0;
    // Where the ray from the light through the reflex meets the plane of the
    // entrance pupil, relative to its centre, in mm: where a drawing puts the
    // spot.
    double planeNasalMm = 0;
    double planeUpMm = 0;
};

// towardsLight: the direction to the (distant) light seen from the eye. With
// angleKappa the pupil's axis stands kAngleKappaDegrees temporal of the line
// of sight. A light from nearly beside the eye counts as coming from a little
// in front of it, so the plane position stays finite.
CornealReflex ReflexFor(EyeDirection towardsLight, bool angleKappa);
