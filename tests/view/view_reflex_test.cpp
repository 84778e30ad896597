// The penlight's reflex and the prism wedge, drawn under Xvfb and read back.
#include "CanvasFixture.h"
#include "FrameDriver.h"

#include "widgets/Ids.h"
#include "view/EyesCanvas.h"

#include <wx/toolbar.h>

#include <optional>

namespace {

// The spin value of an esotropia of 20 prism dioptres (11.31 degrees) of
// eye 2, whose horizontal angle the field shows negated.
constexpr int kEye2Eso20 = -1131;

// White, also seen through the prism's bluish glass.
bool IsReflex(Rgb c)
{
    return c.r > 220 && c.g > 230 && c.b > 230;
}

}  // namespace

class ViewReflexTest : public CanvasFixture {
protected:
    void SetUp() override
    {
        CanvasFixture::SetUp();
        if (HasFatalFailure())
            return;
        SetTool(Id::FlashlightTool, true);
    }

    // The pupil with the penlight off (unless a prism's glass lightens it),
    // and the reflex with the penlight on.
    struct Eye {
        PixelPoint pupil;
        std::optional<PixelPoint> reflex;
    };
    Eye Look(double eyeX)
    {
        m_canvas->SetPenlightShining(false);
        const ViewImage dark = ViewImage::Capture(*m_canvas);
        m_canvas->SetPenlightShining(true);
        const ViewImage lit = ViewImage::Capture(*m_canvas);
        const std::optional<PixelPoint> pupil = PupilOf(dark, eyeX);
        EXPECT_FALSE(dark.Centroid(At(eyeX, 0), 0.2 * Unit(), IsReflex)) << "no reflex without the penlight";
        return {pupil.value_or(PixelPoint{}), lit.Centroid(At(eyeX, 0), 0.2 * Unit(), IsReflex)};
    }
};

TEST_F(ViewReflexTest, ReflexSitsWhereTheDeviationPutsIt)
{
    m_canvas->m_angleKappa = false;
    drive::Spin(m_frame, 409, kEye2Eso20);
    const double lever = 4.2 * 0.4 / 12 * Unit();  // drawn units of 4.2 mm, in pixels
    // The fixing eye 1 shows it in the pupil's centre; the esotropic eye 2
    // temporally, on the viewer's right: 4.2 mm x tan(11.31 degrees).
    const Eye fixing = Look(kEye1);
    ASSERT_TRUE(fixing.reflex);
    EXPECT_NEAR(fixing.reflex->x, fixing.pupil.x, 1.0);
    EXPECT_NEAR(fixing.reflex->y, fixing.pupil.y, 1.0);
    const Eye eso = Look(kEye2);
    ASSERT_TRUE(eso.reflex);
    EXPECT_GT(eso.reflex->x - eso.pupil.x, 0.6 * lever * 0.2);
    EXPECT_NEAR(eso.reflex->y, eso.pupil.y, 1.0);

    // Krimsky: 20 base out before eye 2 brings its reflex to the centre.
    m_frame->SetPrisms({Prism{}, Prism{20, PrismBase::out}});
    const Eye neutralised = Look(kEye2);
    ASSERT_TRUE(neutralised.reflex);
    EXPECT_NEAR(neutralised.reflex->x, eso.pupil.x, 1.0);

    // Eye 1 turned up (hyper, the field shows +10): reflex below the pupil's centre.
    m_frame->SetPrisms({});
    drive::Spin(m_frame, 409, 0);
    drive::Spin(m_frame, 406, -1000);
    const Eye hyper = Look(kEye1);
    ASSERT_TRUE(hyper.reflex);
    EXPECT_LT(hyper.reflex->y - hyper.pupil.y, -0.6 * lever * 0.176);

    // Angle kappa: both fixing eyes show it nasally, eye 1's to the viewer's right.
    drive::Spin(m_frame, 406, 0);
    m_canvas->m_angleKappa = true;
    const Eye right = Look(kEye1);
    const Eye left = Look(kEye2);
    ASSERT_TRUE(right.reflex && left.reflex);
    EXPECT_GT(right.reflex->x - right.pupil.x, 0.5 * lever * 0.087);
    EXPECT_LT(left.reflex->x - left.pupil.x, -0.5 * lever * 0.087);
}

TEST_F(ViewReflexTest, WedgeShowsBeforeItsEyeOnly)
{
    const ViewImage plain = ViewImage::Capture(*m_canvas);
    m_frame->SetPrisms({Prism{}, Prism{20, PrismBase::out}});
    const ViewImage prism = ViewImage::Capture(*m_canvas);
    int changedAtEye1 = 0, changedAtEye2 = 0;
    plain.ForEachWithin(At(kEye1, 0), 0.45 * Unit(),
                        [&](int x, int y, Rgb c) { changedAtEye1 += !Same(c, prism.At(x, y)); });
    plain.ForEachWithin(At(kEye2, 0), 0.45 * Unit(),
                        [&](int x, int y, Rgb c) { changedAtEye2 += !Same(c, prism.At(x, y)); });
    EXPECT_EQ(changedAtEye1, 0);
    EXPECT_GT(changedAtEye2, 100);
    // The base, on the temple's side (the viewer's right for eye 2), is
    // shaded darker than the glass at the apex; both lie over the sclera.
    const Rgb base = prism.At(At(kEye2 + 0.27, 0.2));
    const Rgb glass = prism.At(At(kEye2 - 0.27, 0.2));
    EXPECT_LT(base.r + base.g + base.b, glass.r + glass.g + glass.b);
    EXPECT_TRUE(prism.SavePng(PathOf("view-prism.png")));
    m_frame->SetPrisms({});
    const ViewImage removed = ViewImage::Capture(*m_canvas);
    bool same = true;
    for (int y = 0; y < plain.Height() && same; ++y)
        for (int x = 0; x < plain.Width() && same; ++x)
            same = Same(plain.At(x, y), removed.At(x, y));
    EXPECT_TRUE(same);
}
