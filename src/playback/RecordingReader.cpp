#include "playback/RecordingReader.h"

#include "playback/DecimalField.h"
#include "playback/RecordingLayout.h"

#include "settings/FileIo.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

namespace {

constexpr std::size_t kHeaderKeywordCount = sizeof kHeaderKeywords / sizeof kHeaderKeywords[0];
constexpr std::size_t kReadChunkBytes = std::size_t{1} << 20;

bool StartsWith(const char* begin, const char* end, const char* text, std::size_t length)
{
    return static_cast<std::size_t>(end - begin) >= length && std::memcmp(begin, text, length) == 0;
}

// Nothing but a line end: "\n", "\r\n", or a lone "\r" at the end of the file.
bool IsEmptyLine(const char* begin, const char* end)
{
    return std::all_of(begin, end, [](char c) { return c == '\r' || c == '\n'; });
}

// Truncated to thousandths, the number must fit 32 bits; a time must not lie
// before the start, and a value other than the time must come back unchanged
// when written (kMaxRecordingValue).
bool FitsTheStore(double number, unsigned column)
{
    const double thousandths = std::trunc(number * 1000.0);
    if (!(std::fabs(thousandths) <= 2147483647.0))
        return false;
    return column == kTimeColumn ? thousandths >= 0.0 : std::fabs(number) <= kMaxRecordingValue;
}

}  // namespace

const char* DescribeRecordingError(RecordingError error)
{
    switch (error) {
    case RecordingError::None:
        return "no error";
    case RecordingError::CannotOpen:
        return "the file cannot be opened";
    case RecordingError::NotAFile:
        return "it is a folder, a pipe or a device, not a file";
    case RecordingError::ReadFailed:
        return "the file cannot be read";
    case RecordingError::TooLarge:
        return "the file is too large";
    case RecordingError::LineTooLong:
        return "a line is too long";
    case RecordingError::BadHeader:
        return "the file does not begin with the five header lines and a \"Time\" line followed by rows";
    case RecordingError::TooFewFields:
        return "a row has fewer than 14 fields";
    case RecordingError::TooManyFields:
        return "a row has more than 64 fields";
    case RecordingError::UnequalRows:
        return "the rows do not all have the same number of fields";
    case RecordingError::PartialLastRow:
        return "the last row has no line end; the file seems cut short";
    case RecordingError::TooFewRows:
        return "the file has fewer than two rows";
    case RecordingError::OutOfRange:
        return "a number lies outside what a recording holds exactly (times from 0 to 2147483.647 s, other values from "
               "-32768 to 32768)";
    case RecordingError::TimesNotRising:
        return "a row's time is not later than the time of the row before";
    }
    return "unknown error";
}

RecordingParser::RecordingParser(bool negateDeviceColumns, std::size_t expectedLines, std::uint64_t maxBytes)
    : m_negateDeviceColumns(negateDeviceColumns), m_expectedLines(expectedLines), m_maxBytes(maxBytes)
{}

bool RecordingParser::Feed(const char* data, std::size_t size)
{
    if (m_stage == Stage::Refused)
        return false;
    m_bytesSeen += size;
    if (m_bytesSeen > m_maxBytes) {
        Refuse(RecordingError::TooLarge, 0);
        return false;
    }
    try {
        TakeBytes(data, size);
    } catch (const std::bad_alloc&) {
        // A file within the size limit may still not fit into the memory left.
        Refuse(RecordingError::TooLarge, 0);
    }
    return m_stage != Stage::Refused;
}

void RecordingParser::TakeBytes(const char* data, std::size_t size)
{
    const char* p = data;
    const char* const end = data + size;
    if (!m_partialLine.empty()) {
        const auto* lineEnd = static_cast<const char*>(std::memchr(p, '\n', size));
        const char* taken = lineEnd == nullptr ? end : lineEnd + 1;
        if (m_partialLine.size() + static_cast<std::size_t>(taken - p) > kMaxRecordingLineBytes)
            return Refuse(RecordingError::LineTooLong, m_linesSeen + 1);
        m_partialLine.append(p, taken);
        if (lineEnd == nullptr)
            return;
        TakeLine(m_partialLine.data(), m_partialLine.data() + m_partialLine.size());
        m_partialLine.clear();
        p = taken;
    }
    while (p < end && m_stage != Stage::Refused) {
        const auto* lineEnd = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        const char* taken = lineEnd == nullptr ? end : lineEnd + 1;
        if (static_cast<std::size_t>(taken - p) > kMaxRecordingLineBytes)
            return Refuse(RecordingError::LineTooLong, m_linesSeen + 1);
        if (lineEnd == nullptr) {
            m_partialLine.assign(p, end);
            return;
        }
        TakeLine(p, taken);
        p = taken;
    }
}

RecordingReadResult RecordingParser::Finish(Recording& out)
{
    if (m_stage == Stage::Header) {
        Refuse(RecordingError::BadHeader, 0);
    } else if (m_stage == Stage::Rows && !m_partialLine.empty()) {
        ++m_linesSeen;
        m_rowsStarted = true;
        if (!IsEmptyLine(m_partialLine.data(), m_partialLine.data() + m_partialLine.size()))
            Refuse(RecordingError::PartialLastRow, m_linesSeen);
    }
    if (m_stage == Stage::Rows && !m_rowsStarted)
        Refuse(RecordingError::BadHeader, 0);
    if (m_stage == Stage::Rows && (m_columns == 0 || m_samples.size() < 2 * std::size_t{m_columns}))
        Refuse(RecordingError::TooFewRows, 0);
    if (m_stage == Stage::Refused)
        return m_result;

    out = Recording(std::move(m_header), m_columns, std::move(m_samples));
    return m_result;
}

void RecordingParser::TakeLine(const char* begin, const char* end)
{
    ++m_linesSeen;
    if (m_stage == Stage::Header) {
        TakeHeaderLine(begin, end);
    } else {
        m_rowsStarted = true;
        TakeRow(begin, end);
    }
}

void RecordingParser::TakeHeaderLine(const char* begin, const char* end)
{
    const std::size_t index = m_linesSeen - 1;
    if (index < kHeaderKeywordCount) {
        const HeaderKeyword& keyword = kHeaderKeywords[index];
        if (!StartsWith(begin, end, keyword.text, keyword.length))
            return Refuse(RecordingError::BadHeader, m_linesSeen);
        // The value starts one character after the keyword, whichever character that is.
        const std::size_t skip = keyword.length + 1;
        const std::size_t length = static_cast<std::size_t>(end - begin);
        m_header.*keyword.value = length > skip ? std::string(begin + skip, end) : std::string();
    } else if (StartsWith(begin, end, kColumnHeaderMark, kColumnHeaderMarkLength)) {
        m_header.columnHeader.assign(begin, end);
        m_stage = Stage::Rows;
    }
}

void RecordingParser::TakeRow(const char* begin, const char* end)
{
    if (IsEmptyLine(begin, end)) {
        if (m_firstEmptyLine == 0)
            m_firstEmptyLine = m_linesSeen;
        return;
    }
    if (m_firstEmptyLine != 0)
        return Refuse(RecordingError::TooFewFields, m_firstEmptyLine);

    // Runs of TAB are one separator and leading TABs are skipped; the line
    // end stays in the last field, where the number parse ignores it.
    std::int32_t values[kMaxRecordingColumns];
    unsigned count = 0;
    for (const char* p = begin;;) {
        while (p < end && *p == '\t')
            ++p;
        if (p == end)
            break;
        if (count == kMaxRecordingColumns)
            return Refuse(RecordingError::TooManyFields, m_linesSeen);
        const auto* tab = static_cast<const char*>(std::memchr(p, '\t', static_cast<std::size_t>(end - p)));
        const char* fieldEnd = tab != nullptr ? tab : end;
        const double number = ParseDecimalPrefix(p, fieldEnd);
        if (!FitsTheStore(number, count))
            return Refuse(RecordingError::OutOfRange, m_linesSeen);
        values[count] = ScaleToThousandths(number, m_negateDeviceColumns && IsDeviceSignColumn(count));
        ++count;
        p = fieldEnd;
    }

    if (m_columns == 0) {
        if (count < kMinRecordingColumns)
            return Refuse(RecordingError::TooFewFields, m_linesSeen);
        m_columns = count;
        // Every further row needs at least two bytes per field.
        const std::size_t remainingLines = m_expectedLines >= m_linesSeen ? m_expectedLines - m_linesSeen + 1 : 1;
        const std::size_t rowLimit = static_cast<std::size_t>(m_maxBytes / (2 * std::uint64_t{count}));
        m_samples.reserve(std::min(remainingLines, rowLimit) * count);
    } else if (count != m_columns) {
        return Refuse(count < kMinRecordingColumns ? RecordingError::TooFewFields : RecordingError::UnequalRows,
                      m_linesSeen);
    } else if (values[kTimeColumn] <= m_samples[m_samples.size() - m_columns + kTimeColumn]) {
        // Playback, the trace's axis and the interpolation all take the
        // rows for a time line.
        return Refuse(RecordingError::TimesNotRising, m_linesSeen);
    }
    m_samples.insert(m_samples.end(), values, values + count);
}

void RecordingParser::Refuse(RecordingError error, std::size_t line)
{
    m_stage = Stage::Refused;
    m_result = {error, line};
    m_partialLine.clear();
    m_samples.clear();
    m_samples.shrink_to_fit();
}

RecordingReadResult ParseRecording(std::string_view bytes, bool negateDeviceColumns, Recording& out)
{
    RecordingParser parser(negateDeviceColumns, static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')));
    parser.Feed(bytes.data(), bytes.size());
    return parser.Finish(out);
}

RecordingReadResult ReadRecordingFile(const std::filesystem::path& path, Recording& out)
{
    RegularFileReader file;
    if (!file.Open(path))
        return {file.IsNotAFile() ? RecordingError::NotAFile : RecordingError::CannotOpen, 0};
    if (file.Size() > kMaxRecordingBytes)
        return {RecordingError::TooLarge, 0};

    const std::unique_ptr<char[]> buffer(new char[kReadChunkBytes]);

    // A first pass counts the lines, so that the samples are allocated once
    // at their final size instead of growing (and briefly doubling) as rows arrive.
    std::size_t lines = 0;
    std::uint64_t total = 0;
    for (;;) {
        const long long n = file.Read(buffer.get(), kReadChunkBytes);
        if (n < 0)
            return {RecordingError::ReadFailed, 0};
        if (n == 0)
            break;
        total += static_cast<std::uint64_t>(n);
        if (total > kMaxRecordingBytes)
            return {RecordingError::TooLarge, 0};
        lines += static_cast<std::size_t>(std::count(buffer.get(), buffer.get() + n, '\n'));
    }
    if (!file.Rewind())
        return {RecordingError::ReadFailed, 0};

    RecordingParser parser(HasDeviceSigns(path), lines);
    for (;;) {
        const long long n = file.Read(buffer.get(), kReadChunkBytes);
        if (n < 0)
            return {RecordingError::ReadFailed, 0};
        if (n == 0 || !parser.Feed(buffer.get(), static_cast<std::size_t>(n)))
            break;
    }
    Recording recording;
    const RecordingReadResult result = parser.Finish(recording);
    if (result.Succeeded()) {
        recording.SetFileName(path);
        out = std::move(recording);
    }
    return result;
}
