#pragma once
// The forms of the Point page's dialogs other than the three transforms
// (TransformForm.h): point creation by coordinate, by ratio or interpolation
// on curves and between two points; Equalize; Pick; and the empty Delete and
// Query dialogs. Each names its controls by the ids of its window.

#include "tools/DialogForm.h"

#include <vector>

class CSectModel;

enum PointDialogControl {
    // Coordinate
    ID_POINT_COORDINATE = 1005,
    // Ratio on Curve
    ID_CURVE_RATIO = 1028,
    ID_CURVE_RATIO_SPLIT = 1029,
    // Interpolating on Curve
    ID_CURVE_SPACING_RADIO = 1020,
    ID_CURVE_COUNT_RADIO = 1019,
    ID_CURVE_SPACING = 1021,
    ID_CURVE_COUNT = 1022,
    ID_CURVE_INTERP_SPLIT = 1023,
    // Ratio btwn 2 Pts
    ID_START_POINT = 1030,
    ID_END_POINT = 1008,
    ID_POINTS_RATIO = 1031,
    // Interpolating btwn 2 Pts
    ID_POINTS_SPACING_RADIO = 1026,
    ID_POINTS_COUNT_RADIO = 1024,
    ID_POINTS_SPACING = 1027,
    ID_POINTS_COUNT = 1025,
    // Equalize
    ID_EQUALIZE_GROUP_RADIO = 1032,
    ID_EQUALIZE_ALL_RADIO = 1013,
    ID_EQUALIZE_TOGETHER_RADIO = 1033,
    ID_EQUALIZE_SNOWBALL_RADIO = 1034,
    ID_EQUALIZE_GROUP_TOLERANCE = 1007,
    ID_EQUALIZE_AVERAGE_RADIO = 1035,
    ID_EQUALIZE_AT_COORDINATE_RADIO = 1012,
    ID_EQUALIZE_COORDINATE = 1010,
    ID_EQUALIZE_ALL_LABEL = 1112,
    ID_EQUALIZE_ALL_TOLERANCE = 1036,
    ID_EQUALIZE_DELETE_REDUNDANT = 1268,
    // Pick
    ID_PICK_BY_ID = 1309,
    ID_PICK_ID_LIST = 1313,
    ID_PICK_BY_CENTROID = 1314,
    ID_PICK_CENTROID_LIST = 1285,
    ID_PICK_BY_CURVE = 1315,
    ID_PICK_CURVE_LIST = 1284,
    ID_PICK_BY_LOOP = 1316,
    ID_PICK_LOOP_LIST = 1317,
    ID_PICK_BY_SECTION = 1318,
    ID_PICK_SECTION_LIST = 1319,
    ID_PICK_UNION = 1307,
    ID_PICK_INTERSECTION = 1308,
};

// Pick field codes of the creation dialogs.
enum PointPickCode { CODE_POINT_COORDINATE = 10048, CODE_START_POINT = 10002, CODE_END_POINT = 10003 };

// "Coordinate": one coordinate pick field, highlighted at every show.
class CPToolCoordDlg : public CDialogForm {
public:
    CPToolCoordDlg();
    void OnShow() override;
    using CToolForm::GetCoordinate;
    // The field's x and y; false after "Input error!".
    bool GetCoordinate(PlanePoint& xy) { return GetCoordinate(CODE_POINT_COORDINATE, xy); }
};

// "Ratio on Curve": the ratio and "Split Curve", checked at every show.
class CPToolRatioCurve : public CDialogForm {
public:
    CPToolRatioCurve();
    void OnShow() override;
    double Ratio() const { return Field(ID_CURVE_RATIO)->real; }
    bool SplitCurve() const { return Checked(ID_CURVE_RATIO_SPLIT); }
};

// The ids of an interpolation dialog.
struct InterpolationControls {
    int spacingRadio;
    int countRadio;
    int spacingEdit;
    int countEdit;
    int splitCheck;  // 0: none
};

// "Interpolating on Curve" and "Interpolating btwn 2 Pts": "Point Spacing"
// (0) or "Nomber of Points" (1), each enabling its own field and focusing
// it; "Point Spacing" and, where there is one, "Split Curve" checked at
// every show.
class CInterpolationForm : public CDialogForm {
public:
    explicit CInterpolationForm(const InterpolationControls& controls);
    void OnShow() override;
    // What the document takes: the count with spacing 0.0, or count 0 with
    // the spacing.
    int NumberOfPoints() const;
    double Spacing() const;
    bool SplitCurve() const { return Checked(controls_.splitCheck); }

protected:
    void OnClick(int controlId) override;

private:
    bool ByCount() const { return Choice(controls_.spacingRadio) == 1; }
    void ApplyMethodRule();

    InterpolationControls controls_;
};

class CPToolInterpCurve : public CInterpolationForm {
public:
    CPToolInterpCurve();
};

class CPToolInterpPoint : public CInterpolationForm {
public:
    CPToolInterpPoint();
};

// "Ratio btwn 2 Pts": the start and end point ids, picked one after the
// other, and the ratio, where the dispatch leaves the focus.
class CPToolRatioPoint : public CDialogForm {
public:
    CPToolRatioPoint();
    void OnShow() override;
    int StartPointId() const { return Field(ID_START_POINT)->integer; }
    int EndPointId() const { return Field(ID_END_POINT)->integer; }
    double Ratio() const { return Field(ID_POINTS_RATIO)->real; }
};

// "Equalize Point": the object (the selected group or all shown points),
// how the group is gathered (all together or by snowball tolerance), where
// the points meet (their average or a coordinate), and whether redundant
// points go. Both tolerances take the project's at every show.
class CPToolEqualize : public CDialogForm {
public:
    CPToolEqualize();
    // Takes the project tolerance from the page's document.
    void OnShow() override;

    bool AllShownPoints() const { return Choice(ID_EQUALIZE_GROUP_RADIO) == 1; }
    bool BySnowball() const { return Choice(ID_EQUALIZE_TOGETHER_RADIO) == 1; }
    bool AtCoordinate() const { return Choice(ID_EQUALIZE_AVERAGE_RADIO) == 1; }
    bool DeleteRedundancies() const { return Checked(ID_EQUALIZE_DELETE_REDUNDANT); }
    double GroupTolerance() const { return Field(ID_EQUALIZE_GROUP_TOLERANCE)->real; }
    double AllTolerance() const { return Field(ID_EQUALIZE_ALL_TOLERANCE)->real; }
    using CToolForm::GetCoordinate;
    // The convergence coordinate; false after "Input error!".
    bool GetCoordinate(PlanePoint& xy);

protected:
    void OnClick(int controlId) override;

private:
    void ApplyObjectRule();
    void ApplyGroupRules();
};

// "Pick Point": the criteria (an id list, the centroids of calculated
// sections, a curve's, a closed loop's or a section's points) and how they
// combine. The check boxes start unchecked at every show; the combos are
// refilled from the model, and a criterion with nothing to choose from is
// disabled.
class CPToolPick : public CDialogForm {
public:
    CPToolPick();
    // Fills the combos from the page's document.
    void OnShow() override;

    bool Intersection() const { return Choice(ID_PICK_UNION) == 1; }
    // The typed ids; false after "Input error!".
    bool GetIdList(std::vector<int>& ids) { return CToolForm::GetIdList(ID_PICK_ID_LIST, ids); }
    int GetCentroidSectionId() const { return ComboId(ID_PICK_CENTROID_LIST); }
    int GetCurveId() const { return ComboId(ID_PICK_CURVE_LIST); }
    int GetClosedLoopId() const { return ComboId(ID_PICK_LOOP_LIST); }
    int GetSectionId() const { return ComboId(ID_PICK_SECTION_LIST); }

private:
    void FillCombos(const CSectModel& model);
};

// The Pick dialog's criteria: each check box with what it enables.
struct PickCriterion {
    int checkId;
    int inputId;
};
const std::vector<PickCriterion>& PickCriteria();

// "Delete Point" and "Query Point" have no controls.
class CPToolDelete : public CDialogForm {};
class CPToolQuery : public CDialogForm {};

// The model of the page's document; null without one.
const CSectModel* ModelOf(const CToolForm& form);
