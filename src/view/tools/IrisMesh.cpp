#include "IrisMesh.h"

#include <cmath>

namespace {

class TriangleCollector : public MeshSink {
public:
    void BeginStrip(StripKind) override { m_strip.clear(); }
    void Vertex(const MeshVertex& vertex) override
    {
        m_strip.push_back(vertex);
        if (m_strip.size() >= 3) {
            const std::size_t n = m_strip.size();
            triangles.push_back({m_strip[n - 3], m_strip[n - 2], m_strip[n - 1]});
        }
    }
    void EndStrip() override
    {
        if (firstStrip.empty())
            firstStrip = m_strip;
    }

    std::vector<Triangle> triangles;
    std::vector<MeshVertex> firstStrip;

private:
    std::vector<MeshVertex> m_strip;
};

TriangleCollector CollectIris()
{
    TriangleCollector collector;
    EmitSphereBands(collector, kIrisRadius, kIrisSegments, kIrisThetaStart, kIrisEndCut, true);
    return collector;
}

}  // namespace

std::vector<IrisRing> IrisRings()
{
    std::vector<IrisRing> rings;
    const auto strip = CollectIris().firstStrip;
    for (std::size_t i = 0; i < strip.size(); i += 2) {
        const Vec3& p = strip[i].position;
        rings.push_back({strip[i].texCoord->t, std::hypot(p.x, p.y)});
    }
    return rings;
}

std::vector<Triangle> IrisTriangles()
{
    return CollectIris().triangles;
}
