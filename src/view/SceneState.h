#pragma once

#include "model/HeadPosture.h"
#include "model/MuscleModel.h"
#include "model/Prism.h"

#include <array>
#include <cstdint>
#include <optional>

// What one eye shows in a frame: the examination's angles and aids, and the
// turns the solver found for its prism and muscles.
struct EyeSceneState {
    // Deviation in degrees.
    double horizontal = 0;
    double vertical = 0;
    double torsion = 0;
    double verticalOffset = 0;
    // Axis tilts in whole degrees: the spin value divided by its unit and
    // truncated, so 1.99 degrees turn the line by 1 degree.
    int horizontalAxisTilt = 0;
    int verticalAxisTilt = 0;
    bool occluder = false;
    bool redFilter = false;
    bool translucentOccluder = false;
    // Turn of both eyes for the fixing eye's prism (in latent mode an open
    // eye's own), in degrees, signed like the deviation.
    double prismHorizontal = 0;
    double prismVertical = 0;
    // Extra turn from weak muscles, in degrees, signed like the deviation.
    double muscleHorizontal = 0;
    double muscleVertical = 0;
    double muscleTorsion = 0;
    // How far the globe is drawn back into the orbit, in mm.
    double retractionMm = 0;
    // Strength of the levator of the upper lid, in percent.
    int levatorPercent = 100;
    // A loose prism before the eye; 0 dioptres for none.
    Prism prism;
};

// Everything a frame of the view depends on besides the canvas's own state
// and the cover animation. Eye 1 is index 0.
struct SceneState {
    int distance = 11;        // distance slider, 1 (far) to 11 (near)
    bool latentMode = false;  // deviation shows only under cover
    bool eyeCross = false;
    bool axisLines = false;
    bool quadrantEdit = false;  // also draws the dotted grid
    bool quadrantHide = false;
    std::uint8_t quadrantMarks = 0;
    // Some muscle is weak: the eyes turn by their muscle turns as well.
    bool weakMuscles = false;
    // The penlight shines: each cornea shows its reflex.
    bool penlightShining = false;
    bool angleKappa = true;
    // Cover changes leave each eye's torsion as it is (as in the clinic).
    bool cycloStaysUnderCover = false;
    // How the patient holds his head; the aids stay in the room before the eyes.
    HeadPosture head;
    // The face (skin, lids, brows, the bridge of the nose) around the eyes.
    bool face = false;
    // The gaze whose fixation light is drawn in the room; none: no light.
    std::optional<GazeTarget> fixationLight;
    std::array<EyeSceneState, 2> eyes{};
};
