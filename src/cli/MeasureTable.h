#pragma once

#include "examination/Measurement.h"

#include <string>
#include <vector>

class LanguageTable;

// The words --measure prints, from the language file, UTF-8 ("hyper" alone
// names a macro in Windows headers).
struct MeasureWords {
    std::string gaze, fixingEye, right, left, horizontal, vertical, torsion, deviation, alternateCover;
    std::string prismDioptres, eso, exo, hyperWord, hypo, incyclo, excyclo, cannotFixate, beyondMeasurement;
    std::string headTurn, headTilt;
    std::string decimalMark = ".";
};

MeasureWords MeasureWordsOf(const LanguageTable& texts);

// Plain text a teacher can paste into a handout: one block per gaze, its
// rows the eyes, the deviation and the alternate cover test (with the eye
// that cannot take up fixation there), the columns aligned. Angles with one decimal in the language's decimal mark.
std::string PlainMeasurements(const std::vector<Measurement>& measurements, const MeasureWords& words);

// One status-bar line of what the prism cover test measures: the horizontal,
// then the vertical deviation in degrees and prism dioptres, the vertical
// named by the higher eye ("L hyper"), then the fixing eye.
std::string DeviationLine(const Measurement& measured, const MeasureWords& words);

// For a spreadsheet: a header row of fixed English column names, then one
// tab-separated row per gaze; numbers signed, directions in their own columns.
std::string TabSeparatedMeasurements(const std::vector<Measurement>& measurements, const MeasureWords& words);
