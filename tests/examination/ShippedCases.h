#pragma once

#include "examination/Examination.h"

#include <string>
#include <vector>

// The file names of the cases in data/cases, sorted.
std::vector<std::string> ShippedCaseNames();

// An examination of a shipped case as opening it gives one: its angles in
// hundredths, its mode, marks and muscles, at the near end.
Examination ExaminationOfCase(const std::string& name);
