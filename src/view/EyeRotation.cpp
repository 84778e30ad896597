#include "view/EyeRotation.h"

#include <cstddef>

namespace {

class SequenceBuilder {
public:
    SequenceBuilder& Add(RotationAxis axis, double degrees)
    {
        m_sequence.steps[m_sequence.count++] = {static_cast<float>(degrees), axis};
        return *this;
    }
    // Vertical and horizontal turn by one weight, torsion by its own.
    SequenceBuilder& AddDeviation(const EyeSceneState& eye, double weight, double torsionWeight)
    {
        return Add(RotationAxis::x, weight * eye.vertical)
            .Add(RotationAxis::y, weight * eye.horizontal)
            .Add(RotationAxis::z, -torsionWeight * eye.torsion);
    }
    SequenceBuilder& AddDeviation(const EyeSceneState& eye, double weight) { return AddDeviation(eye, weight, weight); }
    SequenceBuilder& AddMuscles(const SceneState& scene, const EyeSceneState& eye)
    {
        if (!scene.weakMuscles)
            return *this;
        return Add(RotationAxis::x, eye.muscleVertical)
            .Add(RotationAxis::y, eye.muscleHorizontal)
            .Add(RotationAxis::z, -eye.muscleTorsion);
    }
    // Left out entirely when no prism is held, so the picture without prisms
    // is drawn by exactly the same rotations as before prisms existed.
    SequenceBuilder& AddPrism(bool anyPrism, const EyeSceneState& eye)
    {
        if (!anyPrism)
            return *this;
        return Add(RotationAxis::x, eye.prismVertical).Add(RotationAxis::y, eye.prismHorizontal);
    }
    RotationSequence Done() const { return m_sequence; }

private:
    RotationSequence m_sequence;
};

bool AnyPrism(const SceneState& scene)
{
    return scene.eyes[0].prism.dioptres != 0 || scene.eyes[1].prism.dioptres != 0;
}

}  // namespace

RotationSequence EyeRotation(int eye, const SceneState& scene, const CoverBlends& blends)
{
    const ComitantWeights weights =
        ComitantWeightsOf(eye == 0 ? Eye::one : Eye::two, scene.latentMode, blends, scene.cycloStaysUnderCover);
    const EyeSceneState& own = scene.eyes[eye];
    SequenceBuilder sequence;
    for (std::size_t i = 0; i < weights.count; ++i)
        sequence.AddDeviation(scene.eyes[static_cast<std::size_t>(weights.terms[i].of)], weights.terms[i].weight,
                              weights.terms[i].torsionWeight);
    const double offsetFrom = (scene.latentMode ? own.vertical : 0.0) - own.verticalOffset;
    return sequence.AddPrism(AnyPrism(scene), own)
        .Add(RotationAxis::x, weights.offsetWeight * offsetFrom)
        .AddMuscles(scene, own)
        .Done();
}

AxisLineAngles AxisLinesOf(const EyeSceneState& eye, bool latentMode)
{
    if (latentMode && !eye.translucentOccluder)
        return {0.0, 90.0};
    return {static_cast<double>(eye.horizontalAxisTilt), eye.verticalAxisTilt + 90.0};
}

float HeadDepth(int distance)
{
    return static_cast<float>(10 * distance - 550);
}

bool QuadrantOverlayShown(const SceneState& scene)
{
    return scene.quadrantMarks != 0 && (scene.quadrantEdit || !scene.quadrantHide);
}
