#include "view/GlPlanExecutor.h"

#include "view/EntityKeys.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

GLenum PrimitiveMode(PrimitiveKind kind)
{
    switch (kind) {
    case PrimitiveKind::Points: return GL_POINTS;
    case PrimitiveKind::LineStrip: return GL_LINE_STRIP;
    default: return GL_POLYGON;
    }
}

// Draws one GLU quadric with smooth normals, filled and lit in its colour,
// and releases it.
template <class DrawQuadric>
void WithQuadric(DrawQuadric draw)
{
    GLUquadric* quadric = gluNewQuadric();
    if (!quadric)
        return;
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluQuadricDrawStyle(quadric, GLU_FILL);
    glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    draw(quadric);
    glPopAttrib();
    gluDeleteQuadric(quadric);
}

void RunCommand(const DrawCommand& command)
{
    switch (command.op) {
    case DrawOp::SetColour: glColor3fv(command.colour.data()); break;
    case DrawOp::SetLineWidth: glLineWidth(static_cast<GLfloat>(command.values[0])); break;
    case DrawOp::SetPointSize: glPointSize(static_cast<GLfloat>(command.values[0])); break;
    case DrawOp::SetPolygonMode:
        glPolygonMode(GL_FRONT_AND_BACK, command.polygonMode == PolygonMode::Fill ? GL_FILL : GL_LINE);
        break;
    case DrawOp::SetPointSmooth:
        if (command.on)
            glEnable(GL_POINT_SMOOTH);
        else
            glDisable(GL_POINT_SMOOTH);
        break;
    case DrawOp::InitNames: glInitNames(); break;
    case DrawOp::PushName: glPushName(static_cast<GLuint>(command.key)); break;
    case DrawOp::LoadName: glLoadName(static_cast<GLuint>(command.key)); break;
    case DrawOp::CallList: glCallList(static_cast<GLuint>(command.key)); break;
    case DrawOp::Primitive:
        glBegin(PrimitiveMode(command.primitive));
        for (const PlanVertex& vertex : command.vertices)
            glVertex3d(vertex.x, vertex.y, 0.0);
        glEnd();
        break;
    case DrawOp::PushMatrix: glPushMatrix(); break;
    case DrawOp::PopMatrix: glPopMatrix(); break;
    case DrawOp::PushAttributes: glPushAttrib(GL_LINE_BIT | GL_POLYGON_BIT | GL_POINT_BIT); break;
    case DrawOp::PopAttributes: glPopAttrib(); break;
    case DrawOp::Translate: glTranslated(command.values[0], command.values[1], command.values[2]); break;
    case DrawOp::Rotate: glRotated(command.values[0], command.values[1], command.values[2], command.values[3]); break;
    case DrawOp::Cylinder:
        WithQuadric([&](GLUquadric* quadric) {
            gluCylinder(quadric, command.values[0], command.values[1], command.values[2], command.slices,
                        command.stacks);
        });
        break;
    case DrawOp::Sphere:
        WithQuadric([&](GLUquadric* quadric) { gluSphere(quadric, command.values[0], command.slices, command.stacks); });
        break;
    }
}

}  // namespace

void GlPlanExecutor::Run(const DrawPlan& plan) const
{
    for (const DrawCommand& command : plan.Commands())
        RunCommand(command);
}

void GlPlanExecutor::Compile(const DisplayListPlan& plan)
{
    for (auto it = compiled_.begin(); it != compiled_.end();) {
        if (plan.keepsDomainLists && KindOfKey(*it) == KIND_DOMAIN) {
            ++it;
            continue;
        }
        glDeleteLists(static_cast<GLuint>(*it), 1);
        it = compiled_.erase(it);
    }
    for (const auto& [key, list] : plan.lists) {
        glNewList(static_cast<GLuint>(key), GL_COMPILE);
        Run(list);
        glEndList();
        compiled_.insert(key);
    }
}

void GlPlanExecutor::DeleteLists()
{
    for (int key : compiled_)
        glDeleteLists(static_cast<GLuint>(key), 1);
    compiled_.clear();
}
