// A save killed at any moment (power cut, kill -9, crash elsewhere in the
// program) leaves the previous file or the new one, never a mixture: case,
// settings and recording files, each saved by its real writer in another
// process that is killed at random moments.
#include "model/CaseFile.h"
#include "playback/RecordingWriter.h"
#include "settings/FileIo.h"
#include "settings/SettingsFile.h"

#include "../support/PortableTest.h"
#include "SaverProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Version v of a case: every angle differs from version to version.
std::string CaseBytes(std::uint32_t version)
{
    CaseData data;
    int slot = 0;
    for (Eye eye : {Eye::one, Eye::two}) {
        for (int q = 0; q < kEyeQuantityCount; ++q) {
            data.values.SetNear(eye, static_cast<EyeQuantity>(q), static_cast<int>(version) * 31 + slot++);
            data.values.SetFar(eye, static_cast<EyeQuantity>(q), -static_cast<int>(version) - slot++);
        }
    }
    data.manifestMode = version % 2 == 0;
    data.quadrantMarks = static_cast<std::uint8_t>(version);
    const auto bytes = EncodeCase(data);
    return std::string(bytes.begin(), bytes.end());
}

std::optional<std::uint32_t> CaseVersion(const std::string& bytes)
{
    const std::vector<std::uint8_t> raw(bytes.begin(), bytes.end());
    CaseData data;
    if (DecodeCase(raw, data) != CaseReadResult::ok)
        return std::nullopt;
    const int horizontal = data.values.Near(Eye::one, EyeQuantity::horizontal);
    if (horizontal < 0 || horizontal % 31 != 0)
        return std::nullopt;
    return static_cast<std::uint32_t>(horizontal / 31);
}

// Version v of the settings: carried by two colours, the rest varies with it.
Settings SettingsOf(std::uint32_t version)
{
    Settings settings;
    settings.panelColour = {int(version & 0xFF), int((version >> 8) & 0xFF), int((version >> 16) & 0xFF)};
    settings.textColour = {int(version >> 24), int(version % 7), int(version % 13)};
    settings.blendSlider = 1 + static_cast<int>(version % 11);
    settings.occluderAlpha = static_cast<float>(version % 100) / 100.0f;
    settings.languageFile = "v" + std::to_string(version % 1000) + ".lan";
    return settings;
}

std::string SettingsBytes(std::uint32_t version)
{
    const auto bytes = EncodeSettings(SettingsOf(version));
    return std::string(bytes.begin(), bytes.end());
}

std::optional<std::uint32_t> SettingsVersion(const std::string& bytes)
{
    const Settings settings =
        DecodeSettings(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), Settings{}, nullptr);
    return static_cast<std::uint32_t>(settings.panelColour.r) |
           static_cast<std::uint32_t>(settings.panelColour.g) << 8 |
           static_cast<std::uint32_t>(settings.panelColour.b) << 16 |
           static_cast<std::uint32_t>(settings.textColour.r) << 24;
}

// Version v of a recording of some hundred kilobytes, so that a save takes
// long enough to be killed half-way.
Recording RecordingOf(std::uint32_t version)
{
    constexpr unsigned kColumns = 14;
    constexpr std::size_t kRows = 3000;
    const std::string name = "v" + std::to_string(version) + "\n";
    std::vector<std::int32_t> samples(kRows * kColumns);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int32_t>((i * 7 + version) % 90000) * 10;
    for (std::size_t row = 0; row < kRows; ++row)
        samples[row * kColumns] = static_cast<std::int32_t>(row * 20);
    return Recording({name, "Jo\n", "7\n", "today\n", "pursuit\n", "Time\tx\n"}, kColumns, std::move(samples));
}

class StringSink : public ByteSink {
public:
    bool Write(const char* data, std::size_t size) override
    {
        bytes.append(data, size);
        return true;
    }
    std::string bytes;
};

std::string RecordingBytes(std::uint32_t version)
{
    StringSink sink;
    WriteRecording(RecordingOf(version), false, sink);
    return sink.bytes;
}

std::optional<std::uint32_t> RecordingVersion(const std::string& bytes)
{
    const std::string head = "Name: v";
    if (bytes.compare(0, head.size(), head) != 0)
        return std::nullopt;
    const std::size_t end = bytes.find('\n');
    if (end == std::string::npos || end == head.size() || end - head.size() > 9)
        return std::nullopt;
    const std::string digits = bytes.substr(head.size(), end - head.size());
    if (digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return static_cast<std::uint32_t>(std::stoul(digits));
}

struct Format {
    const char* fileName;
    std::function<bool(const std::string& path, std::uint32_t version)> save;
    std::function<std::string(std::uint32_t version)> bytesOf;
    std::function<std::optional<std::uint32_t>(const std::string& bytes)> versionOf;
};

class CrashSafety : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!SaverProcess::IsSaver())
            m_folder = MakeTempFolder("crash-");
    }

    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }

    // Saves versions one after another in a saver process killed after a
    // random delay, round after round. After each kill the file must be, byte
    // for byte, the version before the round or one the saver saved in it.
    // The delays are drawn around the time one save takes here and now; a
    // round in which no save completed lengthens them and one in which a save
    // completed shortens them, so they follow the machine's load and about
    // one kill in five comes after a completed save. The rounds go on, within
    // a bound, until a kill has landed both after a completed save and
    // inside one.
    void KillWhileSaving(const Format& format)
    {
        SaverProcess::SaveIfAsked(format.save);
        const std::string target = (m_folder / format.fileName).string();
        const auto started = std::chrono::steady_clock::now();
        ASSERT_TRUE(format.save(target, 0));
        double saveMicroseconds = std::max(
            50.0, std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - started).count());
        std::mt19937 random(20240601);
        // Spread evenly on a log scale: most kills land early in a save, some after several.
        std::uniform_real_distribution<double> logSaves(std::log(0.05), std::log(3.0));
        std::uint32_t last = 0;
        int changes = 0;
        int interrupted = 0;
        const auto withinBudget = [&] { return std::chrono::steady_clock::now() - started < kBudget; };
        for (std::uint32_t round = 1;
             (round <= kRounds && withinBudget()) || ((changes == 0 || interrupted == 0) && round <= kMaxRounds);
             ++round) {
            const std::uint32_t first = round * 100000;
            SaverProcess saver;
            ASSERT_TRUE(saver.Start(format.save, target, first)) << format.fileName << ": no saver started";
            std::this_thread::sleep_for(
                std::chrono::duration<double, std::micro>(saveMicroseconds * std::exp(logSaves(random))));
            ASSERT_TRUE(saver.Kill()) << format.fileName << ": the saver stopped on its own";

            const std::string bytes = Slurp(target);
            const std::optional<std::uint32_t> version = format.versionOf(bytes);
            ASSERT_TRUE(version.has_value()) << format.fileName << ": unreadable after round " << round;
            ASSERT_TRUE(*version == last || (*version > first && *version < first + 100000))
                << format.fileName << ": version " << *version << " after round " << round;
            ASSERT_EQ(bytes, format.bytesOf(*version)) << format.fileName << ": torn after round " << round;
            saveMicroseconds = *version == last ? std::min(saveMicroseconds * 1.25, kLongestDelayMicroseconds)
                                                : std::max(saveMicroseconds * 0.4, 50.0);
            changes += *version != last;
            last = *version;
            // A killed writer cannot remove its temporary file.
            for (const auto& entry : fs::directory_iterator(m_folder)) {
                if (entry.path().filename().string().find(".tmp-") != std::string::npos) {
                    ++interrupted;
                    fs::remove(entry.path());
                }
            }
        }
        EXPECT_GT(changes, 0) << format.fileName << ": no save completed, so the test showed nothing";
        EXPECT_GT(interrupted, 0) << format.fileName << ": no kill landed inside a save";
    }

    static constexpr std::uint32_t kRounds = 100;
    static constexpr std::uint32_t kMaxRounds = 400;
    // A busy machine gets fewer rounds rather than a test past its timeout.
    static constexpr std::chrono::seconds kBudget{15};
    static constexpr double kLongestDelayMicroseconds = 2e6;
    fs::path m_folder;
};

TEST_F(CrashSafety, CaseFileIsOldOrNewAfterAKill)
{
    KillWhileSaving({"patient.sd",
                     [](const std::string& path, std::uint32_t version) {
                         const std::string bytes = CaseBytes(version);
                         std::string error;
                         return WriteFileAtomically(path, bytes.data(), bytes.size(), error);
                     },
                     CaseBytes, CaseVersion});
}

TEST_F(CrashSafety, SettingsFileIsOldOrNewAfterAKill)
{
    KillWhileSaving({kSettingsFileName,
                     [](const std::string& path, std::uint32_t version) {
                         std::string error;
                         return SaveSettingsFile(path, SettingsOf(version), error);
                     },
                     SettingsBytes, SettingsVersion});
}

TEST_F(CrashSafety, RecordingFileIsOldOrNewAfterAKill)
{
    KillWhileSaving({"exam.stx",
                     [](const std::string& path, std::uint32_t version) {
                         std::string error;
                         return WriteRecordingFile(path, RecordingOf(version), error);
                     },
                     RecordingBytes, RecordingVersion});
}

}  // namespace
