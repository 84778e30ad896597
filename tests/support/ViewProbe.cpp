#include "ViewProbe.h"

#include "view/EyeRotation.h"
#include "view/EyesCanvas.h"

#include <wx/image.h>

#include <GL/gl.h>
#include <GL/glu.h>

ViewImage ViewImage::Capture(EyesCanvas& canvas)
{
    ViewImage image;
    if (!canvas.Render())
        return image;
    const int* viewport = canvas.ViewportRect();
    image.m_width = viewport[2];
    image.m_height = viewport[3];
    image.m_rgb.resize(static_cast<std::size_t>(image.m_width) * image.m_height * 3);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(viewport[0], viewport[1], image.m_width, image.m_height, GL_RGB, GL_UNSIGNED_BYTE, image.m_rgb.data());
    return image;
}

Rgb ViewImage::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return {-1, -1, -1};
    const std::size_t i = (static_cast<std::size_t>(y) * m_width + x) * 3;
    return {m_rgb[i], m_rgb[i + 1], m_rgb[i + 2]};
}

Rgb ViewImage::At(PixelPoint p) const
{
    return At(static_cast<int>(p.x + 0.5), static_cast<int>(p.y + 0.5));
}

bool ViewImage::SavePng(const std::string& path) const
{
    if (m_width == 0)
        return false;
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    wxImage picture(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            const Rgb c = At(x, y);
            picture.SetRGB(x, m_height - 1 - y, c.r, c.g, c.b);
        }
    return picture.SaveFile(path, wxBITMAP_TYPE_PNG);
}

PixelPoint ProjectHeadPoint(int distance, double x, double y, double z)
{
    GLdouble modelView[16], projection[16];
    GLint viewport[4];
    glPushMatrix();
    glTranslatef(0, 0, HeadDepth(distance));
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glPopMatrix();
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble wx = 0, wy = 0, wz = 0;
    gluProject(x, y, z, modelView, projection, viewport, &wx, &wy, &wz);
    return {wx - viewport[0], wy - viewport[1]};
}

double PixelsPerUnit(int distance)
{
    return ProjectHeadPoint(distance, 1, 0).x - ProjectHeadPoint(distance, 0, 0).x;
}

double LineLeanFromRows(const std::vector<PixelPoint>& rows)
{
    double my = 0, mx = 0;
    for (const PixelPoint& p : rows) {
        mx += p.x;
        my += p.y;
    }
    mx /= rows.size();
    my /= rows.size();
    double sxy = 0, syy = 0;
    for (const PixelPoint& p : rows) {
        sxy += (p.x - mx) * (p.y - my);
        syy += (p.y - my) * (p.y - my);
    }
    return std::atan(sxy / syy) * 180.0 / 3.141592653589793;
}
