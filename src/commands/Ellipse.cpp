// Curve > Create > Ellipse: semi-axes along the axes of the work UCS.

#include "commands/CreationSupport.h"
#include "commands/DividedShapes.h"
#include "model/TextFormat.h"

bool CSectModel::CreateEllipse(const double center[2], double xRadius, double yRadius, int alignment, double width)
{
    if (xRadius < 1e-6)
        return m_reporter.ShowWarning(CurveRefusal("ellipse", "x-radius should be greater than 0."));
    if (xRadius < m_tolerance)
        return m_reporter.ShowWarning(CurveRefusal("ellipse", "x-radius is too small. It is less than the tolerance."));
    if (yRadius < 1e-6)
        return m_reporter.ShowWarning(CurveRefusal("ellipse", "y-radius should be greater than 0."));
    if (yRadius < m_tolerance)
        return m_reporter.ShowWarning(CurveRefusal("ellipse", "y-radius is too small. It is less than the tolerance."));

    const int curveId =
        CreateDividedEllipticCurve(*this, "ellipse", center, xRadius, yRadius, 0.0, 360.0, true, alignment, width);
    if (curveId == 0)
        return false;
    SetUndoActionTitle(FormatText("Create new curve (ellipse) [%d]", curveId));
    m_reporter.PrintOutput(FormatText("New curve (ellipse) [%d] is created with a x-radius %.3lf and a y-radius %.3lf.",
                                      curveId, xRadius, yRadius));
    return true;
}
