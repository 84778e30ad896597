#pragma once

// One recording file in one layout, through every way the program reads it:
// whole, in pieces, from disk; then played back, repaired, saved and read again.
#include "FuzzSupport.h"

#include "playback/RecordingPlayer.h"
#include "playback/RecordingReader.h"
#include "playback/RecordingWriter.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace recording_checks {

class StringSink : public ByteSink {
public:
    bool Write(const char* data, std::size_t size) override
    {
        bytes.append(data, size);
        return true;
    }
    std::string bytes;
};

inline bool SameResult(const RecordingReadResult& a, const RecordingReadResult& b)
{
    return a.error == b.error && a.line == b.line;
}

inline bool SameContent(const Recording& a, const Recording& b)
{
    const RecordingHeader& x = a.Header();
    const RecordingHeader& y = b.Header();
    return a.Columns() == b.Columns() && a.Samples() == b.Samples() && x.name == y.name && x.firstName == y.firstName &&
           x.patientId == y.patientId && x.examinationDate == y.examinationDate && x.testType == y.testType &&
           x.columnHeader == y.columnHeader;
}

// A recording that refuses nothing: a failed read must leave it as it was.
inline Recording Sentinel()
{
    RecordingHeader header{"n\n", "f\n", "i\n", "d\n", "t\n", "Time\n"};
    Recording recording(header, 14, std::vector<std::int32_t>(28, 7));
    recording.SetFileName("sentinel.stx");
    return recording;
}

// The chunk sizes come from the input itself, so the fuzzer steers the splits.
inline Recording ParseInPieces(std::string_view bytes, bool deviceSigns, RecordingReadResult& result)
{
    RecordingParser parser(deviceSigns);
    std::size_t at = 0;
    for (std::size_t i = 0; at < bytes.size(); ++i) {
        const std::size_t chunk = 1 + static_cast<unsigned char>(bytes[i % bytes.size()]) % 97;
        const std::size_t take = std::min(chunk, bytes.size() - at);
        if (!parser.Feed(bytes.data() + at, take))
            break;
        at += take;
    }
    Recording out = Sentinel();
    result = parser.Finish(out);
    if (!result.Succeeded())
        FUZZ_CHECK(SameContent(out, Sentinel()));
    return out;
}

inline void PlayBack(Recording recording)
{
    RecordingPlayer player;
    FUZZ_CHECK(player.Load(std::move(recording)));
    FUZZ_CHECK(player.GetRecording().IntervalMs() == player.GetRecording().Value(1, kTimeColumn) / 2);
    for (float threshold : {0.0f, 0.5f, 1.0f}) {
        player.SetQualityThreshold(threshold);
        for (bool wholeDegrees : {false, true}) {
            ShownSample sample;
            for (std::size_t row = 0; row < player.RowCount(); ++row)
                FUZZ_CHECK(player.Show(row, wholeDegrees, sample));
            FUZZ_CHECK(!player.Show(player.RowCount(), wholeDegrees, sample));
        }
    }
    player.RepairAll();
}

// What the program writes it must be able to read again, in both layouts.
inline void SaveAndReadAgain(const Recording& recording)
{
    for (bool deviceSigns : {false, true}) {
        StringSink sink;
        FUZZ_CHECK(WriteRecording(recording, deviceSigns, sink));
        Recording again;
        const RecordingReadResult result = ParseRecording(sink.bytes, deviceSigns, again);
        FUZZ_CHECK(result.Succeeded());
        FUZZ_CHECK(again.Columns() == recording.Columns());
        FUZZ_CHECK(again.RowCount() == recording.RowCount());
    }
}

inline void Check(const std::uint8_t* data, std::size_t size, bool deviceSigns)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    Recording whole = Sentinel();
    const RecordingReadResult result = ParseRecording(bytes, deviceSigns, whole);
    if (!result.Succeeded())
        FUZZ_CHECK(SameContent(whole, Sentinel()));

    RecordingReadResult piecesResult;
    const Recording pieces = ParseInPieces(bytes, deviceSigns, piecesResult);
    FUZZ_CHECK(SameResult(result, piecesResult));

    // The file's name decides the layout: ".txt" is a device export.
    const std::string path = Scratch().Write(deviceSigns ? "fuzz.txt" : "fuzz.stx", data, size);
    Recording fromFile = Sentinel();
    const RecordingReadResult fileResult = ReadRecordingFile(path, fromFile);
    FUZZ_CHECK(SameResult(result, fileResult));

    if (!result.Succeeded()) {
        FUZZ_CHECK(SameContent(fromFile, Sentinel()) && fromFile.FileName() == "sentinel.stx");
        return;
    }
    FUZZ_CHECK(whole.Columns() >= kMinRecordingColumns && whole.Columns() <= kMaxRecordingColumns);
    FUZZ_CHECK(whole.RowCount() >= 2);
    FUZZ_CHECK(whole.Samples().size() == whole.RowCount() * whole.Columns());
    FUZZ_CHECK(SameContent(whole, pieces));
    FUZZ_CHECK(SameContent(whole, fromFile) && fromFile.FileName() == path);

    SaveAndReadAgain(whole);
    PlayBack(whole);
}

}  // namespace recording_checks
