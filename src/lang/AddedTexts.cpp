#include "lang/AddedTexts.h"

#include "lang/TextIds.h"

#include <map>

const std::string& BuiltInText(int id)
{
    static const std::map<int, std::string> texts = {
        {Text::SaveChangesQuestion, "\xC4nderungen speichern?"},
        {Text::SaveChangesToFormat, "\xC4nderungen in %s speichern?"},
        {Text::ReplaceFileFormat, "Datei '%s' ersetzen?"},
        {Text::QuestionWildcard, "Fragen (*.sqs)|*.sqs"},
        {Text::LanguageCode, "de"},
        {Text::PlaybackStartTip, "Wiedergabe starten"},
        {Text::PlaybackPauseTip, "Wiedergabe anhalten"},
        {Text::PlaybackStopTip, "Wiedergabe beenden"},
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
        {Text::ExaminationMenu, "Untersuchung"},
        {Text::PresentationMenu, "&Pr\xE4sentation"},
        {Text::ExportPictureMenu, "Bild &exportieren..."},
        {Text::CopyPictureMenu, "Bild &kopieren"},
        {Text::PictureSizeQuestion, "Bildgr\xF6\xDF" "e"},
        {Text::PictureSizeView, "Gr\xF6\xDF" "e der Ansicht"},
        {Text::PictureWildcard, "PNG-Bilder (*.png)|*.png"},
        {Text::UncoverMenu, "&Aufdecken"},
        {Text::AlternateCoverMenu, "&Wechselnd abdecken"},
        {Text::FarEndMenu, "&Ferne"},
        {Text::NearEndMenu, "&N\xE4he"},
        {Text::NearerMenu, "N\xE4her"},
        {Text::FartherMenu, "Weiter weg"},
        {Text::GazeSubmenu, "&Blickrichtung"},
        {Text::GazeFollowsPointerMenu, "Blick folgt dem &Mauszeiger"},
        {Text::GazeStraightMenu, "Geradeaus"},
        {Text::GazeUpMenu, "Oben"},
        {Text::GazeDownMenu, "Unten"},
        {Text::GazeViewerLeftMenu, "Links (rechts des Patienten)"},
        {Text::GazeViewerRightMenu, "Rechts (links des Patienten)"},
        {Text::GazeUpLeftMenu, "Oben links"},
        {Text::GazeUpRightMenu, "Oben rechts"},
        {Text::GazeDownLeftMenu, "Unten links"},
        {Text::GazeDownRightMenu, "Unten rechts"},
        {Text::EccentricitySubmenu, "&Exzentrizit\xE4t"},
    };
    static const std::string none;
    const auto found = texts.find(id);
    return found == texts.end() ? none : found->second;
}
