#include "settings/SettingsExtension.h"

#include <cstring>

namespace {

constexpr char kPlaybackTag[4] = {'P', 'L', 'A', 'Y'};
constexpr char kKappaTag[4] = {'K', 'A', 'P', 'A'};
constexpr std::size_t kKappaPayloadBytes = 1;
constexpr char kCycloTag[4] = {'C', 'Y', 'C', 'L'};
constexpr std::size_t kCycloPayloadBytes = 1;
constexpr char kFaceTag[4] = {'F', 'A', 'C', 'E'};
constexpr std::size_t kFacePayloadBytes = 1;
constexpr char kTargetTag[4] = {'T', 'R', 'G', 'T'};
constexpr std::size_t kTargetPayloadBytes = 1;
constexpr std::size_t kTagBytes = 4;
constexpr std::size_t kRecordHeadBytes = 8;
constexpr std::size_t kPlaybackPayloadBytes = 8;
constexpr int kMaxSpeedEighths = 64;
constexpr int kMaxTraceSpanMs = 24 * 60 * 60 * 1000;

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
    if (extension.angleKappa != defaults.angleKappa) {
        bytes.insert(bytes.end(), kKappaTag, kKappaTag + kTagBytes);
        PutInt32(bytes, kKappaPayloadBytes);
        bytes.push_back(extension.angleKappa ? 1 : 0);
    }
    if (extension.cycloStaysUnderCover != defaults.cycloStaysUnderCover) {
        bytes.insert(bytes.end(), kCycloTag, kCycloTag + kTagBytes);
        PutInt32(bytes, kCycloPayloadBytes);
        bytes.push_back(extension.cycloStaysUnderCover ? 1 : 0);
    }
    if (extension.face != defaults.face) {
        bytes.insert(bytes.end(), kFaceTag, kFaceTag + kTagBytes);
        PutInt32(bytes, kFacePayloadBytes);
        bytes.push_back(extension.face ? 1 : 0);
    }
    if (extension.showTarget != defaults.showTarget) {
        bytes.insert(bytes.end(), kTargetTag, kTargetTag + kTagBytes);
        PutInt32(bytes, kTargetPayloadBytes);
        bytes.push_back(extension.showTarget ? 1 : 0);
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
        const bool kappa = std::memcmp(bytes + at, kKappaTag, kTagBytes) == 0;
        const bool cyclo = std::memcmp(bytes + at, kCycloTag, kTagBytes) == 0;
        const bool face = std::memcmp(bytes + at, kFaceTag, kTagBytes) == 0;
        const bool target = std::memcmp(bytes + at, kTargetTag, kTagBytes) == 0;
        if (!playback && !kappa && !cyclo && !face && !target)
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
        if (kappa && length >= kKappaPayloadBytes) {
            if (payload[0] <= 1)
                extension.angleKappa = payload[0] == 1;
            else
                Note(corrections,
                     "Angle kappa flag " + std::to_string(payload[0]) + " is neither 0 nor 1; keeping it on.");
        }
        if (cyclo && length >= kCycloPayloadBytes) {
            if (payload[0] <= 1)
                extension.cycloStaysUnderCover = payload[0] == 1;
            else
                Note(corrections, "Cyclodeviation flag " + std::to_string(payload[0]) +
                                      " is neither 0 nor 1; the eyes roll under cover.");
        }
        if (face && length >= kFacePayloadBytes) {
            if (payload[0] <= 1)
                extension.face = payload[0] == 1;
            else
                Note(corrections, "Face flag " + std::to_string(payload[0]) + " is neither 0 nor 1; no face is drawn.");
        }
        if (target && length >= kTargetPayloadBytes) {
            if (payload[0] <= 1)
                extension.showTarget = payload[0] == 1;
            else
                Note(corrections,
                     "Fixation target flag " + std::to_string(payload[0]) + " is neither 0 nor 1; it stays hidden.");
        }
        at += kRecordHeadBytes + length;
    }
    return extension;
}
