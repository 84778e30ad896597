#pragma once

#include <array>

// Eye 1 is drawn on the viewer's left (the patient's right eye), eye 2 on the right.
enum class Eye { one, two };

enum class EyeQuantity { horizontal, vertical, torsion, verticalAxisTilt, horizontalAxisTilt, verticalOffset };

inline constexpr int kEyeCount = 2;
inline constexpr int kEyeQuantityCount = 6;

inline constexpr int kNoControl = -1;

// The controls that show and edit one (eye, quantity) pair. A quantity shown
// negated has its text field show and accept the negative of the stored value,
// and its spin button runs over a reversed range so that "up" raises the
// shown value. Gaze sliders always carry the stored value.
struct QuantityControl {
    Eye eye;
    EyeQuantity quantity;
    int sliderId;  // kNoControl where the quantity has no gaze slider
    int textId;
    int spinId;
    bool shownNegated;
    int labelString;  // language string of the row label; torsion is relabelled by sign
};

// Eye 1 top to bottom, then eye 2 top to bottom: also the order in which
// Enter moves the keyboard focus through the text fields.
inline constexpr std::array<QuantityControl, kEyeCount* kEyeQuantityCount> kQuantityControls = {{
    {Eye::one, EyeQuantity::horizontal, 302, 400, 408, false, 80},
    {Eye::one, EyeQuantity::vertical, 300, 401, 406, true, 81},
    {Eye::one, EyeQuantity::torsion, kNoControl, 402, 410, false, 82},
    {Eye::one, EyeQuantity::verticalAxisTilt, kNoControl, 418, 412, true, 85},
    {Eye::one, EyeQuantity::horizontalAxisTilt, kNoControl, 419, 413, false, 86},
    {Eye::one, EyeQuantity::verticalOffset, kNoControl, 420, 416, false, 87},
    {Eye::two, EyeQuantity::horizontal, 303, 403, 409, true, 80},
    {Eye::two, EyeQuantity::vertical, 301, 404, 407, false, 81},
    {Eye::two, EyeQuantity::torsion, kNoControl, 405, 411, true, 82},
    {Eye::two, EyeQuantity::verticalAxisTilt, kNoControl, 421, 414, true, 85},
    {Eye::two, EyeQuantity::horizontalAxisTilt, kNoControl, 422, 415, true, 86},
    {Eye::two, EyeQuantity::verticalOffset, kNoControl, 423, 417, false, 87},
}};

// Label of the vertical-axis-tilt row while a recording is played back.
inline constexpr int kPlaybackVerticalAxisTiltLabelString = 28;

// The row addressed by a gaze slider, text or spin id; nullptr for any other id.
const QuantityControl* FindQuantityControl(int controlId);

const QuantityControl& FindQuantityControl(Eye eye, EyeQuantity quantity);

// The text field that takes the focus after Enter in textId; kNoControl when
// textId is not a quantity text field.
int NextTextField(int textId);

bool IsTilt(EyeQuantity quantity);

// Whether the spin button spinId runs from +limit down to -limit.
bool IsSpinRangeReversed(int spinId);
