#include "settings/SettingsExtension.h"

#include <cstring>

namespace {

constexpr char kPlaybackTag[4] = {'P', 'L', 'A', 'Y'};
constexpr std::size_t kTagBytes = 4;
constexpr std::size_t kRecordHeadBytes = 8;
constexpr std::size_t kPlaybackPayloadBytes = 8;
constexpr int kMaxSpeedEighths = 64;
constexpr int kMaxTraceSpanMs = 24 * 60 * 60 * 1000;

// Records of one byte, 0 or 1, each holding one switch; written in this order.
struct FlagRecord {
    char tag[4];
    bool SettingsExtension::*flag;
    const char* name;       // as a note names it
    const char* otherwise;  // what a value other than 0 or 1 leaves
};
constexpr FlagRecord kFlagRecords[] = {
    {{'K', 'A', 'P', 'A'}, &SettingsExtension::angleKappa, "Angle kappa flag", "keeping it on"},
    {{'C', 'Y', 'C', 'L'},
     &SettingsExtension::cycloStaysUnderCover,
     "Cyclodeviation flag",
     "the eyes roll under cover"},
    {{'F', 'A', 'C', 'E'}, &SettingsExtension::face, "Face flag", "no face is drawn"},
    {{'T', 'R', 'G', 'T'}, &SettingsExtension::showTarget, "Fixation target flag", "it stays hidden"},
};

void PutInt32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t GetUint32(const std::uint8_t* at)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return value;
}

void Note(std::vector<std::string>* corrections, const std::string& text)
{
    if (corrections)
        corrections->push_back(text);
}

}  // namespace

std::vector<std::uint8_t> EncodeSettingsExtension(const SettingsExtension& extension)
{
    const SettingsExtension defaults;
    std::vector<std::uint8_t> bytes;
    if (extension.playbackSpeedEighths != defaults.playbackSpeedEighths ||
        extension.traceSpanMs != defaults.traceSpanMs) {
        bytes.insert(bytes.end(), kPlaybackTag, kPlaybackTag + kTagBytes);
        PutInt32(bytes, kPlaybackPayloadBytes);
        PutInt32(bytes, static_cast<std::uint32_t>(extension.playbackSpeedEighths));
        PutInt32(bytes, static_cast<std::uint32_t>(extension.traceSpanMs));
    }
    for (const FlagRecord& record : kFlagRecords) {
        if (extension.*record.flag == defaults.*record.flag)
            continue;
        bytes.insert(bytes.end(), record.tag, record.tag + kTagBytes);
        PutInt32(bytes, 1);
        bytes.push_back(extension.*record.flag ? 1 : 0);
    }
    bytes.insert(bytes.end(), extension.unknownRecords.begin(), extension.unknownRecords.end());
    return bytes;
}

SettingsExtension DecodeSettingsExtension(const std::uint8_t* bytes, std::size_t size,
                                          const SettingsExtension& defaults, std::vector<std::string>* corrections)
{
    SettingsExtension extension = defaults;
    std::size_t at = 0;
    while (size - at >= kRecordHeadBytes) {
        const std::uint32_t length = GetUint32(bytes + at + kTagBytes);
        const std::uint8_t* payload = bytes + at + kRecordHeadBytes;
        if (length > size - at - kRecordHeadBytes) {
            Note(corrections, "The settings file ends inside a record; the rest is ignored.");
            break;
        }
        const bool playback = std::memcmp(bytes + at, kPlaybackTag, kTagBytes) == 0;
        const FlagRecord* flag = nullptr;
        for (const FlagRecord& record : kFlagRecords)
            if (std::memcmp(bytes + at, record.tag, kTagBytes) == 0)
                flag = &record;
        if (!playback && !flag)
            extension.unknownRecords.insert(extension.unknownRecords.end(), bytes + at, payload + length);
        if (playback && length >= kPlaybackPayloadBytes) {
            const auto speed = static_cast<std::int32_t>(GetUint32(payload));
            const auto span = static_cast<std::int32_t>(GetUint32(payload + 4));
            if (speed >= 1 && speed <= kMaxSpeedEighths)
                extension.playbackSpeedEighths = speed;
            else
                Note(corrections, "Playback speed " + std::to_string(speed) + " is out of range; using normal speed.");
            if (span >= 0 && span <= kMaxTraceSpanMs)
                extension.traceSpanMs = span;
            else
                Note(corrections, "Trace span " + std::to_string(span) + " ms is out of range; showing everything.");
        }
        if (flag && length >= 1) {
            if (payload[0] <= 1)
                extension.*flag->flag = payload[0] == 1;
            else
                Note(corrections, std::string(flag->name) + " " + std::to_string(payload[0]) + " is neither 0 nor 1; " +
                                      flag->otherwise + ".");
        }
        at += kRecordHeadBytes + length;
    }
    return extension;
}
