#pragma once

#include <string>

// Values of the display options dialog between its controls and the settings.

// The playback quality threshold is a fraction 0..1 of a row's best quality.
// Typed text takes ',' or '.' as the decimal point; its leading number counts
// and no number gives 0. Values outside 0..1 (including not-a-number) are
// held at the nearer end, since the player turns the threshold into an
// integer limit.
double ClampThreshold(double threshold);
double ParseThreshold(const std::string& text);
// The clamped threshold as "%.2f" with a decimal point, whatever the locale.
std::string FormatThreshold(double threshold);

// Transparency sliders run from 0 to 100 for alphas 0 to 1. An alpha a slider
// set shows the same position again; others are truncated toward zero, and
// values outside 0..1 end up at 0 or 100.
int AlphaToSliderValue(float alpha);
float SliderValueToAlpha(int value);
