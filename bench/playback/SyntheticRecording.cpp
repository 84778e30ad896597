#include "SyntheticRecording.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <sys/stat.h>

namespace {

constexpr double kSampleSeconds = 0.004;  // 250 Hz
constexpr double kPi = 3.14159265358979323846;

// The squint: eye 2 stands this far from eye 1, in degrees.
constexpr double kSquintHorizontal = 6.5;
constexpr double kSquintVertical = -1.5;

struct EyeSample {
    double horizontal;
    double vertical;
    double torsion;
    double quality;
};

// Gaze of eye 1 over time: fixations of 200-800 ms, saccades whose duration
// grows with their amplitude, and a blink every 2-6 s.
class GazeModel {
public:
    explicit GazeModel(unsigned seed) : m_random(seed) { StartFixation(); }

    void Step(std::size_t row, EyeSample& eyeOne, EyeSample& eyeTwo)
    {
        if (m_remaining == 0) {
            if (m_inSaccade)
                StartFixation();
            else
                StartSaccade();
        }
        --m_remaining;

        double horizontal = m_toHorizontal;
        double vertical = m_toVertical;
        if (m_inSaccade) {
            const double progress = 1.0 - static_cast<double>(m_remaining) / static_cast<double>(m_length);
            const double eased = 0.5 - 0.5 * std::cos(kPi * progress);
            horizontal = m_fromHorizontal + (m_toHorizontal - m_fromHorizontal) * eased;
            vertical = m_fromVertical + (m_toVertical - m_fromVertical) * eased;
        }
        const double torsion = 1.5 * std::sin(static_cast<double>(row) * 0.0007);

        const bool blinking = row >= m_blinkStart && row < m_blinkStart + m_blinkLength;
        if (row >= m_blinkStart + m_blinkLength)
            ScheduleBlink(row);

        eyeOne = Noisy(horizontal, vertical, torsion, blinking);
        eyeTwo = Noisy(horizontal + kSquintHorizontal, vertical + kSquintVertical, -torsion, blinking);
    }

private:
    void StartFixation()
    {
        m_inSaccade = false;
        m_remaining = m_length = std::uniform_int_distribution<std::size_t>(50, 200)(m_random);
    }

    void StartSaccade()
    {
        std::uniform_real_distribution<double> target(-15.0, 15.0);
        m_fromHorizontal = m_toHorizontal;
        m_fromVertical = m_toVertical;
        m_toHorizontal = target(m_random);
        m_toVertical = target(m_random) * 0.6;
        const double amplitude = std::hypot(m_toHorizontal - m_fromHorizontal, m_toVertical - m_fromVertical);
        const double milliseconds = 20.0 + 2.2 * amplitude;
        m_inSaccade = true;
        m_remaining = m_length = static_cast<std::size_t>(milliseconds / 1000.0 / kSampleSeconds) + 1;
    }

    void ScheduleBlink(std::size_t row)
    {
        m_blinkStart = row + std::uniform_int_distribution<std::size_t>(500, 1500)(m_random);
        m_blinkLength = std::uniform_int_distribution<std::size_t>(25, 75)(m_random);
    }

    EyeSample Noisy(double horizontal, double vertical, double torsion, bool blinking)
    {
        std::normal_distribution<double> jitter(0.0, 0.05);
        if (blinking) {
            std::uniform_real_distribution<double> lost(0.0, 0.2);
            return {jitter(m_random) * 20.0, -8.0 + jitter(m_random) * 20.0, 0.0, lost(m_random)};
        }
        std::uniform_real_distribution<double> quality(0.85, 1.0);
        return {horizontal + jitter(m_random), vertical + jitter(m_random), torsion + jitter(m_random),
                quality(m_random)};
    }

    std::mt19937 m_random;
    bool m_inSaccade = false;
    std::size_t m_remaining = 0;
    std::size_t m_length = 0;
    double m_fromHorizontal = 0.0;
    double m_fromVertical = 0.0;
    double m_toHorizontal = 0.0;
    double m_toVertical = 0.0;
    std::size_t m_blinkStart = 700;
    std::size_t m_blinkLength = 40;
};

// printf's number with a decimal comma, as the device writes it.
int PutNumber(char* out, const char* format, double value)
{
    const int length = std::snprintf(out, 32, format, value);
    if (char* point = std::strchr(out, '.'))
        *point = ',';
    return length;
}

class FileCloser {
public:
    explicit FileCloser(std::FILE* file) : m_file(file) {}
    ~FileCloser()
    {
        if (m_file != nullptr)
            std::fclose(m_file);
    }
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;

    bool Close()
    {
        std::FILE* file = m_file;
        m_file = nullptr;
        return std::fclose(file) == 0;
    }

private:
    std::FILE* m_file;
};

}  // namespace

bool WriteSyntheticDeviceExport(const std::string& path, std::size_t rows, unsigned seed, std::string& error)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        error = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    FileCloser closer(file);
    std::fputs("Name: Sample\r\nFirstname: Synthetic\r\nID: 0000\r\nExamination Date: 01.01.2000\r\n"
               "Test Type: Fixation and saccades\r\n"
               "Device: Binocular video eye tracker, head-mounted\r\nSerial Number: 25-0417\r\n"
               "Software Version: 3.2.1\r\nSampling Rate: 250 Hz\r\nCalibration: 9 points, 08:42\r\n\r\n"
               "Time\tP2\tD2\tH2\tV2\tT2\tQ2\tP1\tX1\tD1\tH1\tV1\tT1\tQ1\r\n",
               file);

    GazeModel gaze(seed);
    char line[512];
    for (std::size_t row = 0; row < rows; ++row) {
        EyeSample one{}, two{};
        gaze.Step(row, one, two);
        // The device's signs: columns 3, 11 and 12 opposite to the program's.
        const double fields[14] = {static_cast<double>(row) * kSampleSeconds,
                                   0.0,
                                   3.4 + 0.2 * two.quality,
                                   -two.horizontal,
                                   two.vertical,
                                   two.torsion,
                                   two.quality,
                                   0.0,
                                   0.0,
                                   3.5 + 0.2 * one.quality,
                                   one.horizontal,
                                   -one.vertical,
                                   -one.torsion,
                                   one.quality};
        int length = 0;
        for (int column = 0; column < 14; ++column) {
            if (column > 0)
                line[length++] = '\t';
            if (column > 0 && fields[column] == 0.0)
                line[length++] = '0';
            else
                length += PutNumber(line + length, column == 0 ? "%.3f" : "%.2f", fields[column]);
        }
        line[length++] = '\r';
        line[length++] = '\n';
        if (std::fwrite(line, 1, static_cast<std::size_t>(length), file) != static_cast<std::size_t>(length)) {
            error = "cannot write " + path + ": " + std::strerror(errno);
            return false;
        }
    }
    if (!closer.Close()) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool EnsureOneHourExport()
{
    struct stat info {};
    if (::stat(kOneHourExportPath, &info) == 0)
        return true;
    std::string error;
    if (WriteSyntheticDeviceExport(kOneHourExportPath, kOneHourRows, 1, error))
        return true;
    std::fprintf(stderr, "%s\n", error.c_str());
    return false;
}
