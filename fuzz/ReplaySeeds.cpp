// Runs a fuzzer's harness without libFuzzer, as a unit test: every seed
// whole, after every whole line and cut short inside it, so that a harness
// that crashes or a check that no longer holds fails within seconds, not
// only in the long fuzzing run.
//   <fuzzer>_replay [--lines] seed...
// --lines makes each line of the seeds an input, once with '0' and once with
// '1' before it, as scripts/fuzz.sh seeds such fuzzers.
#include "FuzzSupport.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::string ReadAll(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read the seed %s\n", path);
        std::exit(1);
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t stop = text.find_first_of("\r\n", start);
        if (stop == std::string::npos)
            stop = text.size();
        lines.push_back(text.substr(start, stop - start));
        start = stop + 1;
    }
    return lines;
}

// Where an input is cut: at every byte of its first KiB, where headers and
// fixed layouts lie and which holds most seeds whole; beyond it before and
// after each line-end byte (so between CR and LF too), and at every byte of
// the last 64. Cutting a long seed at every byte would cost its length squared.
std::set<std::size_t> Cuts(const std::string& input)
{
    constexpr std::size_t kEveryByte = 1024;
    constexpr std::size_t kEveryByteAtTheEnd = 64;
    std::set<std::size_t> cuts;
    for (std::size_t at = 0; at <= input.size() && at <= kEveryByte; ++at)
        cuts.insert(at);
    for (std::size_t at = input.size() > kEveryByteAtTheEnd ? input.size() - kEveryByteAtTheEnd : 0; at <= input.size();
         ++at)
        cuts.insert(at);
    for (std::size_t at = 0; at < input.size(); ++at) {
        if (input[at] == '\n' || input[at] == '\r') {
            cuts.insert(at);
            cuts.insert(at + 1);
        }
    }
    return cuts;
}

// Each start is copied, so the sanitizers see a read past its end.
std::size_t FeedWithTruncations(const std::string& input)
{
    const std::set<std::size_t> cuts = Cuts(input);
    for (const std::size_t size : cuts) {
        const std::vector<std::uint8_t> bytes(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(size));
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    return cuts.size();
}

}  // namespace

int main(int argc, char** argv)
{
    int first = 1;
    const bool lines = argc > 1 && std::string(argv[1]) == "--lines";
    if (lines)
        ++first;
    if (first >= argc) {
        std::fprintf(stderr, "no seeds given: fuzz/Fuzzers.cmake names none that exist\n");
        return 1;
    }

    // The harnesses write their files in the temporary folder, here this
    // run's own, which goes afterwards.
    const std::filesystem::path scratch = MakeUniqueFolder(std::filesystem::temp_directory_path(), "squinx-replay-");
    if (!PointTempFolderAt(scratch)) {
        std::fprintf(stderr, "cannot make a scratch folder\n");
        return 1;
    }

    std::size_t inputs = 0;
    for (int i = first; i < argc; ++i) {
        const std::string seed = ReadAll(argv[i]);
        if (!lines) {
            inputs += FeedWithTruncations(seed);
            continue;
        }
        for (const std::string& line : Lines(seed)) {
            inputs += FeedWithTruncations('0' + line);
            inputs += FeedWithTruncations('1' + line);
        }
    }
    std::filesystem::remove_all(scratch);
    std::printf("%zu inputs from %d seeds\n", inputs, argc - first);
    return 0;
}
