// Draws the iris picture that ships as data/texturen.dat.
//
// The view gives each iris vertex the texture coordinates (sin phi, cos theta):
// the columns run twice round the iris, mirrored, and only the last rows
// (t from about 0.95 to 0.995) reach it, the last row at the pupil margin.
// So the picture is drawn in those coordinates: a row is a distance from the
// pupil, a column a direction. Radial fibres and crypts vary along the
// columns; ruff, collarette and limbal ring lie along the rows. Rows that
// never reach the iris carry the limbal colour.
//
// Usage: make_iris_texture <output file>

#include "IrisMesh.h"
#include "view/IrisTexture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kSide = kIrisTextureSide;
constexpr double kPi = 3.141592653589793;

// Fixed-seed generator, so every build draws the same picture.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    double Uniform(double low, double high) { return low + (high - low) * Uniform(); }

private:
    std::uint64_t m_state;
};

struct Colour {
    double r, g, b;
};

Colour Mix(const Colour& a, const Colour& b, double weight)
{
    return {a.r + (b.r - a.r) * weight, a.g + (b.g - a.g) * weight, a.b + (b.b - a.b) * weight};
}

double SmoothStep(double edge0, double edge1, double x)
{
    const double f = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return f * f * (3 - 2 * f);
}

// Smooth noise in [0, 1] over the columns, repeating after the last column
// so the wrap of the texture shows no seam.
class ColumnNoise {
public:
    ColumnNoise(SplitMix64& random, int cells) : m_values(static_cast<std::size_t>(cells))
    {
        for (double& value : m_values)
            value = random.Uniform();
    }

    double At(double column) const
    {
        const double cells = static_cast<double>(m_values.size());
        const double position = column / kSide * cells;
        const double cell = std::floor(position);
        const double f = position - cell;
        const double blend = (1 - std::cos(f * kPi)) / 2;
        const auto index = static_cast<std::size_t>(cell) % m_values.size();
        return m_values[index] + (m_values[(index + 1) % m_values.size()] - m_values[index]) * blend;
    }

private:
    std::vector<double> m_values;
};

// A pit in the stroma that shows the darker layers beneath.
struct Crypt {
    double column;
    double halfWidth;
    double radial;
    double halfDepth;
    double strength;
};

double ColumnDistance(double a, double b)
{
    const double d = std::fabs(a - b);
    return std::min(d, kSide - d);
}

class IrisPainter {
public:
    explicit IrisPainter(SplitMix64& random)
        : m_fineFibres(random, 48), m_coarseFibres(random, 20), m_collaretteWave(random, 14), m_pigment(random, 9)
    {
        for (int i = 0; i < 9; ++i) {
            m_crypts.push_back({random.Uniform(0, kSide), random.Uniform(2.5, 5.0), random.Uniform(0.55, 0.7),
                                random.Uniform(0.1, 0.16), random.Uniform(0.6, 0.9)});
        }
    }

    // radial: 0 at the pupil margin, 1 at the limbus.
    Colour At(double radial, double column) const
    {
        radial = std::clamp(radial, -0.2, 1.2);
        const double fibre = 0.6 * m_fineFibres.At(column) + 0.4 * m_coarseFibres.At(column);
        const double collarette = 0.44 + 0.12 * (m_collaretteWave.At(column) - 0.5);

        const Colour pupillaryZone = Mix({96, 60, 30}, {178, 124, 64}, fibre);
        const Colour ciliaryZone = Mix({70, 88, 108}, {158, 174, 190}, fibre);
        Colour colour = Mix(pupillaryZone, ciliaryZone, SmoothStep(collarette - 0.04, collarette + 0.1, radial));

        // Patches of brown pigment scattered into the blue-grey stroma.
        const double pigment = SmoothStep(0.62, 0.9, m_pigment.At(column)) * SmoothStep(1.0, 0.6, radial);
        colour = Mix(colour, {128, 104, 70}, 0.5 * pigment);

        const double ridge = std::exp(-std::pow((radial - collarette) / 0.08, 2));
        colour = Mix(colour, {218, 204, 172}, 0.65 * ridge);

        for (const Crypt& crypt : m_crypts) {
            const double across = ColumnDistance(column, crypt.column) / crypt.halfWidth;
            const double along = (radial - crypt.radial) / crypt.halfDepth;
            colour = Mix(colour, {34, 38, 48}, crypt.strength * std::exp(-(across * across + along * along)));
        }

        colour = Mix(colour, {52, 30, 20}, SmoothStep(0.1, -0.02, radial));  // pupillary ruff
        colour = Mix(colour, {38, 46, 60}, SmoothStep(0.74, 1.0, radial));   // limbal ring
        return colour;
    }

private:
    ColumnNoise m_fineFibres;
    ColumnNoise m_coarseFibres;
    ColumnNoise m_collaretteWave;
    ColumnNoise m_pigment;
    std::vector<Crypt> m_crypts;
};

// Where each texture row lands between pupil margin (0) and limbus (1). The
// view interpolates t linearly between the iris's rings, so the distance is
// interpolated the same way, and extrapolated beyond them.
std::vector<double> RadialPositionOfRows()
{
    const std::vector<IrisRing> rings = IrisRings();
    const double inner = rings.front().radius;
    const double outer = rings.back().radius;
    std::vector<double> radial(kSide);
    for (int row = 0; row < kSide; ++row) {
        const double t = (row + 0.5) / kSide;
        std::size_t k = 0;
        while (k + 2 < rings.size() && t < rings[k + 1].t)
            ++k;
        const IrisRing& a = rings[k];
        const IrisRing& b = rings[k + 1];
        const double radius = a.radius + (b.radius - a.radius) * (t - a.t) / (b.t - a.t);
        radial[static_cast<std::size_t>(row)] = (radius - inner) / (outer - inner);
    }
    return radial;
}

std::uint8_t ToByte(double value)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

std::vector<std::uint8_t> DrawIris()
{
    SplitMix64 random(0x5155494E58ull);
    const IrisPainter painter(random);
    const std::vector<double> radial = RadialPositionOfRows();
    std::vector<std::uint8_t> rgb;
    rgb.reserve(kIrisFileBytes);
    for (int row = 0; row < kSide; ++row) {
        for (int column = 0; column < kSide; ++column) {
            const Colour colour = painter.At(radial[static_cast<std::size_t>(row)], column + 0.5);
            const double grain = random.Uniform(-4, 4);
            rgb.push_back(ToByte(colour.r + grain));
            rgb.push_back(ToByte(colour.g + grain));
            rgb.push_back(ToByte(colour.b + grain));
        }
    }
    return rgb;
}

// Writes beside the target and renames, so a failed run keeps the old picture.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    if (!WriteFile(argv[1], DrawIris())) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
