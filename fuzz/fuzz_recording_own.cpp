// A recording in the program's own layout (".stx").
#include "RecordingChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    recording_checks::Check(data, size, false);
    return 0;
}
