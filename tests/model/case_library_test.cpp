#include "model/CaseFile.h"
#include "model/MuscleFile.h"
#include "model/tools/CaseLibrary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kCaseFolder = fs::path(SQUINX_DATA_DIR) / "cases";
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

std::vector<std::uint8_t> ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const LibraryCase& Case(const std::string& name)
{
    for (const LibraryCase& libraryCase : CaseLibrary()) {
        if (libraryCase.name == name)
            return libraryCase;
    }
    ADD_FAILURE() << name << " is not in the library";
    static const LibraryCase none{"", Deviation::manifest, {}};
    return none;
}

// Where an eye points and how it rolls in the view when it shows its own
// angles (mode 603 at rest, or mode 604 under cover). The view turns an eye
// about X by its vertical, about Y by its horizontal and about Z by minus its
// torsion, outermost first; the eye looks along +z towards the viewer, x grows
// to the viewer's right and y upwards.
struct Picture {
    double gazeX;       // > 0: towards the viewer's right
    double gazeY;       // > 0: upwards
    double upperPoleX;  // where the 12 o'clock point of the iris goes
};

Picture PictureOf(const CaseData& data, Eye eye, bool nearEnd)
{
    const auto degrees = [&](EyeQuantity quantity) {
        const int units = nearEnd ? data.values.Near(eye, quantity) : data.values.Far(eye, quantity);
        return units / 100.0 * kRadiansPerDegree;
    };
    const double h = degrees(EyeQuantity::horizontal);
    const double v = degrees(EyeQuantity::vertical);
    const double t = degrees(EyeQuantity::torsion);
    return {std::sin(h), -std::sin(v) * std::cos(h), std::sin(t) * std::cos(h)};
}

// Towards the nose: eye 1 sits left of the midline, eye 2 right of it.
double Nasal(Eye eye, double x)
{
    return eye == Eye::one ? x : -x;
}

TEST(CaseLibraryTable, NamesAreUniqueAndUsableAsFileNames)
{
    std::set<std::string> names;
    for (const LibraryCase& libraryCase : CaseLibrary()) {
        EXPECT_TRUE(names.insert(libraryCase.name).second) << libraryCase.name;
        EXPECT_FALSE(libraryCase.name.empty());
        EXPECT_EQ(libraryCase.name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-"), std::string::npos)
            << libraryCase.name;
    }
    EXPECT_GE(names.size(), 12u);
}

TEST(CaseLibraryTable, AnglesFitTheControlsAndAreNotListedTwice)
{
    for (const LibraryCase& libraryCase : CaseLibrary()) {
        std::set<std::pair<Eye, EyeQuantity>> seen;
        for (const LibraryAngle& angle : libraryCase.angles) {
            EXPECT_TRUE(seen.insert({angle.eye, angle.quantity}).second) << libraryCase.name;
            EXPECT_LE(std::abs(angle.farDegrees), 50.0) << libraryCase.name;
            EXPECT_LE(std::abs(angle.nearDegrees), 50.0) << libraryCase.name;
        }
    }
}

// A manifest case with both eyes deviated would raise the both-eyes hint
// and muddle the cover test: one eye has to fixate.
TEST(CaseLibraryTable, ManifestCasesDeviateOneEyeOnly)
{
    for (const LibraryCase& libraryCase : CaseLibrary()) {
        if (libraryCase.deviation == Deviation::manifest) {
            EXPECT_FALSE(ToCaseData(libraryCase).values.BothEyesDeviated()) << libraryCase.name;
        }
    }
}

TEST(CaseLibraryTable, LatentCasesDeviateBothEyesAlikeUnderCover)
{
    int latent = 0;
    for (const LibraryCase& libraryCase : CaseLibrary()) {
        if (libraryCase.deviation != Deviation::latent)
            continue;
        ++latent;
        const CaseData data = ToCaseData(libraryCase);
        for (bool nearEnd : {false, true}) {
            const Picture right = PictureOf(data, Eye::one, nearEnd);
            const Picture left = PictureOf(data, Eye::two, nearEnd);
            EXPECT_NEAR(Nasal(Eye::one, right.gazeX), Nasal(Eye::two, left.gazeX), 1e-9) << libraryCase.name;
            // A right hyperphoria lifts the covered right eye and lowers the covered left one.
            EXPECT_NEAR(right.gazeY, -left.gazeY, 1e-9) << libraryCase.name;
        }
    }
    EXPECT_GE(latent, 3);
}

TEST(CaseLibraryConversion, StoresHundredthsWithTheSignOfTheStoredValue)
{
    const LibraryCase sample{"sample",
                             Deviation::latent,
                             {
                                 {Eye::one, EyeQuantity::horizontal, 1.5, -2.25},
                                 {Eye::two, EyeQuantity::horizontal, 1.5, -2.25},
                                 {Eye::one, EyeQuantity::vertical, 0.07, 3.0},
                                 {Eye::two, EyeQuantity::torsion, -10.0, 0.01},
                                 {Eye::one, EyeQuantity::verticalAxisTilt, 8.0, 8.0},
                                 {Eye::two, EyeQuantity::verticalOffset, 10.0, 4.1},
                             }};
    const CaseData data = ToCaseData(sample);
    EXPECT_FALSE(data.manifestMode);
    EXPECT_EQ(data.quadrantMarks, 0);
    EXPECT_EQ(data.values.Far(Eye::one, EyeQuantity::horizontal), 150);
    EXPECT_EQ(data.values.Near(Eye::one, EyeQuantity::horizontal), -225);
    EXPECT_EQ(data.values.Far(Eye::two, EyeQuantity::horizontal), -150);
    EXPECT_EQ(data.values.Near(Eye::two, EyeQuantity::horizontal), 225);
    EXPECT_EQ(data.values.Far(Eye::one, EyeQuantity::vertical), -7);  // 0.07 is not exact in binary
    EXPECT_EQ(data.values.Near(Eye::one, EyeQuantity::vertical), -300);
    EXPECT_EQ(data.values.Far(Eye::two, EyeQuantity::torsion), 1000);
    EXPECT_EQ(data.values.Near(Eye::two, EyeQuantity::torsion), -1);
    EXPECT_EQ(data.values.Far(Eye::one, EyeQuantity::verticalAxisTilt), -800);
    EXPECT_EQ(data.values.Near(Eye::two, EyeQuantity::verticalOffset), 410);  // 4.1 is not exact either
    EXPECT_EQ(data.values.Far(Eye::two, EyeQuantity::vertical), 0);
    EXPECT_EQ(data.values.Near(Eye::one, EyeQuantity::horizontalAxisTilt), 0);
}

// The teaching pictures, checked against the geometry of the view rather
// than against the table of negated fields.
TEST(CaseLibraryPictures, HorizontalDeviationsTurnTheRightWay)
{
    const CaseData eso = ToCaseData(Case("esotropia-left"));
    EXPECT_GT(Nasal(Eye::two, PictureOf(eso, Eye::two, false).gazeX), 0.2);
    EXPECT_EQ(PictureOf(eso, Eye::one, false).gazeX, 0.0);

    const CaseData exo = ToCaseData(Case("exotropia-right"));
    EXPECT_LT(Nasal(Eye::one, PictureOf(exo, Eye::one, true).gazeX), -0.2);

    const CaseData excess = ToCaseData(Case("convergence-excess-esotropia"));
    const double far = Nasal(Eye::one, PictureOf(excess, Eye::one, false).gazeX);
    const double near = Nasal(Eye::one, PictureOf(excess, Eye::one, true).gazeX);
    EXPECT_GT(far, 0.0);
    EXPECT_GT(near - far, std::sin(6 * kRadiansPerDegree));  // at least 10 prism dioptres more at near

    const CaseData divergence = ToCaseData(Case("divergence-excess-exotropia"));
    const double exoFar = -Nasal(Eye::two, PictureOf(divergence, Eye::two, false).gazeX);
    const double exoNear = -Nasal(Eye::two, PictureOf(divergence, Eye::two, true).gazeX);
    EXPECT_GT(exoNear, 0.0);
    EXPECT_GT(exoFar - exoNear, std::sin(6 * kRadiansPerDegree));

    const CaseData insufficiency = ToCaseData(Case("convergence-insufficiency-exophoria"));
    EXPECT_LT(Nasal(Eye::one, PictureOf(insufficiency, Eye::one, true).gazeX),
              Nasal(Eye::one, PictureOf(insufficiency, Eye::one, false).gazeX));
}

TEST(CaseLibraryPictures, VerticalAndTorsionalDeviationsTurnTheRightWay)
{
    const CaseData palsy = ToCaseData(Case("superior-oblique-palsy-left"));
    for (bool nearEnd : {false, true}) {
        const Picture left = PictureOf(palsy, Eye::two, nearEnd);
        EXPECT_GT(left.gazeY, 0.05);                         // left hypertropia
        EXPECT_GT(-Nasal(Eye::two, left.upperPoleX), 0.05);  // excyclotorsion: upper pole temporal
    }
    EXPECT_GT(PictureOf(palsy, Eye::two, true).gazeY, PictureOf(palsy, Eye::two, false).gazeY);

    const CaseData cyclo = ToCaseData(Case("excyclotropia-left"));
    EXPECT_GT(-Nasal(Eye::two, PictureOf(cyclo, Eye::two, false).upperPoleX), 0.1);

    const CaseData hyper = ToCaseData(Case("hyperphoria-right"));
    EXPECT_GT(PictureOf(hyper, Eye::one, false).gazeY, 0.0);
}

// The dissociated upward drift: the view turns an eye about X by minus its
// offset, and a negative turn about X lifts the line of sight.
TEST(CaseLibraryPictures, DissociatedVerticalDeviationFloatsUpwardsMoreOnTheLeft)
{
    const CaseData dvd = ToCaseData(Case("dissociated-vertical-deviation"));
    EXPECT_TRUE(dvd.manifestMode);
    const int right = dvd.values.Far(Eye::one, EyeQuantity::verticalOffset);
    const int left = dvd.values.Far(Eye::two, EyeQuantity::verticalOffset);
    EXPECT_GT(right, 0);
    EXPECT_GT(left, right);
    EXPECT_EQ(dvd.values.Far(Eye::one, EyeQuantity::vertical), 0);
    EXPECT_EQ(dvd.values.Far(Eye::two, EyeQuantity::vertical), 0);
}

// The pointer offset of an eye is sheared by its tilts: in upgaze x gains
// dy * tan(H-axis stored), in side gaze y gains dx * tan(-V-axis stored).
TEST(CaseLibraryPictures, AxisTiltsMakeTheAAndVPatterns)
{
    const auto upgazeShift = [](const CaseData& data, Eye eye) {
        return Nasal(eye, std::tan(data.values.Far(eye, EyeQuantity::horizontalAxisTilt) / 100.0 * kRadiansPerDegree));
    };
    const auto riseWhenLookingRight = [](const CaseData& data, Eye eye) {
        return std::tan(-data.values.Far(eye, EyeQuantity::verticalAxisTilt) / 100.0 * kRadiansPerDegree);
    };

    const CaseData a = ToCaseData(Case("a-pattern-esotropia"));
    EXPECT_GT(upgazeShift(a, Eye::one), 0.1);  // both eyes adduct in upgaze
    EXPECT_GT(upgazeShift(a, Eye::two), 0.1);

    const CaseData v = ToCaseData(Case("v-pattern-exotropia"));
    EXPECT_LT(upgazeShift(v, Eye::one), -0.1);  // both eyes abduct in upgaze
    EXPECT_LT(upgazeShift(v, Eye::two), -0.1);
    // Elevation in adduction: the right eye adducts when the patient looks to
    // the left, which is the viewer's right; the left eye when he looks right.
    EXPECT_GT(riseWhenLookingRight(v, Eye::one), 0.1);
    EXPECT_LT(riseWhenLookingRight(v, Eye::two), -0.1);

    const CaseData palsy = ToCaseData(Case("superior-oblique-palsy-left"));
    EXPECT_LT(riseWhenLookingRight(palsy, Eye::two), -0.1);  // the left hypertropia grows in right gaze
}

TEST(ShippedCases, EveryTableEntryIsShippedWithTheTablesValues)
{
    for (const LibraryCase& libraryCase : CaseLibrary()) {
        const fs::path path = kCaseFolder / (libraryCase.name + ".sd");
        ASSERT_TRUE(fs::is_regular_file(path)) << path;
        const std::vector<std::uint8_t> bytes = ReadBytes(path);
        CaseData shipped;
        ASSERT_EQ(DecodeCase(bytes, shipped), CaseReadResult::ok) << path << " has " << bytes.size() << " bytes";
        const CaseData expected = ToCaseData(libraryCase);
        EXPECT_EQ(shipped.values, expected.values) << path;
        EXPECT_EQ(shipped.manifestMode, expected.manifestMode) << path;
        EXPECT_EQ(bytes[96], libraryCase.deviation == Deviation::manifest ? 1 : 0) << path;
        EXPECT_EQ(shipped.quadrantMarks, 0) << path;

        // The companion is there exactly when a muscle is weak or a head posture named, and holds the table's.
        MuscleStrengths muscles;
        CompensatoryHead head;
        EXPECT_EQ(LoadMuscleFile(path.string(), muscles, head).error, MuscleFileError::none) << path;
        EXPECT_EQ(muscles, libraryCase.muscles) << path;
        EXPECT_EQ(head, libraryCase.head) << path;
        EXPECT_EQ(fs::exists(MuscleFilePath(path.string())),
                  !libraryCase.muscles.AllNormal() || libraryCase.head.has_value())
            << path;
    }
}

TEST(ShippedCases, NoCaseFileOutsideTheTable)
{
    std::set<std::string> expected;
    for (const LibraryCase& libraryCase : CaseLibrary())
        expected.insert(libraryCase.name + ".sd");
    for (const fs::directory_entry& entry : fs::directory_iterator(kCaseFolder)) {
        if (entry.path().extension() == ".sd") {
            EXPECT_EQ(expected.count(entry.path().filename().string()), 1u) << entry.path();
        } else if (entry.path().extension() == ".muscles") {
            EXPECT_EQ(expected.count(entry.path().stem().string()), 1u) << entry.path();
        }
    }
}

}  // namespace
