#pragma once
// What to draw, as plain data: the scene writes a plan of drawing commands,
// the GL executor replays it (or compiles it into display lists). Tests read
// the plans without any display.

#include <array>
#include <map>
#include <vector>

using Colour = std::array<float, 3>;

enum class DrawOp {
    SetColour,
    SetLineWidth,
    SetPointSize,
    SetPolygonMode,  // both faces
    SetPointSmooth,
    InitNames,
    PushName,
    LoadName,
    CallList,
    Primitive,
    PushMatrix,
    PopMatrix,
    PushAttributes,  // the line, point and polygon state
    PopAttributes,
    Translate,
    Rotate,
    Cylinder,  // along +z: base radius, top radius, height
    Sphere,
};

enum class PrimitiveKind { Points, LineStrip, Polygon };
enum class PolygonMode { Fill, Line };

struct PlanVertex {
    double x = 0.0;
    double y = 0.0;
};

struct DrawCommand {
    DrawOp op = DrawOp::SetColour;
    Colour colour{};
    double values[4] = {0.0, 0.0, 0.0, 0.0};  // width, size, translation, angle and axis, radii and height
    int key = 0;  // name or list key
    bool on = false;  // point smoothing
    PolygonMode polygonMode = PolygonMode::Fill;
    PrimitiveKind primitive = PrimitiveKind::Points;
    std::vector<PlanVertex> vertices;  // z is 0
    int slices = 0;
    int stacks = 0;
};

class DrawPlan {
public:
    void SetColour(const Colour& colour);
    void SetLineWidth(double width);
    void SetPointSize(double size);
    void SetPolygonMode(PolygonMode mode);
    void SetPointSmooth(bool on);
    void InitNames();
    void PushName(int name);
    void LoadName(int name);
    void CallList(int key);
    // Starts a primitive; Vertex adds to the latest one.
    void Begin(PrimitiveKind kind);
    void Vertex(double x, double y);
    void PushMatrix();
    void PopMatrix();
    void PushAttributes();
    void PopAttributes();
    void Translate(double x, double y, double z);
    void Rotate(double degrees, double x, double y, double z);
    void Cylinder(double baseRadius, double topRadius, double height, int slices, int stacks);
    void Sphere(double radius, int slices, int stacks);

    const std::vector<DrawCommand>& Commands() const { return commands_; }
    bool IsEmpty() const { return commands_.empty(); }

private:
    DrawCommand& Add(DrawOp op);

    std::vector<DrawCommand> commands_;
};

// The display lists of one build, by key. Domain lists are built only while
// domains can be picked; otherwise the lists of the previous build stay.
struct DisplayListPlan {
    std::map<int, DrawPlan> lists;
    bool keepsDomainLists = false;
};
