// A language file from a translator's editor, read as the program reads it,
// and every line then offered as a format the way the windows use them.
#include "FuzzSupport.h"

#include "lang/AddedTexts.h"
#include "lang/FormatCheck.h"
#include "lang/LanguageTable.h"

#include <cstdint>
#include <string>

namespace {

// Lines the file holds: CR LF, LF and CR each end one; text after the last end is one more.
std::size_t CountLines(const std::uint8_t* data, std::size_t size)
{
    std::size_t lines = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n' || data[i] == '\r') {
            ++lines;
            if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')
                ++i;
        }
    }
    const bool openLastLine = size > 0 && data[size - 1] != '\n' && data[size - 1] != '\r';
    return lines + (openLastLine ? 1 : 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = Scratch().Write("fuzz.lan", data, size);
    LanguageTable table;
    if (!table.Load(path)) {
        FUZZ_CHECK(table.Size() == 0);
        FUZZ_CHECK(!table.LastError().empty());
        return 0;
    }
    FUZZ_CHECK(table.LastError().empty());
    FUZZ_CHECK(table.Size() == CountLines(data, size));
    FUZZ_CHECK(table.Get(0) == "--NOT DEFINED--");
    // Past the file's end: the built-in text of a string added later, where
    // there is one, else the marker.
    for (int n = static_cast<int>(table.Size()) + 1; n <= static_cast<int>(table.Size()) + 2; ++n) {
        const std::string& builtIn = BuiltInText(n);
        FUZZ_CHECK(table.Get(n) == (builtIn.empty() ? "--NOT DEFINED--" : builtIn));
        FUZZ_CHECK(table.GetOr(n, "fallback") == "fallback");
    }
    for (std::size_t n = 1; n <= table.Size(); ++n) {
        const std::string& line = table.Get(static_cast<int>(n));
        FUZZ_CHECK(line.size() <= LanguageTable::MaxLineBytes);
        FUZZ_CHECK(line.find('\r') == std::string::npos);
        FormatSingle(line, -1234.5678, "fallback");
        FormatSingle(line, std::string("Deutsch.lan"), "fallback");
    }
    return 0;
}
