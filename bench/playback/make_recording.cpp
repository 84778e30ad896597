// Writes a synthetic device export for trying the player by hand:
//     make_recording FILE [ROWS [SEED]]
// 250 rows are one second; the default is one minute.

#include "SyntheticRecording.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: %s FILE [ROWS [SEED]]\n", argv[0]);
        return 2;
    }
    const std::size_t rows = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 15000;
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 1;
    std::string error;
    if (!WriteSyntheticDeviceExport(argv[1], rows, seed, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
