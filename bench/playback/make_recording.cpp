// Writes a synthetic device export, and beside it the same recording in the
// program's own layout, for the shipped sample and for trying the player:
//     make_recording FILE.txt [ROWS [SEED]]
// 250 rows are one second; the default is one minute.

#include "SyntheticRecording.h"

#include "playback/RecordingReader.h"
#include "playback/RecordingWriter.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const std::string path = argc > 1 ? argv[1] : "";
    if (argc < 2 || argc > 4 || path.size() < 4 || path.compare(path.size() - 4, 4, ".txt") != 0) {
        std::fprintf(stderr, "usage: %s FILE.txt [ROWS [SEED]]\n", argv[0]);
        return 2;
    }
    const std::size_t rows = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 15000;
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 1;
    std::string error;
    if (!WriteSyntheticDeviceExport(path, rows, seed, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    Recording recording;
    const RecordingReadResult read = ReadRecordingFile(path, recording);
    if (!read.Succeeded()) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), DescribeRecordingError(read.error));
        return 1;
    }
    const std::string ownLayout = path.substr(0, path.size() - 4) + ".stx";
    if (!WriteRecordingFile(ownLayout, recording, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
