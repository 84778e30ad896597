#include "charts/NinePositions.h"

#include <gtest/gtest.h>

namespace {

constexpr std::array<unsigned char, 3> kGrey = {50, 50, 50};

// A grey picture with one pixel of shade `mark` at (x, y).
RgbPicture Marked(int x, int y, unsigned char mark)
{
    RgbPicture picture{8, 6, {}};
    for (int i = 0; i < picture.width * picture.height; ++i)
        picture.rgb.insert(picture.rgb.end(), kGrey.begin(), kGrey.end());
    const std::size_t at = (static_cast<std::size_t>(y) * picture.width + x) * 3;
    picture.rgb[at] = picture.rgb[at + 1] = picture.rgb[at + 2] = mark;
    return picture;
}

unsigned char Shade(const RgbPicture& picture, int x, int y)
{
    return picture.rgb[(static_cast<std::size_t>(y) * picture.width + x) * 3];
}

}  // namespace

TEST(NinePositions, PanelsStandAsTheExaminerSeesThePatient)
{
    EXPECT_EQ(KeypadKeyOfPanel(0, 0), 7) << "up and to the viewer's left: the patient's right";
    EXPECT_EQ(KeypadKeyOfPanel(0, 2), 9);
    EXPECT_EQ(KeypadKeyOfPanel(1, 1), 5);
    EXPECT_EQ(KeypadKeyOfPanel(2, 0), 1);
    EXPECT_EQ(KeypadKeyOfPanel(2, 2), 3);
}

TEST(NinePositions, PanelsAreCutToWhatAnyOfThemShowsAndSetInTheirPlaces)
{
    std::vector<RgbPicture> panels;
    for (int key = 1; key <= kNinePanelCount; ++key)
        panels.push_back(Marked(key == 1 ? 2 : 3, key == 9 ? 4 : 3, static_cast<unsigned char>(key)));

    const PixelBox box = CommonContent(panels, kGrey, 1);
    EXPECT_EQ(box.left, 1);
    EXPECT_EQ(box.top, 2);
    EXPECT_EQ(box.width, 4);   // x 2..3 and a margin of one each side
    EXPECT_EQ(box.height, 4);  // y 3..4 and the margin
    const PixelBox whole = CommonContent({Marked(0, 0, 50)}, kGrey, 1);
    EXPECT_EQ(whole.width, 8) << "a picture of background alone is kept whole";
    EXPECT_EQ(whole.height, 6);
    const PixelBox edge = CommonContent({Marked(0, 5, 9)}, kGrey, 2);
    EXPECT_TRUE(edge.left == 0 && edge.top == 3 && edge.width == 3 && edge.height == 3) << "margins end at the edges";
    const PixelBox corner = CommonContent({Marked(6, 1, 9)}, kGrey, 2);
    EXPECT_TRUE(corner.left == 4 && corner.top == 0 && corner.width == 4 && corner.height == 4) << "the other edges";
    EXPECT_EQ(CommonContent({}, kGrey, 1).width, 0) << "no pictures, no box";

    const RgbPicture sheet = ComposeNinePanels(panels, box, {220, 221, 222}, 2);
    EXPECT_EQ(sheet.width, 3 * 4 + 4 * 2);
    EXPECT_EQ(sheet.height, 3 * 4 + 4 * 2);
    ASSERT_EQ(sheet.rgb.size(), 20u * 20u * 3u);
    EXPECT_EQ(std::vector<unsigned char>(sheet.rgb.begin() + 3, sheet.rgb.begin() + 6),
              (std::vector<unsigned char>{220, 221, 222}))
        << "every frame pixel in all three colours";
    // Each mark lands at its panel's corner plus its offset within the box.
    const auto markAt = [&](int row, int column, int x, int y) {
        return Shade(sheet, 2 + column * 6 + x - box.left, 2 + row * 6 + y - box.top);
    };
    EXPECT_EQ(markAt(0, 0, 3, 3), 7);
    EXPECT_EQ(markAt(0, 2, 3, 4), 9);
    EXPECT_EQ(markAt(2, 0, 2, 3), 1);
    EXPECT_EQ(markAt(1, 1, 3, 3), 5);
    const PixelBox upperLeft = PanelOnSheet(7, box, 2);
    const PixelBox lowerRight = PanelOnSheet(3, box, 2);
    EXPECT_TRUE(upperLeft.left == 2 && upperLeft.top == 2 && upperLeft.width == 4 && upperLeft.height == 4);
    EXPECT_TRUE(lowerRight.left == 14 && lowerRight.top == 14) << "where ComposeNinePanels set key 3";
    EXPECT_EQ(PanelOnSheet(4, box, 2).top, 8);
    EXPECT_EQ(Shade(sheet, 0, 0), 220) << "the frame between the panels";
    EXPECT_EQ(Shade(sheet, 6, 3), 220) << "a panel's rows end at its width";
    EXPECT_EQ(Shade(sheet, 2, 2), 50) << "the panel's own background";
}
