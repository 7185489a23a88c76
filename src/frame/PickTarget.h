#pragma once
// What the view's pick dispatch may do with the form of the shown tool
// dialog: write a picked text or id into a pick field, move the focus, and
// ask the Line, Polyline and Rectangle dialogs for their input. Fields are
// named by their pick field code (10000-10056) or, for the few plain fields
// the focus moves to, by their name.

#include <array>
#include <optional>
#include <string>

// Plain fields the dispatch moves the focus to.
enum class NamedField { Width, Ratio, Radius, XRadius, Angle };

// Coordinate modes of the line dialogs.
enum LineCoordinateMode { COORDINATES_XY = 0, COORDINATES_DX_DY = 1, COORDINATES_POLAR = 2 };

using PlanePoint = std::array<double, 2>;

// The input of the Line, Polyline and Rectangle dialogs. Each reader shows
// its own box when it refuses the text.
class ILineQueries {
public:
    virtual ~ILineQueries() = default;
    virtual int CoordinateMode() const = 0;
    // Empty when the width is not read (after its box).
    virtual std::optional<double> ReadWidth() = 0;
    // The width band's alignment, a CurveAlignment (1 centre, 2 left, 3 right).
    virtual int AlignmentCode() const = 0;
    // Point 1 (which = 0) or 2; false when it does not parse (after "Input error!").
    virtual bool ReadPoint(int which, PlanePoint& point) = 0;
    // The Polyline's last vertex; empty before the first.
    virtual std::optional<PlanePoint> PreviousVertex() const { return std::nullopt; }
    virtual void SetPreviousVertex(const std::optional<PlanePoint>&) {}
};

class IPickTarget {
public:
    virtual ~IPickTarget() = default;
    // False when the form has no pick field with the code.
    virtual bool SetPickFieldText(int code, const std::string& text) = 0;
    // Writes the id as "%d", or "0" for a negative id.
    virtual bool SetPickFieldId(int code, int id) = 0;
    // Moves the focus; the field's focus behaviour runs once.
    virtual bool FocusPickField(int code) = 0;
    virtual bool FocusNamedField(NamedField field) = 0;
    // Null for a form without the line dialogs' queries.
    virtual ILineQueries* LineQueries() { return nullptr; }
};
