#include "playback/Recording.h"

#include <utility>

namespace {

bool EndsWith(const std::filesystem::path& name, const char* suffix)
{
    const std::filesystem::path::string_type& text = name.native();
    const std::filesystem::path::string_type tail = std::filesystem::path(suffix).native();
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

bool HasRecordingExtension(const std::filesystem::path& name)
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

bool HasDeviceSigns(const std::filesystem::path& fileName)
{
    return EndsWith(fileName, ".txt");
}

bool IsDeviceSignColumn(unsigned column)
{
    return column == 3 || column == 11 || column == 12;
}

std::filesystem::path CompleteOpenName(const std::filesystem::path& chosenName)
{
    return HasRecordingExtension(chosenName) ? chosenName : std::filesystem::path(chosenName) += ".txt";
}

std::filesystem::path CompleteSaveName(const std::filesystem::path& chosenName)
{
    return HasRecordingExtension(chosenName) ? chosenName : std::filesystem::path(chosenName) += ".stx";
}
