#pragma once

#include "playback/GoodRowIndex.h"
#include "playback/PlaybackColumns.h"
#include "playback/Recording.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// One eye of a row as the model shows it.
struct ShownEye {
    std::array<double, kPlayedQuantityCount> angles{};  // model units and signs, kPlayedQuantities order
    bool interpolated = false;                          // the row was too weak; its values are bridged
    std::int32_t quality = 0;                           // the row's own quality, also when interpolated
};

struct ShownSample {
    std::int32_t timeMs = 0;
    std::array<ShownEye, kEyeCount> eyes{};  // indexed by EyeIndex
};

// The model's current angles of one eye, in its unit, kPlayedQuantities order.
using ModelAngles = std::array<std::int32_t, kPlayedQuantityCount>;

// The loaded recording and what playback does with it apart from widgets:
// which rows are weak, the values shown for a row, edits of a row, and the
// repair of all weak rows. Rows are addressed by index, 0 to RowCount() - 1.
class RecordingPlayer {
public:
    // Takes the recording when it can be played back (at least 14 columns
    // and two rows); otherwise returns false and keeps the current one.
    bool Load(Recording recording);

    const Recording& GetRecording() const { return m_recording; }
    std::size_t RowCount() const { return m_recording.RowCount(); }
    void SetFileName(std::filesystem::path fileName) { m_recording.SetFileName(std::move(fileName)); }
    void SetModified(bool modified) { m_recording.SetModified(modified); }
    // Changes whenever a row's shown values may have changed: a new recording,
    // an edit, a repair or another quality threshold.
    unsigned Revision() const { return m_revision; }

    // threshold is a fraction 0..1 (clamped to it; 0 switches interpolation
    // off): a row is good for an eye when its quality column is at least
    // threshold × 1000, truncated.
    void SetQualityThreshold(float threshold);
    std::int32_t QualityLimit() const { return m_qualityLimit; }

    // The values of row for the model. For a weak eye they are interpolated
    // between the good rows around it (see GoodRowIndex::Around). O(1).
    // False when row is out of range.
    bool Show(std::size_t row, bool wholeDegrees, ShownSample& out) const;

    // Writes the model's angles (indexed by EyeIndex) into row and sets both
    // quality columns to full, so the row is no longer interpolated. Does not
    // mark the recording modified. False when row is out of range.
    bool Store(std::size_t row, const std::array<ModelAngles, kEyeCount>& angles, bool wholeDegrees);

    // Gives every weak row the values it would be shown with and full quality,
    // the rows in order, so that a repaired row serves as the good row before
    // the next one. Works in stored units, so the angle unit cannot change the
    // result. O(rows). Does not mark the recording modified.
    void RepairAll();

private:
    void RebuildIndex();

    Recording m_recording;
    std::int32_t m_qualityLimit = 0;
    std::array<GoodRowIndex, kEyeCount> m_goodRows;
    unsigned m_revision = 0;
};

// The limit for a threshold fraction, as SetQualityThreshold computes it.
std::int32_t QualityLimitFor(float threshold);
