#include "frame/FrameCharts.h"

#include "charts/HessCaptions.h"
#include "charts/NinePositions.h"
#include "widgets/Ids.h"
#include "frame/PatientFrame.h"
#include "lang/TextIds.h"
#include "view/GazeMath.h"
#include "view/MyGLCanvas.h"

#include <wx/filename.h>
#include <wx/menu.h>

#include <algorithm>

namespace {

// Pixels of background kept around the eyes, and of the light frame between
// the panels that keeps neighbouring panels' eyes apart.
constexpr int kPanelMargin = 12;
constexpr int kPanelGap = 6;
constexpr std::array<unsigned char, 3> kPanelFrame = {220, 220, 220};

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

} // namespace

wxImage RenderNinePositions(PatientFrame& frame, int eccentricity)
{
    MyGLCanvas& canvas = *frame.m_canvas;
    std::vector<RgbPicture> panels;
    {
        const SavedGaze saved(canvas);
        for (int key = 1; key <= kNinePanelCount; ++key) {
            canvas.setGazeTarget(KeypadGazePosition(key, eccentricity));
            const wxImage picture = canvas.renderPicture(1);
            if (!picture.IsOk())
                return wxImage();
            panels.push_back(ToRgb(picture));
        }
    }
    // The clear colour as the view reads it back: each component scaled by 1/256.
    const wxColour& clear = canvas.m_backgroundColour;
    const auto byte = [](unsigned char c) { return static_cast<unsigned char>((c * 255 + 128) / 256); };
    const std::array<unsigned char, 3> background = {byte(clear.Red()), byte(clear.Green()), byte(clear.Blue())};
    return ToImage(ComposeNinePanels(panels, CommonContent(panels, background, kPanelMargin), kPanelFrame, kPanelGap));
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
