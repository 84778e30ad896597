// The Hess chart and nine positions windows on the real main window.
#include "FileSizeLimit.h"
#include "FrameDriver.h"
#include "FrameFixture.h"
#include "TestDialogs.h"

#include "charts/HessChartWindow.h"
#include "charts/NinePositionsWindow.h"
#include "widgets/Ids.h"
#include "model/MusclePresets.h"

#include <wx/image.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string Slurp(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

int Occurrences(const std::string& text, const std::string& part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

bool IsPupil(const wxImage& image, int x, int y)
{
    return image.GetRed(x, y) < 20 && image.GetGreen(x, y) < 20 && image.GetBlue(x, y) < 20;
}

}  // namespace

class ChartWindowsTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        ASSERT_TRUE(StartProgram());
        m_frame->SetMuscles(PresetStrengths(MusclePreset::sixthNervePalsy, Eye::one));
    }
    template <typename Window>
    Window* Open(int menuId, int windowId)
    {
        SendCommand(menuId);
        Yield();
        return dynamic_cast<Window*>(wxWindow::FindWindowById(windowId, m_frame));
    }
    void ExpectNoFileLeftFor(const std::string& name)
    {
        EXPECT_FALSE(fs::exists(PathOf(name)));
        for (const auto& entry : fs::directory_iterator(m_folder))
            EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
    }
};

TEST_F(ChartWindowsTest, HessChartExportsBothFieldsAsSvgPdfAndPngAndFollowsTheMuscles)
{
    auto* window = Open<HessChartWindow>(Id::HessChart, Id::HessChartWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Open<HessChartWindow>(Id::HessChart, Id::HessChartWindow), window) << "one window, brought forward";

    window->ExportSvg(PathOf("hess.svg"));
    const std::string svg = Slurp(PathOf("hess.svg"));
    // The paretic right eye cannot fixate the six targets to the patient's right: crosses, no plots.
    EXPECT_EQ(Occurrences(svg, "<ellipse"), 4 * 17 - 6) << "targets and plots of both fields";
    EXPECT_EQ(Occurrences(svg, "cannot fixate"), 1);
    EXPECT_EQ(Occurrences(svg, "Left eye (right eye fixing)"), 1);
    EXPECT_EQ(Occurrences(svg, "Right eye (left eye fixing)"), 1);
    EXPECT_NE(svg.find("10.5\xC2\xB0 (18.5 PD) eso"), std::string::npos) << "the primary deviation of the right eye";

    // Printable: one A4 page in landscape (points), drawn as --hess draws it.
    window->ExportPdf(PathOf("hess.pdf"));
    const std::string pdf = Slurp(PathOf("hess.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(Occurrences(pdf, "/Type /Page\n") + Occurrences(pdf, "/Type /Page "), 1) << "one page";
    EXPECT_NE(pdf.find("/MediaBox [ 0 0 841.889764 595.275591 ]"), std::string::npos) << "A4 landscape";

    window->ExportPng(PathOf("hess.png"));
    wxImage picture;
    ASSERT_TRUE(picture.LoadFile(PathOf("hess.png"), wxBITMAP_TYPE_PNG));
    EXPECT_EQ(picture.GetWidth(), 1754);
    EXPECT_EQ(picture.GetHeight(), 1240);

    // Brought to the front again after the muscles changed, it shows them.
    const std::size_t palsyPlots = window->Drawing().dots.size();
    const double palsyCentre = window->Drawing().dots[17].x;
    m_frame->SetMuscles(MuscleStrengths());
    wxActivateEvent activate(wxEVT_ACTIVATE, true, window->GetId());
    window->ProcessWindowEvent(activate);
    EXPECT_EQ(window->Drawing().dots.size(), palsyPlots + 6) << "every target reached again";
    EXPECT_NEAR(window->Drawing().dots[17].x, window->Drawing().dots[0].x, 1e-9) << "the centre plot on its target";
    EXPECT_GT(palsyCentre, window->Drawing().dots[17].x);

    // The right eye turned 10 degrees towards the viewer's right: in, with both eyes open.
    drive::TypeAndEnter(m_frame, 400, "10");
    window->Renew();
    int esoFields = 0;
    for (const ChartText& text : window->Drawing().texts)
        esoFields += text.text == "Primary position: 10.0\xC2\xB0 (17.6 PD) eso, 0.0\xC2\xB0";
    EXPECT_EQ(esoFields, 2) << "both fields show the comitant esotropia";
}

TEST_F(ChartWindowsTest, FailedChartExportsAreReportedAndLeaveNoFile)
{
    auto* hess = Open<HessChartWindow>(Id::HessChart, Id::HessChartWindow);
    auto* nine = Open<NinePositionsWindow>(Id::NinePositions, Id::NinePositionsWindow);
    ASSERT_NE(hess, nullptr);
    ASSERT_NE(nine, nullptr);
    const std::string missingFolder = PathOf("gone/hess.svg");
    wxString message;
    wxTEST_DIALOG(hess->ExportSvg(missingFolder), ExpectMessageBox(wxID_OK, &message));
    EXPECT_NE(message.Find(missingFolder), wxNOT_FOUND) << message;
    {
        // A full disk: binds root as well, unlike a read-only folder.
        const FileSizeLimit diskOf100Bytes(100);
        wxTEST_DIALOG(hess->ExportSvg(PathOf("full.svg")), ExpectMessageBox(wxID_OK, nullptr));
        wxTEST_DIALOG(hess->ExportPng(PathOf("full.png")), ExpectMessageBox(wxID_OK, nullptr));
        wxTEST_DIALOG(hess->ExportPdf(PathOf("full.pdf")), ExpectMessageBox(wxID_OK, nullptr));
        wxTEST_DIALOG(nine->ExportPng(PathOf("nine.png")), ExpectMessageBox(wxID_OK, nullptr));
        wxTEST_DIALOG(nine->ExportPdf(PathOf("nine.pdf")), ExpectMessageBox(wxID_OK, nullptr));
    }
    ExpectNoFileLeftFor("full.svg");
    ExpectNoFileLeftFor("full.png");
    ExpectNoFileLeftFor("full.pdf");
    ExpectNoFileLeftFor("nine.png");
    ExpectNoFileLeftFor("nine.pdf");
}

TEST_F(ChartWindowsTest, ExportsOfferTheCaseNameAndTheKindOfPicture)
{
    auto* hess = Open<HessChartWindow>(Id::HessChart, Id::HessChartWindow);
    auto* nine = Open<NinePositionsWindow>(Id::NinePositions, Id::NinePositionsWindow);
    ASSERT_TRUE(hess && nine);
    wxString offered;
    wxCommandEvent svg(wxEVT_BUTTON, Id::ChartExportSvg);
    wxTEST_DIALOG(hess->ProcessWindowEvent(svg), ExpectOfferedFileName(&offered));
    EXPECT_EQ(offered, "hess.svg") << "a case never saved has no name yet";

    drive::SaveCaseAs(m_frame, PathOf("esotropia-left.sd"));
    wxTEST_DIALOG(hess->ProcessWindowEvent(svg), ExpectOfferedFileName(&offered));
    EXPECT_EQ(offered, "esotropia-left-hess.svg");
    wxCommandEvent pdf(wxEVT_BUTTON, Id::ChartExportPdf);
    wxTEST_DIALOG(hess->ProcessWindowEvent(pdf), ExpectOfferedFileName(&offered));
    EXPECT_EQ(offered, "esotropia-left-hess.pdf");
    wxCommandEvent png(wxEVT_BUTTON, Id::ChartExportPng);
    wxTEST_DIALOG(nine->ProcessWindowEvent(png), ExpectOfferedFileName(&offered));
    EXPECT_EQ(offered, "esotropia-left-nine-positions.png");
    wxCommandEvent saveAs(wxEVT_MENU, Id::SaveCaseAs);
    wxTEST_DIALOG(m_frame->ProcessWindowEvent(saveAs), ExpectOfferedFileName(&offered));
    EXPECT_EQ(offered, "esotropia-left.sd");
}

TEST_F(ChartWindowsTest, NinePositionsShowBothEyesInEachOfNinePanels)
{
    auto* window = Open<NinePositionsWindow>(Id::NinePositions, Id::NinePositionsWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Eccentricity(), 25);
    window->ExportPng(PathOf("nine.png"));
    wxImage sheet;
    ASSERT_TRUE(sheet.LoadFile(PathOf("nine.png"), wxBITMAP_TYPE_PNG));
    // For printing: the same picture on one A4 page in landscape.
    window->ExportPdf(PathOf("nine.pdf"));
    const std::string pdf = Slurp(PathOf("nine.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(Occurrences(pdf, "/Type /Page\n") + Occurrences(pdf, "/Type /Page "), 1) << "one page";
    EXPECT_NE(pdf.find("/MediaBox [ 0 0 841.889764 595.275591 ]"), std::string::npos) << "A4 landscape";
    EXPECT_NE(pdf.find("/Width " + std::to_string(sheet.GetWidth())), std::string::npos) << "the picture whole";

    // Panels of equal size with a gap of 6 pixels around each.
    const int panelWidth = (sheet.GetWidth() - 4 * 6) / 3;
    const int panelHeight = (sheet.GetHeight() - 4 * 6) / 3;
    ASSERT_GT(panelWidth, 50);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            int left = 0, right = 0;
            const int x0 = 6 + column * (panelWidth + 6);
            const int y0 = 6 + row * (panelHeight + 6);
            for (int y = y0; y < y0 + panelHeight; ++y)
                for (int x = x0; x < x0 + panelWidth; ++x)
                    if (IsPupil(sheet, x, y))
                        ++(x < x0 + panelWidth / 2 ? left : right);
            EXPECT_GT(left, 10) << "row " << row << ", column " << column;
            EXPECT_GT(right, 10) << "row " << row << ", column " << column;
        }
    // In the right eye's palsy its pupil stays near the middle when the
    // patient looks to his right (the viewer's left), and follows to the left.
    const auto pupilX = [&](int column, int side) {
        long sum = 0, count = 0;
        const int x0 = 6 + column * (panelWidth + 6) + side * panelWidth / 2;
        const int y0 = 6 + panelHeight + 6;
        for (int y = y0; y < y0 + panelHeight; ++y)
            for (int x = x0; x < x0 + panelWidth / 2; ++x)
                if (IsPupil(sheet, x, y)) {
                    sum += x - x0;
                    ++count;
                }
        return count ? static_cast<double>(sum) / count : 0.0;
    };
    const double rightEyeTravel = pupilX(1, 0) - pupilX(0, 0);  // straight to the patient's right
    const double leftEyeTravel = pupilX(1, 1) - pupilX(0, 1);
    EXPECT_GT(leftEyeTravel, rightEyeTravel + 3) << "the right eye lags in abduction";

    const wxImage at25 = window->Picture();
    window->SetEccentricity(15);
    window->Renew();
    EXPECT_EQ(window->Eccentricity(), 15);
    EXPECT_FALSE(window->Picture().IsSameAs(at25)) << "drawn again for the new eccentricity";
}

// With both lateral recti weak the right eye fixes, and it cannot reach the
// positions to the patient's right: those panels (the left column) say so
// on a light band along their foot instead of passing the eyes off as a finding.
TEST_F(ChartWindowsTest, NinePositionsMarkWhereTheFixingEyeCannotFixate)
{
    MuscleStrengths bilateral;
    bilateral.Set(Eye::one, Muscle::LR, 20);
    bilateral.Set(Eye::two, Muscle::LR, 20);
    m_frame->SetMuscles(bilateral);
    auto* window = Open<NinePositionsWindow>(Id::NinePositions, Id::NinePositionsWindow);
    ASSERT_NE(window, nullptr);
    window->Renew();
    const wxImage& sheet = window->Picture();
    ASSERT_TRUE(sheet.IsOk());
    const int panelWidth = (sheet.GetWidth() - 4 * 6) / 3;
    const int panelHeight = (sheet.GetHeight() - 4 * 6) / 3;
    // Share of the light band's colour in the panel's lowest eight rows.
    const auto bandShare = [&](int row, int column) {
        int band = 0;
        const int x0 = 6 + column * (panelWidth + 6);
        const int bottom = 6 + row * (panelHeight + 6) + panelHeight;
        for (int y = bottom - 8; y < bottom; ++y)
            for (int x = x0; x < x0 + panelWidth; ++x)
                band += sheet.GetRed(x, y) == 220 && sheet.GetGreen(x, y) == 220 && sheet.GetBlue(x, y) == 220;
        return static_cast<double>(band) / (8 * panelWidth);
    };
    for (int row = 0; row < 3; ++row) {
        EXPECT_GT(bandShare(row, 0), 0.5) << "row " << row << ": to the patient's right";
        EXPECT_LT(bandShare(row, 1), 0.05) << "row " << row;
        EXPECT_LT(bandShare(row, 2), 0.05) << "row " << row;
    }
}
