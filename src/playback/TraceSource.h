#pragma once

#include "playback/RecordingPlayer.h"
#include "playback/TraceLevels.h"

#include <cstddef>

// What the trace draws of row: the angles playback shows, in degrees with the
// model's signs, and which eyes are weak. row < player.RowCount().
void ReadTraceRow(const RecordingPlayer& player, std::size_t row, TraceRow& values);

// The reader of ReadTraceRow for player, which must outlive it.
TraceRowReader TraceReaderOf(const RecordingPlayer& player);

// Milliseconds from one row to the next, averaged over the recording; 1 when
// its times do not increase, so that a broken time column still draws.
double MillisecondsPerRow(const Recording& recording);

// Seconds from the recording's first row to row.
double SecondsFromStart(const Recording& recording, std::size_t row);
