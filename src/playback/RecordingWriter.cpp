#include "playback/RecordingWriter.h"

#include "playback/FieldFormat.h"
#include "playback/RecordingLayout.h"
#include "settings/FileIo.h"

#include <vector>

namespace {

constexpr std::size_t kBufferBytes = std::size_t{1} << 18;

// Collects output in large blocks so the sink sees few calls.
class BufferedOutput {
public:
    explicit BufferedOutput(ByteSink& sink) : m_sink(sink), m_buffer(kBufferBytes) {}

    // Room for at least `size` more bytes at Cursor(); false when the flush fails.
    bool Reserve(std::size_t size) { return m_used + size <= m_buffer.size() || Flush(); }
    char* Cursor() { return m_buffer.data() + m_used; }
    void Advance(char* newCursor) { m_used = static_cast<std::size_t>(newCursor - m_buffer.data()); }

    bool Append(const std::string& text) { return Flush() && m_sink.Write(text.data(), text.size()); }

    bool Flush()
    {
        const bool written = m_used == 0 || m_sink.Write(m_buffer.data(), m_used);
        m_used = 0;
        return written;
    }

private:
    ByteSink& m_sink;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
};

// A header value keeps the line end it was read with, but a line holding
// nothing after its keyword ("Name:") is read as an empty value, line end
// and all. Written without one, the next keyword would join that line and
// the saved file could not be opened again.
std::string AsLine(const std::string& value)
{
    return !value.empty() && value.back() == '\n' ? value : value + '\n';
}

bool WriteHeader(const RecordingHeader& header, BufferedOutput& out)
{
    for (const HeaderKeyword& keyword : kHeaderKeywords) {
        if (!out.Append(std::string(keyword.text) + ' ' + AsLine(header.*keyword.value)))
            return false;
    }
    // Lines between the keyword lines and the column titles are not kept:
    // there is always exactly one empty line.
    return out.Append("\n" + AsLine(header.columnHeader));
}

bool WriteRows(const Recording& recording, bool deviceSigns, BufferedOutput& out)
{
    const unsigned columns = recording.Columns();
    const std::int32_t* value = recording.Samples().data();
    for (std::size_t row = 0; row < recording.RowCount(); ++row) {
        for (unsigned column = 0; column < columns; ++column, ++value) {
            if (!out.Reserve(kMaxFieldLength + 1))
                return false;
            const std::int64_t written = deviceSigns && IsDeviceSignColumn(column) ? -std::int64_t{*value} : *value;
            char* cursor = column == kTimeColumn ? FormatTimeField(written, out.Cursor())
                                                 : FormatValueField(written, out.Cursor());
            *cursor++ = column + 1 < columns ? '\t' : '\n';
            out.Advance(cursor);
        }
    }
    return out.Flush();
}

class AtomicFileSink : public ByteSink {
public:
    explicit AtomicFileSink(AtomicFileWriter& writer) : m_writer(writer) {}
    bool Write(const char* data, std::size_t size) override { return m_writer.Write(data, size); }

private:
    AtomicFileWriter& m_writer;
};

}  // namespace

bool WriteRecording(const Recording& recording, bool deviceSigns, ByteSink& sink)
{
    BufferedOutput out(sink);
    return WriteHeader(recording.Header(), out) && WriteRows(recording, deviceSigns, out);
}

bool WriteRecordingFile(const std::filesystem::path& path, const Recording& recording, std::string& error)
{
    AtomicFileWriter writer;
    AtomicFileSink sink(writer);
    if (writer.Open(path) && WriteRecording(recording, HasDeviceSigns(path), sink) && writer.Commit())
        return true;
    error = writer.Error();
    return false;
}
