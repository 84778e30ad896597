#include "settings/SettingsFile.h"

#include "settings/FileIo.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == 4,
              "the settings file stores IEEE 754 single-precision floats");

namespace {

constexpr int kMinBlendSlider = 1;
constexpr int kMaxBlendSlider = 11;

// The file layout, item by item: offset and member. Encoding and decoding
// both walk this one list; the member's type decides the item's size and
// encoding (Rgb 12 bytes, bool 1, int 4, float 4, std::string 20).
template <typename SettingsT, typename Visitor>
void VisitItems(SettingsT& s, Visitor&& visit)
{
    visit(0, s.panelColour);
    visit(12, s.textColour);
    visit(24, s.backgroundColour);
    visit(36, s.wholeDegrees);
    visit(37, s.flashlightMode);
    visit(38, s.eyeCrosses);
    visit(39, s.axisLinesAlways);
    visit(40, s.eyeSegments);
    visit(44, s.redFilterColour);
    visit(56, s.occluderColour);
    visit(68, s.crossColour);
    visit(80, s.axisColour);
    visit(92, s.occluderAlpha);
    visit(96, s.redFilterAlpha);
    visit(100, s.blendSlider);
    visit(104, s.qualityThreshold);
    visit(108, s.showBothEyesHint);
    visit(109, s.languageFile);
    visit(129, s.showCoverHint);
    visit(130, s.quadrantColour);
    visit(142, s.quadrantAlpha);
}

constexpr std::size_t ItemSize(const Rgb&)
{
    return 12;
}
constexpr std::size_t ItemSize(const bool&)
{
    return 1;
}
constexpr std::size_t ItemSize(const int&)
{
    return 4;
}
constexpr std::size_t ItemSize(const float&)
{
    return 4;
}
constexpr std::size_t ItemSize(const std::string&)
{
    return kLanguageNameBytes;
}

void PutUint32(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetUint32(const std::uint8_t* at)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return value;
}

void Put(std::uint8_t* at, int value)
{
    PutUint32(at, static_cast<std::uint32_t>(value));
}

void Put(std::uint8_t* at, float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    PutUint32(at, bits);
}

void Put(std::uint8_t* at, bool value)
{
    *at = value ? 1 : 0;
}

void Put(std::uint8_t* at, const Rgb& colour)
{
    Put(at, colour.r);
    Put(at + 4, colour.g);
    Put(at + 8, colour.b);
}

void Put(std::uint8_t* at, const std::string& name)
{
    const std::size_t length = std::min(name.size(), kLanguageNameBytes);
    std::memcpy(at, name.data(), length);
    std::memset(at + length, 0, kLanguageNameBytes - length);
}

void Get(const std::uint8_t* at, int& value)
{
    value = static_cast<std::int32_t>(GetUint32(at));
}

void Get(const std::uint8_t* at, float& value)
{
    const std::uint32_t bits = GetUint32(at);
    std::memcpy(&value, &bits, sizeof value);
}

void Get(const std::uint8_t* at, bool& value)
{
    value = *at != 0;
}

int ChannelModulo256(int value)
{
    return ((value % 256) + 256) % 256;
}

void Get(const std::uint8_t* at, Rgb& colour)
{
    Get(at, colour.r);
    Get(at + 4, colour.g);
    Get(at + 8, colour.b);
    colour = {ChannelModulo256(colour.r), ChannelModulo256(colour.g), ChannelModulo256(colour.b)};
}

void Get(const std::uint8_t* at, std::string& name)
{
    const auto* end = std::find(at, at + kLanguageNameBytes, std::uint8_t{0});
    name.assign(at, end);
}

bool IsFraction(float value)
{
    return value >= 0.0f && value <= 1.0f;
}  // false for NaN

// The name is opened relative to the working folder; a settings file must
// not be able to point the program anywhere else.
bool IsPlainFileName(const std::string& name)
{
    return name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
           name.find("..") == std::string::npos;
}

class Repairs {
public:
    explicit Repairs(std::vector<std::string>* notes) : m_notes(notes) {}

    void Note(const std::string& text)
    {
        if (m_notes)
            m_notes->push_back(text);
    }

    void Fraction(float& value, float fallback, const char* what)
    {
        if (IsFraction(value))
            return;
        Note(std::string(what) + " " + std::to_string(value) + " is outside 0..1; using " + std::to_string(fallback) +
             ".");
        value = fallback;
    }

private:
    std::vector<std::string>* m_notes;
};

}  // namespace

bool operator==(const Rgb& a, const Rgb& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
bool operator!=(const Rgb& a, const Rgb& b)
{
    return !(a == b);
}

std::array<std::uint8_t, kSettingsFileSize> EncodeSettings(const Settings& settings)
{
    std::array<std::uint8_t, kSettingsFileSize> bytes{};
    VisitItems(settings, [&](std::size_t offset, const auto& item) { Put(bytes.data() + offset, item); });
    return bytes;
}

Settings DecodeSettings(const std::vector<std::uint8_t>& bytes, const Settings& defaults,
                        std::vector<std::string>* corrections)
{
    Settings settings = defaults;
    VisitItems(settings, [&](std::size_t offset, auto& item) {
        if (offset + ItemSize(item) <= bytes.size())
            Get(bytes.data() + offset, item);
    });

    if (bytes.size() > kSettingsFileSize)
        settings.extension = DecodeSettingsExtension(bytes.data() + kSettingsFileSize, bytes.size() - kSettingsFileSize,
                                                     defaults.extension, corrections);

    Repairs repairs(corrections);
    if (bytes.size() < kSettingsFileSize)
        repairs.Note("The settings file has only " + std::to_string(bytes.size()) + " of " +
                     std::to_string(kSettingsFileSize) + " bytes; the missing items keep their defaults.");
    if (settings.eyeSegments != 15 && settings.eyeSegments != 22 && settings.eyeSegments != 45) {
        repairs.Note("Eyeball segment count " + std::to_string(settings.eyeSegments) + " is not 15, 22 or 45; using " +
                     std::to_string(defaults.eyeSegments) + ".");
        settings.eyeSegments = defaults.eyeSegments;
    }
    if (settings.blendSlider < kMinBlendSlider || settings.blendSlider > kMaxBlendSlider) {
        const int clamped = std::clamp(settings.blendSlider, kMinBlendSlider, kMaxBlendSlider);
        repairs.Note("Distance slider position " + std::to_string(settings.blendSlider) + " is outside 1..11; using " +
                     std::to_string(clamped) + ".");
        settings.blendSlider = clamped;
    }
    repairs.Fraction(settings.occluderAlpha, defaults.occluderAlpha, "Translucent occluder transparency");
    repairs.Fraction(settings.redFilterAlpha, defaults.redFilterAlpha, "Red filter transparency");
    repairs.Fraction(settings.quadrantAlpha, defaults.quadrantAlpha, "Quadrant overlay transparency");
    repairs.Fraction(settings.qualityThreshold, defaults.qualityThreshold, "Quality threshold");
    if (!IsPlainFileName(settings.languageFile)) {
        repairs.Note("Language file name \"" + settings.languageFile +
                     "\" points outside the working folder; it is ignored.");
        settings.languageFile = defaults.languageFile;
    }
    return settings;
}

SettingsFileState LoadSettingsFile(const std::filesystem::path& path, const Settings& defaults, Settings& settings,
                                   std::vector<std::string>* corrections, std::string& error)
{
    settings = defaults;
    std::error_code ec;
    if (std::filesystem::symlink_status(path, ec).type() == std::filesystem::file_type::not_found)
        return SettingsFileState::Missing;
    std::vector<std::uint8_t> bytes;
    // The fixed part and the preferences appended after it; a file of any
    // size is read only this far.
    constexpr std::size_t kReadLimit = kSettingsFileSize + 4096;
    if (!ReadFileStart(path, kReadLimit, bytes, error))
        return SettingsFileState::Unreadable;
    settings = DecodeSettings(bytes, defaults, corrections);
    return SettingsFileState::Read;
}

bool SaveSettingsFile(const std::filesystem::path& path, const Settings& settings, std::string& error)
{
    const auto fixed = EncodeSettings(settings);
    std::vector<std::uint8_t> bytes(fixed.begin(), fixed.end());
    const std::vector<std::uint8_t> extension = EncodeSettingsExtension(settings.extension);
    bytes.insert(bytes.end(), extension.begin(), extension.end());
    return WriteFileAtomically(path, bytes.data(), bytes.size(), error);
}
