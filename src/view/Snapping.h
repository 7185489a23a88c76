#pragma once
// Where the cursor snaps: to the nearest grid node on screen, to the nearest
// active point, or to the point when both are equally near. Plain arithmetic
// over a projection callback, so it runs without a window.

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

// Grid nodes: the first strictly nearest wins. Points: the last nearest in
// key order wins, and beats the grid node at an equal or smaller distance.
SnapResult SnapCursorTo(const SnapRequest& request, const ProjectToClient& project);
