#include "view/SceneOfExamination.h"

#include "examination/Solver.h"

SceneState SceneOf(const Examination& examination, GazeTarget target, const CoverBlends& blends)
{
    SceneState scene;
    scene.distance = examination.Distance();
    scene.latentMode = examination.Latent();
    scene.eyeCross = examination.Display().eyeCross;
    scene.axisLines = examination.Display().axisLines;
    scene.face = examination.Display().face;
    scene.penlightShining = examination.Display().penlight;
    scene.quadrantMarks = examination.QuadrantMarks();
    scene.weakMuscles = !examination.Muscles().AllNormal();
    scene.cycloStaysUnderCover = examination.CycloStaysUnderCover();
    scene.head = examination.Head();
    // A light is held at one of the nine positions, or moved with the penlight.
    const DisplayAids& display = examination.Display();
    if (display.fixationTarget &&
        (examination.Target().kind == FixationTarget::Kind::ninePositions || display.penlight))
        scene.fixationLight = target;

    const BothEyes solved = Solve(examination, target, blends);
    for (Eye eye : {Eye::one, Eye::two}) {
        const std::size_t index = static_cast<std::size_t>(eye);
        const auto degrees = [&](EyeQuantity quantity) { return examination.Degrees(eye, quantity); };
        EyeSceneState& state = scene.eyes[index];
        state.horizontal = degrees(EyeQuantity::horizontal);
        state.vertical = degrees(EyeQuantity::vertical);
        state.torsion = degrees(EyeQuantity::torsion);
        state.verticalOffset = degrees(EyeQuantity::verticalOffset);
        // The axis lines turn by whole degrees, truncated.
        state.horizontalAxisTilt = static_cast<int>(degrees(EyeQuantity::horizontalAxisTilt));
        state.verticalAxisTilt = static_cast<int>(degrees(EyeQuantity::verticalAxisTilt));
        const EyeAids& aids = examination.Aids(eye);
        state.occluder = aids.occluder;
        state.redFilter = aids.redFilter;
        state.translucentOccluder = aids.translucentOccluder;
        state.prism = examination.PrismBefore(eye);
        state.prismHorizontal = solved[index].prism.horizontal;
        state.prismVertical = solved[index].prism.vertical;
        state.muscleHorizontal = solved[index].muscles.horizontal;
        state.muscleVertical = solved[index].muscles.vertical;
        state.muscleTorsion = solved[index].muscles.torsion;
        state.retractionMm = solved[index].retractionMm;
        state.levatorPercent = examination.Muscles().Levator(eye);
    }
    return scene;
}
