#include "model/EyeQuantity.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

TEST(EyeQuantityTest, EveryIdOfARowFindsThatRow)
{
    for (const QuantityControl& row : kQuantityControls) {
        EXPECT_EQ(FindQuantityControl(row.textId), &row);
        EXPECT_EQ(FindQuantityControl(row.spinId), &row);
        if (row.sliderId != kNoControl) {
            EXPECT_EQ(FindQuantityControl(row.sliderId), &row);
        }
        EXPECT_EQ(&FindQuantityControl(row.eye, row.quantity), &row);
    }
}

TEST(EyeQuantityTest, KnownRowsAndIdsAreUnique)
{
    const QuantityControl* eye2Horizontal = FindQuantityControl(303);
    ASSERT_NE(eye2Horizontal, nullptr);
    EXPECT_EQ(eye2Horizontal->eye, Eye::two);
    EXPECT_EQ(eye2Horizontal->quantity, EyeQuantity::horizontal);
    EXPECT_EQ(eye2Horizontal->textId, 403);
    EXPECT_EQ(eye2Horizontal->spinId, 409);

    const QuantityControl* eye1Vertical = FindQuantityControl(406);
    ASSERT_NE(eye1Vertical, nullptr);
    EXPECT_EQ(eye1Vertical->eye, Eye::one);
    EXPECT_EQ(eye1Vertical->quantity, EyeQuantity::vertical);
    EXPECT_EQ(eye1Vertical->sliderId, 300);

    const QuantityControl* eye2Offset = FindQuantityControl(423);
    ASSERT_NE(eye2Offset, nullptr);
    EXPECT_EQ(eye2Offset->spinId, 417);
    EXPECT_EQ(eye2Offset->sliderId, kNoControl);

    std::set<int> ids;
    std::size_t sliders = 0;
    for (const QuantityControl& row : kQuantityControls) {
        ids.insert(row.textId);
        ids.insert(row.spinId);
        if (row.sliderId != kNoControl) {
            ids.insert(row.sliderId);
            ++sliders;
        }
    }
    EXPECT_EQ(sliders, 4u);
    EXPECT_EQ(ids.size(), 28u);
}

TEST(EyeQuantityTest, OtherIdsFindNothing)
{
    for (int id : {kNoControl, 0, 113, 299, 304, 399, 424, 603, 5000})
        EXPECT_EQ(FindQuantityControl(id), nullptr) << id;
}

TEST(EyeQuantityTest, NegatedQuantitiesAndReversedSpins)
{
    std::set<int> negatedTexts;
    for (const QuantityControl& row : kQuantityControls) {
        if (row.shownNegated)
            negatedTexts.insert(row.textId);
    }
    EXPECT_EQ(negatedTexts, (std::set<int>{401, 403, 405, 418, 421, 422}));

    std::set<int> reversed;
    for (int id = 0; id < 1000; ++id) {
        if (IsSpinRangeReversed(id))
            reversed.insert(id);
    }
    EXPECT_EQ(reversed, (std::set<int>{406, 409, 411, 412, 414, 415}));
}

TEST(EyeQuantityTest, EnterCyclesThroughEye1ThenEye2)
{
    const std::vector<int> cycle{400, 401, 402, 418, 419, 420, 403, 404, 405, 421, 422, 423};
    for (std::size_t i = 0; i < cycle.size(); ++i)
        EXPECT_EQ(NextTextField(cycle[i]), cycle[(i + 1) % cycle.size()]) << cycle[i];
    EXPECT_EQ(NextTextField(423), 400);
    EXPECT_EQ(NextTextField(408), kNoControl);
    EXPECT_EQ(NextTextField(302), kNoControl);
}

}  // namespace
