#include "frame/FrameCharts.h"

#include "charts/HessCaptions.h"
#include "charts/NinePositions.h"
#include "examination/Solver.h"
#include "widgets/Ids.h"
#include "frame/PatientFrame.h"
#include "lang/TextIds.h"
#include "view/GazeMath.h"
#include "view/MyGLCanvas.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/menu.h>

#include <algorithm>

namespace {

// Pixels of background kept around the eyes, and of the light frame between
// the panels that keeps neighbouring panels' eyes apart.
constexpr int kPanelMargin = 12;
constexpr int kPanelGap = 6;
constexpr std::array<unsigned char, 3> kPanelFrame = {220, 220, 220};
// The "cannot fixate" label stands on a band of the frame's colour at the
// foot of its panel.
constexpr int kLabelPoints = 10;
constexpr int kLabelPadding = 4;

std::string Utf8(const wxString& text)
{
    return std::string(text.utf8_str());
}

RgbPicture ToRgb(const wxImage& image)
{
    RgbPicture picture{image.GetWidth(), image.GetHeight(), {}};
    const unsigned char* data = image.GetData();
    picture.rgb.assign(data, data + static_cast<std::size_t>(picture.width) * picture.height * 3);
    return picture;
}

wxImage ToImage(const RgbPicture& picture)
{
    wxImage image(picture.width, picture.height, false);
    std::copy(picture.rgb.begin(), picture.rgb.end(), image.GetData());
    return image;
}

// The view's gaze, held while the nine pictures are drawn.
struct SavedGaze {
    explicit SavedGaze(MyGLCanvas& canvas)
        : canvas(canvas), target(canvas.gazeTarget()), muscleTarget(canvas.m_muscleTarget)
    {
        std::copy(std::begin(canvas.m_gazeAzimuth), std::end(canvas.m_gazeAzimuth), azimuth);
        std::copy(std::begin(canvas.m_gazeElevation), std::end(canvas.m_gazeElevation), elevation);
    }
    ~SavedGaze()
    {
        canvas.setGazeTarget(target);
        std::copy(std::begin(azimuth), std::end(azimuth), canvas.m_gazeAzimuth);
        std::copy(std::begin(elevation), std::end(elevation), canvas.m_gazeElevation);
        canvas.m_muscleTarget = muscleTarget;
        canvas.Refresh(false);
    }
    SavedGaze(const SavedGaze&) = delete;
    SavedGaze& operator=(const SavedGaze&) = delete;

    MyGLCanvas& canvas;
    std::optional<GazeDirection> target;
    GazeTarget muscleTarget;
    float azimuth[2];
    float elevation[2];
};

// Where the fixing eye cannot reach a position, its eyes stand where the
// innervation's limit leaves them: no finding, so the panel says so.
wxImage LabelUnreachable(const wxImage& sheet, const std::array<bool, kNinePanelCount>& cannotFixate,
                         const PixelBox& box, const wxString& label)
{
    if (std::none_of(cannotFixate.begin(), cannotFixate.end(), [](bool cannot) { return cannot; }))
        return sheet;
    wxBitmap bitmap(sheet);
    {
        wxMemoryDC dc(bitmap);
        dc.SetFont(wxFont(wxFontInfo(kLabelPoints).Family(wxFONTFAMILY_SWISS)));
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(wxColour(kPanelFrame[0], kPanelFrame[1], kPanelFrame[2])));
        dc.SetTextForeground(*wxBLACK);
        const wxSize text = dc.GetTextExtent(label);
        for (int key = 1; key <= kNinePanelCount; ++key) {
            if (!cannotFixate[static_cast<std::size_t>(key - 1)])
                continue;
            const PixelBox panel = PanelOnSheet(key, box, kPanelGap);
            const int bandHeight = text.GetHeight() + 2 * kLabelPadding;
            dc.DrawRectangle(panel.left, panel.top + panel.height - bandHeight, panel.width, bandHeight);
            dc.DrawText(label, panel.left + (panel.width - text.GetWidth()) / 2,
                        panel.top + panel.height - bandHeight + kLabelPadding);
        }
    }
    return bitmap.ConvertToImage();
}

} // namespace

wxImage RenderNinePositions(PatientFrame& frame, int eccentricity)
{
    MyGLCanvas& canvas = *frame.m_canvas;
    std::vector<RgbPicture> panels;
    std::array<bool, kNinePanelCount> cannotFixate{};
    {
        const SavedGaze saved(canvas);
        const Examination examination = frame.ExaminationNow();
        const CoverBlends settled = SettledBlends(examination);
        for (int key = 1; key <= kNinePanelCount; ++key) {
            canvas.setGazeTarget(KeypadGazePosition(key, eccentricity));
            const wxImage picture = canvas.renderPicture(1);
            if (!picture.IsOk())
                return wxImage();
            panels.push_back(ToRgb(picture));
            cannotFixate[static_cast<std::size_t>(key - 1)] =
                FixingEyeCannotFixate(examination, canvas.m_muscleTarget, settled);
        }
    }
    // The clear colour as the view reads it back: each component scaled by 1/256.
    const wxColour& clear = canvas.m_backgroundColour;
    const auto byte = [](unsigned char c) { return static_cast<unsigned char>((c * 255 + 128) / 256); };
    const std::array<unsigned char, 3> background = {byte(clear.Red()), byte(clear.Green()), byte(clear.Blue())};
    const PixelBox box = CommonContent(panels, background, kPanelMargin);
    return LabelUnreachable(ToImage(ComposeNinePanels(panels, box, kPanelFrame, kPanelGap)), cannotFixate, box,
                            frame.Text(Text::CannotFixate));
}

ChartDrawing PatientFrame::HessDrawing() const {
    const wxString name = m_caseFile.empty() ? Text(Text::UnsavedCaseName) : wxFileName(m_caseFile).GetName();
    const Examination examination = ExaminationNow();
    return LayOutHessChart(HessFieldOf(Eye::two, examination), HessFieldOf(Eye::one, examination),
                           HessCaptionsOf(*m_languageTable, Utf8(name), TodayIsoDate()));
}

wxImage PatientFrame::NinePositionsPicture(int eccentricity) {
    return RenderNinePositions(*this, eccentricity);
}

wxColour PatientFrame::ViewBackground() const {
    return m_canvas ? m_canvas->m_backgroundColour : wxColour(*wxBLACK);
}
