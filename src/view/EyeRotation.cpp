#include "view/EyeRotation.h"

#include <algorithm>

namespace {

class SequenceBuilder {
public:
    SequenceBuilder& add(RotationAxis axis, double degrees) {
        m_sequence.steps[m_sequence.count++] = {static_cast<float>(degrees), axis};
        return *this;
    }
    // Vertical and horizontal turn by one weight, torsion by its own.
    SequenceBuilder& deviation(const EyeSceneState& eye, double weight, double torsionWeight) {
        return add(RotationAxis::x, weight * eye.vertical)
            .add(RotationAxis::y, weight * eye.horizontal)
            .add(RotationAxis::z, -torsionWeight * eye.torsion);
    }
    SequenceBuilder& deviation(const EyeSceneState& eye, double weight) { return deviation(eye, weight, weight); }
    SequenceBuilder& muscles(const SceneState& scene, const EyeSceneState& eye) {
        if (!scene.weakMuscles)
            return *this;
        return add(RotationAxis::x, eye.muscleVertical)
            .add(RotationAxis::y, eye.muscleHorizontal)
            .add(RotationAxis::z, -eye.muscleTorsion);
    }
    // Left out entirely when no prism is held, so the picture without prisms
    // is drawn by exactly the same rotations as before prisms existed.
    SequenceBuilder& prism(bool anyPrism, const ViewTurn& turn) {
        if (!anyPrism)
            return *this;
        return add(RotationAxis::x, turn.vertical).add(RotationAxis::y, turn.horizontal);
    }
    RotationSequence done() const { return m_sequence; }

private:
    RotationSequence m_sequence;
};

bool AnyPrism(const SceneState& scene) {
    return scene.eyes[0].prism.dioptres != 0 || scene.eyes[1].prism.dioptres != 0;
}

ViewTurn Weighted(const ViewTurn& turn, double weight) {
    return {weight * turn.horizontal, weight * turn.vertical, weight * turn.torsion};
}

ViewTurn Sum(const ViewTurn& a, const ViewTurn& b) {
    return {a.horizontal + b.horizontal, a.vertical + b.vertical, a.torsion + b.torsion};
}

// Both eyes turn together by what the fixing eye needs for its prism: eye 2
// while eye 1 is covered, eye 1 while eye 2 is, the open-eyes fixing eye
// while neither is.
ViewTurn ManifestPrismShift(const SceneState& scene, const CoverBlends& blends) {
    const double open = std::max(0.0, 1.0 - blends.coverBlend1 - blends.coverBlend2);
    const ViewTurn fixing = PrismTurnOf(ManifestFixingEye(scene), scene);
    const ViewTurn covered = Sum(Weighted(PrismTurnOf(1, scene), blends.coverBlend1),
                                 Weighted(PrismTurnOf(0, scene), blends.coverBlend2));
    return Sum(covered, Weighted(fixing, open));
}

RotationSequence ManifestRotation(int eye, const SceneState& scene, const CoverBlends& blends) {
    const EyeSceneState& eye1 = scene.eyes[0];
    const EyeSceneState& eye2 = scene.eyes[1];
    // Covering eye 2 (coverBlend2) makes eye 1 fixate: eye 1 loses its own
    // deviation and eye 2 follows by the same amount, and vice versa.
    const double own1 = eye == 0 ? 1.0 - blends.coverBlend2 : -blends.coverBlend2;
    const double own2 = eye == 0 ? -blends.coverBlend1 : 1.0 - blends.coverBlend1;
    const double offsetWeight = eye == 0 ? blends.offsetBlend1 : blends.offsetBlend2;
    // Taking up fixation needs no torsion: with cyclodeviations kept, each
    // eye keeps its own torsion whichever eye fixes.
    const bool keep = scene.cycloStaysUnderCover;
    return SequenceBuilder()
        .deviation(eye1, own1, keep ? (eye == 0 ? 1.0 : 0.0) : own1)
        .deviation(eye2, own2, keep ? (eye == 1 ? 1.0 : 0.0) : own2)
        .prism(AnyPrism(scene), ManifestPrismShift(scene, blends))
        .add(RotationAxis::x, -offsetWeight * scene.eyes[eye].verticalOffset)
        .muscles(scene, scene.eyes[eye])
        .done();
}

// How far an aid in front of an eye has dissociated it, 0 to 1.
double Dissociation(int eye, const CoverBlends& blends) {
    const bool first = eye == 0;
    return std::min<double>(1.0, first ? blends.translucentBlend1 + blends.coverBlend1 + blends.filterBlend1
                               : blends.translucentBlend2 + blends.coverBlend2 + blends.filterBlend2);
}

// An open eye fuses through its own prism; a dissociated one turns along
// with its fixing fellow (Hering's law), so it keeps the fellow's prism turn.
ViewTurn LatentPrismTurn(int eye, const SceneState& scene, const CoverBlends& blends) {
    const int fellow = 1 - eye;
    const double dissociated = Dissociation(eye, blends);
    const double fellowFixes = 1.0 - Dissociation(fellow, blends);
    return Sum(Weighted(PrismTurnOf(eye, scene), 1.0 - dissociated),
               Weighted(PrismTurnOf(fellow, scene), dissociated * fellowFixes));
}

RotationSequence LatentRotation(int eye, const SceneState& scene, const CoverBlends& blends) {
    const EyeSceneState& own = scene.eyes[eye];
    const bool first = eye == 0;
    // A latent cyclodeviation kept out of the cover movements stays hidden.
    const double torsionShare = scene.cycloStaysUnderCover ? 0.0 : 1.0;
    const double translucent = first ? blends.translucentBlend1 : blends.translucentBlend2;
    const double cover = first ? blends.coverBlend1 : blends.coverBlend2;
    const double filter = first ? blends.filterBlend1 : blends.filterBlend2;
    return SequenceBuilder()
        .deviation(own, translucent, torsionShare * translucent)
        .deviation(own, cover, torsionShare * cover)
        .deviation(own, filter, torsionShare * filter)
        .prism(AnyPrism(scene), LatentPrismTurn(eye, scene, blends))
        .add(RotationAxis::x, (first ? blends.offsetBlend1 : blends.offsetBlend2) * (own.vertical - own.verticalOffset))
        .muscles(scene, own)
        .done();
}

}  // namespace

RotationSequence EyeRotation(int eye, const SceneState& scene, const CoverBlends& blends) {
    return scene.latentMode ? LatentRotation(eye, scene, blends) : ManifestRotation(eye, scene, blends);
}

int ManifestFixingEye(const SceneState& scene) {
    const auto deviates = [](const EyeSceneState& eye) { return eye.horizontal != 0 || eye.vertical != 0; };
    const bool oneDeviates = deviates(scene.eyes[0]);
    if (oneDeviates != deviates(scene.eyes[1]))
        return oneDeviates ? 1 : 0;
    // A palsy with straight angles: the eye with sound muscles fixes, and a
    // prism before the paretic eye must not shift the fixing one.
    return scene.weakMuscles ? scene.musclesFixingEye : 0;
}

ViewTurn PrismTurnOf(int eye, const SceneState& scene) {
    return ToViewTurn(eye == 0 ? Eye::one : Eye::two, PrismFixationTurn(scene.eyes[eye].prism));
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
