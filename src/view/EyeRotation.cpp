#include "view/EyeRotation.h"

namespace {

class SequenceBuilder {
public:
    SequenceBuilder& add(RotationAxis axis, double degrees) {
        m_sequence.steps[m_sequence.count++] = {static_cast<float>(degrees), axis};
        return *this;
    }
    // Vertical, horizontal and torsional turn by one weight.
    SequenceBuilder& deviation(const EyeSceneState& eye, double weight) {
        return add(RotationAxis::x, weight * eye.vertical)
            .add(RotationAxis::y, weight * eye.horizontal)
            .add(RotationAxis::z, -weight * eye.torsion);
    }
    SequenceBuilder& muscles(const SceneState& scene, const EyeSceneState& eye) {
        if (!scene.weakMuscles)
            return *this;
        return add(RotationAxis::x, eye.muscleVertical)
            .add(RotationAxis::y, eye.muscleHorizontal)
            .add(RotationAxis::z, -eye.muscleTorsion);
    }
    RotationSequence done() const { return m_sequence; }

private:
    RotationSequence m_sequence;
};

RotationSequence ManifestRotation(int eye, const SceneState& scene, const CoverBlends& blends) {
    const EyeSceneState& eye1 = scene.eyes[0];
    const EyeSceneState& eye2 = scene.eyes[1];
    // Covering eye 2 (coverBlend2) makes eye 1 fixate: eye 1 loses its own
    // deviation and eye 2 follows by the same amount, and vice versa.
    const double own1 = eye == 0 ? 1.0 - blends.coverBlend2 : -blends.coverBlend2;
    const double own2 = eye == 0 ? -blends.coverBlend1 : 1.0 - blends.coverBlend1;
    const double offsetWeight = eye == 0 ? blends.offsetBlend1 : blends.offsetBlend2;
    return SequenceBuilder()
        .deviation(eye1, own1)
        .deviation(eye2, own2)
        .add(RotationAxis::x, -offsetWeight * scene.eyes[eye].verticalOffset)
        .muscles(scene, scene.eyes[eye])
        .done();
}

RotationSequence LatentRotation(int eye, const SceneState& scene, const CoverBlends& blends) {
    const EyeSceneState& own = scene.eyes[eye];
    const bool first = eye == 0;
    return SequenceBuilder()
        .deviation(own, first ? blends.translucentBlend1 : blends.translucentBlend2)
        .deviation(own, first ? blends.coverBlend1 : blends.coverBlend2)
        .deviation(own, first ? blends.filterBlend1 : blends.filterBlend2)
        .add(RotationAxis::x, (first ? blends.offsetBlend1 : blends.offsetBlend2) * (own.vertical - own.verticalOffset))
        .muscles(scene, own)
        .done();
}

}  // namespace

RotationSequence EyeRotation(int eye, const SceneState& scene, const CoverBlends& blends) {
    return scene.latentMode ? LatentRotation(eye, scene, blends) : ManifestRotation(eye, scene, blends);
}

AxisLineAngles AxisLinesOf(const EyeSceneState& eye, bool latentMode) {
    if (latentMode && !eye.translucentOccluder)
        return {0.0, 90.0};
    return {static_cast<double>(eye.horizontalAxisTilt), eye.verticalAxisTilt + 90.0};
}

float HeadDepth(int distance) {
    return static_cast<float>(10 * distance - 550);
}

bool QuadrantOverlayShown(const SceneState& scene) {
    return scene.quadrantMarks != 0 && (scene.quadrantEdit || !scene.quadrantHide);
}
