#pragma once
// The Point page: its command table (15 rows, tool ids 1000-1014), the
// forms of its dialogs and their applies. The table's rows hold the forms,
// so typed values live as long as the registered table; every show runs the
// form's resets (OnShow) once the window is made.

#include "frame/ToolPageTable.h"

#include <memory>

class CToolRegistry;
class CPToolCoordDlg;
class CPToolRatioCurve;
class CPToolInterpCurve;
class CPToolRatioPoint;
class CPToolInterpPoint;
class CTransformForm;
class CPToolEqualize;
class CPToolPick;

// Rows of the Point page's combo.
enum PointToolRow {
    POINT_ROW_COORDINATE = 0,
    POINT_ROW_RATIO_ON_CURVE = 1,
    POINT_ROW_INTERP_ON_CURVE = 2,
    POINT_ROW_RATIO_BETWEEN_POINTS = 3,
    POINT_ROW_INTERP_BETWEEN_POINTS = 4,
    POINT_ROW_TRANSLATE = 6,
    POINT_ROW_ROTATE = 7,
    POINT_ROW_MIRROR = 8,
    POINT_ROW_EQUALIZE = 10,
    POINT_ROW_DELETE = 11,
    POINT_ROW_PICK = 13,
    POINT_ROW_QUERY = 14,
};

class CPointTool {
public:
    CPointTool();

    ToolPageTable& Table() { return table_; }

    CPToolCoordDlg& Coordinate() { return *coordinate_; }
    CPToolRatioCurve& RatioOnCurve() { return *ratioCurve_; }
    CPToolInterpCurve& InterpOnCurve() { return *interpCurve_; }
    CPToolRatioPoint& RatioBetweenPoints() { return *ratioPoint_; }
    CPToolInterpPoint& InterpBetweenPoints() { return *interpPoint_; }
    CTransformForm& Translate() { return *translate_; }
    CTransformForm& Rotate() { return *rotate_; }
    CTransformForm& Mirror() { return *mirror_; }
    CPToolEqualize& Equalize() { return *equalize_; }
    CPToolPick& Pick() { return *pick_; }

private:
    std::shared_ptr<CPToolCoordDlg> coordinate_;
    std::shared_ptr<CPToolRatioCurve> ratioCurve_;
    std::shared_ptr<CPToolInterpCurve> interpCurve_;
    std::shared_ptr<CPToolRatioPoint> ratioPoint_;
    std::shared_ptr<CPToolInterpPoint> interpPoint_;
    std::shared_ptr<CTransformForm> translate_;
    std::shared_ptr<CTransformForm> rotate_;
    std::shared_ptr<CTransformForm> mirror_;
    std::shared_ptr<CPToolEqualize> equalize_;
    std::shared_ptr<CPToolPick> pick_;
    ToolPageTable table_;
};

// Registers the Point page's table.
void RegisterPointTool(CToolRegistry& registry);
