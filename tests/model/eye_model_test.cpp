#include "model/BothEyesHint.h"
#include "model/EyeModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr Eye kOne = Eye::one;
constexpr Eye kTwo = Eye::two;
constexpr EyeQuantity kHorizontal = EyeQuantity::horizontal;
constexpr EyeQuantity kVertical = EyeQuantity::vertical;

TEST(EyeModelStoreTest, AtTheEndsOnlyThatEndIsWritten)
{
    EyeModel model;
    model.SetNear(kOne, kHorizontal, 77);
    const StoreResult result = model.Store(400, 1234.0f, kBlendSliderFar);
    EXPECT_TRUE(result.addressed);
    EXPECT_FALSE(result.tilt);
    EXPECT_EQ(model.Far(kOne, kHorizontal), 1234);
    EXPECT_EQ(model.Near(kOne, kHorizontal), 77);
    EXPECT_EQ(model.Blended(kOne, kHorizontal, kBlendSliderNear), 77);

    model.Store(409, -250.0f, kBlendSliderNear);
    EXPECT_EQ(model.Near(kTwo, kHorizontal), -250);
    EXPECT_EQ(model.Far(kTwo, kHorizontal), 0);
}

TEST(EyeModelStoreTest, SliderTextAndSpinIdsReachTheSameValue)
{
    for (int id : {300, 401, 406}) {
        EyeModel model;
        model.Store(id, 321.0f, kBlendSliderFar);
        EXPECT_EQ(model.Far(kOne, kVertical), 321) << id;
    }
}

TEST(EyeModelStoreTest, TruncatesTowardZero)
{
    EyeModel model;
    model.Store(400, 12.99f, kBlendSliderFar);
    EXPECT_EQ(model.Far(kOne, kHorizontal), 12);
    model.Store(400, -12.99f, kBlendSliderFar);
    EXPECT_EQ(model.Far(kOne, kHorizontal), -12);
    model.Store(400, -0.5f, kBlendSliderFar);
    EXPECT_EQ(model.Far(kOne, kHorizontal), 0);
}

TEST(EyeModelStoreTest, BetweenTheEndsBothEndsGetTheirTruncatedShare)
{
    EyeModel model;
    model.Store(408, 1001.0f, 6);
    EXPECT_EQ(model.Near(kOne, kHorizontal), 500);
    EXPECT_EQ(model.Far(kOne, kHorizontal), 500);

    // 0.3f is a little above 0.3 and 0.7f a little below 0.7.
    model.Store(408, 1000.0f, 4);
    EXPECT_EQ(model.Near(kOne, kHorizontal), 300);
    EXPECT_EQ(model.Far(kOne, kHorizontal), 699);
}

TEST(EyeModelStoreTest, OtherIdsStoreNothing)
{
    EyeModel model;
    model.SetFar(kOne, kHorizontal, 5);
    const EyeModel before = model;
    for (int id : {kNoControl, 0, 304, 424, 603}) {
        const StoreResult result = model.Store(id, 999.0f, kBlendSliderFar);
        EXPECT_FALSE(result.addressed) << id;
        EXPECT_FALSE(result.tilt) << id;
    }
    EXPECT_EQ(model, before);
}

TEST(EyeModelStoreTest, TiltIdsAreFlagged)
{
    const std::set<int> tiltIds{412, 413, 414, 415, 418, 419, 421, 422};
    for (const QuantityControl& row : kQuantityControls) {
        for (int id : {row.sliderId, row.textId, row.spinId}) {
            if (id == kNoControl)
                continue;
            EyeModel model;
            EXPECT_EQ(model.Store(id, 1.0f, kBlendSliderFar).tilt, tiltIds.count(id) == 1) << id;
        }
    }
}

TEST(EyeModelStoreTest, ValuesBeyondTheIntRangeSaturate)
{
    EyeModel model;
    model.Store(400, 1e30f, kBlendSliderFar);
    EXPECT_EQ(model.Far(kOne, kHorizontal), kIntMax);
    model.Store(400, -std::numeric_limits<float>::infinity(), kBlendSliderFar);
    EXPECT_EQ(model.Far(kOne, kHorizontal), kIntMin);
    model.Store(400, std::nanf(""), kBlendSliderFar);
    EXPECT_EQ(model.Far(kOne, kHorizontal), 0);
}

TEST(EyeModelBlendTest, WeightsAreTheFloatsNearestToTenths)
{
    const float tenths[] = {0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f};
    for (int s = kBlendSliderFar; s <= kBlendSliderNear; ++s) {
        EXPECT_EQ(EyeModel::FarWeight(s), tenths[kBlendSliderNear - s]) << s;
        EXPECT_EQ(EyeModel::NearWeight(s), tenths[s - kBlendSliderFar]) << s;
    }
}

TEST(EyeModelBlendTest, BlendTruncatesTowardZero)
{
    EyeModel model;
    model.SetNear(kOne, kHorizontal, 1000);
    EXPECT_EQ(model.Blended(kOne, kHorizontal, 6), 500);

    model.SetNear(kOne, kHorizontal, 1);
    EXPECT_EQ(model.Blended(kOne, kHorizontal, 2), 0);
    model.SetNear(kOne, kHorizontal, -1);
    EXPECT_EQ(model.Blended(kOne, kHorizontal, 2), 0);
    model.SetNear(kOne, kHorizontal, -1000);
    EXPECT_EQ(model.Blended(kOne, kHorizontal, 2), -100);

    model.SetNear(kTwo, kVertical, 200);
    model.SetFar(kTwo, kVertical, -100);
    EXPECT_EQ(model.Blended(kTwo, kVertical, kBlendSliderFar), -100);
    EXPECT_EQ(model.Blended(kTwo, kVertical, kBlendSliderNear), 200);
    EXPECT_EQ(model.Blended(kTwo, kVertical, 6), 50);
}

TEST(EyeModelBlendTest, ExtremeValuesStayInRange)
{
    EyeModel model;
    model.SetNear(kOne, kHorizontal, kIntMax);
    model.SetFar(kOne, kHorizontal, kIntMax);
    model.SetNear(kTwo, kHorizontal, kIntMin);
    model.SetFar(kTwo, kHorizontal, kIntMin);
    for (int s = kBlendSliderFar; s <= kBlendSliderNear; ++s) {
        // 0.2f + 0.8f exceeds 1, so at s = 3 the exact blend lies beyond the int range.
        EXPECT_GE(model.Blended(kOne, kHorizontal, s), kIntMax - 1000) << s;
        EXPECT_LE(model.Blended(kTwo, kHorizontal, s), kIntMin + 1000) << s;
    }
    EXPECT_EQ(model.Blended(kOne, kHorizontal, 3), kIntMax);
    EXPECT_EQ(model.Blended(kTwo, kHorizontal, 3), kIntMin);
}

TEST(EyeModelBlendTest, BlendedValueAnswersSpinIdsOnly)
{
    EyeModel model;
    model.SetNear(kTwo, EyeQuantity::torsion, 400);
    EXPECT_EQ(model.BlendedValue(411, 6), 200);
    EXPECT_EQ(model.BlendedValue(405, 6), 0);
    EXPECT_EQ(model.BlendedValue(999, 6), 0);
    EXPECT_EQ(model.BlendedValue(kNoControl, 6), 0);
}

TEST(EyeModelUnitTest, SwitchingUnitsTruncatesAndScales)
{
    EyeModel model;
    // 60.5 degrees: whole degrees other than 60 show a divisor or a rounding astray.
    model.SetFar(kOne, kHorizontal, 6050);
    model.SetNear(kOne, kHorizontal, -6050);
    model.SetFar(kTwo, EyeQuantity::verticalOffset, -99);
    model.ToWholeDegrees();
    EXPECT_EQ(model.Far(kOne, kHorizontal), 60);
    EXPECT_EQ(model.Near(kOne, kHorizontal), -60);
    EXPECT_EQ(model.Far(kTwo, EyeQuantity::verticalOffset), 0);
    model.ToHundredths();
    EXPECT_EQ(model.Far(kOne, kHorizontal), 6000);
    EXPECT_EQ(model.Near(kOne, kHorizontal), -6000);
}

TEST(EyeModelUnitTest, ToHundredthsSaturates)
{
    EyeModel model;
    model.SetFar(kOne, kHorizontal, 30'000'000);
    model.SetNear(kOne, kHorizontal, -30'000'000);
    model.SetFar(kTwo, kVertical, 21'474'836);
    model.ToHundredths();
    EXPECT_EQ(model.Far(kOne, kHorizontal), kIntMax);
    EXPECT_EQ(model.Near(kOne, kHorizontal), kIntMin);
    EXPECT_EQ(model.Far(kTwo, kVertical), 2'147'483'600);
}

TEST(EyeModelTest, ClearZeroesAllValues)
{
    EyeModel model;
    model.SetFar(kTwo, EyeQuantity::horizontalAxisTilt, 3);
    model.SetNear(kOne, EyeQuantity::torsion, -3);
    model.Clear();
    EXPECT_EQ(model, EyeModel());
}

TEST(BothEyesConditionTest, NeedsBothEyesAtTheSameEnd)
{
    EyeModel model;
    model.SetFar(kOne, kHorizontal, 100);
    EXPECT_FALSE(model.BothEyesDeviated());
    model.SetFar(kTwo, kVertical, -5);
    EXPECT_TRUE(model.BothEyesDeviated());

    model.SetFar(kTwo, kVertical, 0);
    model.SetNear(kTwo, kVertical, -5);
    EXPECT_FALSE(model.BothEyesDeviated());
    model.SetNear(kOne, kVertical, 1);
    EXPECT_TRUE(model.BothEyesDeviated());
}

TEST(BothEyesConditionTest, OnlyHorizontalAndVerticalCount)
{
    EyeModel model;
    model.SetFar(kOne, kHorizontal, 100);
    for (EyeQuantity q : {EyeQuantity::torsion, EyeQuantity::verticalAxisTilt, EyeQuantity::horizontalAxisTilt,
                          EyeQuantity::verticalOffset}) {
        model.SetFar(kTwo, q, 100);
        model.SetNear(kTwo, q, 100);
    }
    EXPECT_FALSE(model.BothEyesDeviated());
}

TEST(BothEyesHintTest, ShownOnceOnEnteringTheCondition)
{
    BothEyesHint hint;
    EXPECT_FALSE(hint.Check(false, true));
    EXPECT_TRUE(hint.Check(true, true));
    EXPECT_FALSE(hint.Check(true, true));
    EXPECT_FALSE(hint.Check(true, true));
    EXPECT_FALSE(hint.Check(false, true));
    EXPECT_TRUE(hint.Check(true, true));
}

TEST(BothEyesHintTest, InactiveNeitherShowsNorChangesArming)
{
    BothEyesHint hint;
    EXPECT_FALSE(hint.Check(true, false));
    EXPECT_TRUE(hint.Armed());
    EXPECT_TRUE(hint.Check(true, true));

    // Clearing the condition while inactive does not re-arm.
    EXPECT_FALSE(hint.Check(false, false));
    EXPECT_FALSE(hint.Armed());
    EXPECT_FALSE(hint.Check(true, true));
}

}  // namespace
