#pragma once
// Where the cursor snaps: to the nearest grid node on screen, to the nearest
// active point, or to the point when both are equally near. Plain arithmetic
// over a projection callback, so it runs without a window.

#include <cmath>
#include <functional>
#include <vector>

// A point the cursor may snap to, in current-UCS drawing coordinates.
struct SnapCandidate {
    int id = 0;
    double x = 0.0;
    double y = 0.0;
};

struct SnapRequest {
    int mouseX = 0;
    int mouseY = 0;
    bool gridSnap = false;  // grid snap on and the grid shown
    bool pointSnap = false;
    int gridCountHorizontal = 0;
    int gridCountVertical = 0;
    double gridSize = 0.0;
    std::vector<SnapCandidate> points;  // the active points in key order
    // The corners of a zoom or select window snap to the endless grid, so a
    // window beyond the drawn grid keeps the size the user dragged: the nodes
    // around this drawing-coordinate position are tried instead of the drawn
    // ones.
    bool endlessGrid = false;
    double mouseInDrawing[2] = {0.0, 0.0};
};

struct SnapResult {
    bool snapped = false;
    int screen[2] = {-1, -1};  // client pixels, truncated
    double point[2] = {0.0, 0.0};  // current-UCS drawing coordinates
    int pointId = -1;  // set only when point snap is on
};

// Client pixels (x right, y down) of a drawing-coordinate point.
using ProjectToClient = std::function<void(double x, double y, double client[2])>;

// The grid nodes as the grid is drawn: x = i * size over the vertical count,
// y = j * size over the horizontal count, i outer, both ascending.
template <typename Visit>
void ForEachGridNode(int countHorizontal, int countVertical, double size, Visit&& visit)
{
    for (int i = -countVertical; i <= countVertical; ++i) {
        for (int j = -countHorizontal; j <= countHorizontal; ++j)
            visit(i * size, j * size);
    }
}

// The nodes of the endless grid around a drawing-coordinate position: the
// nearest one and its eight neighbours, in the drawn grid's order. A grid of
// no size has the one node at the origin.
template <typename Visit>
void ForEachEndlessGridNodeNear(double x, double y, double size, Visit&& visit)
{
    if (!(size > 0.0)) {
        visit(0.0, 0.0);
        return;
    }
    const double nearestI = std::round(x / size);
    const double nearestJ = std::round(y / size);
    for (double i = nearestI - 1.0; i <= nearestI + 1.0; i += 1.0) {
        for (double j = nearestJ - 1.0; j <= nearestJ + 1.0; j += 1.0)
            visit(i * size, j * size);
    }
}

// Grid nodes: the first strictly nearest wins. Points: the last nearest in
// key order wins, and beats the grid node at an equal or smaller distance.
SnapResult SnapCursorTo(const SnapRequest& request, const ProjectToClient& project);
