#pragma once
// Plain records of a project. The model keeps each kind in an ordered map keyed
// by id; the map owns its records. A record's copy constructor copies every
// field, which is the full copy the undo store and the merge rely on.

#include <climits>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Ordered, owning id map: ascending order decides every "lowest id first" and
// "first found" rule, so it is never an unordered map.
template <class T>
using IdMap = std::map<int, std::unique_ptr<T>>;

// The record of that id, or null.
template <class T>
T* FindRecord(const IdMap<T>& map, int id)
{
    const auto found = map.find(id);
    return found == map.end() ? nullptr : found->second.get();
}

// Curve alignment: where the width band lies relative to the curve.
enum CurveAlignment { ALIGN_CENTER = 1, ALIGN_LEFT = 2, ALIGN_RIGHT = 3 };

// A point of the model, and also a point of a section's own geometry.
struct T_POINT_D {
    int id = 0;
    int work = 0;  // scratch value of a running command; not saved
    double xy[2] = {0.0, 0.0};  // global coordinates, current length unit
    double further[3] = {0.0, 0.0, 0.0};  // carried and saved; never scaled by a unit change
};

// A curve: a polyline through points. A closed curve repeats its first point id
// at the end.
struct T_CURVE_D {
    int id = 0;
    int work = 0;  // scratch value; plane-section building keeps the id of the section's copy here
    int alignment = ALIGN_CENTER;
    double width = 0.0;  // 0 = no width assigned
    int sectionId = 0;  // section generated from this curve; 0 = none
    std::vector<int> closedLoopIds;  // model closed loops that run through the curve
    std::vector<int> pointIds;
};

// A closed loop of the model, a loop of a section, or a traced loop or chain.
// Curve ids are negative where the run goes from the curve's last point to its
// first.
struct T_LOOP_D {
    int id = 0;
    int kind = 0;  // see LoopKind for the loops of a section; 0 for model closed loops
    std::vector<int> curveIds;
};

// Curve id of a signed loop entry; 0 (no curve) for the one value without a
// positive counterpart.
inline int UnsignedCurveId(int signedCurveId)
{
    return signedCurveId == INT_MIN ? 0 : (signedCurveId < 0 ? -signedCurveId : signedCurveId);
}

// Kinds of the loops of a section.
enum LoopKind {
    LOOP_DOMAIN_OUTLINE = 1,  // closed, counter-clockwise, the domain on its left
    LOOP_HOLE_OUTLINE = 2,    // closed, clockwise
    LOOP_OPEN_CHAIN = 3,
    LOOP_UNCLASSIFIED = 4,
};

struct T_MATERIAL_D {
    int id = 0;  // typed by the user, at least 1
    int spare = 0;  // carried and saved; 0 on creation, nothing gives it a meaning
    std::string name;
    double elasticModulus = 0.0;  // force per length squared
    double poissonRatio = 0.0;
};

// How a UCS was defined.
enum UcsDefinitionMode { UCS_BY_ORIGIN_AND_ANGLE = 0, UCS_BY_TWO_AXIS_POINTS = 1 };

// A user coordinate system; id 0 is the global system "GCS". The transforms use
// only the effective origin and angle.
struct T_UCS_D {
    int id = 0;
    std::string name;
    int definitionMode = UCS_BY_ORIGIN_AND_ANGLE;
    double enteredOrigin[2] = {0.0, 0.0};
    double enteredAngle = 0.0;  // degrees
    double axisPoint1[2] = {0.0, 0.0};  // global; only used by the two-point definition
    double axisPoint2[2] = {0.0, 0.0};
    double origin[2] = {0.0, 0.0};  // effective origin, global coordinates
    double angle = 0.0;  // effective angle, degrees counter-clockwise from the global x-axis

    // UCS coordinates to global ones: rotation by the angle, then shift by the
    // origin. The GCS (id 0) copies the point whatever it holds. in and out may
    // be the same array.
    void ToGlobal(const double in[2], double out[2]) const;
    // The inverse of ToGlobal.
    void ToLocal(const double in[2], double out[2]) const;
};

struct T_GROUP_D {
    int id = 0;
    std::string name;
    std::vector<int> sectionIds;
    std::vector<int> curveIds;
    std::vector<int> pointIds;

    bool HasNoMembers() const { return sectionIds.empty() && curveIds.empty() && pointIds.empty(); }
};

// Finite-element node of the section being calculated; never saved.
struct T_FENODE_D {
    int id = 0;
    int renumberedIndex = 0;  // filled by the node renumbering
    bool boundary = false;
    double xy[2] = {0.0, 0.0};
    std::vector<int> elementIds;  // elements that use the node
};

// Finite-element element of the section being calculated; never saved.
struct T_FEELEM_D {
    int id = 0;
    int spare = 0;  // always 0
    int materialId = 0;  // material of its domain
    std::vector<int> nodeIds;  // three or four, counter-clockwise
    double modularRatio = 1.0;  // element modulus over the base material's
};
