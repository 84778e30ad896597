#include "playback/DisplayOptionValues.h"

#include "playback/DecimalField.h"

#include <charconv>

namespace {
constexpr int kSliderMax = 100;
constexpr float kSliderStep = 0.01f;
// An alpha a slider produced lies a hair below its step (20 x 0.01f is
// 0.19999999f); truncating that would move the slider one step down each
// time the dialog opens.
constexpr double kStepTolerance = 1e-4;
}  // namespace

double ClampThreshold(double threshold)
{
    if (!(threshold > 0))
        return 0;
    return threshold < 1 ? threshold : 1;
}

double ParseThreshold(const std::string& text)
{
    return ClampThreshold(ParseDecimalPrefix(text.data(), text.data() + text.size()));
}

std::string FormatThreshold(double threshold)
{
    char text[8];
    const auto result = std::to_chars(text, text + sizeof text, ClampThreshold(threshold), std::chars_format::fixed, 2);
    return std::string(text, result.ptr);
}

int AlphaToSliderValue(float alpha)
{
    if (!(alpha > 0))
        return 0;
    if (alpha >= 1)
        return kSliderMax;
    return static_cast<int>(static_cast<double>(alpha) * kSliderMax + kStepTolerance);
}

float SliderValueToAlpha(int value)
{
    return static_cast<float>(value) * kSliderStep;
}
