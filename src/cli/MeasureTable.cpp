#include "cli/MeasureTable.h"

#include "charts/HessChart.h"
#include "lang/DecimalMark.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1Utf8.h"
#include "lang/TextIds.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

namespace {

constexpr const char* kDegree = "\u00B0";
// 100 tan 90° has no value.
constexpr double kMeasurableDegrees = 90.0;

// A menu label without its keyboard mark.
std::string WithoutMnemonic(std::string label)
{
    label.erase(std::remove(label.begin(), label.end(), '&'), label.end());
    return label;
}

std::string Number(double value, const MeasureWords& words, bool sign = false)
{
    char text[32];
    // -0.04 would print as "-0.0".
    const double shown = std::abs(value) < 0.05 ? 0.0 : value;
    std::snprintf(text, sizeof text, sign ? "%+.1f" : "%.1f", shown);
    return WithDecimalMark(text, words.decimalMark);
}

std::string Dioptres(double degrees, const MeasureWords& words)
{
    return std::abs(degrees) >= kMeasurableDegrees ? words.beyondMeasurement
                                                   : Number(PrismDioptres(std::abs(degrees)), words);
}

// The word for a deviation's sign; none where it rounds to zero.
const std::string& Direction(double value, const std::string& positive, const std::string& negative)
{
    static const std::string none;
    return std::abs(value) < 0.05 ? none : value > 0 ? positive : negative;
}

// "10.5° 18.5 PD eso", or "0.0°" alone.
std::string Deviation(double degrees, const std::string& positive, const std::string& negative,
                      const MeasureWords& words)
{
    const std::string& word = Direction(degrees, positive, negative);
    if (word.empty())
        return Number(0, words) + kDegree;
    return Number(std::abs(degrees), words) + kDegree + " " + Dioptres(degrees, words) + " " + words.prismDioptres +
           " " + word;
}

std::string Torsion(double incyclo, const MeasureWords& words)
{
    const std::string& word = Direction(incyclo, words.incyclo, words.excyclo);
    return Number(std::abs(incyclo), words) + kDegree + (word.empty() ? "" : " " + word);
}

const std::string& EyeName(Eye eye, const MeasureWords& words)
{
    return eye == Eye::one ? words.right : words.left;
}

// UTF-8 characters, which is what a terminal's columns count here.
std::size_t Width(const std::string& text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

using Row = std::vector<std::string>;

void AppendAligned(const std::vector<Row>& rows, std::string& out)
{
    std::vector<std::size_t> widths;
    for (const Row& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths.resize(std::max(widths.size(), i + 1));
            widths[i] = std::max(widths[i], Width(row[i]));
        }
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line.append(widths[i] - Width(row[i]) + 3, ' ');
        }
        out += line + '\n';
    }
}

}  // namespace

MeasureWords MeasureWordsOf(const LanguageTable& texts)
{
    const auto text = [&texts](int id) { return Latin1ToUtf8(texts.Get(id)); };
    MeasureWords words;
    words.gaze = WithoutMnemonic(text(Text::GazeSubmenu));
    words.fixingEye = text(Text::FixingEyeLabel1);
    words.right = text(Text::PrismStatusRight);
    words.left = text(Text::PrismStatusLeft);
    words.horizontal = text(Text::HorizontalRow);
    words.vertical = text(Text::VerticalRow);
    words.torsion = text(Text::TorsionRow);
    words.deviation = text(Text::DeviationHeading);
    words.alternateCover = WithoutMnemonic(text(Text::AlternateCoverMenu));
    words.prismDioptres = text(Text::PrismUnit);
    words.eso = text(Text::EsoWord);
    words.exo = text(Text::ExoWord);
    words.hyperWord = text(Text::HyperWord);
    words.hypo = text(Text::HypoWord);
    words.incyclo = text(Text::IncycloRow);
    words.excyclo = text(Text::ExcycloRow);
    words.cannotFixate = text(Text::CannotFixate);
    words.beyondMeasurement = text(Text::BeyondMeasurement);
    words.decimalMark = text(Text::DecimalMark);
    words.headTurn = text(Text::HeadTurnWord);
    words.headTilt = text(Text::HeadTiltWord);
    return words;
}

std::string PlainMeasurements(const std::vector<Measurement>& measurements, const MeasureWords& words)
{
    std::string out;
    for (const Measurement& m : measurements) {
        if (!out.empty())
            out += '\n';
        out += words.gaze + " " + Number(m.gaze.right, words, true) + kDegree + ", " + Number(m.gaze.up, words, true) +
               kDegree + "   " + words.fixingEye + ": " + EyeName(m.fixing, words);
        // A head held straight, as in most examinations, goes unsaid.
        for (const auto& [degrees, word] : {std::pair{m.head.turn, words.headTurn}, {m.head.tilt, words.headTilt}})
            if (degrees != 0)
                out += "   " + word + " " + Number(degrees, words, true) + kDegree;
        out += (m.cannotFixate ? "   (" + words.cannotFixate + ")" : "") + '\n';
        std::vector<Row> rows = {{"", words.horizontal, words.vertical, words.torsion}};
        for (const Eye eye : {Eye::one, Eye::two}) {
            const EyeDirection& d = m.eyes[static_cast<std::size_t>(eye)];
            rows.push_back({EyeName(eye, words), Number(d.right, words, true) + kDegree,
                            Number(d.up, words, true) + kDegree, Torsion(d.incyclo, words)});
        }
        rows.push_back({words.deviation, Deviation(m.inward, words.eso, words.exo, words),
                        Deviation(m.upward, words.hyperWord, words.hypo, words), Torsion(m.incyclo, words)});
        std::string cover = words.right + " " + Number(m.coverMovement[0], words) + kDegree + ", " + words.left + " " +
                            Number(m.coverMovement[1], words) + kDegree;
        for (const Eye eye : {Eye::one, Eye::two})
            if (m.cannotTakeUpFixation[static_cast<std::size_t>(eye)])
                cover += "   (" + EyeName(eye, words) + ": " + words.cannotFixate + ")";
        rows.push_back({words.alternateCover, cover});
        AppendAligned(rows, out);
    }
    return out;
}

std::string DeviationLine(const Measurement& measured, const MeasureWords& words)
{
    const Eye fixing = measured.fixing;
    const Eye deviating = fixing == Eye::one ? Eye::two : Eye::one;
    // Upward is the deviating eye above the fixing one.
    const std::string deviatingHyper = EyeName(deviating, words) + " " + words.hyperWord;
    const std::string fixingHyper = EyeName(fixing, words) + " " + words.hyperWord;
    // Horizontal first, then vertical, without their names: the line must
    // fit the status bar of a window at its first size.
    std::string line = words.deviation + ": " + Deviation(measured.inward, words.eso, words.exo, words) + ", " +
                       Deviation(measured.upward, deviatingHyper, fixingHyper, words) + "   " + words.fixingEye + ": " +
                       EyeName(fixing, words);
    if (measured.cannotFixate)
        line += "   (" + words.cannotFixate + ")";
    return line;
}

std::string TabSeparatedMeasurements(const std::vector<Measurement>& measurements, const MeasureWords& words)
{
    std::string out =
        "gaze_right\tgaze_up\tfixing_eye\tcannot_fixate\t"
        "right_eye_right\tright_eye_up\tright_eye_incyclo\tleft_eye_right\tleft_eye_up\tleft_eye_incyclo\t"
        "deviation_inward\tdeviation_inward_pd\tdeviation_horizontal\t"
        "deviation_upward\tdeviation_upward_pd\tdeviation_vertical\tdeviation_incyclo\tdeviation_torsion\t"
        "alternate_cover_right\talternate_cover_left\tright_eye_cannot_take_up_fixation\t"
        "left_eye_cannot_take_up_fixation\n";
    for (const Measurement& m : measurements) {
        const auto signedNumber = [&](double value) { return Number(value, words, true); };
        Row row = {signedNumber(m.gaze.right), signedNumber(m.gaze.up), EyeName(m.fixing, words),
                   m.cannotFixate ? "1" : "0"};
        for (const EyeDirection& d : m.eyes) {
            row.push_back(signedNumber(d.right));
            row.push_back(signedNumber(d.up));
            row.push_back(signedNumber(d.incyclo));
        }
        for (const auto& [value, positive, negative] :
             {std::tuple{m.inward, words.eso, words.exo}, std::tuple{m.upward, words.hyperWord, words.hypo}}) {
            row.push_back(signedNumber(value));
            row.push_back(Dioptres(value, words));
            row.push_back(Direction(value, positive, negative));
        }
        row.push_back(signedNumber(m.incyclo));
        row.push_back(Direction(m.incyclo, words.incyclo, words.excyclo));
        row.push_back(Number(m.coverMovement[0], words));
        row.push_back(Number(m.coverMovement[1], words));
        for (const bool cannot : m.cannotTakeUpFixation)
            row.push_back(cannot ? "1" : "0");
        for (std::size_t i = 0; i < row.size(); ++i)
            out += (i == 0 ? "" : "\t") + row[i];
        out += '\n';
    }
    return out;
}
