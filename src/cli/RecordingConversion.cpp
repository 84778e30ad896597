#include "cli/RecordingConversion.h"

#include "playback/RecordingPlayer.h"
#include "playback/RecordingReader.h"
#include "playback/RecordingWriter.h"
#include "settings/FileIo.h"
#include "settings/SameFile.h"

bool ConvertRecording(const std::filesystem::path& input, const std::filesystem::path& output,
                      std::optional<double> repairThreshold, std::string& error)
{
    // The ending tells the reader and the writer which signs the columns
    // carry, so a name with neither would be read or written wrongly.
    for (const std::filesystem::path* name : {&input, &output}) {
        if (!HasRecordingExtension(*name)) {
            error = PathForMessage(*name) + ": a recording's name ends in .txt (device export) or .stx";
            return false;
        }
    }

    // The writer replaces the output only once it is complete, so the input
    // would survive, but with its extra header lines and device signs gone.
    if (IsSameFile(input, output)) {
        error = PathForMessage(output) + ": is the input itself; a recording is converted into another file";
        return false;
    }

    Recording recording;
    const RecordingReadResult read = ReadRecordingFile(input, recording);
    if (!read.Succeeded()) {
        error = PathForMessage(input) + (read.line > 0 ? ":" + std::to_string(read.line) : "") + ": " +
                DescribeRecordingError(read.error);
        return false;
    }
    RecordingPlayer player;
    if (!player.Load(std::move(recording))) {
        error = PathForMessage(input) + ": the recording cannot be played back";
        return false;
    }
    if (repairThreshold) {
        player.SetQualityThreshold(static_cast<float>(*repairThreshold));
        player.RepairAll();
    }
    return WriteRecordingFile(output, player.GetRecording(), error);
}
