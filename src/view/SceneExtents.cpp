// The box of the shown entities for the view's zoom fit.

#include "model/SectModel.h"
#include "model/WidthBand.h"
#include "view/GlCamera.h"
#include "view/Scene.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

void SetEmptyBox(double min[3], double max[3])
{
    for (int i = 0; i < 3; ++i) {
        min[i] = DBL_MAX;
        max[i] = -DBL_MAX;
    }
}

void Widen(const CTGLMatrix& matrix, double x, double y, double min[3], double max[3])
{
    const CHomoPoint p = matrix.Mult3DPoint(CHomoPoint{x, y, 0.0, 1.0});
    min[0] = std::min(min[0], p.x);
    min[1] = std::min(min[1], p.y);
    max[0] = std::max(max[0], p.x);
    max[1] = std::max(max[1], p.y);
    min[2] = 0.0;
    max[2] = 0.0;
}

}  // namespace

bool CScene::GetActiveExtents(CTGLMatrix matrix, double min[3], double max[3])
{
    SetEmptyBox(min, max);
    CSectModel* model = Model();
    if (!model)
        return false;
    auto widenByPoint = [&](const T_POINT_D& point) {
        double local[2];
        ToCurrentUcs(point.xy, local);
        Widen(matrix, local[0], local[1], min, max);
    };
    if (!m_showCurveWidths) {
        for (int key : m_active[KIND_POINT]) {
            if (const T_POINT_D* point = model->FindPoint(IdOfKey(key)))
                widenByPoint(*point);
        }
    } else {
        for (int key : m_active[KIND_POINT]) {
            if (T_POINT_D* point = model->FindPoint(IdOfKey(key)))
                point->work = 1;
        }
        // A banded curve adds the box of each band segment instead of its ends.
        for (int key : m_active[KIND_CURVE]) {
            const T_CURVE_D* curve = model->FindCurve(IdOfKey(key));
            if (!curve || std::fabs(curve->width) <= 1e-6)
                continue;
            for (size_t i = 0; i + 1 < curve->pointIds.size(); ++i) {
                T_POINT_D* a = model->FindPoint(curve->pointIds[i]);
                T_POINT_D* b = model->FindPoint(curve->pointIds[i + 1]);
                if (!a || !b)
                    continue;
                a->work = 0;
                b->work = 0;
                double corners[4][2];
                CurveBandCorners(a->xy, b->xy, *curve, corners);
                double low[2] = {DBL_MAX, DBL_MAX};
                double high[2] = {-DBL_MAX, -DBL_MAX};
                for (const double* corner : corners) {
                    double local[2];
                    ToCurrentUcs(corner, local);
                    for (int axis = 0; axis < 2; ++axis) {
                        low[axis] = std::min(low[axis], local[axis]);
                        high[axis] = std::max(high[axis], local[axis]);
                    }
                }
                Widen(matrix, low[0], low[1], min, max);
                Widen(matrix, high[0], high[1], min, max);
            }
        }
        for (int key : m_active[KIND_POINT]) {
            const T_POINT_D* point = model->FindPoint(IdOfKey(key));
            if (point && point->work == 1)
                widenByPoint(*point);
        }
    }
    return min[0] != DBL_MAX;
}

bool CScene::GetDepthExtents(double min[3], double max[3]) const
{
    SetEmptyBox(min, max);
    return false;
}
