#include "../support/FileSizeLimit.h"
#include "../support/PortableTest.h"
#include "settings/SettingsFile.h"

#include "settings/FileIo.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <utility>

namespace {

// The layout is restated here on purpose: these offsets are the file format
// other installations wrote, not whatever the codec happens to use.
std::int32_t Int32At(const std::array<std::uint8_t, kSettingsFileSize>& bytes, std::size_t offset)
{
    const std::uint32_t value = std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8 |
                                std::uint32_t{bytes[offset + 2]} << 16 | std::uint32_t{bytes[offset + 3]} << 24;
    return static_cast<std::int32_t>(value);
}

float FloatAt(const std::array<std::uint8_t, kSettingsFileSize>& bytes, std::size_t offset)
{
    const std::int32_t bits = Int32At(bytes, offset);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void ExpectColourAt(const std::array<std::uint8_t, kSettingsFileSize>& bytes, std::size_t offset, Rgb colour)
{
    EXPECT_EQ(Int32At(bytes, offset), colour.r) << "red at offset " << offset;
    EXPECT_EQ(Int32At(bytes, offset + 4), colour.g) << "green at offset " << offset;
    EXPECT_EQ(Int32At(bytes, offset + 8), colour.b) << "blue at offset " << offset;
}

void PutInt32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

void PutFloat(std::vector<std::uint8_t>& bytes, std::size_t offset, float value)
{
    std::int32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    PutInt32(bytes, offset, bits);
}

std::vector<std::uint8_t> Bytes(const Settings& settings)
{
    const auto encoded = EncodeSettings(settings);
    return {encoded.begin(), encoded.end()};
}

// Every item differs from the defaults and from every other item.
Settings DistinctSettings()
{
    Settings s;
    s.panelColour = {1, 2, 3};
    s.textColour = {4, 5, 6};
    s.backgroundColour = {7, 8, 9};
    s.wholeDegrees = true;
    s.flashlightMode = false;
    s.eyeCrosses = true;
    s.axisLinesAlways = true;
    s.eyeSegments = 45;
    s.redFilterColour = {10, 11, 12};
    s.occluderColour = {13, 14, 15};
    s.crossColour = {16, 17, 18};
    s.axisColour = {19, 20, 21};
    s.occluderAlpha = 0.125f;
    s.redFilterAlpha = 0.25f;
    s.blendSlider = 7;
    s.qualityThreshold = 0.375f;
    s.showBothEyesHint = false;
    s.languageFile = "deutsch.lan";
    s.showCoverHint = false;
    s.quadrantColour = {22, 23, 24};
    s.quadrantAlpha = 0.875f;
    return s;
}

void ExpectSameSettings(const Settings& a, const Settings& b)
{
    const auto encodedA = EncodeSettings(a);
    const auto encodedB = EncodeSettings(b);
    EXPECT_EQ(std::vector<std::uint8_t>(encodedA.begin(), encodedA.end()),
              std::vector<std::uint8_t>(encodedB.begin(), encodedB.end()));
    EXPECT_EQ(a.languageFile, b.languageFile);
}

TEST(SettingsEncoding, FirstRunDefaultsGivePanelGreyAndBlackText)
{
    const auto bytes = EncodeSettings(Settings{});
    ExpectColourAt(bytes, 0, {192, 192, 192});
    ExpectColourAt(bytes, 12, {0, 0, 0});
    EXPECT_EQ(bytes[37], 1);  // flashlight mode starts on
    EXPECT_EQ(Int32At(bytes, 40), 22);
    EXPECT_EQ(Int32At(bytes, 100), 1);  // a new case puts the slider at the far end
    for (std::size_t i = 109; i < 129; ++i)
        EXPECT_EQ(bytes[i], 0) << "language name byte " << i;
    EXPECT_FLOAT_EQ(FloatAt(bytes, 142), 0.6f);
}

TEST(SettingsEncoding, EveryItemSitsAtItsOffset)
{
    const Settings s = DistinctSettings();
    const auto bytes = EncodeSettings(s);
    ExpectColourAt(bytes, 0, s.panelColour);
    ExpectColourAt(bytes, 12, s.textColour);
    ExpectColourAt(bytes, 24, s.backgroundColour);
    EXPECT_EQ(Int32At(bytes, 40), 45);
    ExpectColourAt(bytes, 44, s.redFilterColour);
    ExpectColourAt(bytes, 56, s.occluderColour);
    ExpectColourAt(bytes, 68, s.crossColour);
    ExpectColourAt(bytes, 80, s.axisColour);
    EXPECT_EQ(FloatAt(bytes, 92), 0.125f);
    EXPECT_EQ(FloatAt(bytes, 96), 0.25f);
    EXPECT_EQ(Int32At(bytes, 100), 7);
    EXPECT_EQ(FloatAt(bytes, 104), 0.375f);
    EXPECT_EQ(std::string(bytes.begin() + 109, bytes.begin() + 120), "deutsch.lan");
    ExpectColourAt(bytes, 130, s.quadrantColour);
    EXPECT_EQ(FloatAt(bytes, 142), 0.875f);
}

TEST(SettingsEncoding, EachFlagHasItsOwnByte)
{
    const std::pair<bool Settings::*, std::size_t> flags[] = {
        {&Settings::wholeDegrees, 36},    {&Settings::flashlightMode, 37},    {&Settings::eyeCrosses, 38},
        {&Settings::axisLinesAlways, 39}, {&Settings::showBothEyesHint, 108}, {&Settings::showCoverHint, 129},
    };
    for (const auto& [member, offset] : flags) {
        Settings s;
        for (const auto& [other, unused] : flags)
            s.*other = false;
        s.*member = true;
        const auto bytes = EncodeSettings(s);
        for (const auto& [other, otherOffset] : flags)
            EXPECT_EQ(bytes[otherOffset], otherOffset == offset ? 1 : 0)
                << "flag at " << offset << " set, byte " << otherOffset;

        const Settings decoded = DecodeSettings(Bytes(s), Settings{}, nullptr);
        for (const auto& [other, otherOffset] : flags)
            EXPECT_EQ(decoded.*other, otherOffset == offset) << "flag at " << offset << " set, read " << otherOffset;
    }
}

TEST(SettingsRoundTrip, DecodingAndEncodingAgainIsByteExact)
{
    const Settings original = DistinctSettings();
    const std::vector<std::uint8_t> bytes = Bytes(original);
    std::vector<std::string> notes;
    const Settings decoded = DecodeSettings(bytes, Settings{}, &notes);
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(Bytes(decoded), bytes);
    EXPECT_EQ(decoded.languageFile, "deutsch.lan");
    EXPECT_EQ(decoded.eyeSegments, 45);
    EXPECT_EQ(decoded.redFilterColour, (Rgb{10, 11, 12}));
    EXPECT_NE(decoded.redFilterColour, (Rgb{99, 11, 12}));
    EXPECT_NE(decoded.redFilterColour, (Rgb{10, 11, 99}));
    EXPECT_FALSE(decoded.showCoverHint);
}

TEST(SettingsRoundTrip, SliderAndThresholdComeBack)
{
    Settings s;
    s.blendSlider = 3;
    s.qualityThreshold = 0.5f;
    const Settings decoded = DecodeSettings(Bytes(s), Settings{}, nullptr);
    EXPECT_EQ(decoded.blendSlider, 3);
    EXPECT_EQ(decoded.qualityThreshold, 0.5f);
}

TEST(SettingsRoundTrip, LanguageNameFillsTwentyBytesAndIsCutBeyond)
{
    Settings s;
    s.languageFile = "abcdefghijklmnop.lan";  // exactly 20 characters
    auto bytes = EncodeSettings(s);
    EXPECT_EQ(std::string(bytes.begin() + 109, bytes.begin() + 129), s.languageFile);
    EXPECT_EQ(bytes[129], 1) << "the name must not spill into the next item";
    EXPECT_EQ(DecodeSettings(Bytes(s), Settings{}, nullptr).languageFile, "abcdefghijklmnop.lan");

    s.languageFile = "abcdefghijklmnopqrst.lan";
    bytes = EncodeSettings(s);
    EXPECT_EQ(bytes[129], 1);
    EXPECT_EQ(DecodeSettings(Bytes(s), Settings{}, nullptr).languageFile, "abcdefghijklmnopqrst");

    std::vector<std::uint8_t> raw = Bytes(Settings{});
    std::memcpy(raw.data() + 109, "en.lan\0garbage", 14);
    EXPECT_EQ(DecodeSettings(raw, Settings{}, nullptr).languageFile, "en.lan");
}

TEST(SettingsShortFile, MissingItemsKeepTheirDefaults)
{
    const std::vector<std::uint8_t> full = Bytes(DistinctSettings());
    Settings defaults;
    defaults.languageFile = "english.lan";
    defaults.eyeSegments = 15;

    std::vector<std::string> notes;
    const Settings empty = DecodeSettings({}, defaults, &notes);
    ExpectSameSettings(empty, defaults);
    EXPECT_EQ(notes.size(), 1u);

    const Settings first40 = DecodeSettings({full.begin(), full.begin() + 40}, defaults, nullptr);
    EXPECT_EQ(first40.backgroundColour, (Rgb{7, 8, 9}));
    EXPECT_TRUE(first40.axisLinesAlways);
    EXPECT_EQ(first40.eyeSegments, 15);
    EXPECT_EQ(first40.redFilterColour, defaults.redFilterColour);

    const Settings first108 = DecodeSettings({full.begin(), full.begin() + 108}, defaults, nullptr);
    EXPECT_EQ(first108.qualityThreshold, 0.375f);
    EXPECT_TRUE(first108.showBothEyesHint);
    EXPECT_EQ(first108.languageFile, "english.lan");
    EXPECT_TRUE(first108.showCoverHint);
    EXPECT_EQ(first108.quadrantAlpha, defaults.quadrantAlpha);

    // An item cut off in the middle is not read at all.
    const Settings first115 = DecodeSettings({full.begin(), full.begin() + 115}, defaults, nullptr);
    EXPECT_FALSE(first115.showBothEyesHint);
    EXPECT_EQ(first115.languageFile, "english.lan");
    const Settings first144 = DecodeSettings({full.begin(), full.begin() + 144}, defaults, nullptr);
    EXPECT_EQ(first144.quadrantColour, (Rgb{22, 23, 24}));
    EXPECT_EQ(first144.quadrantAlpha, defaults.quadrantAlpha);
}

TEST(SettingsCorrections, OutOfRangeValuesAreRepairedAndNoted)
{
    std::vector<std::uint8_t> bytes = Bytes(Settings{});
    PutInt32(bytes, 40, 16);
    PutInt32(bytes, 100, 0);
    PutFloat(bytes, 92, 1.5f);
    PutFloat(bytes, 96, std::numeric_limits<float>::quiet_NaN());
    PutFloat(bytes, 104, -0.25f);
    PutFloat(bytes, 142, std::numeric_limits<float>::infinity());
    Settings defaults;
    defaults.redFilterAlpha = 0.3f;
    std::vector<std::string> notes;
    const Settings s = DecodeSettings(bytes, defaults, &notes);
    EXPECT_EQ(s.eyeSegments, 22);
    EXPECT_EQ(s.blendSlider, 1);
    EXPECT_EQ(s.occluderAlpha, 0.2f);
    EXPECT_EQ(s.redFilterAlpha, 0.3f);
    EXPECT_EQ(s.qualityThreshold, 0.0f);
    EXPECT_EQ(s.quadrantAlpha, 0.6f);
    EXPECT_EQ(notes.size(), 6u);

    PutInt32(bytes, 100, 99);
    EXPECT_EQ(DecodeSettings(bytes, defaults, nullptr).blendSlider, 11);
    PutInt32(bytes, 100, INT_MIN);
    EXPECT_EQ(DecodeSettings(bytes, defaults, nullptr).blendSlider, 1);
}

TEST(SettingsCorrections, ValuesAtTheLimitsAreKept)
{
    for (int segments : {15, 22, 45}) {
        std::vector<std::uint8_t> bytes = Bytes(Settings{});
        PutInt32(bytes, 40, segments);
        PutInt32(bytes, 100, segments == 15 ? 11 : 1);
        PutFloat(bytes, 92, 0.0f);
        PutFloat(bytes, 104, 1.0f);
        std::vector<std::string> notes;
        const Settings s = DecodeSettings(bytes, Settings{}, &notes);
        EXPECT_EQ(s.eyeSegments, segments);
        EXPECT_EQ(s.blendSlider, segments == 15 ? 11 : 1);
        EXPECT_EQ(s.occluderAlpha, 0.0f);
        EXPECT_EQ(s.qualityThreshold, 1.0f);
        EXPECT_TRUE(notes.empty());
    }
}

TEST(SettingsCorrections, ColourChannelsAreTakenModulo256AndFlagsByNonZero)
{
    std::vector<std::uint8_t> bytes = Bytes(Settings{});
    PutInt32(bytes, 24, 300);
    PutInt32(bytes, 28, -1);
    PutInt32(bytes, 32, INT_MIN);
    PutInt32(bytes, 130, -257);
    PutInt32(bytes, 134, 256);
    PutInt32(bytes, 138, 255);
    bytes[36] = 0x80;
    const Settings s = DecodeSettings(bytes, Settings{}, nullptr);
    EXPECT_EQ(s.backgroundColour, (Rgb{44, 255, 0}));
    EXPECT_EQ(s.quadrantColour, (Rgb{255, 0, 255}));
    EXPECT_TRUE(s.wholeDegrees);
}

TEST(SettingsCorrections, LanguageNamesLeadingOutOfTheWorkingFolderAreDropped)
{
    for (const char* hostile : {"../x.lan", "/etc/passwd", "sub/en.lan", "..\\en.lan", "C:\\en.lan", ".."}) {
        Settings s;
        s.languageFile = hostile;
        Settings defaults;
        defaults.languageFile = "english.lan";
        std::vector<std::string> notes;
        EXPECT_EQ(DecodeSettings(Bytes(s), defaults, &notes).languageFile, "english.lan") << hostile;
        EXPECT_EQ(notes.size(), 1u) << hostile;
    }
    Settings plain;
    plain.languageFile = "fran\xe7"
                         "ais.lan";
    std::vector<std::string> notes;
    EXPECT_EQ(DecodeSettings(Bytes(plain), Settings{}, &notes).languageFile, plain.languageFile);
    EXPECT_TRUE(notes.empty());
}

class SettingsFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override { m_folder = MakeTempFolder("settings-"); }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string Path(const char* name) const { return (m_folder / name).string(); }

    std::filesystem::path m_folder;
};

TEST_F(SettingsFileOnDisk, MissingFileIsAFirstRunWithDefaults)
{
    Settings defaults;
    defaults.blendSlider = 4;
    Settings loaded = DistinctSettings();
    std::string error;
    EXPECT_EQ(LoadSettingsFile(Path(kSettingsFileName), defaults, loaded, nullptr, error), SettingsFileState::Missing);
    ExpectSameSettings(loaded, defaults);
}

TEST_F(SettingsFileOnDisk, SavedSettingsLoadAgain)
{
    std::string error;
    ASSERT_TRUE(SaveSettingsFile(Path(kSettingsFileName), DistinctSettings(), error)) << error;
    EXPECT_EQ(std::filesystem::file_size(Path(kSettingsFileName)), kSettingsFileSize);
    Settings loaded;
    std::vector<std::string> notes;
    ASSERT_EQ(LoadSettingsFile(Path(kSettingsFileName), Settings{}, loaded, &notes, error), SettingsFileState::Read)
        << error;
    ExpectSameSettings(loaded, DistinctSettings());
    EXPECT_TRUE(notes.empty());
}

TEST_F(SettingsFileOnDisk, FoldersAndPipesAreUnreadableWithoutBlocking)
{
    Settings loaded = DistinctSettings();
    std::string error;
    std::filesystem::create_directory(Path(kSettingsFileName));
    EXPECT_EQ(LoadSettingsFile(Path(kSettingsFileName), Settings{}, loaded, nullptr, error),
              SettingsFileState::Unreadable);
    ExpectSameSettings(loaded, Settings{});
    EXPECT_NE(error.find("folder"), std::string::npos) << error;

#ifndef _WIN32  // Windows keeps no pipes among the files.
    loaded = DistinctSettings();
    ASSERT_EQ(::mkfifo(Path("pipe.ini").c_str(), 0600), 0);
    EXPECT_EQ(LoadSettingsFile(Path("pipe.ini"), Settings{}, loaded, nullptr, error), SettingsFileState::Unreadable);
    ExpectSameSettings(loaded, Settings{});
#endif
}

TEST_F(SettingsFileOnDisk, LargeFileIsReadByItsFirstBytes)
{
    const std::vector<std::uint8_t> layout = Bytes(DistinctSettings());
    std::ofstream(Path("huge.ini"), std::ios::binary)
        << std::string(layout.begin(), layout.end()) << std::string(1 << 20, '\x01');
    Settings loaded;
    std::string error;
    std::vector<std::string> notes;
    ASSERT_EQ(LoadSettingsFile(Path("huge.ini"), Settings{}, loaded, &notes, error), SettingsFileState::Read) << error;
    ExpectSameSettings(loaded, DistinctSettings());
    // What follows the fixed part is no preference record: the defaults stay.
    EXPECT_EQ(loaded.extension.playbackSpeedEighths, Settings{}.extension.playbackSpeedEighths);
    EXPECT_EQ(loaded.extension.traceSpanMs, Settings{}.extension.traceSpanMs);
}

}  // namespace

namespace {

// A file written with the other byte order (or any foreign binary layout)
// is not trusted: every value out of range is repaired, so what is used is
// always a sound set of settings.
TEST(SettingsCorrections, ByteSwappedFileIsRepairedToSoundValues)
{
    std::vector<std::uint8_t> bytes = Bytes(DistinctSettings());
    for (std::size_t item : {0u, 4u, 8u, 12u, 16u, 20u, 24u, 28u, 32u, 40u, 92u, 96u, 100u, 104u, 142u})
        std::reverse(bytes.begin() + item, bytes.begin() + item + 4);
    std::vector<std::string> notes;
    const Settings s = DecodeSettings(bytes, Settings{}, &notes);
    EXPECT_FALSE(notes.empty());
    const auto encoded = EncodeSettings(s);
    std::vector<std::string> again;
    DecodeSettings({encoded.begin(), encoded.end()}, Settings{}, &again);
    EXPECT_TRUE(again.empty()) << again.front();
}

TEST_F(SettingsFileOnDisk, FailedSaveKeepsTheOldFileAndSaysWhy)
{
    std::string error;
    ASSERT_TRUE(SaveSettingsFile(Path(kSettingsFileName), DistinctSettings(), error)) << error;
#ifndef SQUINX_FILE_SIZE_LIMIT_UNAVAILABLE
    const std::vector<std::uint8_t> before = Bytes(DistinctSettings());

    // The file size limit binds root as well, unlike a read-only folder.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        IgnoreFileSizeSignal();
        const FileSizeLimit limit(100);
        std::string childError;
        const bool saved = SaveSettingsFile(Path(kSettingsFileName), Settings{}, childError);
        ::_exit(saved ? 1 : childError.find(kSettingsFileName) != std::string::npos ? 0 : 2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported success, 2: the message does not name the file";

    std::vector<std::uint8_t> after;
    ASSERT_TRUE(ReadFileBytes(Path(kSettingsFileName), kSettingsFileSize, after, error)) << error;
    EXPECT_EQ(after, before);
#endif

    std::filesystem::create_directory(Path("folder.ini"));
    EXPECT_FALSE(SaveSettingsFile(Path("folder.ini"), Settings{}, error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
}

}  // namespace
