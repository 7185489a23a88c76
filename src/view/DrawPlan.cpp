#include "view/DrawPlan.h"

DrawCommand& DrawPlan::Add(DrawOp op)
{
    commands_.emplace_back();
    commands_.back().op = op;
    return commands_.back();
}

void DrawPlan::SetColour(const Colour& colour) { Add(DrawOp::SetColour).colour = colour; }
void DrawPlan::SetLineWidth(double width) { Add(DrawOp::SetLineWidth).values[0] = width; }
void DrawPlan::SetPointSize(double size) { Add(DrawOp::SetPointSize).values[0] = size; }
void DrawPlan::SetPolygonMode(PolygonMode mode) { Add(DrawOp::SetPolygonMode).polygonMode = mode; }
void DrawPlan::SetPointSmooth(bool on) { Add(DrawOp::SetPointSmooth).on = on; }
void DrawPlan::InitNames() { Add(DrawOp::InitNames); }
void DrawPlan::PushName(int name) { Add(DrawOp::PushName).key = name; }
void DrawPlan::LoadName(int name) { Add(DrawOp::LoadName).key = name; }
void DrawPlan::CallList(int key) { Add(DrawOp::CallList).key = key; }
void DrawPlan::Begin(PrimitiveKind kind) { Add(DrawOp::Primitive).primitive = kind; }

void DrawPlan::Vertex(double x, double y)
{
    if (commands_.empty() || commands_.back().op != DrawOp::Primitive)
        Begin(PrimitiveKind::Points);
    commands_.back().vertices.push_back({x, y});
}

void DrawPlan::PushMatrix() { Add(DrawOp::PushMatrix); }
void DrawPlan::PopMatrix() { Add(DrawOp::PopMatrix); }
void DrawPlan::PushAttributes() { Add(DrawOp::PushAttributes); }
void DrawPlan::PopAttributes() { Add(DrawOp::PopAttributes); }

void DrawPlan::Translate(double x, double y, double z)
{
    DrawCommand& command = Add(DrawOp::Translate);
    command.values[0] = x;
    command.values[1] = y;
    command.values[2] = z;
}

void DrawPlan::Rotate(double degrees, double x, double y, double z)
{
    DrawCommand& command = Add(DrawOp::Rotate);
    command.values[0] = degrees;
    command.values[1] = x;
    command.values[2] = y;
    command.values[3] = z;
}

void DrawPlan::Cylinder(double baseRadius, double topRadius, double height, int slices, int stacks)
{
    DrawCommand& command = Add(DrawOp::Cylinder);
    command.values[0] = baseRadius;
    command.values[1] = topRadius;
    command.values[2] = height;
    command.slices = slices;
    command.stacks = stacks;
}

void DrawPlan::Sphere(double radius, int slices, int stacks)
{
    DrawCommand& command = Add(DrawOp::Sphere);
    command.values[0] = radius;
    command.slices = slices;
    command.stacks = stacks;
}
