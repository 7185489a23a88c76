// The loops and domains of a new plane section: every face of the curve
// network is traced once with the face on its left, curves run backwards get
// reversed twins, each loop is classified by its winding, and each domain
// outline becomes a domain holding the holes directly inside it.

#include "model/Geometry.h"
#include "model/SectModel.h"
#include "sections/SectionLoopGeometry.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr double kInsideWinding = 350.0;
constexpr double kOutsideWinding = 10.0;
constexpr double kFacetInsideWinding = 345.0;
constexpr double kFacetOutsideWinding = 15.0;

int UnsignedId(int signedCurveId)
{
    return signedCurveId < 0 ? -signedCurveId : signedCurveId;
}

bool IsLoopKindBothWays(int kind)
{
    return kind == LOOP_OPEN_CHAIN || kind == LOOP_UNCLASSIFIED;
}

T_LOOP_D& SectionLoop(const T_SECTION_D& section, int loopId)
{
    T_LOOP_D* loop = section.FindLoop(loopId);
    if (!loop)
        throw MissingSectionCurve{};
    return *loop;
}

// The curves of every domain's loops, each once, in domain, loop and curve
// order, with their tracing fields reset for the loop kind they sit in.
std::vector<T_SCURVE_D*> PrepareTracing(const T_SECTION_D& section)
{
    std::vector<T_SCURVE_D*> curves;
    for (const auto& [domainId, domain] : section.domains) {
        for (int loopId : domain->loopIds) {
            const T_LOOP_D& loop = SectionLoop(section, loopId);
            for (int entry : loop.curveIds) {
                T_SCURVE_D& curve = SectionCurveOf(section, entry);
                const bool inner = IsLoopKindBothWays(loop.kind);
                curve.twoSided = inner;
                curve.tracingState = inner ? TRACE_BOTH_WAYS : TRACE_FORWARD_ONLY;
                curve.firstPointJunctions.clear();
                curve.lastPointJunctions.clear();
                if (std::find(curves.begin(), curves.end(), &curve) == curves.end())
                    curves.push_back(&curve);
            }
        }
    }
    return curves;
}

// Which curves each curve can continue into at its ends. A boundary curve is
// only ever entered forwards, and only a two-sided curve is left through its
// first point.
void LinkJunctions(const std::vector<T_SCURVE_D*>& curves)
{
    for (T_SCURVE_D* a : curves) {
        if (a->pointIds.size() < 2)
            throw MissingSectionPoint{};
        for (const T_SCURVE_D* c : curves) {
            if (c->id == a->id || c->pointIds.size() < 2)
                continue;
            const int aFirst = a->pointIds.front();
            const int aLast = a->pointIds.back();
            const int cFirst = c->pointIds.front();
            const int cLast = c->pointIds.back();
            if (aFirst == cFirst && a->twoSided)
                a->firstPointJunctions.push_back({c->id, true});
            if (aFirst == cLast && a->twoSided && c->twoSided)
                a->firstPointJunctions.push_back({c->id, false});
            if (aLast == cLast && c->twoSided)
                a->lastPointJunctions.push_back({c->id, false});
            if (aLast == cFirst && a->pointIds[a->pointIds.size() - 2] != c->pointIds[1])
                a->lastPointJunctions.push_back({c->id, true});
        }
    }
}

bool ListsCurve(const std::vector<CurveJunction>& junctions, int curveId, bool availableOnly,
                const T_SECTION_D& section)
{
    for (const CurveJunction& junction : junctions) {
        if (junction.curveId != curveId)
            continue;
        if (!availableOnly)
            return true;
        const T_SCURVE_D* curve = section.FindCurve(junction.curveId);
        if (curve && curve->tracingState != TRACE_USED_UP)
            return true;
    }
    return false;
}

// The run closes on a curve it already holds at position k: the loop is the
// rest of the run, or starts one later where the run's last curve can turn
// straight into the curve after k.
void CloseRun(T_SECTION_D& section, const std::vector<int>& run, size_t k)
{
    const T_SCURVE_D& last = SectionCurveOf(section, run.back());
    const bool leavesByFirstPoint =
        last.tracingState == TRACE_BACKWARD_ONLY || last.tracingState == TRACE_BOTH_WAYS;
    const std::vector<CurveJunction>& junctions =
        leavesByFirstPoint ? last.firstPointJunctions : last.lastPointJunctions;
    size_t from = k;
    if (k + 1 < run.size() && run.size() != 3 && ListsCurve(junctions, UnsignedId(run[k + 1]), false, section))
        from = k + 1;
    section.AddTracedLoop(std::vector<int>(run.begin() + static_cast<std::ptrdiff_t>(from), run.end()));
}

// The run ended without closing. The chain is the part after the last place
// where the run passed another way on; what comes before is traced again.
void EndRunAsChain(T_SECTION_D& section, const std::vector<int>& run)
{
    size_t from = 0;
    for (size_t i = run.size() - 1; i-- > 0;) {
        const T_SCURVE_D& curve = SectionCurveOf(section, run[i]);
        const std::vector<CurveJunction>& junctions =
            run[i] > 0 ? curve.lastPointJunctions : curve.firstPointJunctions;
        const int nextCurveId = UnsignedId(run[i + 1]);
        const bool otherWayOn = std::any_of(junctions.begin(), junctions.end(), [&](const CurveJunction& junction) {
            const T_SCURVE_D* other = section.FindCurve(junction.curveId);
            return junction.curveId != nextCurveId && other && other->tracingState != TRACE_USED_UP;
        });
        if (otherWayOn) {
            from = i + 1;
            break;
        }
    }
    section.AddTracedChain(std::vector<int>(run.begin() + static_cast<std::ptrdiff_t>(from), run.end()));
}

// Traces every loop and chain, always taking the sharpest left turn.
void TraceLoopsAndChains(T_SECTION_D& section)
{
    for (;;) {
        const int startId = section.FindAvailableCurve();
        if (startId == 0)
            return;
        const T_SCURVE_D& start = SectionCurveOf(section, startId);
        int c = start.tracingState == TRACE_BACKWARD_ONLY ? -startId : startId;
        if (start.pointIds.front() == start.pointIds.back()) {
            section.AddTracedLoop({c});
            continue;
        }
        std::vector<int> run;
        for (;;) {
            const auto held = std::find_if(run.begin(), run.end(),
                                           [c](int entry) { return UnsignedId(entry) == UnsignedId(c); });
            if (held != run.end()) {
                CloseRun(section, run, static_cast<size_t>(held - run.begin()));
                break;
            }
            run.push_back(c);
            c = section.FindNextLoopCurve(c);
            if (c == 0) {
                EndRunAsChain(section, run);
                break;
            }
        }
    }
}

// Gives each backward entry of the traced loops a reversed twin and
// classifies the loops by the winding about their probe points.
void MakeTwinsAndClassify(T_SECTION_D& section)
{
    for (auto& [tracedId, loop] : section.tracedLoops) {
        for (int& entry : loop->curveIds) {
            if (entry > 0)
                continue;
            T_SCURVE_D& curve = SectionCurveOf(section, entry);
            auto twin = std::make_unique<T_SCURVE_D>();
            twin->id = section.nextCurveId++;
            twin->meshDivisions = curve.meshDivisions;
            twin->pointIds.assign(curve.pointIds.rbegin(), curve.pointIds.rend());
            twin->twinCurveId = curve.id;
            twin->tracingState = TRACE_USED_UP;
            curve.twinCurveId = twin->id;
            entry = twin->id;
            section.curves[twin->id] = std::move(twin);
        }
        loop->kind = LOOP_UNCLASSIFIED;
        double probe[2];
        if (!section.GetLoopProbePoint(loop.get(), probe))
            throw MissingSectionPoint{};
        const double winding = std::fabs(LoopAngleSum(section, *loop, probe));
        if (winding > kInsideWinding)
            loop->kind = LOOP_DOMAIN_OUTLINE;
        else if (winding < kOutsideWinding)
            loop->kind = LOOP_HOLE_OUTLINE;
    }
}

// Chains run every curve forwards in the curve's own point order.
void StraightenChains(T_SECTION_D& section)
{
    for (auto& [tracedId, chain] : section.tracedChains) {
        for (int& entry : chain->curveIds) {
            if (entry > 0)
                continue;
            T_SCURVE_D& curve = SectionCurveOf(section, entry);
            std::reverse(curve.pointIds.begin(), curve.pointIds.end());
            entry = curve.id;
        }
    }
}

void ReplaceSectionLoops(T_SECTION_D& section)
{
    section.loops.clear();
    section.nextLoopId = 1;
    const auto addLoops = [&section](const IdMap<T_LOOP_D>& traced, bool chains) {
        for (const auto& [tracedId, run] : traced) {
            auto loop = std::make_unique<T_LOOP_D>();
            loop->id = section.nextLoopId++;
            loop->kind = chains ? LOOP_OPEN_CHAIN : run->kind;
            loop->curveIds = run->curveIds;
            for (int curveId : loop->curveIds)
                SectionCurveOf(section, curveId);
            section.loops[loop->id] = std::move(loop);
        }
    };
    addLoops(section.tracedLoops, false);
    addLoops(section.tracedChains, true);
    section.ClearTracedLoops();
}

// One domain per domain outline, holding the outline and every loop inside it;
// then the loops inside an outline nested in the domain go to that outline's
// own domain.
void ReplaceDomains(T_SECTION_D& section)
{
    section.domains.clear();
    section.nextDomainId = 1;
    for (const auto& [loopId, loop] : section.loops) {
        if (loop->kind != LOOP_DOMAIN_OUTLINE)
            continue;
        auto domain = std::make_unique<T_DOMAIN_D>();
        domain->id = section.nextDomainId++;
        domain->loopIds.push_back(loopId);
        for (const auto& [otherId, other] : section.loops) {
            if (otherId != loopId && section.IsLoopInsideLoop(other.get(), loop.get()))
                domain->loopIds.push_back(otherId);
        }
        section.domains[domain->id] = std::move(domain);
    }

    std::vector<int> emptied;
    for (auto& [domainId, domain] : section.domains) {
        std::vector<const T_LOOP_D*> outlines;
        for (int loopId : domain->loopIds) {
            const T_LOOP_D& loop = SectionLoop(section, loopId);
            if (loop.kind == LOOP_DOMAIN_OUTLINE)
                outlines.push_back(&loop);
        }
        for (size_t k = 1; k < outlines.size(); ++k) {
            const T_LOOP_D* nested = outlines[k];
            std::erase_if(domain->loopIds, [&section, nested](int loopId) {
                return loopId == nested->id || section.IsLoopInsideLoop(section.FindLoop(loopId), nested);
            });
        }
        if (domain->loopIds.empty())
            emptied.push_back(domainId);
    }
    for (int domainId : emptied)
        section.domains.erase(domainId);
}

// Whether the domain's outline holds the point and none of its holes does.
bool DomainHoldsPoint(const T_SECTION_D& section, const T_DOMAIN_D& domain, const double pt[2])
{
    for (int loopId : domain.loopIds) {
        const T_LOOP_D& loop = SectionLoop(section, loopId);
        if (loop.kind == LOOP_DOMAIN_OUTLINE && std::fabs(LoopAngleSum(section, loop, pt)) < kFacetOutsideWinding)
            return false;
        if (loop.kind == LOOP_HOLE_OUTLINE && std::fabs(LoopAngleSum(section, loop, pt)) > kFacetInsideWinding)
            return false;
    }
    return true;
}

void TagFacets(T_SECTION_D& section)
{
    for (auto& [facetId, facet] : section.facets) {
        double centroid[2] = {0.0, 0.0};
        for (int pointId : facet->pointIds) {
            const double* xy = SectionPointXY(section, pointId);
            centroid[0] += xy[0] / 3.0;
            centroid[1] += xy[1] / 3.0;
        }
        for (const auto& [domainId, domain] : section.domains) {
            if (DomainHoldsPoint(section, *domain, centroid)) {
                facet->domainId = domainId;
                break;
            }
        }
    }
}

int CountDomainOutlines(const T_SECTION_D& section)
{
    return static_cast<int>(std::count_if(section.loops.begin(), section.loops.end(),
                                           [](const auto& entry) { return entry.second->kind == LOOP_DOMAIN_OUTLINE; }));
}

} // namespace

bool CSectModel::BuildPlaneDomains(T_SECTION_D* section)
{
    try {
        LinkJunctions(PrepareTracing(*section));
        TraceLoopsAndChains(*section);
        MakeTwinsAndClassify(*section);
        StraightenChains(*section);
        ReplaceSectionLoops(*section);
        if (!CheckIdLimit(IdKind::Domain, CountDomainOutlines(*section)))
            return false;
        ReplaceDomains(*section);
    } catch (const MissingSectionCurve&) {
        return m_reporter.ReportSectionCorrupted(section->id, section->name);
    } catch (const MissingSectionPoint&) {
        return m_reporter.ReportSectionCorrupted(section->id, section->name);
    }

    // A facet whose corner is missing ends the building without a word.
    try {
        TagFacets(*section);
    } catch (const MissingSectionPoint&) {
        return false;
    } catch (const MissingSectionCurve&) {
        return m_reporter.ReportSectionCorrupted(section->id, section->name);
    }
    return true;
}
