#include "model/LightReflex.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kRad = 0.017453292519943295;

// The light straight ahead of the face, seen by an eye turned `nasalDeg`
// towards its nose and `upDeg` upwards.
EyeDirection LightForTurnedEye(double nasalDeg, double upDeg)
{
    return {-std::sin(nasalDeg * kRad) * std::cos(upDeg * kRad), -std::sin(upDeg * kRad),
            std::cos(nasalDeg * kRad) * std::cos(upDeg * kRad)};
}

}  // namespace

TEST(LightReflex, ReflexMovesAgainstTheTurnFromTheEntrancePupil)
{
    struct Case {
        double nasalDeg, upDeg;
        double nasalMm, upMm;
    };
    // Eso: reflex temporal; exo: nasal; an eye turned up: reflex below.
    const Case cases[] = {
        {0, 0, 0, 0}, {15, 0, -1.2035, 0}, {-15, 0, 1.2035, 0}, {0, 10, 0, -0.8075}, {0, -10, 0, 0.8075},
    };
    for (const Case& c : cases) {
        const CornealReflex reflex = ReflexFor(LightForTurnedEye(c.nasalDeg, c.upDeg), false);
        EXPECT_NEAR(reflex.nasalMm, c.nasalMm, 1e-4) << c.nasalDeg << "/" << c.upDeg;
        EXPECT_NEAR(reflex.upMm, c.upMm, 1e-4) << c.nasalDeg << "/" << c.upDeg;
    }
    // On the pupil plane the ray runs 4.65 mm x tan(angle) off the centre.
    EXPECT_NEAR(ReflexFor(LightForTurnedEye(15, 0), false).planeNasalMm, -4.65 * std::tan(15 * kRad), 1e-9);
    // About 1 mm per 12 degrees, 22 PD (100 tan 12.3 degrees = 21.8 PD).
    EXPECT_NEAR(ReflexFor(LightForTurnedEye(-12.3, 0), false).nasalMm, 1.0, 0.02);
}

TEST(LightReflex, AngleKappaPutsTheFixingEyesReflexSlightlyNasal)
{
    const CornealReflex straight = ReflexFor({0, 0, 1}, true);
    EXPECT_NEAR(straight.nasalMm, 4.65 * std::sin(5 * kRad), 1e-9);
    EXPECT_DOUBLE_EQ(straight.upMm, 0);
    // An esotropia of 5 degrees hides behind a kappa of 5 degrees.
    EXPECT_NEAR(ReflexFor(LightForTurnedEye(5, 0), true).nasalMm, 0, 1e-9);
    EXPECT_NEAR(ReflexFor(LightForTurnedEye(10, 0), true).planeNasalMm,
                -(kEntrancePupilMm - kCornealCentreMm) * std::tan(5 * kRad), 1e-9);
}

TEST(LightReflex, GrazingLightStaysFinite)
{
    const CornealReflex reflex = ReflexFor({1, 0, 0}, false);
    EXPECT_TRUE(std::isfinite(reflex.planeNasalMm));
    EXPECT_GT(reflex.planeNasalMm, 0);
}
