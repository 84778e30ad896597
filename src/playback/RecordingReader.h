#pragma once

#include "playback/Recording.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Reader of both recording layouts: the device's ".txt" export and the
// program's own ".stx" files.
//
// Head: five keyword lines ("Name:", "Firstname:", "ID:", "Examination
// Date:", "Test Type:", compared case-sensitively), each value being the rest
// of the line after the keyword and one more character, line end included;
// then any lines up to the first that begins with "Time", the column titles.
// Rows: fields separated by runs of TAB, each the leading decimal number of
// the field (',' or '.' as decimal point) times 1000.
//
// A file is refused, and the caller's recording left as it was, when it
// cannot be played back safely; every refusal has its own code.

enum class RecordingError {
    None,
    CannotOpen,      // missing or unreadable
    NotAFile,        // a folder, a FIFO or a device
    ReadFailed,      // an I/O error while reading
    TooLarge,        // more than kMaxRecordingBytes, or more than the memory left can hold
    LineTooLong,     // a line longer than kMaxRecordingLineBytes
    BadHeader,       // a keyword line is wrong or missing, or no row follows a "Time" line
    TooFewFields,    // a row with fewer than kMinRecordingColumns fields (an empty line inside the rows too)
    TooManyFields,   // a row with more than kMaxRecordingColumns fields
    UnequalRows,     // a row whose field count differs from the first row's
    PartialLastRow,  // the last row lacks its line end: the file was cut short
    TooFewRows,      // fewer than two rows, so no playback interval
    OutOfRange,      // a negative time, or a number the file would not get back as written (kMaxRecordingValue)
    TimesNotRising,  // a row's time is not later than the time of the row before
};

struct RecordingReadResult {
    RecordingError error = RecordingError::None;
    std::size_t line = 0;  // 1-based line of the fault; 0 when it concerns the whole file

    bool Succeeded() const { return error == RecordingError::None; }
};

// An English description for logs and tests; the user is shown the language
// file's own message.
const char* DescribeRecordingError(RecordingError error);

inline constexpr unsigned kMinRecordingColumns = 14;  // playback reads columns up to 13
inline constexpr unsigned kMaxRecordingColumns = 64;
inline constexpr std::uint64_t kMaxRecordingBytes = std::uint64_t{512} * 1024 * 1024;
inline constexpr std::size_t kMaxRecordingLineBytes = std::size_t{1} << 20;  // real lines are far shorter
// Values are written with two decimals through single precision, as the
// device writes them; up to 2^15 every value with two decimals comes back
// unchanged. Times are written exactly and need only fit the store of
// thousandths in 32 bits. Anything larger is refused rather than changed.
inline constexpr double kMaxRecordingValue = 32768.0;

// Incremental reader: the bytes may arrive in chunks of any size, split
// anywhere. For one file only.
class RecordingParser {
public:
    // negateDeviceColumns: the input is a device export (see HasDeviceSigns).
    // expectedLines: the input's number of LF bytes when known, so the
    // sample array is allocated once at its final size.
    explicit RecordingParser(bool negateDeviceColumns, std::size_t expectedLines = 0,
                             std::uint64_t maxBytes = kMaxRecordingBytes);

    // False once the input has been refused; later input is ignored.
    bool Feed(const char* data, std::size_t size);

    // Ends the input. On success the recording is moved into out (file name
    // empty, not modified); on failure out is not touched.
    RecordingReadResult Finish(Recording& out);

private:
    enum class Stage { Header, Rows, Refused };

    void TakeBytes(const char* data, std::size_t size);
    void TakeLine(const char* begin, const char* end);
    void TakeHeaderLine(const char* begin, const char* end);
    void TakeRow(const char* begin, const char* end);
    void Refuse(RecordingError error, std::size_t line);

    bool m_negateDeviceColumns;
    std::size_t m_expectedLines;
    std::uint64_t m_maxBytes;
    std::uint64_t m_bytesSeen = 0;

    Stage m_stage = Stage::Header;
    RecordingReadResult m_result;
    std::size_t m_linesSeen = 0;
    std::size_t m_firstEmptyLine = 0;  // an empty line is refused only if a row follows it
    bool m_rowsStarted = false;        // a byte followed the "Time" line
    std::string m_partialLine;         // a line whose LF has not arrived yet

    RecordingHeader m_header;
    unsigned m_columns = 0;
    std::vector<std::int32_t> m_samples;
};

// Reads bytes held in memory.
RecordingReadResult ParseRecording(std::string_view bytes, bool negateDeviceColumns, Recording& out);

// Reads the file at path, negating the device-sign columns when the name ends
// in ".txt". On success out is replaced, with path as its file name and not
// modified; on failure out is not touched.
RecordingReadResult ReadRecordingFile(const std::filesystem::path& path, Recording& out);
