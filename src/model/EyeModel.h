#pragma once

#include "model/EyeQuantity.h"

#include <array>

// Positions of the distance slider: far end (head farthest away) and near end.
inline constexpr int kBlendSliderFar = 1;
inline constexpr int kBlendSliderNear = 11;

struct StoreResult {
    bool addressed = false;  // the id named a quantity and its values were written
    bool tilt = false;       // that quantity was an axis tilt, whose overlay should be shown
};

// The twelve eye-position angles, each stored for the far and the near end of
// the distance slider; the current angle is their blend at slider position s.
// Values are in the current angle unit (see AngleUnit.h). Conversions from
// floating point truncate toward zero and saturate at the int range;
// NaN counts as 0.
class EyeModel {
public:
    void Clear();

    int Near(Eye eye, EyeQuantity quantity) const;
    int Far(Eye eye, EyeQuantity quantity) const;
    void SetNear(Eye eye, EyeQuantity quantity, int value);
    void SetFar(Eye eye, EyeQuantity quantity, int value);

    // Share of each end at slider position s (clamped to 1..11), as single-precision floats.
    static float FarWeight(int s);
    static float NearWeight(int s);

    int Blended(Eye eye, EyeQuantity quantity, int s) const;

    // The blend for the quantity of a spin id; 0 for any id that is not a quantity spin button.
    int BlendedValue(int spinId, int s) const;

    // Writes value (in units) to the quantity addressed by any of its control
    // ids: each end whose weight at s is not zero gets its weighted share. Any
    // other id, kNoControl included, stores nothing.
    StoreResult Store(int controlId, float value, int s);

    // Unit switch of all 24 values; hundredths are lost going to whole degrees.
    void ToWholeDegrees();
    void ToHundredths();

    // Whether, at the far end or at the near end, both eyes have a non-zero
    // horizontal or vertical angle.
    bool BothEyesDeviated() const;

    friend bool operator==(const EyeModel& a, const EyeModel& b);
    friend bool operator!=(const EyeModel& a, const EyeModel& b) { return !(a == b); }

private:
    struct Ends {
        int nearValue = 0;
        int farValue = 0;
    };

    Ends& At(Eye eye, EyeQuantity quantity);
    const Ends& At(Eye eye, EyeQuantity quantity) const;
    bool Deviated(Eye eye, int Ends::*end) const;

    std::array<std::array<Ends, kEyeQuantityCount>, kEyeCount> m_values{};
};
