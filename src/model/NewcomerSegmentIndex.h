#pragma once
// The segments of the newcomer curves, filed by their ends, so that a DXF
// import can ask whether it made a segment or an edge before without walking
// everything it imported so far.

#include "model/PointGrid.h"

#include <cstdint>
#include <unordered_set>
#include <vector>

class CSectModel;

class NewcomerSegmentIndex {
public:
    // Files the curves appended to the model's newcomer list since the last
    // call; any other change to the list, the points or the tolerance files
    // everything again.
    void Sync(const CSectModel& model);

    // Whether some segment runs from within the tolerance of a to within it
    // of b, in either direction.
    bool HasSegmentNear(const double a[2], const double b[2]) const;
    // Whether a curve of at most two points runs from i to j, in either order.
    bool HasShortCurveJoining(int i, int j) const;

private:
    struct Segment {
        double start[2];
        double end[2];
    };

    void Reset(const CSectModel& model);
    void File(const CSectModel& model, int curveId);
    static std::uint64_t EdgeKey(int i, int j);

    double tolerance_ = 0.0;
    std::uint64_t pointMoves_ = 0;
    std::size_t curveCount_ = 0;  // newcomer curves filed
    int firstCurveId_ = 0;
    int lastCurveId_ = 0;
    std::vector<Segment> segments_;
    PointGrid ends_;  // segment index * 2 for the start, + 1 for the end
    std::unordered_set<std::uint64_t> shortCurveEdges_;
};
