#include "CanvasFixture.h"

#include "FrameDriver.h"

#include "view/EyesCanvas.h"

#include <wx/slider.h>

bool IsPupil(Rgb c)
{
    return c.r < 20 && c.g < 20 && c.b < 20;
}

void CanvasFixture::SetUp()
{
    FrameFixture::SetUp();
    CopyDataFile("English.lan");
    ASSERT_TRUE(StartProgram());
    m_canvas = &m_frame->View();
    ASSERT_TRUE(m_canvas->PrepareGl());
}

int CanvasFixture::Distance() const
{
    return drive::Control<wxSlider>(m_frame, Id::BlendSlider).GetValue();
}

PixelPoint CanvasFixture::At(double x, double y, double z) const
{
    return ProjectHeadPoint(Distance(), x, y, z);
}

double CanvasFixture::Unit() const
{
    return PixelsPerUnit(Distance());
}

std::optional<PixelPoint> CanvasFixture::PupilOf(const ViewImage& image, double eyeX) const
{
    return image.Centroid(At(eyeX, 0), 0.3 * Unit(), IsPupil);
}

void CanvasFixture::SetTool(int id, bool on)
{
    drive::SetTool(m_frame, id, on);
}
