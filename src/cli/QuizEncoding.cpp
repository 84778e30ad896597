#include "cli/QuizEncoding.h"

#include "quiz/QuestionLines.h"

#include <cstdio>

namespace {

// Length of the well-formed UTF-8 sequence of two to four bytes at text[i],
// or 0 when none starts there.
std::size_t Utf8SequenceAt(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    return length;
}

struct LineBytes {
    bool hasNul = false;
    bool hasUtf8 = false;    // a multi-byte UTF-8 sequence
    bool hasLatin1 = false;  // a byte above 0x7F that is no part of one
    int controlByte = -1;    // the first byte 0x80-0x9F outside UTF-8, or -1
};

LineBytes Classify(std::string_view line)
{
    LineBytes bytes;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (byte == 0)
            bytes.hasNul = true;
        if (byte < 0x80)
            continue;
        if (const std::size_t length = Utf8SequenceAt(line, i)) {
            bytes.hasUtf8 = true;
            i += length - 1;
            continue;
        }
        bytes.hasLatin1 = true;
        if (byte <= 0x9F && bytes.controlByte < 0)
            bytes.controlByte = byte;
    }
    return bytes;
}

}  // namespace

bool CheckEncoding(std::string_view text, QuizProblems& problems)
{
    std::size_t firstUtf8Line = 0;
    bool anyLatin1 = false;
    std::size_t nulLine = 0;
    QuizProblems controlBytes;
    ForEachQuestionLine(text, [&](std::size_t number, std::string_view line) {
        const LineBytes bytes = Classify(line);
        if (bytes.hasNul && nulLine == 0)
            nulLine = number;
        if (bytes.hasUtf8 && firstUtf8Line == 0)
            firstUtf8Line = number;
        anyLatin1 = anyLatin1 || bytes.hasLatin1;
        if (bytes.controlByte >= 0) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(bytes.controlByte));
            controlBytes.push_back({number, std::string("byte ") + hex +
                                                " is no printable character in ISO 8859-1 (a Windows quote, "
                                                "dash or euro sign?)"});
        }
    });

    if (nulLine != 0) {
        problems.push_back({nulLine, "the file holds NUL bytes: it is not text in ISO 8859-1 (saved as UTF-16?)"});
        return true;
    }
    // A Latin-1 text almost never forms UTF-8 sequences by chance, so a file
    // whose every non-ASCII character does was saved as UTF-8.
    if (firstUtf8Line != 0 && !anyLatin1)
        problems.push_back({firstUtf8Line, "the file is UTF-8, but question files are read as ISO 8859-1: "
                                           "umlauts would show as two wrong characters each; save it as "
                                           "ISO 8859-1 (Latin-1)"});
    problems.insert(problems.end(), controlBytes.begin(), controlBytes.end());
    return false;
}
