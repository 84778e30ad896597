#include "model/MuscleFile.h"

#include "settings/FileIo.h"

#include <array>
#include <cmath>
#include <system_error>
#include <utility>
#include <vector>

namespace {

constexpr std::array<Eye, kEyeCount> kEyes = {Eye::one, Eye::two};

const char* EyeKey(Eye eye)
{
    return eye == Eye::one ? "right" : "left";
}

// What a key names: a muscle's strength or one of the anomalies beyond it.
enum class Field { tether, coContraction, strength };
constexpr int kFieldCount = 2 + kMuscleCount;

// Keys of the anomalies, written after the strengths so that a file without
// anomalies reads and writes as it always has.
const char* AnomalyName(Field field)
{
    return field == Field::tether ? "SOtether" : "LRcocontraction";
}

std::string KeyOf(Eye eye, int field)
{
    const char* name = field < kMuscleCount ? MuscleName(static_cast<Muscle>(field))
                                            : AnomalyName(static_cast<Field>(field - kMuscleCount));
    return std::string(EyeKey(eye)) + "." + name;
}

// field: a muscle's index, or kMuscleCount plus the anomaly's.
bool ParseKey(const std::string& key, Eye& eye, int& field)
{
    for (Eye e : kEyes) {
        for (int f = 0; f < kFieldCount; ++f) {
            if (key == KeyOf(e, f)) {
                eye = e;
                field = f;
                return true;
            }
        }
    }
    return false;
}

int ValueOf(const MuscleStrengths& strengths, Eye eye, int field)
{
    if (field < kMuscleCount)
        return strengths.Get(eye, static_cast<Muscle>(field));
    return static_cast<Field>(field - kMuscleCount) == Field::tether ? strengths.Tether(eye)
                                                                     : strengths.CoContraction(eye);
}

void SetValue(MuscleStrengths& strengths, Eye eye, int field, int percent)
{
    if (field < kMuscleCount)
        strengths.Set(eye, static_cast<Muscle>(field), percent);
    else if (static_cast<Field>(field - kMuscleCount) == Field::tether)
        strengths.SetTether(eye, percent);
    else
        strengths.SetCoContraction(eye, percent);
}

int AbsentValue(int field)
{
    return field < kMuscleCount ? kNormalStrength : 0;
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Whole percent 0..100, digits only; more than three digits cannot be in range.
bool ParsePercent(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(text);
    return value <= kNormalStrength;
}

// The head posture's record, kept apart from the muscles' keys: turn, tilt, chin.
constexpr const char* kHeadKeys[] = {"head.turn", "head.tilt", "head.chin"};
constexpr int kHeadKeyCount = 3;

int HeadKeyIndex(const std::string& key)
{
    for (int i = 0; i < kHeadKeyCount; ++i)
        if (key == kHeadKeys[i])
            return i;
    return -1;
}

double& HeadAngle(HeadPosture& head, int index)
{
    return index == 0 ? head.turn : index == 1 ? head.tilt : head.chinUp;
}

// Whole degrees, an optional minus and at most two digits, within kLargestHeadPosture.
bool ParseHeadDegrees(const std::string& text, int& value)
{
    const std::string digits = !text.empty() && text[0] == '-' ? text.substr(1) : text;
    if (digits.empty() || digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(text);
    return std::abs(value) <= kLargestHeadPosture;
}

std::string EncodeHead(const CompensatoryHead& head)
{
    std::string text;
    if (!head)
        return text;
    HeadPosture posture = *head;
    for (int i = 0; i < kHeadKeyCount; ++i)
        text += std::string(kHeadKeys[i]) + "=" + std::to_string(std::lround(HeadAngle(posture, i))) + "\n";
    return text;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The levators of the lids, a piece of their own: "right.LPS=30", written
// after everything that turns the eyes; absent means 100 %.
std::string LevatorKey(Eye eye)
{
    return std::string(EyeKey(eye)) + ".LPS";
}

bool ParseLevatorKey(const std::string& key, Eye& eye)
{
    for (Eye e : kEyes) {
        if (key == LevatorKey(e)) {
            eye = e;
            return true;
        }
    }
    return false;
}

void EncodeLevators(const MuscleStrengths& strengths, std::string& text)
{
    for (Eye eye : kEyes)
        if (strengths.Levator(eye) != kNormalStrength)
            text += LevatorKey(eye) + "=" + std::to_string(strengths.Levator(eye)) + "\n";
}

// Anything at all under the name, a dangling link included.
bool FileExists(const std::filesystem::path& path)
{
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

// Something in the companion's place that is not ours to remove.
bool IsFolder(const std::filesystem::path& path)
{
    std::error_code ignored;
    return std::filesystem::is_directory(std::filesystem::symlink_status(path, ignored));
}

}  // namespace

std::filesystem::path MuscleFilePath(const std::filesystem::path& casePath)
{
    return std::filesystem::path(casePath) += ".muscles";
}

std::string EncodeMuscles(const MuscleStrengths& strengths, const CompensatoryHead& head)
{
    std::string text = std::string(kMuscleFileHeader) + "\n";
    const auto write = [&](int first, int last) {
        for (Eye eye : kEyes) {
            for (int field = first; field < last; ++field) {
                const int percent = ValueOf(strengths, eye, field);
                if (percent != AbsentValue(field))
                    text += KeyOf(eye, field) + "=" + std::to_string(percent) + "\n";
            }
        }
    };
    write(0, kMuscleCount);
    write(kMuscleCount, kFieldCount);
    EncodeLevators(strengths, text);
    return text + EncodeHead(head);
}

MuscleFileResult DecodeMuscles(const std::string& text, MuscleStrengths& out, CompensatoryHead& head)
{
    const std::vector<std::string> lines = SplitLines(text);
    if (lines.empty() || lines.front() != kMuscleFileHeader)
        return {MuscleFileError::noHeader, 1};

    MuscleStrengths read;
    CompensatoryHead readHead;
    std::array<std::array<bool, kFieldCount>, kEyeCount> seen{};
    std::array<bool, kHeadKeyCount> seenHead{};
    std::array<bool, kEyeCount> levatorSeen{};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        if (Trimmed(lines[i]).empty())
            continue;
        const auto equals = lines[i].find('=');
        if (equals == std::string::npos)
            return {MuscleFileError::badLine, lineNumber};
        const std::string key = Trimmed(lines[i].substr(0, equals));
        const std::string value = Trimmed(lines[i].substr(equals + 1));
        if (const int headKey = HeadKeyIndex(key); headKey >= 0) {
            if (seenHead[static_cast<std::size_t>(headKey)])
                return {MuscleFileError::repeatedKey, lineNumber};
            seenHead[static_cast<std::size_t>(headKey)] = true;
            int degrees = 0;
            if (!ParseHeadDegrees(value, degrees))
                return {MuscleFileError::badHeadAngle, lineNumber};
            if (!readHead)
                readHead = HeadPosture();
            HeadAngle(*readHead, headKey) = degrees;
            continue;
        }
        Eye eye = Eye::one;
        if (ParseLevatorKey(key, eye)) {
            int percent = 0;
            if (std::exchange(levatorSeen[static_cast<std::size_t>(eye)], true))
                return {MuscleFileError::repeatedKey, lineNumber};
            if (!ParsePercent(value, percent))
                return {MuscleFileError::badValue, lineNumber};
            read.SetLevator(eye, percent);
            continue;
        }
        int field = 0;
        if (!ParseKey(key, eye, field))
            return {MuscleFileError::unknownKey, lineNumber};
        bool& already = seen[static_cast<std::size_t>(eye)][static_cast<std::size_t>(field)];
        if (already)
            return {MuscleFileError::repeatedKey, lineNumber};
        already = true;
        int percent = 0;
        if (!ParsePercent(value, percent))
            return {MuscleFileError::badValue, lineNumber};
        SetValue(read, eye, field, percent);
    }
    out = read;
    head = readHead;
    return {};
}

MuscleFileResult DecodeMuscles(const std::string& text, MuscleStrengths& out)
{
    CompensatoryHead unused;
    return DecodeMuscles(text, out, unused);
}

MuscleFileResult LoadMuscleFile(const std::filesystem::path& casePath, MuscleStrengths& out, CompensatoryHead& head)
{
    const std::filesystem::path path = MuscleFilePath(casePath);
    if (!FileExists(path)) {
        out.Reset();
        head.reset();
        return {};
    }
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!ReadFileBytes(path, kLargestMuscleFile, bytes, error))
        return {MuscleFileError::unreadable, 0};
    return DecodeMuscles(std::string(bytes.begin(), bytes.end()), out, head);
}

MuscleFileResult LoadMuscleFile(const std::filesystem::path& casePath, MuscleStrengths& out)
{
    CompensatoryHead unused;
    return LoadMuscleFile(casePath, out, unused);
}

bool SaveMuscleFile(const std::filesystem::path& casePath, const MuscleStrengths& strengths,
                    const CompensatoryHead& head, std::string& error)
{
    const std::filesystem::path path = MuscleFilePath(casePath);
    if (strengths.NothingWeak() && !head) {
        std::error_code removeError;
        if (!FileExists(path) || IsFolder(path) || std::filesystem::remove(path, removeError))
            return true;
        error = "Could not remove " + PathForMessage(path) + ": " + removeError.message();
        return false;
    }
    const std::string text = EncodeMuscles(strengths, head);
    return WriteFileAtomically(path, text.data(), text.size(), error);
}

bool SaveMuscleFile(const std::filesystem::path& casePath, const MuscleStrengths& strengths, std::string& error)
{
    return SaveMuscleFile(casePath, strengths, std::nullopt, error);
}
