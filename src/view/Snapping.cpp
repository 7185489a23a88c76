#include "view/Snapping.h"

#include <cfloat>
#include <cmath>

namespace {

double Distance(double x1, double y1, double x2, double y2)
{
    return std::hypot(x1 - x2, y1 - y2);
}

}  // namespace

SnapResult SnapCursorTo(const SnapRequest& request, const ProjectToClient& project)
{
    SnapResult result;
    const double mx = request.mouseX;
    const double my = request.mouseY;
    double best = DBL_MAX;
    if (request.gridSnap) {
        double nearest = DBL_MAX;
        const auto visitNode = [&](double x, double y) {
            double client[2];
            project(x, y, client);
            const double distance = Distance(client[0], client[1], mx, my);
            if (distance < nearest) {
                nearest = distance;
                result.screen[0] = static_cast<int>(client[0]);
                result.screen[1] = static_cast<int>(client[1]);
                result.point[0] = x;
                result.point[1] = y;
            }
        };
        if (request.endlessGrid)
            ForEachEndlessGridNodeNear(request.mouseInDrawing[0], request.mouseInDrawing[1], request.gridSize,
                                       visitNode);
        else
            ForEachGridNode(request.gridCountHorizontal, request.gridCountVertical, request.gridSize, visitNode);
        if (nearest < DBL_MAX) {
            best = Distance(result.screen[0], result.screen[1], mx, my);
            result.snapped = true;
        }
    }
    if (request.pointSnap) {
        result.pointId = -1;
        double nearest = DBL_MAX;
        int screen[2] = {0, 0};
        const SnapCandidate* winner = nullptr;
        for (const SnapCandidate& candidate : request.points) {
            double client[2];
            project(candidate.x, candidate.y, client);
            const double distance = Distance(client[0], client[1], mx, my);
            if (distance <= nearest) {
                nearest = distance;
                screen[0] = static_cast<int>(client[0]);
                screen[1] = static_cast<int>(client[1]);
                winner = &candidate;
            }
        }
        if (winner && Distance(screen[0], screen[1], mx, my) <= best) {
            result.screen[0] = screen[0];
            result.screen[1] = screen[1];
            result.point[0] = winner->x;
            result.point[1] = winner->y;
            result.pointId = winner->id;
            result.snapped = true;
        }
    }
    return result;
}
