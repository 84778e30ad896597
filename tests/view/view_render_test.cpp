// The 3D view rendered under Xvfb and read back pixel by pixel.
#include "CanvasFixture.h"
#include "FrameDriver.h"
#include "LanguageFile.h"
#include "TestDialogs.h"

#include "widgets/Ids.h"
#include "lang/TextIds.h"
#include "model/MusclePresets.h"
#include "view/EyesCanvas.h"
#include "view/GazeMath.h"
#include "view/GlRendererProbe.h"
#include "frame/OverlayTimer.h"
#include "view/RendererKind.h"
#include "view/ViewProjection.h"

#include <wx/menu.h>
#include <wx/slider.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace {

bool IsSclera(Rgb c)
{
    return c.r > 120 && c.g > 120 && c.b > 120;
}

void ExpectNear(Rgb actual, Rgb expected, int tolerance, const char* where)
{
    EXPECT_NEAR(actual.r, expected.r, tolerance) << where;
    EXPECT_NEAR(actual.g, expected.g, tolerance) << where;
    EXPECT_NEAR(actual.b, expected.b, tolerance) << where;
}

}  // namespace

class ViewRenderTest : public CanvasFixture {
protected:
    ViewImage Capture()
    {
        ViewImage image = ViewImage::Capture(*m_canvas);
        EXPECT_GT(image.Width(), 100);
        EXPECT_GT(image.Height(), 100);
        return image;
    }
    void SetItem(int id, bool on) { drive::SetMenuItem(m_frame, id, on); }
};

TEST_F(ViewRenderTest, SmoothEdgesOnlyWhereTheGraphicsCardDraws)
{
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    ASSERT_NE(renderer, nullptr);
    // The probe before the window must see the renderer the canvas got.
    EXPECT_EQ(IsSoftwareRenderer(ProbeGlRenderer()), IsSoftwareRenderer(renderer)) << renderer;
    GLint sampleBuffers = -1;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
    if (IsSoftwareRenderer(renderer)) {
        EXPECT_EQ(sampleBuffers, 0) << renderer;
    }
}

TEST_F(ViewRenderTest, BackgroundColourIsScaledByOneOver256)
{
    m_canvas->m_backgroundColour = wxColour(255, 255, 255);
    ViewImage image = Capture();
    ExpectNear(image.At(1, image.Height() - 2), {254, 254, 254}, 0, "white corner");

    m_canvas->m_backgroundColour = wxColour(50, 50, 50);
    image = Capture();
    ExpectNear(image.At(At(0, 0)), {50, 50, 50}, 0, "between the eyes");
}

TEST_F(ViewRenderTest, EachEyeOnItsSide)
{
    const ViewImage image = Capture();
    for (double eyeX : {kEye1, kEye2}) {
        const std::optional<PixelPoint> pupil = PupilOf(image, eyeX);
        ASSERT_TRUE(pupil) << eyeX;
        const PixelPoint centre = At(eyeX, 0);
        EXPECT_NEAR(pupil->x, centre.x, 1.5) << eyeX;
        EXPECT_NEAR(pupil->y, centre.y, 1.5) << eyeX;
        for (double dx : {-0.3, 0.3})
            EXPECT_TRUE(IsSclera(image.At(At(eyeX + dx, 0)))) << eyeX << " " << dx;
        // The iris lies just in front of the pupil square and leaves only its round hole open.
        EXPECT_FALSE(IsPupil(image.At(At(eyeX + 0.066, 0.066)))) << eyeX;
    }
    // Eye 1 is on the viewer's left, so the left half holds eye 1's pupil only.
    EXPECT_LT(PupilOf(image, kEye1)->x, image.Width() / 2.0);
    EXPECT_GT(PupilOf(image, kEye2)->x, image.Width() / 2.0);
    ExpectNear(image.At(At(0, 0)), {50, 50, 50}, 0, "gap between the eyes");
    ExpectNear(image.At(At(-1.1, 0)), {50, 50, 50}, 0, "beside eye 1");
}

TEST_F(ViewRenderTest, ViewFillsTheCanvasWithTheEyesCentredAndGrowsWithTheWindow)
{
    const auto pupilSpan = [&](const ViewImage& image) {
        const std::optional<PixelPoint> left = PupilOf(image, kEye1);
        const std::optional<PixelPoint> right = PupilOf(image, kEye2);
        EXPECT_TRUE(left && right);
        if (!left || !right)
            return std::make_pair(PixelPoint{}, 0.0);
        return std::make_pair(PixelPoint{(left->x + right->x) / 2, (left->y + right->y) / 2}, right->x - left->x);
    };
    const ViewImage before = Capture();
    EXPECT_EQ(before.Width(), m_canvas->GetClientSize().GetWidth());
    EXPECT_EQ(before.Height(), m_canvas->GetClientSize().GetHeight());
    const auto [centre, span] = pupilSpan(before);
    EXPECT_NEAR(centre.x, before.Width() / 2.0, 2);
    EXPECT_NEAR(centre.y, before.Height() / 2.0, 2);

    m_frame->SetClientSize(m_frame->GetClientSize() * 3 / 2);
    m_frame->Layout();
    for (int i = 0; i < 20; ++i)
        wxYield();
    const ViewImage after = Capture();
    EXPECT_EQ(after.Width(), m_canvas->GetClientSize().GetWidth());
    EXPECT_GT(after.Width(), before.Width() * 5 / 4);
    const auto [grownCentre, grownSpan] = pupilSpan(after);
    EXPECT_GT(grownSpan, span * 1.2) << "the eyes keep their proportions in a larger view";
    EXPECT_NEAR(grownCentre.x, after.Width() / 2.0, 2);
    EXPECT_NEAR(grownCentre.y, after.Height() / 2.0, 2);
}

TEST_F(ViewRenderTest, FullScreenViewDrawsEyesTurnedAsFarAsTheyGoRound)
{
    m_frame->SetPresentation(true);
    for (int i = 0; i < 20; ++i)
        wxYield();
    for (int eye = 0; eye < 2; ++eye) {
        m_canvas->m_gazeAzimuth[eye] = 60;
        m_canvas->m_gazeElevation[eye] = 50;
    }
    const ViewImage image = Capture();
    EXPECT_GT(m_canvas->EyeballSegmentsDrawn(), m_canvas->m_eyeSegments) << "too small a view to test the outline";
    const Rgb background = image.At(At(0, 0));
    const double expected = 0.4 * Unit();
    for (double eyeX : {kEye1, kEye2}) {
        // The eye's width every 5 degrees, each edge found walking in from the
        // background short of the other eye. Whole pixels make a true circle's
        // widths differ by up to about 2.8; the options' 22 segments would
        // make them differ by 4.4 at this size.
        const PixelPoint centre = At(eyeX, 0);
        const auto edge = [&](double angle) {
            double radius = 1.2 * expected;
            while (radius > 0 && Same(image.At(static_cast<int>(std::lround(centre.x + radius * std::cos(angle))),
                                               static_cast<int>(std::lround(centre.y + radius * std::sin(angle)))),
                                      background))
                radius -= 0.25;
            return radius;
        };
        std::vector<double> widths;
        for (int step = 0; step < 36; ++step) {
            const double angle = step * 3.141592653589793 / 36;
            widths.push_back(edge(angle) + edge(angle + 3.141592653589793));
        }
        const auto [narrowest, widest] = std::minmax_element(widths.begin(), widths.end());
        EXPECT_LT(*widest - *narrowest, 3.0) << eyeX;
        EXPECT_NEAR(*narrowest, 2 * expected, 0.02 * expected) << eyeX;
    }
    m_frame->SetPresentation(false);
}

TEST_F(ViewRenderTest, HorizontalAngleTurnsEyeOneInManifestModeOnly)
{
    const ViewImage straight = Capture();
    const PixelPoint rest1 = *PupilOf(straight, kEye1);
    const PixelPoint rest2 = *PupilOf(straight, kEye2);

    drive::Spin(m_frame, 408, 2000);  // eye 1 horizontal, 20 degrees
    ASSERT_TRUE(m_frame->GetMenuBar()->IsChecked(Id::ModeManifest));
    const ViewImage turned = Capture();
    const PixelPoint moved = *PupilOf(turned, kEye1);
    // The pupil sits 0.375 in front of the eye centre; a positive angle turns it to the viewer's right.
    const double expected = 0.375 * std::sin(20 * 3.141592653589793 / 180) * Unit();
    EXPECT_NEAR(moved.x - rest1.x, expected, 0.2 * expected);
    EXPECT_NEAR(moved.y, rest1.y, 1.0);
    EXPECT_NEAR(PupilOf(turned, kEye2)->x, rest2.x, 0.5);

    SetItem(Id::ModeManifest, false);
    SetItem(Id::ModeLatent, true);
    const ViewImage latent = Capture();
    EXPECT_NEAR(PupilOf(latent, kEye1)->x, rest1.x, 0.5);
    EXPECT_NEAR(PupilOf(latent, kEye2)->x, rest2.x, 0.5);
}

TEST_F(ViewRenderTest, AxisAngleInHundredthsTurnsTheLineByWholeDegrees)
{
    m_canvas->m_axisColour = wxColour(0, 255, 0);
    SetItem(Id::AxisLinesItem, true);
    const auto isAxis = [](Rgb c) { return c.g > 150 && c.r < 100 && c.b < 100; };
    const auto lean = [&](int spin) {
        drive::Spin(m_frame, 413, spin);  // eye 1 horizontal axis tilt
        const ViewImage image = Capture();
        const int halfLength = static_cast<int>(0.36 * Unit());
        return VerticalLineLean(image, At(kEye1, 0), halfLength, 12, 8, isAxis);
    };
    const std::optional<double> upright = lean(0);
    const std::optional<double> plus = lean(199);
    const std::optional<double> minus = lean(-199);
    ASSERT_TRUE(upright && plus && minus);
    EXPECT_NEAR(*upright, 0.0, 0.2);
    EXPECT_NEAR(std::fabs(*plus), 1.0, 0.25);
    EXPECT_NEAR(*minus, -*plus, 0.25);

    // In latent mode an eye without an aid looks straight, and so do its lines.
    SetItem(Id::ModeManifest, false);
    SetItem(Id::ModeLatent, true);
    const std::optional<double> latent = lean(199);
    ASSERT_TRUE(latent);
    EXPECT_NEAR(*latent, 0.0, 0.2);
}

TEST_F(ViewRenderTest, OccluderHidesItsEyeOnly)
{
    SetTool(Id::OccluderEye1, true);
    const ViewImage image = Capture();
    int bright = 0;
    image.ForEachWithin(At(kEye1, 0), 0.37 * Unit(),
                        [&](int, int, Rgb c) { bright += c.r > 40 || c.g > 40 || c.b > 40; });
    EXPECT_EQ(bright, 0);
    EXPECT_TRUE(IsSclera(image.At(At(kEye2 + 0.3, 0))));
    EXPECT_TRUE(PupilOf(image, kEye2));
}

TEST_F(ViewRenderTest, TiltedHeadCarriesTheEyesAndTheOccluderFollowsItsEye)
{
    const auto samePicture = [](const ViewImage& a, const ViewImage& b) {
        if (a.Width() != b.Width() || a.Height() != b.Height())
            return false;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (!Same(a.At(x, y), b.At(x, y)))
                    return false;
        return true;
    };
    const ViewImage straight = Capture();
    m_frame->SetHeadPosture({10, 0, 0});
    EXPECT_FALSE(samePicture(Capture(), straight));
    m_frame->SetHeadPosture({});
    EXPECT_TRUE(samePicture(Capture(), straight));
    EXPECT_TRUE(m_frame->GetStatusBar()->GetStatusText(PatientFrame::kPrismStatusField).empty());

    // The right ear down: about the head's middle, eye 1 (the viewer's left) sinks and eye 2 rises.
    constexpr double kTilt = 30;
    const double c = std::cos(kTilt * M_PI / 180), s = std::sin(kTilt * M_PI / 180);
    m_frame->SetHeadPosture({0, kTilt, 0});
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(PatientFrame::kPrismStatusField),
              wxString(L"Head: tilt 30\u00B0 right"));
    const ViewImage tilted = Capture();
    for (const double eyeX : {kEye1, kEye2}) {
        const PixelPoint centre = At(eyeX * c, eyeX * s);
        const std::optional<PixelPoint> pupil = tilted.Centroid(centre, 0.3 * Unit(), IsPupil);
        ASSERT_TRUE(pupil) << eyeX;
        EXPECT_NEAR(pupil->x, centre.x, 0.05 * Unit()) << eyeX;
        EXPECT_NEAR(pupil->y, centre.y, 0.05 * Unit()) << eyeX;
        EXPECT_GT(std::abs(pupil->y - At(eyeX, 0).y), 0.2 * Unit()) << eyeX;
    }
    // The examiner holds the occluder before the eye wherever the head takes it.
    SetTool(Id::OccluderEye1, true);
    const ViewImage covered = Capture();
    int bright = 0;
    covered.ForEachWithin(At(kEye1 * c, kEye1 * s), 0.37 * Unit(),
                          [&](int, int, Rgb pixel) { bright += pixel.r > 40 || pixel.g > 40 || pixel.b > 40; });
    EXPECT_EQ(bright, 0);
    EXPECT_TRUE(covered.Centroid(At(kEye2 * c, kEye2 * s), 0.3 * Unit(), IsPupil));
}

TEST_F(ViewRenderTest, RedFilterTintsItsEyeWithTheFilterColour)
{
    const ViewImage bare = Capture();
    m_canvas->m_redFilterColour = wxColour(20, 140, 60);
    SetTool(Id::RedFilterEye2, true);
    const ViewImage filtered = Capture();
    // The lens adds its colour to a fifth of what lies behind it.
    for (double dx : {-0.3, 0.0, 0.3}) {
        const Rgb behind = bare.At(At(kEye2 + dx, 0));
        const Rgb expected{std::min(255, 20 + behind.r / 5), std::min(255, 140 + behind.g / 5),
                           std::min(255, 60 + behind.b / 5)};
        ExpectNear(filtered.At(At(kEye2 + dx, 0)), expected, 3, "through the filter");
    }
    EXPECT_TRUE(Same(filtered.At(At(kEye1 + 0.3, 0)), bare.At(At(kEye1 + 0.3, 0))));
}

TEST_F(ViewRenderTest, FixationTargetLightsWhereTheHeldGazeLooksAndNowhereElse)
{
    // Up and to the viewer's right at 20 degrees: an eighth of a degree per
    // pixel of the default view puts it 160 such pixels out on each axis.
    SendCommand(Id::FirstGazePosition + 8);
    const ViewImage off = Capture();
    const int* viewport = m_canvas->ViewportRect();
    const ViewportSize size{viewport[2], viewport[3]};
    const double out = 160 / DefaultPixelsPerPixel(size, ProjectionFrustum(size));
    const PixelPoint centre = At(0, 0);
    const PixelPoint expected{centre.x + out, centre.y + out};
    const auto isCore = [](Rgb c) { return c.r > 245 && c.g > 245 && c.b > 215; };
    EXPECT_FALSE(off.Centroid(expected, 0.3 * Unit(), isCore));

    SetItem(Id::ShowTargetItem, true);
    const ViewImage on = Capture();
    const std::optional<PixelPoint> light = on.Centroid(expected, 0.3 * Unit(), isCore);
    ASSERT_TRUE(light);
    EXPECT_NEAR(light->x, expected.x, 1.5);
    EXPECT_NEAR(light->y, expected.y, 1.5);
    // A glow around it fades into the background.
    const Rgb background = off.At(expected);
    const Rgb glow = on.At({expected.x, expected.y - 0.1 * Unit()});
    EXPECT_GT(glow.r, background.r + 20);
    EXPECT_FALSE(isCore(glow));
    // Beyond the glow the picture is the one without the light.
    int changed = 0;
    for (int y = 0; y < on.Height(); ++y)
        for (int x = 0; x < on.Width(); ++x)
            if (std::hypot(x - expected.x, y - expected.y) > 0.18 * Unit())
                changed += !Same(on.At(x, y), off.At(x, y));
    EXPECT_EQ(changed, 0);

    // Following the pointer, the light needs the penlight (on at the start);
    // off, the light leaves every picture as it was.
    const auto differing = [](const ViewImage& a, const ViewImage& b) {
        int count = 0;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                count += !Same(a.At(x, y), b.At(x, y));
        return count;
    };
    SendCommand(Id::GazeFollowsPointer);
    const ViewImage penlight = Capture();
    SetItem(Id::FlashlightItem, false);
    const ViewImage noPenlight = Capture();
    EXPECT_GT(differing(penlight, noPenlight), 0);
    SetItem(Id::ShowTargetItem, false);
    EXPECT_EQ(differing(noPenlight, Capture()), 0);
    SetItem(Id::FlashlightItem, true);
    SendCommand(Id::FirstGazePosition + 8);
    EXPECT_EQ(differing(Capture(), off), 0);
}

TEST_F(ViewRenderTest, QuadrantOverlayShowsMarkedQuadrantsUnlessHidden)
{
    const PixelPoint upperOuter1 = At(kEye1 - 0.2, 0.25);
    const PixelPoint upperInner1 = At(kEye1 + 0.2, 0.25);
    const PixelPoint lowerOuter1 = At(kEye1 - 0.2, -0.25);
    const PixelPoint upperOuter2 = At(kEye2 + 0.2, 0.25);
    const ViewImage bare = Capture();

    m_frame->CurrentExamination().SetQuadrantMarks(0x80 | 0x04);
    const ViewImage marked = Capture();
    for (PixelPoint p : {upperOuter1, upperOuter2}) {
        const Rgb behind = bare.At(p);
        // Overlay colour at full weight plus six tenths of what lies behind.
        const Rgb expected{std::min(255, 179 + behind.r * 6 / 10), std::min(255, 179 + behind.g * 6 / 10), 255};
        ExpectNear(marked.At(p), expected, 3, "marked quadrant");
    }
    EXPECT_TRUE(Same(marked.At(upperInner1), bare.At(upperInner1)));
    EXPECT_TRUE(Same(marked.At(lowerOuter1), bare.At(lowerOuter1)));

    SetTool(Id::QuadrantHideTool, true);
    const ViewImage hidden = Capture();
    EXPECT_TRUE(Same(hidden.At(upperOuter1), bare.At(upperOuter1)));
    EXPECT_TRUE(Same(hidden.At(upperOuter2), bare.At(upperOuter2)));

    SetTool(Id::QuadrantEditTool, true);
    const ViewImage editing = Capture();
    EXPECT_TRUE(Same(editing.At(upperOuter1), marked.At(upperOuter1)));
}

namespace {

// The white of the eye: bright and grey, unlike skin, lashes and iris.
bool IsWhiteOfEye(Rgb c)
{
    return c.r > 90 && std::abs(c.r - c.g) < 12 && std::abs(c.g - c.b) < 12;
}

// The top and bottom of the white seen in the column through x, within half
// a unit of the eye's centre height: where the lids open.
struct Fissure {
    double top = 0;
    double bottom = 0;
    double Height() const { return top - bottom; }
};

}  // namespace

TEST_F(ViewRenderTest, LidsFollowVerticalGazeDroopWithPtosisAndCloseOnRetraction)
{
    SetItem(Id::FaceItem, true);
    ASSERT_TRUE(m_frame->ExaminationNow().Display().face);
    const auto fissure = [&](double x) {
        const ViewImage image = Capture();
        const PixelPoint top = At(x, 0.5);
        const PixelPoint bottom = At(x, -0.5);
        std::optional<Fissure> open;
        for (int y = static_cast<int>(bottom.y); y <= static_cast<int>(top.y); ++y) {
            if (!IsWhiteOfEye(image.At(static_cast<int>(top.x), y)))
                continue;
            if (!open)
                open = Fissure{static_cast<double>(y), static_cast<double>(y)};
            open->top = y;
        }
        EXPECT_TRUE(open) << x;
        return open.value_or(Fissure{});
    };
    // Beside the iris, on the viewer's outer side of each eye.
    const double side1 = kEye1 - 0.2;
    const double side2 = kEye2 + 0.2;

    const Fissure straight = fissure(side1);
    EXPECT_GT(straight.Height(), 0.15 * Unit());
    m_canvas->SetGazeTarget(KeypadGazePosition(8, 25));
    const Fissure up = fissure(side1);
    m_canvas->SetGazeTarget(KeypadGazePosition(2, 25));
    const Fissure down = fissure(side1);
    // The upper lid rides with the globe, some 0.1 unit per 25 degrees.
    EXPECT_GT(up.top, straight.top + 0.08 * Unit());
    EXPECT_LT(down.top, straight.top - 0.08 * Unit());

    // A weak levator lowers its own lid only.
    m_canvas->SetGazeTarget(KeypadGazePosition(5, 25));
    MuscleStrengths ptosis;
    ptosis.SetLevator(Eye::one, 0);
    m_frame->CurrentExamination().SetMuscles(ptosis);
    const Fissure drooping = fissure(side1);
    EXPECT_LT(drooping.top, straight.top - 0.04 * Unit());
    EXPECT_NEAR(fissure(side2).top, straight.top, 1.5);

    // Duane's retraction in adduction narrows the fissure; the same gaze
    // without the syndrome leaves it open.
    m_frame->CurrentExamination().SetMuscles(MuscleStrengths{});
    m_canvas->SetGazeTarget(KeypadGazePosition(6, 25));
    const Fissure adducted = fissure(side1);
    m_frame->CurrentExamination().SetMuscles(PresetStrengths(MusclePreset::duaneSyndrome, Eye::one));
    m_canvas->SetGazeTarget(KeypadGazePosition(6, 25));
    const Fissure retracted = fissure(side1);
    EXPECT_LT(retracted.Height(), adducted.Height() - 0.04 * Unit());
    // The other eye abducts: its white shows on its nasal side, as open as before.
    EXPECT_NEAR(fissure(kEye2 - 0.2).Height(), straight.Height(), 0.02 * Unit());

    EXPECT_TRUE(Capture().SavePng(PathOf("view-face-duane.png")));
}

TEST_F(ViewRenderTest, ScreenshotOfEveryAid)
{
    struct Shot {
        const char* name;
        std::function<void()> arrange;
    };
    const Shot shots[] = {
        {"view-plain", [] {}},
        {"view-eye-cross", [&] { SetTool(Id::EyeCrossTool, true); }},
        {"view-axis-lines",
         [&] {
             SetItem(Id::AxisLinesItem, true);
             drive::Spin(m_frame, 413, 1500);
             drive::Spin(m_frame, 414, -1000);
         }},
        {"view-occluder", [&] { SetTool(Id::OccluderEye1, true); }},
        {"view-red-filter", [&] { SetTool(Id::RedFilterEye1, true); }},
        {"view-translucent-occluder", [&] { SetTool(Id::TranslucentEye2, true); }},
        {"view-grid", [&] { SetTool(Id::QuadrantEditTool, true); }},
        {"view-quadrants", [&] { m_frame->CurrentExamination().SetQuadrantMarks(0x80 | 0x10 | 0x04); }},
    };
    drive::Spin(m_frame, 408, 1200);
    drive::Spin(m_frame, 406, 500);
    std::optional<ViewImage> plain;
    for (const Shot& shot : shots) {
        SetTool(Id::EyeCrossTool, false);
        SetItem(Id::AxisLinesItem, false);
        for (int id : {Id::OccluderEye1, Id::RedFilterEye1, Id::TranslucentEye2, Id::QuadrantEditTool})
            SetTool(id, false);
        m_frame->CurrentExamination().SetQuadrantMarks(0);
        m_frame->AxisOverlayTimer().axisOverlaysVisible = false;
        shot.arrange();
        const ViewImage image = Capture();
        EXPECT_TRUE(image.SavePng(PathOf(std::string(shot.name) + ".png"))) << shot.name;
        if (!plain) {
            plain = image;
            continue;
        }
        // Every aid shows: the picture differs from the plain view somewhere.
        bool differs = false;
        for (int y = 0; y < image.Height() && !differs; ++y)
            for (int x = 0; x < image.Width() && !differs; ++x)
                differs = !Same(image.At(x, y), plain->At(x, y));
        EXPECT_TRUE(differs) << shot.name;
        wxImage saved;
        EXPECT_TRUE(saved.LoadFile(PathOf(std::string(shot.name) + ".png"), wxBITMAP_TYPE_PNG)) << shot.name;
        EXPECT_EQ(saved.GetWidth(), image.Width()) << shot.name;
    }
}

namespace {

// Answers the texture message, keeping its text and caption.
class ExpectTextureMessage : public wxExpectModalBase<wxMessageDialog> {
public:
    ExpectTextureMessage(wxString* message, wxString* caption) : m_message(message), m_caption(caption) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        *m_message = dialog->GetMessage();
        *m_caption = dialog->GetCaption();
        return wxID_OK;
    }

private:
    wxString* m_message;
    wxString* m_caption;
};

}  // namespace

using IrisTextureFileTest = FrameFixture;

TEST_F(IrisTextureFileTest, MissingFileIsReportedOnceAndTheViewStillDraws)
{
    CopyDataFile("English.lan");
    std::filesystem::remove(PathOf("texturen.dat"));
    wxString message, caption;
    bool ready = false;
    wxTEST_DIALOG(
        {
            ASSERT_TRUE(StartProgram());
            ready = m_frame->View().PrepareGl();
        },
        ExpectTextureMessage(&message, &caption));
    ASSERT_TRUE(ready);
    const ShippedLanguage english("English.lan");
    EXPECT_EQ(message, english(Text::TextureError));
    EXPECT_EQ(caption, english(Text::TextureErrorCaption));

    const ViewImage image = ViewImage::Capture(m_frame->View());
    const PixelPoint eye =
        ProjectHeadPoint(drive::Control<wxSlider>(m_frame, Id::BlendSlider).GetValue(), kEye1 + 0.3, 0);
    EXPECT_TRUE(IsSclera(image.At(eye)));
}

TEST_F(IrisTextureFileTest, ShortFileIsUsedWithoutAMessage)
{
    CopyDataFile("English.lan");
    WriteFile("texturen.dat", std::string("\xff\x00\x00\xff", 4));
    ASSERT_TRUE(StartProgram());
    ASSERT_TRUE(m_frame->View().PrepareGl());
    const ViewImage image = ViewImage::Capture(m_frame->View());
    EXPECT_TRUE(IsSclera(
        image.At(ProjectHeadPoint(drive::Control<wxSlider>(m_frame, Id::BlendSlider).GetValue(), kEye2 - 0.3, 0))));
}
