// Renders an iris picture the way the view maps it onto the eye, seen from
// the front, so a change to data/texturen.dat can be judged without the GUI.
// The iris triangles come from the view's own generator; the texture is
// sampled as GL does with GL_LINEAR and GL_REPEAT and applied in GL_DECAL
// mode over the lit surface. The pupil square shows through the iris's hole.
//
// Usage: preview_iris_texture <texture file> <output.ppm> [side in pixels]
// At 128 pixels the eye has about the size it has in the view at the
// nearest distance; larger sides magnify.

#include "IrisMesh.h"
#include "view/IrisTexture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double kHalfExtent = 0.21;  // a little sclera around the iris
constexpr int kSide = kIrisTextureSide;

using Rgb = std::array<double, 3>;
constexpr Rgb kSclera{205, 205, 205};
constexpr Rgb kLitIris{210, 210, 210};
constexpr Rgb kPupil{0, 0, 0};

class Texture {
public:
    explicit Texture(std::vector<std::uint8_t> rgba) : m_rgba(std::move(rgba)) {}

    Rgb Texel(int column, int row) const
    {
        const auto wrap = [](int i) { return ((i % kSide) + kSide) % kSide; };
        const std::size_t offset =
            (static_cast<std::size_t>(wrap(row)) * kSide + static_cast<std::size_t>(wrap(column))) * 4;
        return {double(m_rgba[offset]), double(m_rgba[offset + 1]), double(m_rgba[offset + 2])};
    }

    double Alpha() const { return kIrisTextureAlpha / 255.0; }

    Rgb Sample(double s, double t) const
    {
        const double u = s * kSide - 0.5;
        const double v = t * kSide - 0.5;
        const int i = static_cast<int>(std::floor(u));
        const int j = static_cast<int>(std::floor(v));
        const double fu = u - i;
        const double fv = v - j;
        Rgb result{};
        const Rgb a = Texel(i, j), b = Texel(i + 1, j), c = Texel(i, j + 1), d = Texel(i + 1, j + 1);
        for (int k = 0; k < 3; ++k)
            result[k] = (a[k] * (1 - fu) + b[k] * fu) * (1 - fv) + (c[k] * (1 - fu) + d[k] * fu) * fv;
        return result;
    }

private:
    std::vector<std::uint8_t> m_rgba;
};

class Image {
public:
    explicit Image(int side) : m_side(side), m_pixels(static_cast<std::size_t>(side * side), kSclera) {}

    int Side() const { return m_side; }
    double ToX(double column) const { return (column / m_side * 2 - 1) * kHalfExtent; }
    double ToY(double row) const { return (1 - row / m_side * 2) * kHalfExtent; }
    double ToColumn(double x) const { return (x / kHalfExtent + 1) / 2 * m_side; }
    double ToRow(double y) const { return (1 - y / kHalfExtent) / 2 * m_side; }
    Rgb& At(int column, int row) { return m_pixels[static_cast<std::size_t>(row * m_side + column)]; }

    bool WritePpm(const std::string& path) const
    {
        std::ofstream file(path, std::ios::binary);
        file << "P6\n" << m_side << ' ' << m_side << "\n255\n";
        for (const Rgb& pixel : m_pixels)
            for (double channel : pixel)
                file.put(static_cast<char>(std::clamp(std::lround(channel), 0L, 255L)));
        file.close();
        return static_cast<bool>(file);
    }

private:
    int m_side;
    std::vector<Rgb> m_pixels;
};

void DrawPupil(Image& image)
{
    for (int row = 0; row < image.Side(); ++row)
        for (int column = 0; column < image.Side(); ++column)
            if (std::fabs(image.ToX(column + 0.5)) <= kPupilHalfSide &&
                std::fabs(image.ToY(row + 0.5)) <= kPupilHalfSide)
                image.At(column, row) = kPupil;
}

// Affine interpolation is close enough: the view is almost orthographic.
void DrawTriangle(Image& image, const Texture& texture, const Triangle& triangle)
{
    std::array<double, 3> cx{}, cy{};
    for (int k = 0; k < 3; ++k) {
        cx[k] = image.ToColumn(triangle[k].position.x);
        cy[k] = image.ToRow(triangle[k].position.y);
    }
    const double area = (cx[1] - cx[0]) * (cy[2] - cy[0]) - (cx[2] - cx[0]) * (cy[1] - cy[0]);
    if (area == 0)
        return;
    const int left = std::max(0, static_cast<int>(std::floor(*std::min_element(cx.begin(), cx.end()))));
    const int right = std::min(image.Side() - 1, static_cast<int>(std::ceil(*std::max_element(cx.begin(), cx.end()))));
    const int top = std::max(0, static_cast<int>(std::floor(*std::min_element(cy.begin(), cy.end()))));
    const int bottom = std::min(image.Side() - 1, static_cast<int>(std::ceil(*std::max_element(cy.begin(), cy.end()))));
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            const double px = column + 0.5;
            const double py = row + 0.5;
            const double w1 = ((px - cx[0]) * (cy[2] - cy[0]) - (cx[2] - cx[0]) * (py - cy[0])) / area;
            const double w2 = ((cx[1] - cx[0]) * (py - cy[0]) - (px - cx[0]) * (cy[1] - cy[0])) / area;
            const double w0 = 1 - w1 - w2;
            if (w0 < 0 || w1 < 0 || w2 < 0)
                continue;
            const double s = w0 * triangle[0].texCoord->s + w1 * triangle[1].texCoord->s + w2 * triangle[2].texCoord->s;
            const double t = w0 * triangle[0].texCoord->t + w1 * triangle[1].texCoord->t + w2 * triangle[2].texCoord->t;
            const Rgb texel = texture.Sample(s, t);
            Rgb& pixel = image.At(column, row);
            for (int k = 0; k < 3; ++k)
                pixel[k] = kLitIris[k] * (1 - texture.Alpha()) + texel[k] * texture.Alpha();
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s <texture file> <output.ppm> [side in pixels]\n", argv[0]);
        return 2;
    }
    std::vector<std::uint8_t> rgba;
    if (!LoadIrisTexture(argv[1], rgba)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const int side = argc == 4 ? std::atoi(argv[3]) : 256;
    if (side < 16 || side > 4096) {
        std::fprintf(stderr, "side must be 16 to 4096 pixels\n");
        return 2;
    }
    const Texture texture(std::move(rgba));
    Image image(side);
    DrawPupil(image);
    for (const Triangle& triangle : IrisTriangles())
        DrawTriangle(image, texture, triangle);
    if (!image.WritePpm(argv[2])) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
