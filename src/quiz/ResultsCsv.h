#pragma once

#include "quiz/Review.h"

#include <string>
#include <string_view>
#include <vector>

// Who took the quiz, which quiz, and when; UTF-8.
struct ResultsHeading {
    std::string traineeName;
    std::string quizFile;
    std::string date;  // ISO 8601, as 2026-12-07
};

// One CSV field as RFC 4180 wants it: in double quotes, with each quote
// doubled, when it holds a comma, a quote or a line break; else as it is.
std::string CsvField(std::string_view text);

// The session as UTF-8 CSV with CR LF line ends: name, quiz and date lines,
// a column title line, one line per question (number, question text, answer
// given, points, maximum) and a total line. Every line has the five fields
// of a question line, so that spreadsheets read it as one table. Texts that
// a spreadsheet would run as a formula get a leading apostrophe.
std::string FormatResultsCsv(const std::vector<ReviewItem>& items, const ResultsHeading& heading);
