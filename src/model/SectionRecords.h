#pragma once
// A section and the geometry records only a section holds: its own copies of
// points, curves and loops, its domains and its plane facets, each keyed by an
// id unique within the section.

#include "model/ModelRecords.h"

#include <string>
#include <vector>

enum SectionType { SECTION_PLANE = 1, SECTION_LINE = 2 };

// Positions of the calculated values in T_SECTION_D::results.
enum SectionResult {
    RESULT_A,
    RESULT_ASX,
    RESULT_ASY,
    RESULT_IXX,
    RESULT_IYY,
    RESULT_IXY,
    RESULT_J,
    RESULT_CX_PLUS,
    RESULT_CX_MINUS,
    RESULT_CY_PLUS,
    RESULT_CY_MINUS,
    RESULT_COUNT
};

struct T_SECTION_D;

// A calculated value as the user is shown it: a product of inertia below 1e-12
// of sqrt(Ixx * Iyy) is the rounding left by a symmetric section and reads 0.
double ShownResult(const T_SECTION_D& section, SectionResult result);

// Tracing state of a section curve: which directions are still to be traced.
enum CurveTracingState {
    TRACE_USED_UP = 0,
    TRACE_FORWARD_ONLY = 1,
    TRACE_BACKWARD_ONLY = 2,
    TRACE_BOTH_WAYS = 3,
};

struct T_DOMAIN_D {
    int id = 0;
    bool used = true;  // takes part in the calculation
    bool workFlag = false;  // scratch flag of the interactive domain-state command; not saved
    int materialId = 0;  // 0 = none assigned
    std::vector<int> loopIds;  // the outline first, then the loops inside it
};

// Another section curve meeting a curve at one of its ends.
struct CurveJunction {
    int curveId = 0;
    bool startsAtJoint = false;  // true: it begins at the joint and continuing runs it forward
};

// A section's own copy of a curve.
struct T_SCURVE_D {
    int id = 0;
    int twinCurveId = 0;  // the reversed copy made for a curve run backwards; 0 = none
    int meshDivisions = 0;
    std::vector<int> pointIds;  // section points in order
    std::vector<int> meshNodeIds;  // boundary mesh nodes along the curve
    std::vector<int> meshNodeWork;  // the mesher's work copy of meshNodeIds
    bool twoSided = false;  // an inner curve, traced once in each direction; not saved
    std::vector<CurveJunction> firstPointJunctions;
    std::vector<CurveJunction> lastPointJunctions;
    int tracingState = TRACE_USED_UP;
};

// One triangle of the plane faceting.
struct T_FACET_D {
    int id = 0;
    int highlight = 0;  // the facet's domain id while the island message shows; else 0
    int domainId = 0;
    int pointIds[3] = {0, 0, 0};
};

struct T_SECTION_D {
    int id = 0;
    int workMark = 0;  // scratch value of commands that run over many sections; not saved
    int type = SECTION_PLANE;
    std::string name;
    int assignedBaseMaterialId = 0;  // chosen by the user
    int colour[3] = {0, 0, 0};  // red, green, blue
    std::vector<int> curveIds;  // model curves the section was generated from
    bool propertiesCalculated = false;
    double triple1[3] = {0.0, 0.0, 0.0};  // carried and saved; nothing gives them a meaning
    double triple2[3] = {0.0, 0.0, 0.0};
    double boxMin[2] = {0.0, 0.0};  // bounding box, filled by the commands that place sections
    double boxMax[2] = {0.0, 0.0};
    IdMap<T_DOMAIN_D> domains;
    IdMap<T_LOOP_D> loops;
    IdMap<T_SCURVE_D> curves;
    IdMap<T_FACET_D> facets;
    IdMap<T_POINT_D> points;
    bool hasLocation = false;
    double location = 0.0;  // a length
    bool propertiesModifiedByHand = false;
    int centroidPointId = 0;  // model point at the centroid; 0 = none
    int baseMaterialId = 0;  // written by the calculation
    double results[RESULT_COUNT] = {};  // in the project's current units
    int nextDomainId = 1;
    int nextLoopId = 1;
    int nextCurveId = 1;
    int nextFacetId = 1;
    int nextPointId = 1;
    // Work maps of loop tracing; neither copied nor saved.
    IdMap<T_LOOP_D> tracedLoops;
    IdMap<T_LOOP_D> tracedChains;

    // Lookups in the section's own maps; null when absent. They report nothing.
    T_DOMAIN_D* FindDomain(int id) const;
    T_LOOP_D* FindLoop(int id) const;
    T_SCURVE_D* FindCurve(int id) const;
    T_POINT_D* FindPoint(int id) const;

    // Loop tracing over the section curves' tracing states and junctions.
    int FindAvailableCurve() const;
    int FindNextLoopCurve(int signedCurveId) const;
    void AddTracedLoop(const std::vector<int>& signedCurveIds);
    void AddTracedChain(const std::vector<int>& signedCurveIds);
    void ClearTracedLoops();

    // Nesting tests. Loop entries with a negative id run their curve backwards.
    // GetLoopProbePoint returns false and leaves out unchanged when the loop's
    // curve or points are missing.
    bool GetLoopProbePoint(const T_LOOP_D* loop, double out[2]) const;
    bool IsLoopInsideLoop(const T_LOOP_D* inner, const T_LOOP_D* outer) const;
    bool IsPointInsideLoop(const double pt[2], const T_LOOP_D* loop) const;
};
