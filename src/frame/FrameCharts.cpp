#include "frame/FrameCharts.h"

#include "charts/HessCaptions.h"
#include "charts/NineSheet.h"
#include "examination/Solver.h"
#include "widgets/Ids.h"
#include "frame/PatientFrame.h"
#include "lang/TextIds.h"
#include "view/GazeMath.h"
#include "view/EyesCanvas.h"

#include <wx/filename.h>
#include <wx/menu.h>

#include <algorithm>

namespace {

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
    explicit SavedGaze(EyesCanvas& canvas)
        : canvas(canvas), target(canvas.CurrentGazeTarget()), muscleTarget(canvas.m_muscleTarget),
          aimedOffset(canvas.m_aimedOffset)
    {
        std::copy(std::begin(canvas.m_gazeAzimuth), std::end(canvas.m_gazeAzimuth), azimuth);
        std::copy(std::begin(canvas.m_gazeElevation), std::end(canvas.m_gazeElevation), elevation);
    }
    ~SavedGaze()
    {
        canvas.m_aimedOffset = aimedOffset;
        canvas.SetGazeTarget(target);
        std::copy(std::begin(azimuth), std::end(azimuth), canvas.m_gazeAzimuth);
        std::copy(std::begin(elevation), std::end(elevation), canvas.m_gazeElevation);
        canvas.m_muscleTarget = muscleTarget;
        canvas.Refresh(false);
    }
    SavedGaze(const SavedGaze&) = delete;
    SavedGaze& operator=(const SavedGaze&) = delete;

    EyesCanvas& canvas;
    std::optional<GazeDirection> target;
    GazeTarget muscleTarget;
    PointerOffset aimedOffset;
    float azimuth[2];
    float elevation[2];
};

}  // namespace

wxImage RenderNinePositions(PatientFrame& frame, int eccentricity)
{
    EyesCanvas& canvas = frame.View();
    std::vector<RgbPicture> panels;
    std::array<bool, kNinePanelCount> cannotFixate{};
    {
        const SavedGaze saved(canvas);
        const Examination examination = frame.ExaminationNow();
        const CoverBlends settled = SettledBlends(examination);
        for (int key = 1; key <= kNinePanelCount; ++key) {
            canvas.SetGazeTarget(KeypadGazePosition(key, eccentricity));
            const wxImage picture = canvas.RenderPicture(1);
            if (!picture.IsOk())
                return wxImage();
            panels.push_back(ToRgb(picture));
            cannotFixate[static_cast<std::size_t>(key - 1)] =
                FixingEyeCannotFixate(examination, canvas.m_muscleTarget, settled);
        }
    }
    const wxColour& clear = canvas.m_backgroundColour;
    return ToImage(NineSheet(panels, cannotFixate, BackgroundAsRead({clear.Red(), clear.Green(), clear.Blue()}),
                             Utf8(frame.Text(Text::CannotFixate))));
}

ChartDrawing PatientFrame::HessDrawing() const
{
    const wxString name = CasePath().empty() ? Text(Text::UnsavedCaseName) : wxFileName(CasePath()).GetName();
    const Examination examination = ExaminationNow();
    return LayOutHessChart(HessFieldOf(Eye::two, examination), HessFieldOf(Eye::one, examination),
                           HessCaptionsOf(*m_languageTable, Utf8(name), TodayIsoDate()));
}

wxImage PatientFrame::NinePositionsPicture(int eccentricity)
{
    return RenderNinePositions(*this, eccentricity);
}

wxColour PatientFrame::ViewBackground() const
{
    return m_canvas ? m_canvas->m_backgroundColour : wxColour(*wxBLACK);
}
