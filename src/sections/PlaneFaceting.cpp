// Covering a plane section with triangles for display by an advancing front of
// directed edges: each edge that still needs a triangle on its left takes the
// boundary point that sees it under the largest angle, unless the two new
// sides would cross the front.

#include "model/Geometry.h"
#include "model/SectModel.h"
#include "sections/SectionLoopGeometry.h"

#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr size_t kReservedEdges = 5000;
// The front grows while it is worked off, so progress is shown as a share of
// the present front on a fixed scale.
constexpr int kProgressScale = 1000;

enum FacetingResult { FACETING_CORRUPTED = 0, FACETING_CANCELLED = 1, FACETING_DONE = 2 };

struct T_FACET_EDGE_D {
    int firstPoint = 0;
    int secondPoint = 0;
    bool firstIsCandidate = false;
    bool secondIsCandidate = false;
    bool open = true;
};

bool RunsBetween(const T_FACET_EDGE_D& edge, int from, int to)
{
    return edge.firstPoint == from && edge.secondPoint == to;
}

// The loops' edges, once each; inner curves and chains in both directions.
std::vector<T_FACET_EDGE_D> BoundaryEdges(const T_SECTION_D& section)
{
    std::vector<T_FACET_EDGE_D> edges;
    edges.reserve(kReservedEdges);
    std::set<std::pair<int, int>> entered;
    const auto addOnce = [&edges, &entered](int from, int to) {
        if (entered.emplace(from, to).second)
            edges.push_back({from, to, false, false, true});
    };
    for (const auto& [loopId, loop] : section.loops) {
        const bool bothWays = loop->kind == LOOP_OPEN_CHAIN || loop->kind == LOOP_UNCLASSIFIED;
        for (int curveId : loop->curveIds) {
            const T_SCURVE_D& curve = SectionCurveOf(section, curveId);
            for (size_t k = 0; k + 1 < curve.pointIds.size(); ++k) {
                addOnce(curve.pointIds[k], curve.pointIds[k + 1]);
                if (bothWays)
                    addOnce(curve.pointIds[k + 1], curve.pointIds[k]);
            }
        }
    }
    return edges;
}

class FacetFront {
public:
    FacetFront(CSectModel& model, T_SECTION_D& section) : model_(model), section_(section) {}

    int Run(bool showProgress)
    {
        edges_ = BoundaryEdges(section_);
        boundaryCount_ = edges_.size();
        ProgressScope progress(showProgress ? model_.m_reporter.Ports().progress : nullptr, kProgressScale);
        for (size_t k = 0; k < edges_.size(); ++k) {
            if (showProgress)
                progress.SetPosition(static_cast<int>(k * kProgressScale / edges_.size()));
            if (model_.PollUserCancel(0))
                return FACETING_CANCELLED;
            if (edges_[k].open)
                CoverEdge(k);
        }
        if (showProgress)
            progress.SetPosition(kProgressScale);
        return FACETING_DONE;
    }

private:
    void CoverEdge(size_t k)
    {
        const int p1 = edges_[k].firstPoint;
        const int p2 = edges_[k].secondPoint;
        const double* xy1 = SectionPointXY(section_, p1);
        const double* xy2 = SectionPointXY(section_, p2);
        for (size_t u = 0; u < boundaryCount_; ++u)
            edges_[u].firstIsCandidate = edges_[u].secondIsCandidate = u != k;

        for (;;) {
            bool* bestFlag = nullptr;
            int p3 = 0;
            double bestAngle = 0.0;
            for (size_t u = 0; u < boundaryCount_; ++u) {
                T_FACET_EDGE_D& edge = edges_[u];
                for (const auto& [flag, pointId] : {std::pair{&edge.firstIsCandidate, edge.firstPoint},
                                                    std::pair{&edge.secondIsCandidate, edge.secondPoint}}) {
                    if (!*flag)
                        continue;
                    const double angle = AngleAtVertex(SectionPointXY(section_, pointId), xy1, xy2);
                    if (angle > bestAngle) {
                        bestAngle = angle;
                        bestFlag = flag;
                        p3 = pointId;
                    }
                }
            }
            if (!bestFlag)
                return;  // nothing sees the edge from its left: it stays open
            if (NewSidesCrossFront(k, SectionPointXY(section_, p3), xy1, xy2)) {
                *bestFlag = false;
                continue;
            }
            AddFacet(p1, p2, p3);
            edges_[k].open = false;
            UpdateFront(p1, p2, p3);
            return;
        }
    }

    bool NewSidesCrossFront(size_t k, const double* xy3, const double* xy1, const double* xy2) const
    {
        for (size_t u = 0; u < edges_.size(); ++u) {
            if (u == k)
                continue;
            const double* q1 = SectionPointXY(section_, edges_[u].firstPoint);
            const double* q2 = SectionPointXY(section_, edges_[u].secondPoint);
            if (SegmentsCross(xy3, xy1, q1, q2) || SegmentsCross(xy3, xy2, q1, q2))
                return true;
        }
        return false;
    }

    void AddFacet(int p1, int p2, int p3)
    {
        auto facet = std::make_unique<T_FACET_D>();
        facet->id = section_.nextFacetId++;
        facet->pointIds[0] = p1;
        facet->pointIds[1] = p2;
        facet->pointIds[2] = p3;
        section_.facets[facet->id] = std::move(facet);
    }

    // The new triangle's own sides are covered; their reverses still need a
    // triangle unless they are already on the front or border the outside.
    void UpdateFront(int p1, int p2, int p3)
    {
        bool backP3P2 = false;
        bool backP1P3 = false;
        bool sideP2P3 = false;
        bool sideP3P1 = false;
        for (size_t u = 0; u < edges_.size(); ++u) {
            T_FACET_EDGE_D& edge = edges_[u];
            const bool boundary = u < boundaryCount_;
            if (RunsBetween(edge, p3, p2))
                backP3P2 = true;
            if (RunsBetween(edge, p1, p3))
                backP1P3 = true;
            if (RunsBetween(edge, p2, p3)) {
                edge.open = false;
                sideP2P3 = true;
                backP3P2 = backP3P2 || boundary;
            }
            if (RunsBetween(edge, p3, p1)) {
                edge.open = false;
                sideP3P1 = true;
                backP1P3 = backP1P3 || boundary;
            }
        }
        if (!sideP2P3)
            edges_.push_back({p2, p3, false, false, false});
        if (!sideP3P1)
            edges_.push_back({p3, p1, false, false, false});
        if (!backP3P2)
            edges_.push_back({p3, p2, false, false, true});
        if (!backP1P3)
            edges_.push_back({p1, p3, false, false, true});
    }

    CSectModel& model_;
    T_SECTION_D& section_;
    std::vector<T_FACET_EDGE_D> edges_;
    size_t boundaryCount_ = 0;
};

} // namespace

int CSectModel::FacetPlaneSection(T_SECTION_D* section, bool showProgress)
{
    try {
        return FacetFront(*this, *section).Run(showProgress);
    } catch (const MissingSectionCurve&) {
    } catch (const MissingSectionPoint&) {
    }
    m_reporter.ReportSectionCorrupted(section->id, section->name);
    return FACETING_CORRUPTED;
}
