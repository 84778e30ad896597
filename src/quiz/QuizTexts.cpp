#include "quiz/QuizTexts.h"

#include "lang/TextIds.h"

#include <map>

namespace quiz {

const std::string& builtInQuizText(int id)
{
    static const std::map<int, std::string> texts = {
        {Text::ReviewButton, "Durchsicht"},
        {Text::ReviewTitle, "Durchsicht der Antworten"},
        {Text::YourAnswer, "Ihre Antwort"},
        {Text::PointsLabel, "Punkte"},
        {Text::WouldHaveScored, "Was gez\xE4hlt h\xE4tte"},
        {Text::ExplanationLabel, "Erl\xE4uterung"},
        {Text::PointSingular, "Punkt"},
        {Text::PointPlural, "Punkte"},
        {Text::NoAnswer, "(keine Antwort)"},
        {Text::SaveResultsButton, "Ergebnisse speichern..."},
        {Text::TraineeNamePrompt, "Ihr Name:"},
        {Text::ShuffleQuestions, "Fragen mischen"},
        {Text::ResultsWildcard, "CSV-Dateien (*.csv)|*.csv"},
    };
    static const std::string none;
    const auto found = texts.find(id);
    return found == texts.end() ? none : found->second;
}

}  // namespace quiz
