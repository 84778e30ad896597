#pragma once

#include "model/EyeQuantity.h"

#include <array>

// The six extraocular muscles of one eye: lateral and medial rectus,
// superior and inferior rectus, superior and inferior oblique.
enum class Muscle { LR, MR, SR, IR, SO, IO };

inline constexpr int kMuscleCount = 6;
inline constexpr int kNormalStrength = 100;  // percent

// Short name of a muscle as the companion file and the dialogs write it: "LR".
const char* MuscleName(Muscle muscle);

// Strength of every muscle of both eyes in whole percent, 0 (paralysed) to
// 100 (normal). Eye 1 is the patient's right eye.
class MuscleStrengths {
public:
    int Get(Eye eye, Muscle muscle) const;
    // Values outside 0..100 are held at the nearer limit.
    void Set(Eye eye, Muscle muscle, int percent);
    void Reset();

    bool EyeNormal(Eye eye) const;
    bool AllNormal() const;

    friend bool operator==(const MuscleStrengths& a, const MuscleStrengths& b) { return a.m_percent == b.m_percent; }
    friend bool operator!=(const MuscleStrengths& a, const MuscleStrengths& b) { return !(a == b); }

private:
    using EyeStrengths = std::array<int, kMuscleCount>;
    static constexpr EyeStrengths kNormalEye = {kNormalStrength, kNormalStrength, kNormalStrength,
                                                kNormalStrength, kNormalStrength, kNormalStrength};
    std::array<EyeStrengths, kEyeCount> m_percent = {kNormalEye, kNormalEye};
};
