#pragma once

#include "quiz/Question.h"
#include "quiz/RangeAnswer.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One answer that earns points, in readable form: "left + eso" for a text
// answer, the entry's text for a choice question. A measured range keeps its
// answer text and is worded with the review's labels. A keyword answer also
// keeps its keywords as words a trainee would write: "eso" reads as the word
// of the question or its explanation that begins with it ("esotropia"), and
// the words it must not name ("!right") as excluded.
struct ScoringAnswer {
    ScoringAnswer(std::string text, int points, std::optional<PrismRange> range = std::nullopt,
                  std::vector<std::string> words = {}, std::vector<std::string> excluded = {})
        : text(std::move(text)), points(points), range(range), words(std::move(words)), excluded(std::move(excluded))
    {}

    std::string text;
    int points = 0;
    std::optional<PrismRange> range;
    std::vector<std::string> words;
    std::vector<std::string> excluded;

    friend bool operator==(const ScoringAnswer& a, const ScoringAnswer& b)
    {
        return a.text == b.text && a.points == b.points && a.range == b.range && a.words == b.words &&
               a.excluded == b.excluded;
    }
};

// What the review shows of one question. Texts are the question file's
// ISO 8859-1 bytes, like the records they come from.
struct ReviewItem {
    std::size_t number = 0;  // position in the question file, from 1
    std::string question;
    std::vector<std::string> given;  // the typed text, or the ticked entries; empty when unanswered
    int points = 0;
    int maxPoints = 0;
    std::vector<ScoringAnswer> scoring;  // in file order
    std::string explanation;
    // The typed text named more than one prism base, so no measurement could score.
    bool severalBases = false;
};

// The review of every question, in file order, scored as the results are.
std::vector<ReviewItem> BuildReview(const QuestionList& questions,
                                    BaseAbbreviations abbreviations = BaseAbbreviations::english);

// "left&eso" as "left + eso". Empty keywords match anything and are left
// out; a text of nothing but empty keywords reads "*".
std::string ReadableKeywords(std::string_view answerText);

// The words the review text is made of, from the language file.
struct ReviewLabels {
    std::string question;         // "Question"
    std::string yourAnswer;       // "Your answer"
    std::string points;           // "Points"
    std::string wouldHaveScored;  // "What would have scored"
    std::string explanation;      // "Explanation"
    std::string point;            // "point", after the number 1
    std::string pointPlural;      // "points", after any other number
    std::string noAnswer;         // "(no answer)"
    // A range reads "20 to 25 PD base out".
    std::string rangeTo = "to";
    std::string prismUnit = "PD";
    std::string baseOut = "base out";
    std::string baseIn = "base in";
    std::string baseUp = "base up";
    std::string baseDown = "base down";
    // A keyword answer reads "an answer naming left and converging, but not
    // right or up"; one of exclusions alone "an answer not naming right or up".
    std::string answerNaming = "an answer naming";
    std::string andWord = "and";
    std::string butNot = "but not";
    std::string orWord = "or";
    std::string answerNotNaming = "an answer not naming";
    std::string severalBases = "The answer names more than one base; a measurement names one.";
};

// "20 to 25 PD base out"; one number when both ends are the same.
std::string ReadableRange(const PrismRange& range, const ReviewLabels& labels);

// The review as plain text, a block per question separated by blank lines.
// Labels are inserted as plain text, never used as formats.
std::string FormatReview(const std::vector<ReviewItem>& items, const ReviewLabels& labels);
