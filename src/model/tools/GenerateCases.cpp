// Writes every case of the library as <folder>/<name>.sd, with the muscle
// strengths and the compensatory head posture beside it where the case has them.
//
//     squinx_generate_cases <folder>
//
// The build's "cases" target runs it on data/cases of the source tree.

#include "model/CaseFile.h"
#include "model/MuscleFile.h"
#include "model/tools/CaseLibrary.h"
#include "settings/FileIo.h"

#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <system_error>

namespace {

namespace fs = std::filesystem;

// Case files in folder that the library does not produce, e.g. left over
// from a renamed case.
std::set<std::string> ForeignCaseFiles(const fs::path& folder)
{
    std::set<std::string> foreign;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".sd")
            foreign.insert(entry.path().filename().string());
    }
    for (const LibraryCase& libraryCase : CaseLibrary())
        foreign.erase(libraryCase.name + ".sd");
    return foreign;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <folder>\n";
        return 2;
    }
    const fs::path folder = argv[1];
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        std::cerr << "Cannot create " << folder.string() << ": " << error.message() << '\n';
        return 1;
    }

    int failures = 0;
    for (const LibraryCase& libraryCase : CaseLibrary()) {
        const auto bytes = EncodeCase(ToCaseData(libraryCase));
        const std::string path = (folder / (libraryCase.name + ".sd")).string();
        std::string message;
        if (WriteFileAtomically(path, bytes.data(), bytes.size(), message) &&
            SaveMuscleFile(path, libraryCase.muscles, libraryCase.head, message)) {
            std::cout << path << '\n';
        } else {
            std::cerr << message << '\n';
            ++failures;
        }
    }
    for (const std::string& name : ForeignCaseFiles(folder))
        std::cerr << "warning: " << name << " is not in the case library; remove it if it is stale\n";
    return failures == 0 ? 0 : 1;
}
