#include "resources/CursorHotSpots.h"
#include "resources/EmbeddedImages.h"
#include "resources/SvgDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <string_view>

namespace {

// Every picture the windows ask for by name.
const char* const kToolbarImages[] = {"new-case",
                                      "open-case",
                                      "save-case",
                                      "penlight",
                                      "eye-crosses",
                                      "reset-view",
                                      "hide-values",
                                      "quiz",
                                      "occluder-right",
                                      "red-filter-right",
                                      "translucent-occluder-right",
                                      "occluder-left",
                                      "red-filter-left",
                                      "translucent-occluder-left",
                                      "mark-quadrants",
                                      "hide-quadrants"};
const char* const kOtherImages[] = {
    // application icon
    "strabi",
    // playback bar; the quiz window and the playback bar share the arrows
    "playback-start", "playback-pause", "playback-stop", "next", "previous",
    // about dialog
    "logo", "arrow-to-buttons", "logoProject", "logoDocs",
    // penlight cursors
    "penlight-cursor", "penlight-cursor-lit"};

std::string_view Text(const EmbeddedImage& image)
{
    return {reinterpret_cast<const char*>(image.data), image.size};
}

std::string Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    const auto last = text.find_last_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first, last - first + 1));
}

std::string WithoutComments(std::string text)
{
    return std::regex_replace(text, std::regex("<!--[\\s\\S]*?-->"), "");
}

SvgSize NominalSize(const char* name)
{
    const EmbeddedImage* image = FindEmbeddedImage(name);
    if (!image) {
        ADD_FAILURE() << name << " is missing";
        return {0, 0};
    }
    const std::optional<SvgSize> size = SvgNominalSize(Text(*image));
    if (!size) {
        ADD_FAILURE() << name << " has no size";
        return {0, 0};
    }
    return *size;
}

TEST(EmbeddedImagesTest, EveryImageTheWindowsUseIsPresent)
{
    for (const char* name : kToolbarImages)
        EXPECT_NE(FindEmbeddedImage(name), nullptr) << name;
    for (const char* name : kOtherImages)
        EXPECT_NE(FindEmbeddedImage(name), nullptr) << name;
}

TEST(EmbeddedImagesTest, NamesAreSortedAndUnique)
{
    const std::vector<std::string_view> names = EmbeddedImageNames();
    ASSERT_EQ(names.size(), std::size(kToolbarImages) + std::size(kOtherImages));
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
    for (std::string_view name : names) {
        const EmbeddedImage* image = FindEmbeddedImage(name);
        ASSERT_NE(image, nullptr) << name;
        EXPECT_EQ(image->name, name);
    }
}

TEST(EmbeddedImagesTest, LookupIsExactAndCaseSensitive)
{
    ASSERT_NE(FindEmbeddedImage("open-case"), nullptr);
    EXPECT_EQ(FindEmbeddedImage(""), nullptr);
    EXPECT_EQ(FindEmbeddedImage("open"), nullptr);
    EXPECT_EQ(FindEmbeddedImage("open-case "), nullptr);
    EXPECT_EQ(FindEmbeddedImage("open-cases"), nullptr);
    EXPECT_EQ(FindEmbeddedImage("Open-case"), nullptr);
    // The generated source names each array with '_' for '-'; the lookup keeps the file's name.
    EXPECT_EQ(FindEmbeddedImage("open_case"), nullptr);
    EXPECT_EQ(FindEmbeddedImage("zzz"), nullptr);
}

TEST(EmbeddedImagesTest, EachIsACompleteSvgDocumentEndingInAZeroByte)
{
    for (std::string_view name : EmbeddedImageNames()) {
        SCOPED_TRACE(std::string(name));
        const EmbeddedImage& image = *FindEmbeddedImage(name);
        EXPECT_EQ(image.data[image.size], 0);
        EXPECT_EQ(Text(image).find('\0'), std::string_view::npos);

        const std::string text = Trimmed(Text(image));
        EXPECT_TRUE(text.rfind("<svg", 0) == 0 || text.rfind("<?xml", 0) == 0);
        EXPECT_GE(text.size(), 6u);
        EXPECT_EQ(text.substr(text.size() - 6), "</svg>");
        EXPECT_TRUE(SvgNominalSize(text).has_value());
    }
}

// The toolkit's SVG rasteriser knows basic shapes, paths and gradients only;
// anything else (text, CSS classes, clipping, <use>) silently disappears.
TEST(EmbeddedImagesTest, UsesOnlyWhatTheRasteriserDraws)
{
    const std::set<std::string> drawable = {
        "svg",  "g",        "defs",    "path",           "rect",           "circle", "ellipse",
        "line", "polyline", "polygon", "linearGradient", "radialGradient", "stop",
    };
    const std::regex element("<([A-Za-z][A-Za-z0-9:_-]*)");
    for (std::string_view name : EmbeddedImageNames()) {
        SCOPED_TRACE(std::string(name));
        const std::string text = WithoutComments(std::string(Text(*FindEmbeddedImage(name))));
        for (auto it = std::sregex_iterator(text.begin(), text.end(), element); it != std::sregex_iterator(); ++it)
            EXPECT_EQ(drawable.count((*it)[1].str()), 1u) << "element <" << (*it)[1].str() << ">";
        EXPECT_EQ(text.find("class="), std::string::npos);
    }
}

// The rasteriser resolves a gradient while it reads the shape that uses it,
// so the gradient has to come first.
TEST(EmbeddedImagesTest, GradientReferencesPointBackToDefinitions)
{
    const std::regex reference("url\\(#([^)]+)\\)");
    for (std::string_view name : EmbeddedImageNames()) {
        SCOPED_TRACE(std::string(name));
        const std::string text = WithoutComments(std::string(Text(*FindEmbeddedImage(name))));
        for (auto it = std::sregex_iterator(text.begin(), text.end(), reference); it != std::sregex_iterator(); ++it) {
            const std::string id = (*it)[1].str();
            const std::size_t definition = text.find("id=\"" + id + "\"");
            EXPECT_LT(definition, static_cast<std::size_t>(it->position())) << "url(#" << id << ")";
        }
    }
}

// The generated table must hold the files byte for byte, and all of them.
TEST(EmbeddedImagesTest, MatchTheImageFilesExactly)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(SQUINX_IMAGE_DIR)) {
        if (entry.path().extension() != ".svg")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().stem().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_FALSE(files.empty());

    const std::vector<std::string_view> names = EmbeddedImageNames();
    EXPECT_EQ(names.size(), files.size());
    for (const auto& [name, content] : files) {
        const EmbeddedImage* image = FindEmbeddedImage(name);
        ASSERT_NE(image, nullptr) << name;
        EXPECT_EQ(Text(*image), content) << name;
    }
}

// The toolbar lays out equal tools only when all its bitmaps share one size.
TEST(EmbeddedImagesTest, ToolbarImagesShareOneSquareSize)
{
    const SvgSize first = NominalSize(kToolbarImages[0]);
    EXPECT_EQ(first.width, first.height);
    for (const char* name : kToolbarImages) {
        const SvgSize size = NominalSize(name);
        EXPECT_EQ(size.width, first.width) << name;
        EXPECT_EQ(size.height, first.height) << name;
    }
    const SvgSize appIcon = NominalSize("strabi");
    EXPECT_EQ(appIcon.width, appIcon.height);
}

TEST(CursorHotSpotsTest, EveryCursorIsDrawnAtCursorSizeWithItsHotSpotInside)
{
    ASSERT_NE(FindCursorHotSpot("penlight-cursor"), nullptr);
    ASSERT_NE(FindCursorHotSpot("penlight-cursor-lit"), nullptr);
    for (const CursorHotSpot& cursor : kCursorHotSpots) {
        SCOPED_TRACE(cursor.name);
        const SvgSize size = NominalSize(cursor.name);
        EXPECT_EQ(size.width, kCursorSize);
        EXPECT_EQ(size.height, kCursorSize);
        EXPECT_GE(cursor.x, 0);
        EXPECT_GE(cursor.y, 0);
        EXPECT_LT(cursor.x, kCursorSize);
        EXPECT_LT(cursor.y, kCursorSize);
        EXPECT_EQ(FindCursorHotSpot(cursor.name), &cursor);
    }
}

TEST(CursorHotSpotsTest, OtherNamesAreNoCursors)
{
    EXPECT_EQ(FindCursorHotSpot("penlight"), nullptr);
    EXPECT_EQ(FindCursorHotSpot("Taschenlampe"), nullptr);
    EXPECT_EQ(FindCursorHotSpot(""), nullptr);
}

}  // namespace
