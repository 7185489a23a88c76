#include "model/ModelRecords.h"

#include "model/Geometry.h"

void T_UCS_D::ToGlobal(const double in[2], double out[2]) const
{
    CopyPoint2(in, out);
    if (id != 0)
        RotateTranslatePoint(out, origin[0], origin[1], angle);
}

void T_UCS_D::ToLocal(const double in[2], double out[2]) const
{
    CopyPoint2(in, out);
    if (id != 0) {
        TranslatePoint(out, -origin[0], -origin[1]);
        RotatePoint(out, -angle);
    }
}
