#pragma once

#include "examination/CoverBlends.h"
#include "examination/Examination.h"

#include <array>
#include <cstddef>

// A turn of one eye in the view's signs (horizontal towards the viewer's
// right, vertical downwards) and torsion in the sign the angles are stored
// in; the view turns the eye by its negative about the line of sight.
struct EyeAngles {
    double horizontal = 0;
    double vertical = 0;
    double torsion = 0;
};

struct SolvedEye {
    // Where the eye is sent to follow the target before it deviates, as the
    // patient sees it: the target sheared by the eye's two axis tilts, which
    // is how a tilt makes a deviation change with the direction of gaze.
    GazeTarget gaze;
    // The case's angles as the aids let them show, the vertical offset
    // behind the red filter included.
    EyeAngles comitant;
    // The turn both eyes make for the prism the fixing eye looks through,
    // or, in latent mode, each open eye for its own.
    EyeAngles prism;
    // What weak muscles add under Hering's law, solved for the target as the
    // fixing eye sees it through its prism.
    EyeAngles muscles;
    // How far a co-contracting lateral rectus draws the globe back, in mm.
    double retractionMm = 0;

    EyeAngles Deviation() const;
    // Where the line of sight points, degrees as the patient sees it.
    GazeTarget LineOfSight() const;
};

using BothEyes = std::array<SolvedEye, kEyeCount>;

// How the case's deviations make up one eye's comitant turn while the aids'
// movements stand at blends. With both eyes open in manifest mode each eye
// shows its own deviation; covering one lets the other take up fixation and
// both turn together by its deviation. In latent mode an eye deviates only
// as far as an aid before it lets it, one term per aid. The vertical offset
// behind the red filter adds offsetWeight times (the eye's own vertical
// angle in latent mode, else nothing) minus its offset.
struct ComitantWeights {
    struct Term {
        Eye of = Eye::one;
        double weight = 0;
        // Torsion's own weight: taking up fixation needs no torsion, so with
        // cyclodeviations kept each eye keeps its own whichever eye fixes.
        double torsionWeight = 0;
    };
    std::array<Term, 3> terms{};
    std::size_t count = 0;
    double offsetWeight = 0;
};
// cycloStays: the cover movements leave torsion as with both eyes open (a
// latent cyclodeviation stays hidden), as cyclodeviations behave in the clinic.
ComitantWeights ComitantWeightsOf(Eye eye, bool latent, const CoverBlends& blends, bool cycloStays = false);

// The direction of a target in the room as the patient's head sees it, turned,
// tilted and chin up as it is held.
GazeTarget InHead(const HeadPosture& head, GazeTarget target);

// The torsion the otoliths ask of both eyes for a head tilt, degrees of
// intorsion of eye 1 (extorsion of eye 2): about a tenth of the tilt,
// against it.
double CounterRoll(const HeadPosture& head);

// Where the refixation movements settle for the examination's aids.
CoverBlends SettledBlends(const Examination& examination);

// Both eyes for a target (degrees as the patient sees it in the room) while
// the aids' movements have come as far as blends says; the eyes' angles are
// in the frame of the head as the examination holds it.
BothEyes Solve(const Examination& examination, GazeTarget target, const CoverBlends& blends);

// Both eyes with the aids settled.
BothEyes Solve(const Examination& examination, GazeTarget target);

// Whether the eye fixing under these blends (the one more than half handed
// fixation, else the open-eyes fixing eye) cannot reach the target.
bool FixingEyeCannotFixate(const Examination& examination, GazeTarget target, const CoverBlends& blends);

// The turn an eye needs to fix through its own prism, in the view's signs.
EyeAngles PrismTurn(Eye eye, const Prism& prism);

// The eye that fixes in manifest mode with both eyes open: eye 2 when only
// eye 1 deviates, eye 1 when only eye 2 does, otherwise the muscle model's
// fixing eye where a muscle is weak, else eye 1.
Eye ManifestFixingEye(const Examination& examination);
