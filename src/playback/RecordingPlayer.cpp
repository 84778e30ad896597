#include "playback/RecordingPlayer.h"

#include "playback/DecimalField.h"
#include "playback/RecordingReader.h"

#include <cmath>
#include <limits>
#include <utility>

bool RecordingPlayer::Load(Recording recording)
{
    const std::size_t rows = recording.RowCount();
    if (recording.Columns() < kMinRecordingColumns || rows < 2 || rows >= std::numeric_limits<std::uint32_t>::max())
        return false;
    m_recording = std::move(recording);
    RebuildIndex();
    return true;
}

void RecordingPlayer::SetQualityThreshold(float threshold)
{
    const std::int32_t limit = QualityLimitFor(threshold);
    if (limit == m_qualityLimit)
        return;
    m_qualityLimit = limit;
    RebuildIndex();
}

bool RecordingPlayer::Show(std::size_t row, bool wholeDegrees, ShownSample& out) const
{
    if (row >= RowCount())
        return false;
    out.timeMs = m_recording.Value(row, kTimeColumn);
    for (Eye eye : kEyes) {
        const EyeColumns& columns = ColumnsOf(eye);
        const GoodRowIndex& index = m_goodRows[EyeIndex(eye)];
        ShownEye& shown = out.eyes[EyeIndex(eye)];
        shown.quality = m_recording.Value(row, columns.quality);
        shown.interpolated = !index.IsGood(row);
        const GoodRowIndex::Neighbours from =
            shown.interpolated ? index.Around(row) : GoodRowIndex::Neighbours{row, row};
        for (std::size_t i = 0; i < kPlayedQuantityCount; ++i) {
            const unsigned column = columns.angle[i];
            const double stored = InterpolateAt(m_recording.Value(from.before, column),
                                                m_recording.Value(from.after, column), from.before, row, from.after);
            shown.angles[i] = StoredToModel(stored, columns.sign[i], wholeDegrees);
        }
    }
    return true;
}

bool RecordingPlayer::Store(std::size_t row, const std::array<ModelAngles, kEyeCount>& angles, bool wholeDegrees)
{
    if (row >= RowCount())
        return false;
    for (Eye eye : kEyes) {
        const EyeColumns& columns = ColumnsOf(eye);
        for (std::size_t i = 0; i < kPlayedQuantityCount; ++i)
            m_recording.SetValue(row, columns.angle[i],
                                 ModelToStored(angles[EyeIndex(eye)][i], columns.sign[i], wholeDegrees));
        m_recording.SetValue(row, columns.quality, kFullQuality);
        m_goodRows[EyeIndex(eye)].MarkGood(row);
    }
    ++m_revision;
    return true;
}

void RecordingPlayer::RepairAll()
{
    const std::size_t rows = RowCount();
    if (rows == 0)
        return;
    const std::size_t last = rows - 1;
    for (Eye eye : kEyes) {
        const EyeColumns& columns = ColumnsOf(eye);
        const GoodRowIndex& index = m_goodRows[EyeIndex(eye)];
        for (std::size_t row = 0; row < rows; ++row) {
            if (!index.IsGood(row)) {
                // The row before is already repaired, hence good; a weak first
                // row has no row before and takes the row after for both.
                std::size_t after = index.NextGoodOrLast(row);
                const std::size_t before = row == 0 ? after : row - 1;
                if (after == last && !index.IsGood(last))
                    after = before;
                for (const unsigned column : columns.angle) {
                    const double value = InterpolateAt(m_recording.Value(before, column),
                                                       m_recording.Value(after, column), before, row, after);
                    m_recording.SetValue(row, column, TruncateToInt32(value));
                }
            }
            m_recording.SetValue(row, columns.quality, kFullQuality);
        }
    }
    RebuildIndex();
}

void RecordingPlayer::RebuildIndex()
{
    ++m_revision;
    for (Eye eye : kEyes)
        m_goodRows[EyeIndex(eye)].Build(m_recording, ColumnsOf(eye).quality, m_qualityLimit);
}

std::int32_t QualityLimitFor(float threshold)
{
    if (!(threshold > 0.0f))
        return 0;
    if (threshold >= 1.0f)
        return kFullQuality;
    return static_cast<std::int32_t>(threshold * 1000.0f);
}
