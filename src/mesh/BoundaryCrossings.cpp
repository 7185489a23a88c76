#include "mesh/BoundaryCrossings.h"

#include <algorithm>

namespace {

struct Segment {
    MeshPoint a;
    MeshPoint b;
    double xLow;
    double xHigh;
    double yLow;
    double yHigh;
};

int SideOf(const MeshPoint& a, const MeshPoint& b, const MeshPoint& c)
{
    const double area = TwiceSignedArea(a, b, c);
    return area > 0.0 ? 1 : area < 0.0 ? -1 : 0;
}

bool CrossInside(const Segment& s, const Segment& t)
{
    return SideOf(s.a, s.b, t.a) * SideOf(s.a, s.b, t.b) < 0 && SideOf(t.a, t.b, s.a) * SideOf(t.a, t.b, s.b) < 0;
}

} // namespace

bool BoundaryCrossesItself(const std::vector<std::vector<MeshPoint>>& polylines)
{
    std::vector<Segment> segments;
    for (const std::vector<MeshPoint>& line : polylines) {
        for (size_t i = 1; i < line.size(); ++i) {
            const MeshPoint& a = line[i - 1];
            const MeshPoint& b = line[i];
            segments.push_back({a, b, std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y), std::max(a.y, b.y)});
        }
    }
    // A sweep along x: each segment meets only those that start before it ends.
    std::sort(segments.begin(), segments.end(), [](const Segment& s, const Segment& t) { return s.xLow < t.xLow; });
    for (size_t i = 0; i < segments.size(); ++i) {
        for (size_t j = i + 1; j < segments.size() && segments[j].xLow <= segments[i].xHigh; ++j) {
            if (segments[j].yLow <= segments[i].yHigh && segments[i].yLow <= segments[j].yHigh
                && CrossInside(segments[i], segments[j]))
                return true;
        }
    }
    return false;
}
