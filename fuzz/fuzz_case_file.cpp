// A case file (.sd) handed over from anywhere, read as the main window reads
// it, and its angles then put through what the model and its texts do with them.
#include "FuzzSupport.h"

#include "model/AngleText.h"
#include "model/CaseFile.h"
#include "settings/FileIo.h"

#include <string>
#include <vector>

namespace {

// The main window reads at most this much of a chosen file.
constexpr std::size_t kLargestCaseFileRead = 4096;

void UseTheModel(EyeModel model)
{
    for (Eye eye : {Eye::one, Eye::two}) {
        for (int q = 0; q < kEyeQuantityCount; ++q) {
            const auto quantity = static_cast<EyeQuantity>(q);
            for (int s = kBlendSliderFar; s <= kBlendSliderNear; ++s) {
                const int value = model.Blended(eye, quantity, s);
                FormatAngle(value, true, false);
                FormatAngle(value, false, true);
            }
        }
    }
    model.BothEyesDeviated();
    model.ToWholeDegrees();
    model.ToHundredths();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = Scratch().Write("fuzz.sd", data, size);
    std::vector<std::uint8_t> bytes;
    std::string error;
    const bool read = ReadFileBytes(path, kLargestCaseFileRead, bytes, error);
    FUZZ_CHECK(read == (size <= kLargestCaseFileRead));
    if (!read)
        return 0;
    FUZZ_CHECK(bytes == std::vector<std::uint8_t>(data, data + size));

    CaseData untouched;
    untouched.quadrantMarks = 0x5A;
    CaseData decoded = untouched;
    if (DecodeCase(bytes, decoded) != CaseReadResult::ok) {
        FUZZ_CHECK(size != kCaseFileSize);
        FUZZ_CHECK(decoded.values == untouched.values && decoded.quadrantMarks == untouched.quadrantMarks);
        return 0;
    }
    FUZZ_CHECK(size == kCaseFileSize);

    // Saving the case again writes the same bytes, the mode byte made 0 or 1.
    std::vector<std::uint8_t> expected = bytes;
    expected[96] = expected[96] != 0 ? 1 : 0;
    const auto encoded = EncodeCase(decoded);
    FUZZ_CHECK(std::vector<std::uint8_t>(encoded.begin(), encoded.end()) == expected);
    UseTheModel(decoded.values);
    return 0;
}
