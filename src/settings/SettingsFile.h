#pragma once

#include "settings/SettingsExtension.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A colour as three channels 0..255.
struct Rgb {
    int r, g, b;
};

bool operator==(const Rgb& a, const Rgb& b);
bool operator!=(const Rgb& a, const Rgb& b);

// The display preferences kept between runs. Every member starts at the
// program's default, which is also what a first run without a settings file
// shows. Numbers in comments are the menu item and tool ids the flags mirror.
struct Settings {
    Rgb panelColour{192, 192, 192};
    Rgb textColour{0, 0, 0};
    Rgb backgroundColour{50, 50, 50};
    bool wholeDegrees = false;     // 619: angles in whole degrees instead of hundredths
    bool flashlightMode = true;    // 608 / tool 607: the eyes follow the pointer only while the button is down
    bool eyeCrosses = false;       // tool 605 / 606: crosses drawn on both corneas
    bool axisLinesAlways = false;  // 609: axis lines shown permanently, not only after a tilt change
    int eyeSegments = 22;          // 15, 22 or 45
    Rgb redFilterColour{75, 0, 0};
    Rgb occluderColour{32, 32, 32};  // the translucent occluder
    Rgb crossColour{255, 255, 255};
    Rgb axisColour{0, 51, 128};
    float occluderAlpha = 0.2f;
    float redFilterAlpha = 0.2f;
    int blendSlider = 1;            // 1 (far) .. 11 (near)
    float qualityThreshold = 0.0f;  // fraction 0..1 of playback sample quality; 0 = off
    bool showBothEyesHint = true;
    std::string languageFile;  // name of a .lan file in the working folder; empty = the first one found
    bool showCoverHint = true;
    Rgb quadrantColour{179, 179, 255};
    float quadrantAlpha = 0.6f;
    SettingsExtension extension;  // kept after the fixed layout
};

inline constexpr std::size_t kSettingsFileSize = 146;
inline constexpr std::size_t kLanguageNameBytes = 20;
inline constexpr const char* kSettingsFileName = "squinx.ini";

// The settings file image: little-endian 32-bit integers and IEEE floats,
// colours as three integers, flags as one byte 0 or 1, and the language file
// name zero-padded (or cut) to 20 bytes, unterminated when 20 long.
std::array<std::uint8_t, kSettingsFileSize> EncodeSettings(const Settings& settings);

// Reads the items the bytes cover; items a short file lacks keep their value
// from defaults, and bytes past the layout are read as the extension. Colour channels are
// taken modulo 256 and flags are true when not zero. Values no program would
// write are replaced by their value in defaults: a segment count other than
// 15, 22 or 45, alphas or threshold outside 0..1, and a language name that
// could reach outside the working folder; a blend slider position outside
// 1..11 is clamped. Each such repair, and a short file, adds an English note
// to corrections when it is given.
Settings DecodeSettings(const std::vector<std::uint8_t>& bytes, const Settings& defaults,
                        std::vector<std::string>* corrections);

enum class SettingsFileState {
    Missing,     // the normal first run
    Unreadable,  // a folder, a FIFO, no permission: error says why
    Read,
};

// Reads the first kSettingsFileSize bytes of the settings file at path, whatever
// its size. Unless the result is Read, settings equals defaults.
SettingsFileState LoadSettingsFile(const std::filesystem::path& path, const Settings& defaults, Settings& settings,
                                   std::vector<std::string>* corrections, std::string& error);

// Writes the settings file atomically, keeping the old one on failure.
bool SaveSettingsFile(const std::filesystem::path& path, const Settings& settings, std::string& error);
