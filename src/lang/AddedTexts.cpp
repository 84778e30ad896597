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
        {Text::LateralRectus, "Rectus lateralis (LR)"},
        {Text::MedialRectus, "Rectus medialis (MR)"},
        {Text::SuperiorRectus, "Rectus superior (SR)"},
        {Text::InferiorRectus, "Rectus inferior (IR)"},
        {Text::SuperiorOblique, "Obliquus superior (SO)"},
        {Text::InferiorOblique, "Obliquus inferior (IO)"},
        {Text::SixthNervePalsy, "Abducensparese"},
        {Text::FourthNervePalsy, "Trochlearisparese"},
        {Text::ThirdNervePalsy, "Okulomotoriusparese"},
        {Text::BrownSyndrome, "Brown-Syndrom"},
        {Text::DuaneSyndrome, "Duane-Syndrom Typ 1"},
        {Text::PresetRightEye, "rechtes Auge"},
        {Text::PresetLeftEye, "linkes Auge"},
        {Text::MuscleFileNoHeader, "Die erste Zeile nennt das Format nicht."},
        {Text::MuscleFileBadLine, "Eine Zeile hat nicht die Form Schl\xFCssel=Wert."},
        {Text::MuscleFileUnknownKey, "Eine Zeile nennt keinen bekannten Muskel (right.LR bis left.IO)."},
        {Text::MuscleFileRepeatedKey, "Ein Muskel ist doppelt genannt."},
        {Text::MuscleFileBadValue, "Eine Kraft ist keine ganze Zahl von 0 bis 100."},
        {Text::MuscleFileUnreadable, "Die Datei ist zu gro\xDF oder keine gew\xF6hnliche Datei."},
        {Text::MusclesTitle, "Muskelkr\xE4"
                             "fte"},
        {Text::MusclePresetLabel, "Vorgabe:"},
        {Text::MusclesReset, "Zur\xFC"
                             "cksetzen"},
        {Text::MuscleFileLine, "Zeile"},
        {Text::MuscleFileRefusedFormat, "Die Muskelkr\xE4"
                                        "fte neben %s konnten nicht gelesen werden. Der Fall \xF6"
                                        "ffnet "
                                        "sich mit normaler Kraft aller Muskeln; die Datei bleibt unver\xE4"
                                        "ndert."},
        {Text::MusclesMenu, "&Muskeln..."},
        {Text::PreviousRowTip, "Vorheriger Messwert"},
        {Text::NextRowTip, "N\xE4"
                           "chster Messwert"},
        {Text::PlaybackSpeedTip, "Wiedergabegeschwindigkeit"},
        {Text::TracePanelTip, "Klicken oder Ziehen springt zu einem Zeitpunkt; das Mausrad zoomt die Zeitachse"},
        {Text::TraceInterpolated, "Interpoliert"},
        {Text::ExaminationMenu, "Untersuchung"},
        {Text::PresentationMenu, "&Pr\xE4sentation"},
        {Text::ExportPictureMenu, "Bild &exportieren..."},
        {Text::CopyPictureMenu, "Bild &kopieren"},
        {Text::PictureSizeQuestion, "Bildgr\xF6\xDF"
                                    "e"},
        {Text::PictureSizeView, "Gr\xF6\xDF"
                                "e der Ansicht"},
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
        {Text::PrismSubmenu, "&Prismen"},
        {Text::PrismDialogMenu, "Prismen &w\xE4"
                                "hlen..."},
        {Text::PrismStrongerMenu, "St\xE4"
                                  "rkeres Prisma"},
        {Text::PrismWeakerMenu, "Schw\xE4"
                                "cheres Prisma"},
        {Text::PrismNextBaseMenu, "N\xE4"
                                  "chste Basislage"},
        {Text::RemovePrismsMenu, "Beide Prismen entfernen"},
        {Text::PrismDialogTitle, "Prismen"},
        {Text::PrismPowerLabel, "St\xE4"
                                "rke"},
        {Text::PrismBaseLabel, "Basis"},
        {Text::PrismNone, "keins"},
        {Text::PrismBaseOut, "Basis au\xDF"
                             "en"},
        {Text::PrismBaseIn, "Basis innen"},
        {Text::PrismBaseUp, "Basis oben"},
        {Text::PrismBaseDown, "Basis unten"},
        {Text::PrismUnit, "pdpt"},
        {Text::PrismStatusRight, "R"},
        {Text::PrismStatusLeft, "L"},
        {Text::AngleKappaCheck, "Winkel Kappa: Reflex des fixierenden Auges 5\xB0"
                                " nasal"},
        {Text::RangeTo, "bis"},
        {Text::HessChartMenu, "&Hess-Schema"},
        {Text::NinePositionsMenu, "&Neun Blickrichtungen"},
        {Text::HessLeftField, "Linkes Auge (rechtes Auge fixiert)"},
        {Text::HessRightField, "Rechtes Auge (linkes Auge fixiert)"},
        {Text::EsoWord, "eso"},
        {Text::ExoWord, "exo"},
        {Text::HyperWord, "hyper"},
        {Text::HypoWord, "hypo"},
        {Text::PrimaryPositionLabel, "Prim\xE4"
                                     "rposition:"},
        {Text::HessConvention,
         "Jedes Feld ist so gezeichnet, wie der Patient es sieht: das Feld des rechten Auges rechts."},
        {Text::ExportSvgButton, "&SVG exportieren..."},
        {Text::ExportPngButton, "&PNG exportieren..."},
        {Text::PrintButton, "&Drucken..."},
        {Text::PrintPreviewButton, "Druck&vorschau"},
        {Text::SvgWildcard, "SVG-Zeichnungen (*.svg)|*.svg"},
        {Text::UnsavedCaseName, "Neuer Fall"},
        {Text::EccentricityLabel, "Exzentrizit\xE4"
                                  "t:"},
        {Text::PrintFailed, "Das Schema konnte nicht gedruckt werden."},
        {Text::AnswerNaming, "eine Antwort mit"},
        {Text::AndWord, "und"},
        {Text::SeveralBasesNamed, "Die Antwort nennt mehr als eine Basis; eine Messung hat nur eine."},
        {Text::BeyondMeasurement, "jenseits des Messbereichs"},
        {Text::DecimalMark, ","},
        {Text::NoBrowserFormat, "Es wurde kein Webbrowser gefunden. \xD6"
                                "ffnen Sie diese Adresse selbst in einem Browser:\n%s"},
        {Text::AboutCopyright, "\xA9 2025 die Mitwirkenden an Squinx"},
        {Text::CannotFixate, "kann nicht fixieren"},
        {Text::CycloStaysOption, "Zyklodeviation bleibt beim Abdeckwechsel (wie in der Klinik)"},
        {Text::DeviationHeading, "Abweichung"},
        {Text::ExportPdfButton, "PD&F exportieren..."},
        {Text::PdfWildcard, "PDF-Dokumente (*.pdf)|*.pdf"},
        {Text::ButNotWord, "aber nicht"},
        {Text::OrWord, "oder"},
        {Text::AnswerNotNaming, "eine Antwort ohne"},
        {Text::HeadTurnWord, "Kopfdrehung"},
        {Text::HeadTiltWord, "Kopfneigung"},
        {Text::ShowTargetMenu, "Fixations&objekt zeigen"},
        {Text::ShowDeviationMenu, "Abweichung in &Zahlen"},
    };
    static const std::string none;
    const auto found = texts.find(id);
    return found == texts.end() ? none : found->second;
}
