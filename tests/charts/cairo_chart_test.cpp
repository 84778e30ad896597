#include "charts/CairoChart.h"
#include "charts/CairoImage.h"

#include "model/MusclePresets.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

namespace {

ChartDrawing SixthNervePalsyChart()
{
    Examination palsy;
    palsy.SetMuscles(PresetStrengths(MusclePreset::sixthNervePalsy, Eye::one));
    HessCaptions captions;
    captions.title = "palsy \u2013 2026-12-07";
    captions.leftField = "Left eye";
    captions.rightField = "Right eye";
    return LayOutHessChart(HessFieldOf(Eye::two, palsy), HessFieldOf(Eye::one, palsy), captions);
}

std::string Text(const std::vector<unsigned char>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

struct PngReader {
    const std::vector<unsigned char>& bytes;
    std::size_t at = 0;
};

// Every colour the SVG paints with, each channel in 0-255.
std::set<std::vector<long>> SvgColours(const std::string& svg)
{
    std::set<std::vector<long>> colours;
    double r = 0, g = 0, b = 0;
    for (std::size_t at = svg.find("rgb("); at != std::string::npos; at = svg.find("rgb(", at + 1))
        if (std::sscanf(svg.c_str() + at, "rgb(%lf%%,%lf%%,%lf%%)", &r, &g, &b) == 3)
            colours.insert({std::lround(r * 2.55), std::lround(g * 2.55), std::lround(b * 2.55)});
    return colours;
}

cairo_status_t ReadPng(void* closure, unsigned char* data, unsigned int length)
{
    auto* reader = static_cast<PngReader*>(closure);
    if (reader->at + length > reader->bytes.size())
        return CAIRO_STATUS_READ_ERROR;
    std::copy_n(reader->bytes.begin() + static_cast<std::ptrdiff_t>(reader->at), length, data);
    reader->at += length;
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

TEST(CairoImage, APictureComesBackFromCairoPixelForPixel)
{
    const std::vector<unsigned char> pixels = {255, 0, 0, 0, 255, 0, 0, 0, 255, 1, 128, 254};
    for (const RgbPicture& original : {RgbPicture{2, 2, pixels}, RgbPicture{4, 1, pixels}}) {
        cairo_surface_t* image = CairoImageOf(original);
        ASSERT_NE(image, nullptr) << original.width;
        RgbPicture copy{original.width, original.height, std::vector<unsigned char>(12, 7)};
        CopyFromCairoImage(image, copy);
        cairo_surface_destroy(image);
        EXPECT_EQ(copy.rgb, original.rgb) << original.width;
    }
    EXPECT_EQ(CairoImageOf(RgbPicture{0, 2, {}}), nullptr);
    EXPECT_EQ(CairoImageOf(RgbPicture{2, 0, {}}), nullptr);
}

TEST(CairoChart, EachFormatHoldsTheWholePageAndThePlotsStandWhereTheLayoutPutThem)
{
    const ChartDrawing drawing = SixthNervePalsyChart();
    std::vector<unsigned char> svg, pdf, png;
    ASSERT_TRUE(DrawChart(drawing, ChartFormat::svg, svg));
    ASSERT_TRUE(DrawChart(drawing, ChartFormat::pdf, pdf));
    ASSERT_TRUE(DrawChart(drawing, ChartFormat::png, png));

    const std::string svgText = Text(svg);
    EXPECT_NE(svgText.find("width=\"841.8"), std::string::npos) << "A4 landscape in points";
    EXPECT_NE(svgText.find("</svg>"), std::string::npos);
    const std::set<std::vector<long>> inks = {{255, 255, 255}, {200, 200, 200}, {110, 110, 110},
                                              {200, 30, 30},   {20, 40, 170},   {0, 0, 0}};
    EXPECT_EQ(SvgColours(svgText), inks) << "paper, grid, axes, targets, plots and text";
    const std::string pdfText = Text(pdf);
    EXPECT_EQ(pdfText.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdfText.find("/Count 1"), std::string::npos) << "one page";
    EXPECT_NE(pdfText.find("%%EOF"), std::string::npos);

    PngReader reader{png};
    cairo_surface_t* picture = cairo_image_surface_create_from_png_stream(ReadPng, &reader);
    ASSERT_EQ(cairo_surface_status(picture), CAIRO_STATUS_SUCCESS);
    const int width = cairo_image_surface_get_width(picture);
    EXPECT_EQ(width, 1754);
    EXPECT_EQ(cairo_image_surface_get_height(picture), 1240);
    const double scale = width / kHessPageWidth;
    const unsigned char* data = cairo_image_surface_get_data(picture);
    const int stride = cairo_image_surface_get_stride(picture);
    int plots = 0;
    int plotsFound = 0;
    for (const ChartDot& dot : drawing.dots) {
        if (dot.ink != ChartInk::plot)
            continue;
        ++plots;
        const unsigned char* pixel =
            data + static_cast<int>(dot.y * scale) * stride + 4 * static_cast<int>(dot.x * scale);
        // Cairo keeps pixels as native 32-bit words: blue in the lowest byte here.
        plotsFound += pixel[0] > 150 && pixel[2] < 60;
    }
    // The centred title: its black ink spans as far left of the page's middle as right of it.
    int inkLeft = width, inkRight = -1;
    for (int y = static_cast<int>((14.0 - 8.0) * scale); y <= static_cast<int>(14.0 * scale) + 2; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned char* pixel = data + y * stride + 4 * x;
            if (std::max({pixel[0], pixel[1], pixel[2]}) < 80) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
        }
    cairo_surface_destroy(picture);
    EXPECT_LT(inkLeft, width / 2 - 100);
    EXPECT_NEAR(inkLeft + inkRight, width, 12) << inkLeft << ".." << inkRight;
    EXPECT_GE(plotsFound, plots - 4) << "of " << plots << " plotted points; a few are covered by a target ring";
}

TEST(CairoChart, FileNamesChooseTheFormatAndAFailedWriteLeavesNothing)
{
    EXPECT_EQ(ChartFormatOf("a/hess.PDF"), ChartFormat::pdf);
    EXPECT_EQ(ChartFormatOf("hess.svg"), ChartFormat::svg);
    EXPECT_EQ(ChartFormatOf("hess.png"), ChartFormat::png);
    EXPECT_FALSE(ChartFormatOf("hess.jpg"));
    EXPECT_EQ(ChartFormatOf(".PNG"), ChartFormat::png);
    EXPECT_FALSE(ChartFormatOf("pdf"));

    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "squinx-cairo-chart-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const ChartDrawing drawing = SixthNervePalsyChart();
    std::string error;
    EXPECT_FALSE(WriteChartFile((folder / "hess.jpg").string(), drawing, error));
    EXPECT_NE(error.find(".svg, .pdf or .png"), std::string::npos);
    error.clear();
    EXPECT_FALSE(WriteChartFile((folder / "gone" / "hess.pdf").string(), drawing, error));
    EXPECT_FALSE(error.empty());
    ASSERT_TRUE(WriteChartFile((folder / "hess.pdf").string(), drawing, error)) << error;
    EXPECT_GT(std::filesystem::file_size(folder / "hess.pdf"), 1000u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
    std::filesystem::remove_all(folder);
}
