#pragma once

#include "view/CoverBlends.h"

class Examination;

#include <array>

// The main window's state that starts and stops the refixation movements.
// Index 0 is eye 1.
struct CoverInputs {
    bool manifestMode = true;  // item 603 checked
    std::array<bool, 2> occluder{};
    std::array<bool, 2> redFilter{};
    std::array<bool, 2> translucentOccluder{};
    // Whether each eye's vertical-offset text (420, 423) reads 0.
    std::array<bool, 2> offsetTextZero{true, true};
    bool coverCheckBox1 = false;  // 113, in eye 1's group
    bool coverCheckBox2 = false;  // 114, in eye 2's group
};

// What the examination holds that starts and stops the movements.
CoverInputs CoverInputsOf(const Examination& examination);

enum class CoverFactor {
    translucentBlend2,
    translucentBlend1,
    coverBlend2,
    coverBlend1,
    offsetBlend2,
    offsetBlend1,
    filterBlend1,
    filterBlend2,
};

// Moves the eight factors one tick of the 10 ms animation towards their
// targets: each follows a phase angle, rising as sin(phase) and falling as
// 1 - cos(phase), so a movement starts briskly and eases out.
class CoverAnimation {
public:
    static constexpr double kStep = 0.157;
    // The cover and translucent factors move in four ticks in manifest mode.
    static constexpr double kManifestCoverStep = 0.3925;
    static constexpr double kFullPhase = 1.57;

    // Returns whether any factor moved, i.e. the view needs a repaint.
    bool Tick(const CoverInputs& inputs);

    const CoverBlends& Blends() const { return m_blends; }
    float Value(CoverFactor factor) const;
    double Phase(CoverFactor factor) const;

private:
    struct Motion {
        CoverFactor factor;
        bool rising;
        double step;
        // The factor that takes over instead of falling; itself when none does.
        CoverFactor heir;
    };
    bool Move(const Motion& motion);
    float& ValueRef(CoverFactor factor);

    CoverBlends m_blends;
    std::array<double, 8> m_phases{};
};
