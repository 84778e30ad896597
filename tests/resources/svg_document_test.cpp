#include "resources/SvgDocument.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

void ExpectSize(std::string_view document, double width, double height)
{
    const std::optional<SvgSize> size = SvgNominalSize(document);
    ASSERT_TRUE(size.has_value()) << document;
    EXPECT_DOUBLE_EQ(size->width, width) << document;
    EXPECT_DOUBLE_EQ(size->height, height) << document;
}

TEST(SvgNominalSizeTest, WidthAndHeightAttributes)
{
    ExpectSize(R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="12"></svg>)", 16, 12);
    ExpectSize(R"(<svg width="52px" height="40px" viewBox="0 0 26 20"/>)", 52, 40);
    ExpectSize("<svg\n  width='22.5'\theight = \"13\">", 22.5, 13);
    ExpectSize("<?xml version=\"1.0\"?>\n<!-- a picture -->\n<svg height=\"30\" width=\"100\">", 100, 30);
}

TEST(SvgNominalSizeTest, ViewBoxWhenTheSizeIsMissingOrIncomplete)
{
    ExpectSize(R"(<svg viewBox="0 0 32 24"></svg>)", 32, 24);
    ExpectSize(R"(<svg viewBox=" -4,-4, 8.5 , 9 "></svg>)", 8.5, 9);
    ExpectSize(R"(<svg width="16" viewBox="0 0 32 24"></svg>)", 32, 24);
    ExpectSize(R"(<svg width="100%" height="100%" viewBox="0 0 10 20"></svg>)", 10, 20);
}

TEST(SvgNominalSizeTest, NamesMatchOnlyWholeAttributes)
{
    // stroke-width and data-height are not the element's size.
    ExpectSize(R"(<svg stroke-width="3" data-height="7" viewBox="0 0 16 16">)", 16, 16);
    EXPECT_FALSE(SvgNominalSize(R"(<svg stroke-width="3" stroke-height="4">)").has_value());
    // A child element's size is not the picture's.
    EXPECT_FALSE(SvgNominalSize(R"(<svg><rect width="5" height="5"/></svg>)").has_value());
}

TEST(SvgNominalSizeTest, RejectsDocumentsWithoutAUsableSize)
{
    EXPECT_FALSE(SvgNominalSize("").has_value());
    EXPECT_FALSE(SvgNominalSize("not a picture").has_value());
    EXPECT_FALSE(SvgNominalSize(R"(<svgfoo width="16" height="16">)").has_value());
    EXPECT_FALSE(SvgNominalSize(R"(<svg width="16" height="16")").has_value());  // tag never closes
    EXPECT_FALSE(SvgNominalSize(R"(<svg width="16mm" height="16mm">)").has_value());
    EXPECT_FALSE(SvgNominalSize(R"(<svg width="0" height="16">)").has_value());
    EXPECT_FALSE(SvgNominalSize(R"(<svg width="-16" height="16">)").has_value());
    EXPECT_FALSE(SvgNominalSize(R"(<svg width=16 height=16>)").has_value());
    EXPECT_FALSE(SvgNominalSize(R"(<svg width="16" height="16>)").has_value());
    EXPECT_FALSE(SvgNominalSize(R"(<svg viewBox="0 0 16">)").has_value());
    EXPECT_FALSE(SvgNominalSize(R"(<svg viewBox="0 0 16 16 4">)").has_value());
    EXPECT_FALSE(SvgNominalSize(R"(<svg viewBox="0 0 16 0">)").has_value());
    EXPECT_FALSE(SvgNominalSize(R"(<svg viewBox="0 0 inf 16">)").has_value());
}

TEST(ResolvePixelSizeTest, BothSidesGivenAreTakenAsTheyAre)
{
    const PixelSize size = ResolvePixelSize({16, 16}, 20, 17);
    EXPECT_EQ(size.width, 20);
    EXPECT_EQ(size.height, 17);
}

TEST(ResolvePixelSizeTest, OpenSidesFollowTheAspectRatio)
{
    PixelSize size = ResolvePixelSize({100, 30}, 50, -1);
    EXPECT_EQ(size.width, 50);
    EXPECT_EQ(size.height, 15);

    size = ResolvePixelSize({52, 40}, 0, 20);
    EXPECT_EQ(size.width, 26);
    EXPECT_EQ(size.height, 20);

    size = ResolvePixelSize({22, 13}, 10, -1);  // 5.9 rounds up
    EXPECT_EQ(size.width, 10);
    EXPECT_EQ(size.height, 6);
}

TEST(ResolvePixelSizeTest, NothingGivenMeansTheNominalSizeRoundedUp)
{
    PixelSize size = ResolvePixelSize({22.5, 13}, -1, -1);
    EXPECT_EQ(size.width, 23);
    EXPECT_EQ(size.height, 13);

    size = ResolvePixelSize({0.2, 0.2}, -1, -1);
    EXPECT_EQ(size.width, 1);
    EXPECT_EQ(size.height, 1);
}

TEST(ResolvePixelSizeTest, ExtremeShapesStayWithinBounds)
{
    PixelSize size = ResolvePixelSize({1, 1e9}, 100, -1);
    EXPECT_EQ(size.width, 100);
    EXPECT_EQ(size.height, 16384);

    size = ResolvePixelSize({1e9, 1}, 100, -1);
    EXPECT_EQ(size.height, 1);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    size = ResolvePixelSize({nan, 0}, -1, 8);
    EXPECT_EQ(size.width, 8);
    EXPECT_EQ(size.height, 8);
}

}  // namespace
