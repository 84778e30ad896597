#include "playback/Recording.h"

#include <utility>

namespace {

bool EndsWith(const std::string& text, const char* suffix)
{
    const std::string tail(suffix);
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

bool HasRecordingExtension(const std::string& name)
{
    return EndsWith(name, ".txt") || EndsWith(name, ".stx");
}

Recording::Recording(RecordingHeader header, unsigned columns, std::vector<std::int32_t> samples)
    : m_header(std::move(header)), m_columns(columns), m_samples(std::move(samples))
{
    m_samples.resize(RowCount() * m_columns);
}

int Recording::IntervalMs() const
{
    return RowCount() < 2 ? 0 : Value(1, kTimeColumn) / 2;
}

bool HasDeviceSigns(const std::string& fileName)
{
    return EndsWith(fileName, ".txt");
}

bool IsDeviceSignColumn(unsigned column)
{
    return column == 3 || column == 11 || column == 12;
}

std::string CompleteOpenName(const std::string& chosenName)
{
    return HasRecordingExtension(chosenName) ? chosenName : chosenName + ".txt";
}

std::string CompleteSaveName(const std::string& chosenName)
{
    return HasRecordingExtension(chosenName) ? chosenName : chosenName + ".stx";
}
