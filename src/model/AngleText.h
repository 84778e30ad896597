#pragma once

#include "model/EyeQuantity.h"

#include <string>

// Text of a quantity's field for spin value n: the shown angle x = n / D
// (negated for quantities shown negated) as "+x", " -x" or "  0" with two
// decimals in hundredths mode and none in whole-degree mode, followed by the
// degree sign as the Latin-1 byte 0xB0. Zero never carries a minus sign, and
// the decimal point does not depend on the C locale.
std::string FormatAngle(int spinValue, bool shownNegated, bool wholeDegrees);

// Value in units typed into a quantity's text field. ',' counts as '.'; the
// leading decimal number counts and the rest is ignored, no number gives 0
// (atof, independent of the C locale; "inf", "nan" and hex are not numbers
// here). Magnitudes beyond float are held at the largest float.
float ParseAngleText(const std::string& text, bool wholeDegrees, bool shownNegated);

// Language string of a torsion row's label for its spin value: 82 straight,
// 83 when the shown torsion is positive, 84 when negative.
int TorsionLabelString(Eye eye, int spinValue);
