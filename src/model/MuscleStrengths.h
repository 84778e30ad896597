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
//
// Two anomalies of one eye go beyond strength, each in whole percent, 0 where
// absent. A superior oblique tether (Brown syndrome) holds elevation back,
// tighter in adduction, however strong the elevators: at 100 the tendon has
// no slack at all. A lateral rectus co-contraction (Duane syndrome) feeds
// that share of the medial rectus's innervation to the lateral rectus too.
//
// The levator of the upper lid (levator palpebrae superioris) moves no eye:
// its strength, 0 to 100 percent, only sets how far the lid droops (ptosis).
class MuscleStrengths {
public:
    int Get(Eye eye, Muscle muscle) const;
    // Values outside 0..100 are held at the nearer limit.
    void Set(Eye eye, Muscle muscle, int percent);
    int Tether(Eye eye) const;
    void SetTether(Eye eye, int percent);
    int CoContraction(Eye eye) const;
    void SetCoContraction(Eye eye, int percent);
    int Levator(Eye eye) const;
    // Values outside 0..100 are held at the nearer limit.
    void SetLevator(Eye eye, int percent);
    void Reset();

    // Whether the muscles that turn the eyes are normal; the levators do not count.
    bool EyeNormal(Eye eye) const;
    bool AllNormal() const;
    // Whether nothing at all differs from a normal patient, levators included.
    bool NothingWeak() const { return AllNormal() && m_levator == kNormalLevators; }

    friend bool operator==(const MuscleStrengths& a, const MuscleStrengths& b)
    {
        return a.m_percent == b.m_percent && a.m_tether == b.m_tether && a.m_coContraction == b.m_coContraction &&
               a.m_levator == b.m_levator;
    }
    friend bool operator!=(const MuscleStrengths& a, const MuscleStrengths& b) { return !(a == b); }

private:
    using EyeStrengths = std::array<int, kMuscleCount>;
    static constexpr EyeStrengths kNormalEye = {kNormalStrength, kNormalStrength, kNormalStrength,
                                                kNormalStrength, kNormalStrength, kNormalStrength};
    std::array<EyeStrengths, kEyeCount> m_percent = {kNormalEye, kNormalEye};
    std::array<int, kEyeCount> m_tether{};
    std::array<int, kEyeCount> m_coContraction{};
    static constexpr std::array<int, kEyeCount> kNormalLevators = {kNormalStrength, kNormalStrength};
    std::array<int, kEyeCount> m_levator = kNormalLevators;
};
