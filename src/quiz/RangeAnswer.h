#pragma once

#include <optional>
#include <string>
#include <string_view>

// A measured angle as the answer of a text question: "20..25 BO" scores a
// typed text whose first number lies from 20 to 25 (inclusive) and which
// names base out, and no other base. Without a base ("20..25") only the
// number counts. Any other answer text stays a list of keywords.
enum class PrismBaseWord { out, in, up, down };

// How a trainee abbreviates the base: in English BO, BI, BU, BD; in German
// BA, BI, BO, BU (Basis au\xDF" "en, innen, oben, unten), so "BO" and "BU" mean
// another base in each. Answer texts in a question file always use English.
enum class BaseAbbreviations { english, german };

// The abbreviations of the language with this ISO 639-1 code.
BaseAbbreviations AbbreviationsOfLanguage(std::string_view isoCode);

struct PrismRange {
    double low = 0;
    double high = 0;
    std::optional<PrismBaseWord> base;

    friend bool operator==(const PrismRange& a, const PrismRange& b)
    {
        return a.low == b.low && a.high == b.high && a.base == b.base;
    }
};

// The range an answer text (ISO 8859-1) stands for: two non-negative numbers
// with a decimal point, "..", the larger second, then BO, BI, BU or BD in any
// case, blanks allowed around each part. Nothing for any other text.
std::optional<PrismRange> ParseRangeAnswer(std::string_view answerText);

// Whether a typed text (ISO 8859-1) answers the range. Its first number
// counts, with a point or a comma as decimal separator. A base is named by
// its abbreviation as a word of its own (also "20BO"), or by "base out/in/
// up/down" or "Basis au\xDF" "en (aussen)/innen/oben/unten", in any case and
// with any blanks or hyphens between the two words.
bool RangeMatches(const PrismRange& range, std::string_view typedText,
                  BaseAbbreviations abbreviations = BaseAbbreviations::english);

// Whether a typed text names more than one base, which no measurement does:
// such a text answers no range with a base.
bool NamesSeveralBases(std::string_view typedText, BaseAbbreviations abbreviations = BaseAbbreviations::english);

// The answer text scored either way: a range, or "&"-separated keywords.
bool AnswerMatches(std::string_view answerText, std::string_view typedText,
                   BaseAbbreviations abbreviations = BaseAbbreviations::english);

// A short text that answers the range: its lower bound and its base's
// abbreviation ("20 BO").
std::string RangeExample(const PrismRange& range);
const char* BaseAbbreviation(PrismBaseWord base);
