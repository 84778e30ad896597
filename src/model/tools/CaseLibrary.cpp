#include "model/tools/CaseLibrary.h"

#include "model/MusclePresets.h"

#include <cmath>

namespace {

constexpr Eye R = Eye::one;  // the patient's right eye, on the viewer's left
constexpr Eye L = Eye::two;  // the patient's left eye, on the viewer's right
constexpr EyeQuantity horizontal = EyeQuantity::horizontal;
constexpr EyeQuantity vertical = EyeQuantity::vertical;
constexpr EyeQuantity torsion = EyeQuantity::torsion;
constexpr EyeQuantity vAxis = EyeQuantity::verticalAxisTilt;
constexpr EyeQuantity hAxis = EyeQuantity::horizontalAxisTilt;
constexpr EyeQuantity vOffset = EyeQuantity::verticalOffset;

// Compensatory head postures of the palsies, degrees.
constexpr double kSixthNerveFaceTurn = 20;
constexpr double kFourthNerveHeadTilt = 15;

int Hundredths(double degrees)
{
    return static_cast<int>(std::lround(degrees * 100.0));
}

}  // namespace

// Signs as the value fields show them:
//   horizontal  + inward (eso), - outward (exo), for either eye;
//   vertical    + when the right eye stands higher: right eye up, or left eye down;
//   torsion     + incyclo, - excyclo;
//   H-axis      + the track of up- and downgaze leans with its upper end towards
//                 the nose: the eye adducts in upgaze;
//   V-axis      + the track of side gaze rises towards the viewer's right
//                 (the patient's left): the right eye rises in adduction,
//                 the left eye in abduction;
//   V-offset    + the eye floats up under the red filter before the fellow eye.
// A manifest case deviates one eye only, so that the fellow eye fixates; a
// latent case gives both eyes the deviation each shows under cover. The
// palsies have straight angles and weak muscles instead.
//
//   name, deviation, { eye, quantity, far, near }, muscles
const std::vector<LibraryCase>& CaseLibrary()
{
    static const std::vector<LibraryCase> cases = {
        {"orthophoria", Deviation::manifest, {}},
        {"esotropia-left",
         Deviation::manifest,
         {
             {L, horizontal, 14.0, 14.0},
         }},
        {"convergence-excess-esotropia",
         Deviation::manifest,
         {
             {R, horizontal, 4.0, 14.0},
         }},
        {"microtropia-left",
         Deviation::manifest,
         {
             {L, horizontal, 2.0, 2.0},
         }},
        {"exotropia-right",
         Deviation::manifest,
         {
             {R, horizontal, -12.0, -12.0},
         }},
        {"divergence-excess-exotropia",
         Deviation::manifest,
         {
             {L, horizontal, -14.0, -4.0},
         }},
        {"esophoria",
         Deviation::latent,
         {
             {R, horizontal, 3.0, 5.0},
             {L, horizontal, 3.0, 5.0},
         }},
        {"exophoria",
         Deviation::latent,
         {
             {R, horizontal, -4.0, -4.0},
             {L, horizontal, -4.0, -4.0},
         }},
        {"convergence-insufficiency-exophoria",
         Deviation::latent,
         {
             {R, horizontal, -1.0, -8.0},
             {L, horizontal, -1.0, -8.0},
         }},
        {"hyperphoria-right",
         Deviation::latent,
         {
             {R, vertical, 3.0, 3.0},
             {L, vertical, 3.0, 3.0},
         }},
        {"superior-oblique-palsy-left",
         Deviation::manifest,
         {
             {L, vertical, -6.0, -8.0},
             {L, torsion, -5.0, -5.0},
             {L, vAxis, -10.0, -10.0},
         }},
        {"excyclotropia-left",
         Deviation::manifest,
         {
             {L, torsion, -10.0, -10.0},
         }},
        {"dissociated-vertical-deviation",
         Deviation::manifest,
         {
             {R, vOffset, 5.0, 5.0},
             {L, vOffset, 10.0, 10.0},
         }},
        {"a-pattern-esotropia",
         Deviation::manifest,
         {
             {L, horizontal, 8.0, 10.0},
             {R, hAxis, 12.0, 12.0},
             {L, hAxis, 12.0, 12.0},
         }},
        {"v-pattern-exotropia",
         Deviation::manifest,
         {
             {R, horizontal, -8.0, -8.0},
             {R, hAxis, -12.0, -12.0},
             {L, hAxis, -12.0, -12.0},
             {R, vAxis, 8.0, 8.0},
             {L, vAxis, -8.0, -8.0},
         }},
        // The face turns towards a sixth nerve palsy, so the eyes look away
        // from the weak lateral rectus's field; the head tilts away from a
        // superior oblique palsy, where the counter-roll asks no intorsion of
        // the weak muscle.
        {"sixth-nerve-palsy-right",
         Deviation::manifest,
         {},
         PresetStrengths(MusclePreset::sixthNervePalsy, R),
         HeadPosture{kSixthNerveFaceTurn, 0, 0}},
        {"sixth-nerve-palsy-left",
         Deviation::manifest,
         {},
         PresetStrengths(MusclePreset::sixthNervePalsy, L),
         HeadPosture{-kSixthNerveFaceTurn, 0, 0}},
        {"fourth-nerve-palsy-right",
         Deviation::manifest,
         {},
         PresetStrengths(MusclePreset::fourthNervePalsy, R),
         HeadPosture{0, -kFourthNerveHeadTilt, 0}},
        {"third-nerve-palsy-right", Deviation::manifest, {}, PresetStrengths(MusclePreset::thirdNervePalsy, R)},
        {"brown-syndrome-left", Deviation::manifest, {}, PresetStrengths(MusclePreset::brownSyndrome, L)},
        {"duane-syndrome-right", Deviation::manifest, {}, PresetStrengths(MusclePreset::duaneSyndrome, R)},
    };
    return cases;
}

CaseData ToCaseData(const LibraryCase& libraryCase)
{
    CaseData data;
    data.manifestMode = libraryCase.deviation == Deviation::manifest;
    for (const LibraryAngle& angle : libraryCase.angles) {
        const int sign = FindQuantityControl(angle.eye, angle.quantity).shownNegated ? -1 : 1;
        data.values.SetFar(angle.eye, angle.quantity, sign * Hundredths(angle.farDegrees));
        data.values.SetNear(angle.eye, angle.quantity, sign * Hundredths(angle.nearDegrees));
    }
    return data;
}
