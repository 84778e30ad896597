// A device export (".txt"): three columns are stored with the opposite sign.
#include "RecordingChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    recording_checks::Check(data, size, true);
    return 0;
}
