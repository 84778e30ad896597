#include "quiz/RangeAnswer.h"

#include "quiz/Latin1Case.h"
#include "quiz/Scoring.h"

#include <array>
#include <cctype>
#include <sstream>
#include <vector>

namespace {

constexpr std::array<PrismBaseWord, 4> kBases = {PrismBaseWord::out, PrismBaseWord::in, PrismBaseWord::up,
                                                 PrismBaseWord::down};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits with at most one point, read without the C library, whose decimal
// separator follows the locale.
double DecimalValue(std::string_view digits)
{
    double value = 0;
    double scale = 0;
    for (char c : digits) {
        if (c == '.') {
            scale = 1;
            continue;
        }
        if (scale > 0) {
            scale /= 10;
            value += (c - '0') * scale;
        } else {
            value = value * 10 + (c - '0');
        }
    }
    return value;
}

// Letters of ISO 8859-1 as well as ASCII, so "au\xDF" "en" stays one word.
bool IsLetter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return std::isalpha(byte) != 0 || (byte >= 0xC0 && byte != 0xD7 && byte != 0xF7);
}

// Lower case, with every run of blanks, tabs, line breaks and hyphens as one
// blank, and a blank at either end, so words can be looked up as " word ".
std::string Normalised(std::string_view text)
{
    std::string result = " ";
    for (char c : text) {
        const bool gap = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '-';
        if (gap) {
            if (result.back() != ' ')
                result += ' ';
        } else {
            result += LowerLatin1(c);
        }
    }
    if (result.back() != ' ')
        result += ' ';
    return result;
}

bool ContainsWords(const std::string& text, const std::string& words)
{
    std::size_t at = text.find(words);
    while (at != std::string::npos) {
        const bool startsWord = at == 0 || !IsLetter(text[at - 1]);
        const std::size_t end = at + words.size();
        const bool endsWord = end >= text.size() || !IsLetter(text[end]);
        if (startsWord && endsWord)
            return true;
        at = text.find(words, at + 1);
    }
    return false;
}

std::string TypedAbbreviation(PrismBaseWord base, BaseAbbreviations abbreviations)
{
    if (abbreviations == BaseAbbreviations::english) {
        std::string english = BaseAbbreviation(base);
        english[0] = LowerLatin1(english[0]);
        english[1] = LowerLatin1(english[1]);
        return english;
    }
    switch (base) {
    case PrismBaseWord::out:
        return "ba";
    case PrismBaseWord::in:
        return "bi";
    case PrismBaseWord::up:
        return "bo";
    case PrismBaseWord::down:
        break;
    }
    return "bu";
}

std::vector<std::string> Spellings(PrismBaseWord base, BaseAbbreviations abbreviations)
{
    std::vector<std::string> words = {TypedAbbreviation(base, abbreviations)};
    switch (base) {
    case PrismBaseWord::out:
        words.insert(words.end(), {"base out",
                                   "basis au\xDF"
                                   "en",
                                   "basis aussen"});
        break;
    case PrismBaseWord::in:
        words.insert(words.end(), {"base in", "basis innen"});
        break;
    case PrismBaseWord::up:
        words.insert(words.end(), {"base up", "basis oben"});
        break;
    case PrismBaseWord::down:
        words.insert(words.end(), {"base down", "basis unten"});
        break;
    }
    return words;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// A whole non-negative number with an optional point and decimals.
std::optional<double> PlainNumber(std::string_view text)
{
    text = Trimmed(text);
    std::size_t digits = 0;
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            ++digits;
        } else if (text[i] == '.' && !point && digits > 0 && i + 1 < text.size()) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || digits > 9)
        return std::nullopt;
    return DecimalValue(text);
}

// The bases a typed text names, as a bit set (1 << PrismBaseWord).
unsigned BasesNamed(std::string_view typedText, BaseAbbreviations abbreviations)
{
    const std::string text = Normalised(typedText);
    unsigned named = 0;
    for (PrismBaseWord base : kBases)
        for (const std::string& spelling : Spellings(base, abbreviations))
            if (ContainsWords(text, spelling))
                named |= 1u << static_cast<unsigned>(base);
    return named;
}

// The first number in a typed text, if any.
std::optional<double> FirstNumber(std::string_view typedText)
{
    std::size_t start = 0;
    while (start < typedText.size() && !IsDigit(typedText[start]))
        ++start;
    if (start == typedText.size())
        return std::nullopt;
    std::string number;
    std::size_t at = start;
    // At most nine digits before the separator: longer runs are no angle.
    while (at < typedText.size() && IsDigit(typedText[at]) && number.size() < 9)
        number += typedText[at++];
    if (at + 1 < typedText.size() && (typedText[at] == '.' || typedText[at] == ',') && IsDigit(typedText[at + 1])) {
        number += '.';
        ++at;
        while (at < typedText.size() && IsDigit(typedText[at]) && number.size() < 18)
            number += typedText[at++];
    }
    return DecimalValue(number);
}

}  // namespace

std::optional<PrismRange> ParseRangeAnswer(std::string_view answerText)
{
    const std::size_t dots = answerText.find("..");
    if (dots == std::string_view::npos)
        return std::nullopt;
    const std::optional<double> low = PlainNumber(answerText.substr(0, dots));
    std::string_view rest = Trimmed(answerText.substr(dots + 2));
    std::size_t numberEnd = 0;
    while (numberEnd < rest.size() && (IsDigit(rest[numberEnd]) || rest[numberEnd] == '.'))
        ++numberEnd;
    const std::optional<double> high = PlainNumber(rest.substr(0, numberEnd));
    if (!low || !high || *high < *low)
        return std::nullopt;
    PrismRange range{*low, *high, std::nullopt};
    const std::string_view baseText = Trimmed(rest.substr(numberEnd));
    if (baseText.empty())
        return range;
    for (PrismBaseWord base : kBases) {
        const std::string abbreviation = BaseAbbreviation(base);
        if (baseText.size() == 2 && LowerLatin1(baseText[0]) == LowerLatin1(abbreviation[0]) &&
            LowerLatin1(baseText[1]) == LowerLatin1(abbreviation[1])) {
            range.base = base;
            return range;
        }
    }
    return std::nullopt;
}

BaseAbbreviations AbbreviationsOfLanguage(std::string_view isoCode)
{
    const bool german = isoCode.size() >= 2 && LowerLatin1(isoCode[0]) == 'd' && LowerLatin1(isoCode[1]) == 'e';
    return german ? BaseAbbreviations::german : BaseAbbreviations::english;
}

bool RangeMatches(const PrismRange& range, std::string_view typedText, BaseAbbreviations abbreviations)
{
    const std::optional<double> number = FirstNumber(typedText);
    if (!number || *number < range.low || *number > range.high)
        return false;
    if (!range.base)
        return true;
    return BasesNamed(typedText, abbreviations) == 1u << static_cast<unsigned>(*range.base);
}

bool NamesSeveralBases(std::string_view typedText, BaseAbbreviations abbreviations)
{
    const unsigned named = BasesNamed(typedText, abbreviations);
    return (named & (named - 1)) != 0;
}

bool AnswerMatches(std::string_view answerText, std::string_view typedText, BaseAbbreviations abbreviations)
{
    if (const std::optional<PrismRange> range = ParseRangeAnswer(answerText))
        return RangeMatches(*range, typedText, abbreviations);
    return KeywordsMatch(answerText, typedText);
}

const char* BaseAbbreviation(PrismBaseWord base)
{
    switch (base) {
    case PrismBaseWord::out:
        return "BO";
    case PrismBaseWord::in:
        return "BI";
    case PrismBaseWord::up:
        return "BU";
    case PrismBaseWord::down:
        break;
    }
    return "BD";
}

std::string RangeExample(const PrismRange& range)
{
    std::ostringstream text;
    text << range.low;
    if (range.base)
        text << ' ' << BaseAbbreviation(*range.base);
    return text.str();
}
