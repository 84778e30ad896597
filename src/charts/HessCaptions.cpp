#include "charts/HessCaptions.h"

#include "lang/LanguageTable.h"
#include "lang/Latin1Utf8.h"
#include "lang/TextIds.h"

#include <ctime>

HessCaptions HessCaptionsOf(const LanguageTable& texts, const std::string& caseName, const std::string& date)
{
    const auto text = [&texts](int id) { return Latin1ToUtf8(texts.Get(id)); };
    HessCaptions captions;
    captions.title = caseName + " \u2013 " + date;
    captions.leftField = text(Text::HessLeftField);
    captions.rightField = text(Text::HessRightField);
    captions.eso = text(Text::EsoWord);
    captions.exo = text(Text::ExoWord);
    captions.hyperWord = text(Text::HyperWord);
    captions.hypo = text(Text::HypoWord);
    captions.primary = text(Text::PrimaryPositionLabel);
    captions.prismDioptres = text(Text::PrismUnit);
    captions.beyondMeasurement = text(Text::BeyondMeasurement);
    captions.convention = text(Text::HessConvention);
    captions.decimalMark = text(Text::DecimalMark);
    captions.cannotFixate = text(Text::CannotFixate);
    return captions;
}

std::string TodayIsoDate()
{
    const std::time_t now = std::time(nullptr);
    // Called from the main thread only, so the standard's shared result is
    // safe to use, and Windows has no localtime_r.
    const std::tm* local = std::localtime(&now);
    char date[16] = "";
    if (local)
        std::strftime(date, sizeof date, "%Y-%m-%d", local);
    return date;
}
