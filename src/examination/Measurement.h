#pragma once

#include "examination/Examination.h"

#include <array>
#include <optional>

// Where one eye's line of sight points in his head, degrees as the patient
// sees it (towards his right, and up), and its torsion, intorsion positive.
struct EyeDirection {
    double right = 0;
    double up = 0;
    double incyclo = 0;
};

// What the examination shows at one gaze, as a teacher notes it down, all
// through the solver the view and the charts use.
struct Measurement {
    GazeTarget gaze;
    // The head as the patient held it; the eyes' directions are in its frame.
    HeadPosture head;
    Eye fixing = Eye::one;
    // The fixing eye cannot reach the gaze (a palsy).
    bool cannotFixate = false;
    std::array<EyeDirection, kEyeCount> eyes{};
    // The other eye's deviation from the fixing one, degrees: inward (eso)
    // and upward (hyper) positive, torsion as the two eyes' intorsions
    // together (incyclo positive), which is what a double Maddox rod reads.
    double inward = 0;
    double upward = 0;
    double incyclo = 0;
    // How far each eye's line of sight moves, degrees, when the occluder
    // goes from one eye to the other: its position while it fixes less its
    // position while covered.
    std::array<double, kEyeCount> coverMovement{};
    // An eye that cannot reach the gaze when it takes up fixation under the
    // alternate cover test: its fellow's movement then is no measurement.
    std::array<bool, kEyeCount> cannotTakeUpFixation{};
};

// The examination with its aids replaced by the fixing eye's fellow covered
// (fixing given) or both eyes open (none: the eye that then fixes is the
// solver's), looking at gaze. Prisms, distance and muscles are the
// examination's.
Measurement Measure(const Examination& examination, GazeTarget gaze, std::optional<Eye> fixing);

// What the prism cover test measures: the total deviation, latent and
// manifest, with the eye that fixes in manifest mode fixing and its fellow covered.
Measurement MeasureByPrismCover(const Examination& examination, GazeTarget gaze);

// The diagnostic positions in reading order of the nine positions chart:
// up, middle and down rows, each from the patient's right to his left.
std::array<GazeTarget, 9> NineGazes(double eccentricity);
