#include "commands/TransformChecks.h"

#include "model/Geometry.h"
#include "model/SectModel.h"

bool CheckInterval(const CSectModel& model, double dx, double dy)
{
    const double interval = VectorLengthXY(dx, dy);
    if (interval < 1e-6)
        return model.m_reporter.ShowWarning("Interval should be greater than 0.");
    if (interval < model.m_tolerance)
        return model.m_reporter.ShowWarning("Interval is too small. It is less than the tolerance.");
    return true;
}

bool CheckRotationAngle(const CSectModel& model, double angle)
{
    return !IsZero(angle) || model.m_reporter.ShowWarning("Rotation angle cannot be 0.");
}
