#pragma once

#include "view/EyeGeometry.h"

#include <GL/gl.h>

// Hands the generated strips to GL: into a display list being compiled, or
// straight into the frame.
class GlMeshSink final : public MeshSink {
public:
    void BeginStrip(StripKind kind) override
    {
        switch (kind) {
        case StripKind::TriangleStrip:
            glBegin(GL_TRIANGLE_STRIP);
            break;
        case StripKind::QuadStrip:
            glBegin(GL_QUAD_STRIP);
            break;
        case StripKind::Triangles:
            glBegin(GL_TRIANGLES);
            break;
        }
    }
    void Vertex(const MeshVertex& vertex) override
    {
        if (vertex.texCoord)
            glTexCoord2d(vertex.texCoord->s, vertex.texCoord->t);
        if (vertex.normal)
            glNormal3d(vertex.normal->x, vertex.normal->y, vertex.normal->z);
        glVertex3d(vertex.position.x, vertex.position.y, vertex.position.z);
    }
    void EndStrip() override { glEnd(); }
};
