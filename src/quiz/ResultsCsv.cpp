#include "quiz/ResultsCsv.h"

#include "lang/Latin1Utf8.h"

#include "quiz/SaturatingSum.h"

namespace {

constexpr std::string_view lineEnd = "\r\n";

// A field starting with one of these is taken for a formula by spreadsheets,
// which would then run what a trainee typed.
std::string WithoutFormulaStart(std::string text)
{
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        text.insert(text.begin(), '\'');
    return text;
}

std::string TextField(std::string_view utf8)
{
    return CsvField(WithoutFormulaStart(std::string(utf8)));
}

void AppendLine(std::string& csv, const std::string& a, const std::string& b, const std::string& c = {},
                const std::string& d = {}, const std::string& e = {})
{
    csv += a + ',' + b + ',' + c + ',' + d + ',' + e;
    csv += lineEnd;
}

std::string GivenText(const ReviewItem& item)
{
    std::string joined;
    for (std::size_t i = 0; i < item.given.size(); ++i)
        joined += (i == 0 ? "" : "; ") + item.given[i];
    return Latin1ToUtf8(joined);
}

}  // namespace

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string FormatResultsCsv(const std::vector<ReviewItem>& items, const ResultsHeading& heading)
{
    std::string csv;
    AppendLine(csv, "name", TextField(heading.traineeName));
    AppendLine(csv, "quiz", TextField(heading.quizFile));
    AppendLine(csv, "date", TextField(heading.date));
    AppendLine(csv, "number", "question", "answer", "points", "maximum");
    int total = 0;
    int maximum = 0;
    for (const ReviewItem& item : items) {
        AppendLine(csv, std::to_string(item.number), TextField(Latin1ToUtf8(item.question)), TextField(GivenText(item)),
                   std::to_string(item.points), std::to_string(item.maxPoints));
        total = SaturatingAdd(total, item.points);
        maximum = SaturatingAdd(maximum, item.maxPoints);
    }
    AppendLine(csv, "total", "", "", std::to_string(total), std::to_string(maximum));
    return csv;
}
