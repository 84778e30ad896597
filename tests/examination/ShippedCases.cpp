#include "ShippedCases.h"

#include "model/CaseFile.h"
#include "model/MuscleFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {
namespace fs = std::filesystem;
const fs::path kCaseFolder = fs::path(SQUINX_DATA_DIR) / "cases";
}  // namespace

std::vector<std::string> ShippedCaseNames()
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(kCaseFolder))
        if (entry.path().extension() == ".sd")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

Examination ExaminationOfCase(const std::string& name)
{
    const fs::path path = kCaseFolder / name;
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    CaseData data;
    EXPECT_EQ(DecodeCase(bytes, data), CaseReadResult::ok) << name;
    MuscleStrengths muscles;
    EXPECT_EQ(LoadMuscleFile(path.string(), muscles).error, MuscleFileError::none) << name;

    Examination examination;
    examination.SetModel(data.values);
    examination.SetLatent(!data.manifestMode);
    examination.SetQuadrantMarks(data.quadrantMarks);
    examination.SetMuscles(muscles);
    examination.SetPath(path.string());
    return examination;
}
