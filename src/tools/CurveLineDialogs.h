#pragma once
// The curve creation dialogs whose result is made of straight lines: Line and
// Rectangle (two points, Point 2 typed, given as an offset or, for the Line,
// in polar form), Polyline (one vertex after another), Shortest Path Line and
// Convert Curve-Width (both over the selected curves).

#include "tools/CurveCreationForm.h"

#include <vector>

class IToolDocument;

// The ids of a two-point dialog; radiusId and angleId are 0 without a polar
// method. The Line's offset edit takes no pick and says so to the view.
struct TwoPointIds {
    int point1;
    int point1Code;
    int point2;
    int point2Code;
    int delta;
    std::vector<int> methodRadios;
    AlignmentWidthIds alignmentWidth;
    int radiusId = 0;
    int angleId = 0;
    std::vector<int> polarLabels;
    bool deltaClearsPickCode = false;
};

// Line and Rectangle: Point 2 is picked or typed ("X, Y"), or Point 1 plus
// the "Dx, Dy" text, or Point 1 plus Radius along Angle (degrees,
// counter-clockwise from the x-axis). Both points are always parsed, so each
// bad one gets its own "Input error!".
class CTwoPointForm : public CCurveCreationForm, public ILineQueries {
public:
    ILineQueries* LineQueries() override { return this; }
    int CoordinateMode() const override { return Choice(ids_.methodRadios.front()); }
    std::optional<double> ReadWidth() override { return Width(); }
    int AlignmentCode() const override { return Alignment(); }
    // Point 1, or the "X, Y" Point 2 that a pick fills.
    bool ReadPoint(int which, PlanePoint& point) override;

    // Both points of the chosen method; false after any "Input error!".
    bool GetPoints(PlanePoint& point1, PlanePoint& point2);

    void OnShow() override;
    void Apply(ToolPageContext& context) override;

protected:
    explicit CTwoPointForm(TwoPointIds ids);
    // The document's creation from the two points.
    virtual void Create(IToolDocument& document, const PlanePoint& point1, const PlanePoint& point2,
                        int alignment, double width) = 0;

    const TwoPointIds& Ids() const { return ids_; }

private:
    void OnClick(int controlId) override;
    // Enables the chosen method's controls and disables the others'.
    void EnableMethodGroup();
    std::vector<int> MethodGroup(int method) const;

    TwoPointIds ids_;
};

class CCToolCreateLine : public CTwoPointForm {
public:
    CCToolCreateLine();
    // Also has the view draw its rubber band from the last point to the cursor.
    void OnShow() override;

private:
    void Create(IToolDocument& document, const PlanePoint& point1, const PlanePoint& point2, int alignment,
                double width) override;
};

class CCToolCreateRectangle : public CTwoPointForm {
public:
    CCToolCreateRectangle();

private:
    void Create(IToolDocument& document, const PlanePoint& point1, const PlanePoint& point2, int alignment,
                double width) override;
};

// One vertex after another: each typed or picked vertex after the first adds
// the line from the previous one.
class CCToolCreatePLine : public CCurveCreationForm, public ILineQueries {
public:
    CCToolCreatePLine();

    ILineQueries* LineQueries() override { return this; }
    int CoordinateMode() const override { return Choice(1082); }
    std::optional<double> ReadWidth() override { return Width(); }
    int AlignmentCode() const override { return Alignment(); }
    bool ReadPoint(int which, PlanePoint& point) override;
    std::optional<PlanePoint> PreviousVertex() const override;
    void SetPreviousVertex(const std::optional<PlanePoint>& vertex) override;

    // "New Polyline": in "X, Y" the point field goes back to "0.000, 0.000"
    // and the previous vertex is forgotten; in "Dx, Dy" nothing changes.
    void OnNewPolyline();

    void OnShow() override;
    void Apply(ToolPageContext& context) override;

private:
    void OnClick(int controlId) override;

    // No vertex yet: both coordinates DBL_MAX.
    PlanePoint previous_;
};

class CCToolCreateShortPath : public CCurveCreationForm {
public:
    CCToolCreateShortPath();
    void OnShow() override;
    void Apply(ToolPageContext& context) override;
};

class CCToolCreateConvertWidth : public CCurveDialogForm {
public:
    CCToolCreateConvertWidth();
    void OnShow() override;
    void Apply(ToolPageContext& context) override;
};

// Control ids the tests and the table use.
enum CurveLineControl {
    LINE_POINT1 = 1086,
    LINE_POINT2 = 1089,
    LINE_DELTA = 1090,
    LINE_RADIUS = 1147,
    LINE_ANGLE = 1148,
    LINE_METHOD = 1087,
    LINE_ALIGNMENT = 1149,
    LINE_WIDTH = 1152,
    PLINE_POINT = 1084,
    PLINE_DELTA = 1085,
    PLINE_METHOD = 1082,
    PLINE_NEW = 1078,
    SHORT_PATH_POINT = 1266,
    SHORT_PATH_SPLIT = 1267,
    RECTANGLE_POINT1 = 1354,
    RECTANGLE_POINT2 = 1357,
    RECTANGLE_DELTA = 1358,
    RECTANGLE_METHOD = 1355,
    RECTANGLE_ALIGNMENT = 1359,
    RECTANGLE_WIDTH = 1362,
    CONVERT_START_END = 1121,
    CONVERT_LEFT_RIGHT = 1122,
    CONVERT_DELETE_SOURCE = 1265,
    CURVE_ALIGNMENT = 1261,
    CURVE_WIDTH = 1264,
};
