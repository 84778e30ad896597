#pragma once

#include <optional>

// How the patient holds his head, degrees: the face turned towards his right
// (turn), the right ear lowered towards the right shoulder (tilt), the chin
// lifted (chinUp). Targets stay where they are in the room.
struct HeadPosture {
    double turn = 0;
    double tilt = 0;
    double chinUp = 0;

    bool Straight() const { return turn == 0 && tilt == 0 && chinUp == 0; }
    friend bool operator==(const HeadPosture& a, const HeadPosture& b)
    {
        return a.turn == b.turn && a.tilt == b.tilt && a.chinUp == b.chinUp;
    }
    friend bool operator!=(const HeadPosture& a, const HeadPosture& b) { return !(a == b); }
};

inline constexpr double kLargestHeadPosture = 45;

// The posture a patient takes up of himself to ease his deviation, if his
// case names one.
using CompensatoryHead = std::optional<HeadPosture>;
