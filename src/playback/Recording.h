#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The free text at the head of a recording file. Each value keeps the line
// end it was read with, so writing the file again reproduces those lines
// byte for byte, CR included.
struct RecordingHeader {
    std::string name;
    std::string firstName;
    std::string patientId;
    std::string examinationDate;
    std::string testType;
    std::string columnHeader;  // the whole column-title line, which begins with "Time"
};

// Column 0 of every row: the time in milliseconds.
inline constexpr unsigned kTimeColumn = 0;

// One eye-movement examination: sample rows of file values times 1000
// (truncated toward zero), held row after row in one array. Element
// row * Columns() + column is that column of that row.
class Recording {
public:
    Recording() = default;
    // Elements beyond the last whole row are dropped; no columns means no rows.
    Recording(RecordingHeader header, unsigned columns, std::vector<std::int32_t> samples);

    const RecordingHeader& Header() const { return m_header; }
    unsigned Columns() const { return m_columns; }
    std::size_t RowCount() const { return m_columns == 0 ? 0 : m_samples.size() / m_columns; }
    const std::vector<std::int32_t>& Samples() const { return m_samples; }

    // row < RowCount() and column < Columns().
    std::int32_t Value(std::size_t row, unsigned column) const { return m_samples[row * m_columns + column]; }
    void SetValue(std::size_t row, unsigned column, std::int32_t value) { m_samples[row * m_columns + column] = value; }

    // The playback tick: half the second row's time, truncated toward zero.
    // It is the time itself, not the step from the first row, so a recording
    // starting at 10 s with 20 ms steps ticks every 5010 ms. 0 with fewer
    // than two rows.
    int IntervalMs() const;

    // Where the recording was last read from or written to.
    const std::filesystem::path& FileName() const { return m_fileName; }
    void SetFileName(std::filesystem::path fileName) { m_fileName = std::move(fileName); }

    // Rows changed since the file was read or written.
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }

private:
    RecordingHeader m_header;
    unsigned m_columns = 0;
    std::vector<std::int32_t> m_samples;
    std::filesystem::path m_fileName;
    bool m_modified = false;
};

// The device export stores columns 3, 11 and 12 with the opposite sign; a file
// is taken for a device export exactly when its name ends in ".txt" (lower
// case: "x.TXT" is not one).
bool HasDeviceSigns(const std::filesystem::path& fileName);
bool IsDeviceSignColumn(unsigned column);

// True when the name ends in ".txt" or ".stx" (case-sensitive).
bool HasRecordingExtension(const std::filesystem::path& name);

// The name a chosen file is opened under: ".txt" is appended unless it ends in
// ".txt" or ".stx" (case-sensitive).
std::filesystem::path CompleteOpenName(const std::filesystem::path& chosenName);
// The same for saving, appending ".stx".
std::filesystem::path CompleteSaveName(const std::filesystem::path& chosenName);
