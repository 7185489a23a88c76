#pragma once
// The curve creation dialogs of curved shapes: Circle and Arc (three input
// methods each), Ellipse, and the quadratic, cubic and Bezier curves. Picks
// only fill their fields; Apply reads the Width, the method's numbers and
// then its points in field order, stopping at the first refusal, and makes
// one document call.

#include "tools/CurveCreationForm.h"

#include <functional>
#include <optional>
#include <vector>

class IToolDocument;

// What Apply read for the chosen method, in the order the document call takes it.
struct ShapeInput {
    std::vector<PlanePoint> points;
    std::vector<double> numbers;
    int alignment;
    double width;

    const double* Point(size_t index) const { return points[index].data(); }
};

using ShapeCreate = std::function<void(IToolDocument& document, const ShapeInput& input)>;

struct ShapeMethod {
    int radio = 0;            // its radio; 0 in a dialog of one method
    std::vector<int> group;   // controls switched with it, its first field first
    std::vector<int> points;  // coordinate fields, parsed in this order
    std::vector<int> numbers; // number fields handed on after the points
    ShapeCreate create;
};

// One input of a method: a point field with its pick field code, or a
// number field (pick code 0), and the label above its edit.
struct ShapeField {
    int id;
    const char* label;
    int labelId;
    int pickCode = 0;
    std::optional<NamedField> name = std::nullopt;
};

// An input method of a dialog of several: its radio and the fields it reads.
struct ShapeMethodFields {
    int radio;
    const char* text;
    std::vector<ShapeField> fields;
    ShapeCreate create;
};

class CCurveShapeForm : public CCurveCreationForm {
public:
    int Method() const;
    // Enables the chosen method's controls, disables the others' and
    // focuses the method's first field.
    void OnInputMethod();

    void OnShow() override;
    void Apply(ToolPageContext& context) override;

protected:
    CCurveShapeForm() : CCurveCreationForm(COMMON_ALIGNMENT_WIDTH) {}
    void AddMethod(ShapeMethod method) { methods_.push_back(std::move(method)); }
    // A dialog of control points only: the fields (control id, pick field
    // code) labelled "Point 1", "Point 2", ... in the group " Control Point ",
    // the alignment, the Width, and the one method over them.
    void AddControlPoints(std::initializer_list<std::pair<int, int>> fields, ShapeCreate create);
    // A dialog of several methods: every method's fields in reading order,
    // then the Width; the method radios, each field's edit under its label,
    // the alignment and the Width. A method switches its fields and labels.
    void AddMethods(const std::vector<ShapeMethodFields>& methods);
    // The Arc puts the focus back on the method's first field after Apply.
    bool refocusAfterApply_ = false;

private:
    void OnClick(int controlId) override;

    std::vector<ShapeMethod> methods_;
};

class CCToolCreateCircle : public CCurveShapeForm {
public:
    CCToolCreateCircle();
};

class CCToolCreateArc : public CCurveShapeForm {
public:
    CCToolCreateArc();
};

class CCToolCreateEllipse : public CCurveShapeForm {
public:
    CCToolCreateEllipse();
};

class CCToolCreateQuard : public CCurveShapeForm {
public:
    CCToolCreateQuard();
};

class CCToolCreateCubic : public CCurveShapeForm {
public:
    CCToolCreateCubic();
};

class CCToolCreateBezier : public CCurveShapeForm {
public:
    CCToolCreateBezier();
};

enum CurveShapeControl { CIRCLE_METHOD = 1098, ARC_METHOD = 1071 };
