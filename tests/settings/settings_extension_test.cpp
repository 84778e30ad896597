#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> FixedLayout()
{
    const auto fixed = EncodeSettings(Settings{});
    return {fixed.begin(), fixed.end()};
}

void Append(std::vector<std::uint8_t>& bytes, const std::string& text)
{
    bytes.insert(bytes.end(), text.begin(), text.end());
}

// A record as another program version would write it: tag, length, payload.
void AppendRecord(std::vector<std::uint8_t>& bytes, const std::string& tag, const std::vector<std::uint8_t>& payload)
{
    Append(bytes, tag);
    const auto length = static_cast<std::uint32_t>(payload.size());
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
    bytes.insert(bytes.end(), payload.begin(), payload.end());
}

std::vector<std::uint8_t> Int32s(std::initializer_list<std::int32_t> values)
{
    std::vector<std::uint8_t> bytes;
    for (const std::int32_t value : values)
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i)));
    return bytes;
}

TEST(SettingsExtension, OlderFilesGiveDefaultsAndNewerOnesRoundTrip)
{
    Settings defaults;
    defaults.extension.playbackSpeedEighths = 4;
    defaults.extension.traceSpanMs = 60000;

    // A file of exactly the fixed layout, as every older version wrote it.
    std::vector<std::string> notes;
    Settings read = DecodeSettings(FixedLayout(), defaults, &notes);
    EXPECT_EQ(read.extension.playbackSpeedEighths, 4);
    EXPECT_EQ(read.extension.traceSpanMs, 60000);
    EXPECT_TRUE(notes.empty());

    // Unchanged preferences add nothing to the file.
    EXPECT_TRUE(EncodeSettingsExtension(SettingsExtension{}).empty());

    Settings chosen;
    chosen.blendSlider = 5;
    chosen.extension.playbackSpeedEighths = 1;
    chosen.extension.traceSpanMs = 2500;
    std::vector<std::uint8_t> bytes = FixedLayout();
    const std::vector<std::uint8_t> extension = EncodeSettingsExtension(chosen.extension);
    bytes.insert(bytes.end(), extension.begin(), extension.end());
    std::copy_n(EncodeSettings(chosen).begin(), kSettingsFileSize, bytes.begin());
    read = DecodeSettings(bytes, Settings{}, &notes);
    EXPECT_EQ(read.blendSlider, 5);
    EXPECT_EQ(read.extension.playbackSpeedEighths, 1);
    EXPECT_EQ(read.extension.traceSpanMs, 2500);
    EXPECT_TRUE(notes.empty());

    // Records of a later version are kept whole and written back after the
    // known ones; a record cut short is not read.
    std::vector<std::uint8_t> unknown;
    AppendRecord(unknown, "NEXT", {1, 2, 3});
    AppendRecord(unknown, "MORE", {});
    std::vector<std::uint8_t> later = FixedLayout();
    later.insert(later.end(), unknown.begin(), unknown.begin() + 11);
    AppendRecord(later, "PLAY", Int32s({16, 9000}));
    later.insert(later.end(), unknown.begin() + 11, unknown.end());
    read = DecodeSettings(later, Settings{}, nullptr);
    EXPECT_EQ(read.extension.playbackSpeedEighths, 16);
    EXPECT_EQ(read.extension.traceSpanMs, 9000);
    EXPECT_EQ(read.extension.unknownRecords, unknown);
    read.extension.angleKappa = false;
    const std::vector<std::uint8_t> written = EncodeSettingsExtension(read.extension);
    ASSERT_GE(written.size(), unknown.size());
    EXPECT_TRUE(std::equal(unknown.begin(), unknown.end(), written.end() - unknown.size()));
    const SettingsExtension again = DecodeSettingsExtension(written.data(), written.size(), {}, nullptr);
    EXPECT_EQ(again.unknownRecords, unknown);
    EXPECT_EQ(again.playbackSpeedEighths, 16);
    EXPECT_FALSE(again.angleKappa);
    std::vector<std::uint8_t> cut = FixedLayout();
    AppendRecord(cut, "PLAY", Int32s({16, 9000}));
    cut.pop_back();
    read = DecodeSettings(cut, Settings{}, &notes);
    EXPECT_EQ(read.extension.playbackSpeedEighths, 8);
    EXPECT_EQ(notes, std::vector<std::string>{"The settings file ends inside a record; the rest is ignored."});
}

TEST(SettingsExtension, ValuesNoProgramWritesKeepTheirDefaults)
{
    // The ends of both ranges are read; one beyond either end keeps the
    // default, with a note for each value.
    Settings defaults;
    defaults.extension.playbackSpeedEighths = 4;
    defaults.extension.traceSpanMs = 60000;
    const struct {
        std::int32_t speed, span;
        bool read;
    } ends[] = {{64, 86400000, true}, {1, 0, true}, {65, 86400001, false}, {0, -1, false}};
    for (const auto& end : ends) {
        std::vector<std::uint8_t> bytes = FixedLayout();
        AppendRecord(bytes, "PLAY", Int32s({end.speed, end.span}));
        std::vector<std::string> notes;
        const Settings read = DecodeSettings(bytes, defaults, &notes);
        EXPECT_EQ(read.extension.playbackSpeedEighths, end.read ? end.speed : 4) << end.speed;
        EXPECT_EQ(read.extension.traceSpanMs, end.read ? end.span : 60000) << end.span;
        EXPECT_EQ(notes.size(), end.read ? 0u : 2u) << end.speed;
    }

    // Stray bytes after the layout are not a record.
    std::vector<std::uint8_t> stray = FixedLayout();
    Append(stray, "abc");
    EXPECT_EQ(DecodeSettings(stray, Settings{}, nullptr).extension.traceSpanMs, 0);
}

TEST(SettingsExtension, SavedFileKeepsTheFixedLayoutInFront)
{
    const std::string path = ::testing::TempDir() + "extension_" + std::to_string(::getpid()) + ".ini";
    Settings settings;
    settings.qualityThreshold = 0.25f;
    settings.extension.playbackSpeedEighths = 2;
    settings.extension.traceSpanMs = 1000;
    std::string error;
    ASSERT_TRUE(SaveSettingsFile(path, settings, error)) << error;
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_GT(bytes.size(), kSettingsFileSize);
    const auto fixed = EncodeSettings(settings);
    EXPECT_TRUE(std::equal(fixed.begin(), fixed.end(), bytes.begin()));
    Settings loaded;
    ASSERT_EQ(LoadSettingsFile(path, Settings{}, loaded, nullptr, error), SettingsFileState::Read) << error;
    EXPECT_EQ(loaded.extension.playbackSpeedEighths, 2);
    EXPECT_EQ(loaded.extension.traceSpanMs, 1000);
    EXPECT_FLOAT_EQ(loaded.qualityThreshold, 0.25f);
    std::remove(path.c_str());
}

TEST(SettingsExtension, AngleKappaIsOnUnlessAFileTurnsItOff)
{
    // Files of the fixed layout alone, or with only the playback record, leave it on.
    EXPECT_TRUE(DecodeSettings(FixedLayout(), Settings{}, nullptr).extension.angleKappa);
    std::vector<std::uint8_t> playbackOnly = FixedLayout();
    AppendRecord(playbackOnly, "PLAY", Int32s({16, 9000}));
    EXPECT_TRUE(DecodeSettings(playbackOnly, Settings{}, nullptr).extension.angleKappa);

    SettingsExtension off;
    off.angleKappa = false;
    const std::vector<std::uint8_t> record = EncodeSettingsExtension(off);
    EXPECT_EQ(record, (std::vector<std::uint8_t>{'K', 'A', 'P', 'A', 1, 0, 0, 0, 0}));
    std::vector<std::uint8_t> bytes = playbackOnly;
    bytes.insert(bytes.end(), record.begin(), record.end());
    std::vector<std::string> notes;
    const Settings read = DecodeSettings(bytes, Settings{}, &notes);
    EXPECT_FALSE(read.extension.angleKappa);
    EXPECT_EQ(read.extension.playbackSpeedEighths, 16);
    EXPECT_TRUE(notes.empty());

    // 1 turns it on over a default of off; 2, the first value beyond, is refused with a note.
    std::vector<std::uint8_t> on = FixedLayout();
    AppendRecord(on, "KAPA", {1});
    Settings offByDefault;
    offByDefault.extension.angleKappa = false;
    EXPECT_TRUE(DecodeSettings(on, offByDefault, &notes).extension.angleKappa);
    std::vector<std::uint8_t> odd = FixedLayout();
    AppendRecord(odd, "KAPA", {2});
    EXPECT_TRUE(DecodeSettings(odd, Settings{}, &notes).extension.angleKappa);
    EXPECT_EQ(notes, std::vector<std::string>{"Angle kappa flag 2 is neither 0 nor 1; keeping it on."});
}

TEST(SettingsExtension, CyclodeviationKeptUnderCoverAndFaceAreOffUnlessAFileTurnsThemOn)
{
    EXPECT_FALSE(DecodeSettings(FixedLayout(), Settings{}, nullptr).extension.cycloStaysUnderCover);
    EXPECT_FALSE(DecodeSettings(FixedLayout(), Settings{}, nullptr).extension.face);
    EXPECT_TRUE(EncodeSettingsExtension(SettingsExtension{}).empty());

    SettingsExtension on;
    on.cycloStaysUnderCover = true;
    const std::vector<std::uint8_t> record = EncodeSettingsExtension(on);
    EXPECT_EQ(record, (std::vector<std::uint8_t>{'C', 'Y', 'C', 'L', 1, 0, 0, 0, 1}));
    std::vector<std::uint8_t> bytes = FixedLayout();
    AppendRecord(bytes, "KAPA", {0});
    bytes.insert(bytes.end(), record.begin(), record.end());
    std::vector<std::string> notes;
    Settings read = DecodeSettings(bytes, Settings{}, &notes);
    EXPECT_TRUE(read.extension.cycloStaysUnderCover);
    EXPECT_FALSE(read.extension.angleKappa);
    EXPECT_TRUE(notes.empty());

    std::vector<std::uint8_t> odd = FixedLayout();
    AppendRecord(odd, "CYCL", {2});
    AppendRecord(odd, "KAPA", {1});  // a record after it, so the note can only name the flag's own byte
    EXPECT_FALSE(DecodeSettings(odd, Settings{}, &notes).extension.cycloStaysUnderCover);
    EXPECT_EQ(notes, std::vector<std::string>{"Cyclodeviation flag 2 is neither 0 nor 1; the eyes roll under cover."});

    SettingsExtension face;
    face.face = true;
    EXPECT_EQ(EncodeSettingsExtension(face), (std::vector<std::uint8_t>{'F', 'A', 'C', 'E', 1, 0, 0, 0, 1}));
    std::vector<std::uint8_t> withFace = FixedLayout();
    AppendRecord(withFace, "CYCL", {1});
    AppendRecord(withFace, "FACE", {1});
    notes.clear();
    read = DecodeSettings(withFace, Settings{}, &notes);
    EXPECT_TRUE(read.extension.face);
    EXPECT_TRUE(read.extension.cycloStaysUnderCover);
    EXPECT_TRUE(read.extension.unknownRecords.empty());
    std::vector<std::uint8_t> written = FixedLayout();
    const std::vector<std::uint8_t> tail = EncodeSettingsExtension(read.extension);
    written.insert(written.end(), tail.begin(), tail.end());
    EXPECT_EQ(written, withFace);
    AppendRecord(odd, "FACE", {7});
    notes.clear();
    EXPECT_FALSE(DecodeSettings(odd, Settings{}, &notes).extension.face);
    EXPECT_EQ(notes.back(), "Face flag 7 is neither 0 nor 1; no face is drawn.");
}

TEST(SettingsExtension, FixationTargetIsHiddenUnlessAFileShowsIt)
{
    EXPECT_FALSE(DecodeSettings(FixedLayout(), Settings{}, nullptr).extension.showTarget);

    SettingsExtension shown;
    shown.showTarget = true;
    const std::vector<std::uint8_t> record = EncodeSettingsExtension(shown);
    EXPECT_EQ(record, (std::vector<std::uint8_t>{'T', 'R', 'G', 'T', 1, 0, 0, 0, 1}));
    // Read after a record this program does not know, which is kept as it was.
    std::vector<std::uint8_t> bytes = FixedLayout();
    AppendRecord(bytes, "NEWR", {7, 8});
    bytes.insert(bytes.end(), record.begin(), record.end());
    std::vector<std::string> notes;
    const Settings read = DecodeSettings(bytes, Settings{}, &notes);
    EXPECT_TRUE(read.extension.showTarget);
    EXPECT_EQ(read.extension.unknownRecords, (std::vector<std::uint8_t>{'N', 'E', 'W', 'R', 2, 0, 0, 0, 7, 8}));
    EXPECT_TRUE(notes.empty());

    std::vector<std::uint8_t> odd = FixedLayout();
    AppendRecord(odd, "TRGT", {2});
    EXPECT_FALSE(DecodeSettings(odd, Settings{}, &notes).extension.showTarget);
    EXPECT_EQ(notes, std::vector<std::string>{"Fixation target flag 2 is neither 0 nor 1; it stays hidden."});
}

}  // namespace
