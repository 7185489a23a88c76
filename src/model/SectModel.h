#pragma once
// The model of one project: every record in its id-keyed maps, the id
// counters, the project settings, the undo and redo stores, the newcomer lists
// and the reporter through which its commands speak to the user. The commands
// themselves are members too, each defined in the file of its own subject.

#include "model/DxfSkippedEntities.h"
#include "model/IdLimits.h"
#include "model/MessageReporter.h"
#include "model/ModelRecords.h"
#include "model/NewcomerSegmentIndex.h"
#include "model/PointGrid.h"
#include "model/SectionRecords.h"
#include "model/UndoAction.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class ExportText;
class ProjectFileReader;
class ProjectFileWriter;

// How the section file lays out a plane section's boundaries: the section
// export starts each at its leftmost point, one point per line, holes in
// probe-point order; the group export writes each as built on one line,
// holes in the domain's order.
enum class SecRecordLayout { SectionExport, GroupExport };

// How a command that the user may cancel ended: Refused also covers a
// failure part-way, which keeps what was done before it.
enum class CommandEnd { Done, Refused, Canceled };

// A point copy made to detach curves from one another.
struct PointCopy {
    int originalId = 0;
    int copyId = 0;
};

class CSectModel {
public:
    CSectModel();
    CSectModel(const CSectModel&) = delete;
    CSectModel& operator=(const CSectModel&) = delete;

    // Settings. The document validates values before it calls these; the model
    // stores what it is given, only making the grid counts even.
    void SetTolerance(double tolerance);
    void SetAngleStep(double angleStep);
    void SetGrid(int countX, int countY, double size);

    // Lookups by id: the record or null; they report nothing.
    T_SECTION_D* FindSection(int id) const;
    T_LOOP_D* FindClosedLoop(int id) const;
    T_CURVE_D* FindCurve(int id) const;
    T_POINT_D* FindPoint(int id) const;
    T_FENODE_D* FindFeNode(int id) const;
    T_FEELEM_D* FindFeElement(int id) const;
    T_MATERIAL_D* FindMaterial(int id) const;
    T_UCS_D* FindUcs(int id) const;  // id 0 finds "GCS"
    T_GROUP_D* FindGroup(int id) const;
    T_ACTION_D* GetCurrentUndoAction() const;
    T_ACTION_D* GetCurrentRedoAction() const;
    // The current UCS; falls back to "GCS" (and resets the current id) when the
    // current UCS no longer exists.
    T_UCS_D* GetCurrentUcs();

    // First point, in ascending id order, strictly closer than the tolerance
    // (and within it on each axis); 0 when none. A grid of the points answers
    // in about constant time: it takes new points and a changed tolerance in
    // by itself, and is rebuilt after NotePointsMoved.
    int FindPointAt(const double xy[2]) const;
    // Call after moving existing points in place, or after putting points back
    // under ids they had before (undo, a read). Saving a point for undo calls
    // it too, since every command saves a point before it moves it.
    void NotePointsMoved() { ++m_pointMoves; }
    std::uint64_t PointMoves() const { return m_pointMoves; }
    // The segments of the newcomer curves, brought up to date.
    const NewcomerSegmentIndex& NewcomerSegments() const;

    // Names are compared through this, so they match without regard to case.
    // Only ASCII letters change, whatever the process locale.
    static void ToLowerCase(const std::string& name, std::string& out);

    // Deep copy: every field and every geometry record of src, added to dst's
    // maps (expected empty). The traced work maps are not copied.
    static void CopySection(const T_SECTION_D& src, T_SECTION_D& dst);

    // Empties the finite-element maps and restarts their ids at 1; does nothing
    // when there are no nodes.
    void ClearFeMesh();

    // Shows a warning and returns false when newIdCount new ids of the kind
    // would pass the kind's bound. Domain ids come from domainOwner's counter
    // (a fresh counter at 1 when null).
    bool CheckIdLimit(IdKind kind, int newIdCount, const T_SECTION_D* domainOwner = nullptr) const;

    // Undo recording. A recording with newAction true opens a new action first;
    // every recording but BeginUndoAction and SetUndoActionTitle empties the
    // redo store.
    void BeginUndoAction();
    void SetUndoActionTitle(const std::string& title);
    void RecordCreatedSection(int id, bool newAction);
    void RecordCreatedClosedLoop(int id, bool newAction);
    void RecordCreatedCurve(int id, bool newAction);
    void RecordCreatedPoint(int id, bool newAction);
    void RecordCreatedUcs(int id, bool newAction);
    void RecordCreatedGroup(int id, bool newAction);
    void RecordCreatedMaterial(int id, bool newAction);
    // The first copy per action wins; nothing is saved for an object the
    // action created.
    void SaveSectionForUndo(const T_SECTION_D* section, bool newAction);
    void SaveClosedLoopForUndo(const T_LOOP_D* loop, bool newAction);
    void SaveCurveForUndo(const T_CURVE_D* curve, bool newAction);
    void SavePointForUndo(const T_POINT_D* point, bool newAction);
    void SaveUcsForUndo(const T_UCS_D* ucs, bool newAction);
    void SaveGroupForUndo(const T_GROUP_D* group, bool newAction);
    void SaveMaterialForUndo(const T_MATERIAL_D* material, bool newAction);

    // One step back (forward); false when there is nothing to step.
    bool Undo(bool report);
    bool Redo();
    bool IsUndoEmpty() const { return m_undoTopId == 0; }
    bool IsRedoEmpty() const { return m_redoTopId == 0; }
    void ClearUndoStorage();
    void ClearRedoStorage();
    // True when an undo step was filed since the last call: the document marks
    // the project modified only for a command that changed it.
    bool TakeUndoStepFiled() { return std::exchange(m_undoStepFiled, false); }
    // Drops, newest first, the actions above the given top whose undo would
    // change nothing (every object they created is gone again, every copy
    // equals the object now); stops at the first that changes something.
    void DiscardUnchangedUndoActionsAbove(int undoTopId);
    // True when no action filed above the given top would change anything on undo.
    bool UndoActionsAboveChangeNothing(int undoTopId) const;

    // Newcomer lists: ids of the objects the latest creating command made.
    // Reads sort them, drop duplicates and ids of objects that no longer exist,
    // and keep the tidied list.
    void ClearNewcomerCurves();
    void ClearNewcomerPoints();
    void AddNewcomerSection(int id, bool clearFirst);
    void AddNewcomerClosedLoop(int id, bool clearFirst);
    void AddNewcomerCurve(int id, bool clearFirst);
    void AddNewcomerPoint(int id, bool clearFirst);
    void AddNewcomerSections(const std::vector<int>& ids, bool replace);
    void AddNewcomerClosedLoops(const std::vector<int>& ids, bool replace);
    void AddNewcomerCurves(const std::vector<int>& ids, bool replace);
    void AddNewcomerPoints(const std::vector<int>& ids, bool replace);
    void GetNewcomerSections(std::vector<int>& out);
    void GetNewcomerClosedLoops(std::vector<int>& out);
    void GetNewcomerCurves(std::vector<int>& out);
    void GetNewcomerPoints(std::vector<int>& out);

    // Looks at one pending user event between stages of long work; true when
    // the user pressed Escape and the work is to stop. Mode 0 (plane faceting)
    // asks first, mode 1 (meshing) and mode 2 (DXF import) stop at once.
    bool PollUserCancel(int mode);

    // ---- Point and curve creation, inserting points into and splitting curves (src/commands) ----
    // Positions are in the work UCS. Each command checks everything before its
    // one undo action and returns false after a refusal, having changed nothing.
    bool CreatePointByCoordinate(const double xy[2]);
    bool CreatePointsOnCurvesByRatio(const std::vector<int>& curveIds, double ratio, bool splitCurve);
    bool CreatePointsOnCurvesByInterpolation(const std::vector<int>& curveIds, int numberOfPoints, double spacing,
                                             bool splitCurve);
    bool CreatePointBetweenPointsByRatio(int pointId1, int pointId2, double ratio);
    bool CreatePointsBetweenPointsByInterpolation(int pointId1, int pointId2, int numberOfPoints, double spacing);
    // A polyline is a chain of CreateLine calls, one undo action per segment.
    bool CreateLine(const double point1[2], const double point2[2], int alignment, double width);
    bool CreateRectangle(const double corner1[2], const double corner2[2], int alignment, double width);
    // Angles in degrees, counter-clockwise from the work UCS x-axis; circles,
    // arcs and ellipses are divided by the angle step.
    bool CreateCircle(const double center[2], double radius, int alignment, double width, double startAngle);
    bool CreateCircleByTwoPoints(const double point1[2], const double point2[2], int alignment, double width);
    bool CreateCircleByThreePoints(const double p1[2], const double p2[2], const double p3[2], int alignment,
                                   double width);
    bool CreateArc(const double center[2], double radius, double angle, int alignment, double width,
                   double startAngle);
    bool CreateArcByCenterStartEnd(const double center[2], const double start[2], const double end[2],
                                   int alignment, double width);
    bool CreateArcByThreePoints(const double start[2], const double second[2], const double end[2], int alignment,
                                double width);
    bool CreateEllipse(const double center[2], double xRadius, double yRadius, int alignment, double width);
    bool CreateQuadraticCurve(const double p1[2], const double p2[2], const double p3[2], int alignment,
                              double width);
    bool CreateCubicCurve(const double p1[2], const double p2[2], const double p3[2], const double p4[2],
                          int alignment, double width);
    bool CreateBezierCurve(const double p1[2], const double p2[2], const double p3[2], const double p4[2],
                           int alignment, double width);
    bool CreateShortestPathLines(const std::vector<int>& curveIds, const double basePoint[2], bool splitCurve,
                                 int alignment, double width);
    // Services run inside the caller's undo action: the caller has opened it,
    // saved the curve, emptied the newcomer lists and checked the id limits.
    // Ratios are fractions of the curve's length; the list is sorted and
    // thinned in place.
    void InsertPointsIntoCurve(T_CURVE_D* curve, std::vector<double>& ratios);
    void SplitCurveAtPoints(T_CURVE_D* curve, std::vector<double>& ratios);
    // ---- end of point and curve creation ----

    // ---- Point topology: transforms, equalize and delete, curve chains, id filters, deleting curves,
    //      pick selectors and query reports (src/commands) ----
    // Every list a command takes has its repeated ids dropped first (the first
    // occurrence stays). Positions and angles are in the work UCS, angles in degrees.
    bool TranslatePoints(std::vector<int> pointIds, double dx, double dy);
    bool CopyPointsByTranslation(const std::vector<int>& pointIds, double dx, double dy, int times,
                                 bool connectByLine, int alignment, double width);
    bool RotatePoints(std::vector<int> pointIds, const double origin[2], double angle);
    bool CopyPointsByRotation(const std::vector<int>& pointIds, const double origin[2], double angle, int times,
                              bool connectByLine, int alignment, double width);
    bool MirrorPoints(std::vector<int> pointIds, const double linePoint1[2], const double linePoint2[2]);
    bool CopyPointsByMirroring(const std::vector<int>& pointIds, const double linePoint1[2],
                               const double linePoint2[2], bool connectByLine, int alignment, double width);

    // Merges the points into one and re-points every curve that used them; no
    // curve is left naming a deleted point. xy is read only when atCoordinate.
    bool EqualizePoints(std::vector<int> pointIds, bool atCoordinate, const double xy[2], bool deleteRedundancies,
                        bool newUndoAction);
    // Merges every snowball group of points closer than the tolerance.
    bool EqualizePointsInTolerance(std::vector<int> pointIds, double tolerance, bool atCoordinate,
                                   const double xy[2], bool deleteRedundancies, bool verbose);
    // Deletes the points and every curve left with fewer than two of them.
    bool DeletePoints(std::vector<int> pointIds, bool newUndoAction);
    // Deletes curves (never those of sections), unregisters the closed loops
    // they belong to (asking first when a loop is only partly listed) and,
    // with deletePoints, the points no remaining curve or calculated section uses.
    bool DeleteCurves(std::vector<int> curveIds, bool deletePoints, bool newUndoAction);

    // Orders curves into one connected chain of signed ids (negative = run
    // backwards); the ids left out go to rest. A missing curve empties both.
    void ChainCurves(const std::vector<int>& curveIds, std::vector<int>& chain, std::vector<int>& rest) const;
    // Deletes duplicates and broken curves among the listed ones, inside the
    // open action; curves of sections and of closed loops are never deleted.
    void DeleteDuplicateCurves(const std::vector<int>& curveIds);
    // Every curve outside the list that uses a point of a listed curve gets one
    // copy of that point at every position instead. False (after a warning)
    // when the copies would pass the point id limit; nothing changed then.
    bool UnsharePointsOfCurves(const std::vector<int>& curveIds);
    // Detaching chosen points, inside the open undo action. A copy is a full
    // copy of the point under a new id, recorded as created; every curve and
    // section that changes is saved first. At most one copy per point: the
    // caller has checked the point id limit for that many. Missing and
    // repeated point ids are passed over; the copies come back in the order
    // of pointIds, and the newcomer lists are left to the caller.
    // - The moving curves take a copy of each point that stays behind: one
    //   that a curve outside movingCurveIds uses, or the centroid point of a
    //   calculated section outside movingSectionIds. Every occurrence in the
    //   moving curves takes the copy.
    std::vector<PointCopy> DetachPointsOfMovingCurves(const std::vector<int>& movingCurveIds,
                                                      const std::vector<int>& movingSectionIds,
                                                      const std::vector<int>& pointIds);
    // - Every curve outside keptCurveIds that uses one of the points takes one
    //   copy of it at every position, and a calculated section whose centroid
    //   point it is takes the copy as its centroid point, so the point can
    //   move alone.
    std::vector<PointCopy> DetachPointsFromOtherCurves(const std::vector<int>& keptCurveIds,
                                                       const std::vector<int>& pointIds);
    // Joins listed collinear two-point lines at joints no other curve uses;
    // drops the absorbed curves from the list. Curves of sections and closed
    // loops are never merged and stay listed.
    void MergeStraightLines(std::vector<int>& curveIds, double angleTolerance);

    // Id filters: drop, in place and keeping the order, the curves or points
    // that sections or registered closed loops protect; true when any was
    // dropped. Ids that name nothing stay.
    bool RemoveSectionCurves(std::vector<int>& curveIds) const;
    bool RemoveClosedLoopCurves(std::vector<int>& curveIds) const;
    bool RemoveSectionPoints(std::vector<int>& pointIds) const;
    bool RemoveClosedLoopPoints(std::vector<int>& pointIds) const;
    // Whether the selection covers every closed loop it touches whole.
    bool AreClosedLoopsComplete(const std::vector<int>& curveIds) const;
    bool AreClosedLoopPointsComplete(const std::vector<int>& pointIds) const;

    // Pick selectors: clear *result, then fill it with matching ids,
    // ascending, each once. They change and print nothing.
    void PickCentroidPointsOfSections(const std::vector<int>& sectionIds, std::vector<int>* result) const;
    void PickPointsOfCurve(int curveId, std::vector<int>* result) const;
    void PickPointsOfClosedLoop(int loopId, std::vector<int>* result) const;
    void PickPointsOfSection(int sectionId, std::vector<int>* result) const;
    void PickCurvesByWidth(double width, std::vector<int>* result) const;
    void PickCurvesByAlignment(int alignment, std::vector<int>* result) const;
    void PickCurvesOfClosedLoop(int loopId, std::vector<int>* result) const;
    void PickCurvesOfSection(int sectionId, std::vector<int>* result) const;
    void PickSectionsByName(std::string name, std::vector<int>* result) const;
    void PickSectionsByType(int type, std::vector<int>* result) const;
    void PickSectionsByLocation(double location, std::vector<int>* result) const;
    void PickSectionsWithoutLocation(std::vector<int>* result) const;
    // Calculated sections only, compared strictly.
    void PickSectionsByAreaGreater(double value, std::vector<int>* result) const;
    void PickSectionsByAreaLess(double value, std::vector<int>* result) const;
    void PickSectionsByIxxGreater(double value, std::vector<int>* result) const;
    void PickSectionsByIxxLess(double value, std::vector<int>* result) const;
    void PickSectionsByIyyGreater(double value, std::vector<int>* result) const;
    void PickSectionsByIyyLess(double value, std::vector<int>* result) const;
    void PickSectionsByIxyGreater(double value, std::vector<int>* result) const;
    void PickSectionsByIxyLess(double value, std::vector<int>* result) const;
    void PickSectionsByJGreater(double value, std::vector<int>* result) const;
    void PickSectionsByJLess(double value, std::vector<int>* result) const;

    // Query reports: lines in the output window; false (after the not-found
    // box) when the object is missing. QueryPoint remembers the point for the
    // distance line of the next one.
    bool QueryPoint(int pointId);
    bool QueryCurve(int curveId);
    bool QuerySection(int sectionId);
    // ---- end of point topology ----

    // ---- Curve editing: converting widths, merging, splitting, reversing and changing widths
    //      (src/commands) ----
    // Every curve list has its repeated ids dropped first. Each command checks
    // everything before its one undo action and changes nothing when it refuses.
    // Draws the bands of the curves' widths as lines: the start and end sides,
    // the left and right sides, or all four, optionally deleting the curves.
    bool ConvertCurveWidths(std::vector<int> curveIds, bool startEndSides, bool leftRightSides,
                            bool deleteSourceCurve);
    // Joins the curves that meet end to end into one curve per chain; the
    // chain's first curve keeps its id, width and alignment.
    bool MergeCurves(std::vector<int> curveIds);
    // Cuts the curve wherever its point list passes one of the given points
    // between its first and last position; no coordinate is compared.
    bool SplitCurve(int curveId, const std::vector<int>* pointIds);
    // Reverses the point lists; swapLeftRight keeps each wall on its side,
    // otherwise the calculated line sections whose walls move are invalidated.
    bool ReverseCurves(const std::vector<int>* curveIds, bool swapLeftRight);
    // alignment 0 Center, 1 Left, 2 Right, 3 swaps Left and Right. Asks before
    // a width passes a curve's length.
    bool ChangeCurveWidths(const std::vector<int>* curveIds, bool changeAlignment, int alignment,
                           bool changeWidth, double width);
    // ---- Curve editing: moving and copying curves, fillet, extend and scaling lines (src/commands) ----
    // Repeated curve ids are dropped first (the first occurrence stays); titles
    // and counts use the distinct ids. Positions and angles are in the work
    // UCS, angles in degrees. Each command checks everything it can before its
    // one undo action; a refusal changes nothing. No edit moves a calculated
    // section's centroid point off its centroid.
    // The Move mode skips curves of sections and moves closed loops only
    // whole; the moving curves take copies of the points they share with
    // curves that stay. A mirror image swaps LEFT and RIGHT.
    bool TranslateCurves(std::vector<int> curveIds, double dx, double dy);
    bool RotateCurves(std::vector<int> curveIds, const double origin[2], double angle);
    bool MirrorCurves(std::vector<int> curveIds, const double linePoint1[2], const double linePoint2[2]);
    // The Copy mode copies any curve as a free curve onto the points it finds
    // at the images, making the others; connecting lines chain each end point
    // through its images.
    bool CopyCurvesByTranslation(const std::vector<int>& curveIds, double dx, double dy, int times,
                                 bool connectByLine, int alignment, double width);
    bool CopyCurvesByRotation(const std::vector<int>& curveIds, const double origin[2], double angle, int times,
                              bool connectByLine, int alignment, double width);
    bool CopyCurvesByMirroring(const std::vector<int>& curveIds, const double linePoint1[2],
                               const double linePoint2[2], bool connectByLine, int alignment, double width);
    // Joins two free lines by an arc of the radius tangent to both, divided
    // by the angle step, moving their near ends onto it; a radius below 1e-6
    // moves both near ends to the crossing of the lines instead. Other curves
    // keep copies of the near ends. A width of 0 or less gives the arc the
    // lines' common width, if any.
    bool FilletCurves(int curveId1, int curveId2, double radius, int alignment, double width);
    // Lengthens each listed open curve at its end nearer to the base curve
    // (both ends when about as near) along its end segment to the line of the
    // base's nearest segment: the end moves there (other curves keep a copy),
    // or takes the point already there. The meeting points go into the base,
    // or cut it with splitCurve. Curves of sections and closed loops are
    // skipped; an end is never pulled back.
    bool ExtendCurves(int baseCurveId, std::vector<int> curveIds, bool splitCurve);
    // Scales free lines (curves of at most two points) by the ratio about
    // their midpoints; a line end that anything else holds is given a point
    // of its own first. Longer curves are passed over silently.
    bool ScaleLines(std::vector<int> curveIds, double ratio);
    // ---- end of curve editing ----

    // ---- UCS, units, materials, groups and the invalidation of results ----
    // Work UCS. An id that no UCS has falls back to "GCS". Neither records undo.
    T_UCS_D* SetCurrentUcs(int ucsId);
    T_UCS_D* SetGcsCurrent();
    // Mode 0 takes origin and angle as global values; mode 1 reads the two
    // x-axis points in the work UCS. Clashes of names or of the resulting
    // system are questions; the GCS (id 0) is never redefined or deleted.
    bool CreateUcs(int definitionMode, const std::string& name, const double origin[2], double angle,
                   const double axisPoint1[2], const double axisPoint2[2]);
    bool RedefineUcs(int ucsId, int definitionMode, const std::string& name, const double origin[2],
                     double angle, const double axisPoint1[2], const double axisPoint2[2]);
    bool DeleteUcs(int ucsId);

    // Stores the new unit codes and converts every stored magnitude to them,
    // after asking unless quiet. Converting empties both undo stores, whose
    // copies hold the old units; so does a force change with no material to
    // convert, since the copies may hold one. Answered No, the stores stay:
    // nothing was converted, so the copies read as the model does.
    void ChangeUnitSystem(int lengthUnit, int forceUnit, bool quiet);

    // Material ids are typed by the user. Changing E or the ratio of a material,
    // or deleting it, invalidates the calculated plane sections that mix it
    // with other materials.
    bool CreateMaterial(int id, const std::string& name, double elasticModulus, double poissonRatio);
    bool RedefineMaterial(int id, const std::string& name, double elasticModulus, double poissonRatio);
    bool DeleteMaterial(int id);

    // Groups are found by name without regard to case, the lowest id first.
    bool CreateGroup(const std::string& name);
    bool DeleteGroup(const std::string& name);
    bool RenameGroup(const std::string& name, const std::string& newName);
    bool MergeGroups(const std::string& sourceName, const std::string& targetName, bool deleteSource);
    bool QueryGroup(const std::string& name);
    // Adding a section brings its curves and their points; adding a curve its
    // points. Ids that no object has are dropped. A name that no group has
    // makes the group.
    bool AddToGroup(const std::string& name, const std::vector<int>& sectionIds, const std::vector<int>& curveIds,
                    const std::vector<int>& pointIds, bool newAction);
    bool ExpelFromGroup(const std::string& name, const std::vector<int>& sectionIds,
                        const std::vector<int>& curveIds, const std::vector<int>& pointIds);
    // The getters append the live members to out; the group keeps its dead
    // ids, whose objects undo may bring back.
    void GetGroupSections(const std::string& name, std::vector<int>& out);
    void GetGroupCurves(const std::string& name, std::vector<int>& out);
    void GetGroupPoints(const std::string& name, std::vector<int>& out);
    void GetGroupClosedLoops(const std::string& name, std::vector<int>& out);
    // Puts a new section into the caller's undo action; an empty name does nothing.
    void AddNewSectionToGroup(const std::string& groupName, int sectionId);
    // A copy of the group with only the ids of objects that exist, in order.
    T_GROUP_D LiveGroupMembers(const T_GROUP_D& group) const;

    // Marks the section's results out of date inside the open undo action and
    // drops its centroid point unless something else still uses it. Prints
    // nothing; null does nothing.
    void InvalidateSectionProperties(T_SECTION_D* section);
    // ---- end of UCS, units, materials, groups and invalidation ----

    // ---- Section generation (src/sections) and closed-loop registration (src/commands) ----
    // Type 1 plane, 2 line section. Returns the new section's id, 0 after a
    // refusal; a refused generation leaves the model as it was.
    int GenerateSection(std::string name, int type, std::vector<int> curveIds, bool hasLocation, double location,
                        const int color[3], const char* groupName, bool mergeStraightLines,
                        double mergeAngleTolerance);
    // The line builder opens the generation's undo action unless the caller
    // already has (inOpenUndoAction: point copies made for the same command).
    int GenerateLineSection(std::string name, const std::vector<int>* curveIds, bool hasLocation, double location,
                            const int color[3], const char* groupName, bool inOpenUndoAction = false);
    // One island of a plane section from the curves of the list; records no
    // undo. The merge of straight lines may rewrite the list.
    int BuildPlaneSection(std::string name, std::vector<int>* curveIds, bool hasLocation, double location,
                          const int colour[3], bool mergeStraightLines, double mergeAngle);
    // 2 done, 1 cancelled by the user, 0 corrupted section data (reported).
    int FacetPlaneSection(T_SECTION_D* section, bool showProgress);
    // Rebuilds the section's loops and domains from its curves and tags the facets.
    bool BuildPlaneDomains(T_SECTION_D* section);
    bool RegisterClosedLoop(const std::vector<int>& curveIds);
    bool UnregisterClosedLoops(const std::vector<int>& closedLoopIds);
    // Undoes, newest first and without a word, every action above the given
    // top and drops their inverses, so a refused command leaves no trace.
    void RevertUndoActionsAbove(int undoTopId);
    // Joins the newest undo action into the one below it, as if its
    // recordings had gone there.
    void FoldTopUndoActionIntoPrevious();
    // ---- end of section generation and closed-loop registration ----

    // ---- Section commands: domain material, deleting, moving and arranging sections (src/sections) ----
    // The commands over section ids drop repeated ids first, the first
    // occurrence staying; titles and counts use the distinct ids.
    // Gives the material (0 removes it) to the (section id, domain id) pairs,
    // repeats counted, and with setAsBaseMaterial makes it each section's
    // chosen base material. A calculated section is invalidated only when its
    // used domains mix materials, or share one while some of its domains are
    // left out of the pairs.
    bool AssignDomainMaterial(const std::vector<std::pair<int, int>>* pairs, int materialId,
                              bool setAsBaseMaterial);
    // Without deleteCurves the sections' curves stay as free curves. With it
    // they go too, with the closed loops through them and the points that no
    // remaining curve uses and that are no centroid point of a calculated
    // section that stays.
    bool DeleteSections(const std::vector<int>* sectionIds, bool deleteCurves);
    // Move sections rigidly with the model curves they were generated from;
    // the input is in the work UCS, the angle in degrees. The moving curves
    // take copies of the points that stay behind: those a curve outside them
    // uses and the centroid points of calculated sections that do not move;
    // the copies become the newcomer points. Translation keeps calculated
    // properties and moves the centroid points along (a centroid point that
    // stays behind is replaced by a copy first); rotation invalidates them.
    bool TranslateSections(const std::vector<int>* sectionIds, double dx, double dy);
    bool RotateSections(std::vector<int> sectionIds, const double origin[2], double angle);
    // Lays the sections out in a matrix of equal cells centred on the global
    // origin. orderMode 0 creation, 1 name, 2 location, 3 to 9 A, Asx, Asy,
    // Ixx, Iyy, Ixy, J (largest first); rows or columns below 1 are derived.
    // Each section is shifted alone, taking copies of the points it shares
    // with any other curve. Without newUndoAction it records into the open
    // action and prints nothing. False, silently, for fewer than two
    // sections or an unknown order mode.
    bool ArrangeSections(std::vector<int> sectionIds, int orderMode, int rows, int columns, bool newUndoAction);
    // ---- end of section commands ----

    // ---- Sectional properties (src/calc) and redefining a section (src/sections) ----
    // Meshes every used domain of a plane section into the finite-element
    // maps, renumbered; level 1 (coarse) to 5 (fine) decides the mesh size
    // unless |meshSize| > 1e-6. False (maps empty) after a mesher failure, a
    // poor mesh or an ordering failure, each reported.
    bool MeshPlaneSection(T_SECTION_D* section, int level, double meshSize);
    // True when no element of the finite-element maps is badly distorted.
    // False, unfinished, once the watched run is cancelled (CancelWatch); the
    // caller asks the watch.
    bool CheckMeshQuality() const;
    // Both run inside the caller's open undo action, into which a new centroid
    // point is recorded. The plane one integrates the mesh MeshPlaneSection
    // left. False (reported) leaves the section uncalculated without a
    // centroid point.
    bool CalcPlaneSectionProperties(T_SECTION_D* section);
    bool CalcLineSectionProperties(T_SECTION_D* section);
    // Changes name, location and/or colour, asking about clashes with other
    // sections unless the caller has settled them already. True when changed.
    bool RedefineSection(int sectionId, std::string name, bool redefineLocation, double location,
                         bool redefineColor, const int color[3], bool clashesSettled = false);
    // ---- end of sectional properties and redefining a section ----

    // Project file (io/ProjectFile*.cpp). A save replaces the old file only
    // once the new one is complete; a read goes into a model of its own and
    // changes nothing here unless the whole file was sound. Both report their
    // failures and return false.
    bool WriteProjectFile(const std::string& path);
    bool ReadProjectFile(const std::string& path, bool report);
    // The same in memory: the whole project's bytes (purging the groups), and
    // a read of bytes whose messages name the reader's path.
    void WriteProjectContents(ProjectFileWriter& file);
    bool ReadProjectFile(ProjectFileReader& file, bool report);
    void WriteSectionRecord(ProjectFileWriter& file, const T_SECTION_D* section) const;
    void ReadSectionRecord(ProjectFileReader& file, T_SECTION_D* section) const;
    void WriteDomainRecord(ProjectFileWriter& file, const T_DOMAIN_D* domain) const;
    void ReadDomainRecord(ProjectFileReader& file, T_DOMAIN_D* domain) const;
    void WriteSectionLoopRecord(ProjectFileWriter& file, const T_LOOP_D* loop) const;
    void ReadSectionLoopRecord(ProjectFileReader& file, T_LOOP_D* loop) const;
    void WriteSectionCurveRecord(ProjectFileWriter& file, const T_SCURVE_D* curve) const;
    void ReadSectionCurveRecord(ProjectFileReader& file, T_SCURVE_D* curve) const;
    void WriteFacetRecord(ProjectFileWriter& file, const T_FACET_D* facet) const;
    void ReadFacetRecord(ProjectFileReader& file, T_FACET_D* facet) const;
    void WritePointRecord(ProjectFileWriter& file, const T_POINT_D* point) const;
    void ReadPointRecord(ProjectFileReader& file, T_POINT_D* point) const;
    void WriteClosedLoopRecord(ProjectFileWriter& file, const T_LOOP_D* loop) const;
    void ReadClosedLoopRecord(ProjectFileReader& file, T_LOOP_D* loop) const;
    void WriteCurveRecord(ProjectFileWriter& file, const T_CURVE_D* curve) const;
    void ReadCurveRecord(ProjectFileReader& file, T_CURVE_D* curve) const;
    void WriteMaterialRecord(ProjectFileWriter& file, const T_MATERIAL_D* material) const;
    void ReadMaterialRecord(ProjectFileReader& file, T_MATERIAL_D* material) const;
    void WriteUcsRecord(ProjectFileWriter& file, const T_UCS_D* ucs) const;
    void ReadUcsRecord(ProjectFileReader& file, T_UCS_D* ucs) const;
    void WriteGroupRecord(ProjectFileWriter& file, const T_GROUP_D* group) const;
    void ReadGroupRecord(ProjectFileReader& file, T_GROUP_D* group) const;

    // Export of chosen sections or a group as a project of its own, numbered
    // from 1 (io/ProjectFileExport.cpp).
    bool ExportSectionsToProjectFile(std::vector<int> sectionIds, const char* path);
    bool ExportGroupToProjectFile(std::string groupName, const char* path);
    bool WriteProjectSubset(std::vector<int> sectionIds, std::vector<int> loopIds, std::vector<int> curveIds,
                            std::vector<int> pointIds, std::vector<int> materialIds, const char* path);

    // ---- Exports to other programs (io/*Export.cpp, io/TextReport.cpp, io/SectionFileRecords.cpp) ----
    // They read the model and change nothing in it: no undo action, work
    // field, extent or group list. A group's dead member ids are skipped. Each
    // builds the whole file, then stores it in place of any file at the path;
    // false after a box when nothing was written.
    // Section tables for the sibling analysis programs: product 1 is Pylor
    // (.pyf), any other Zol (.kwf); the product changes only the output line.
    bool ExportSectionsToAnalysisFile(std::vector<int> sectionIds, const char* path, int product) const;
    bool ExportGroupToAnalysisFile(std::string groupName, const char* path, int product) const;
    bool ExportPropertiesToAnalysisFile(const char* path, int product) const;
    // A DXF drawing of LINE, TEXT and POINT entities only.
    bool WriteDxfFile(std::vector<int> sectionIds, std::vector<int> curveIds, std::vector<int> pointIds,
                      const char* path) const;
    bool ExportSectionsToDxf(std::vector<int> sectionIds, const char* path) const;
    bool ExportGroupToDxf(std::string groupName, const char* path) const;
    bool ExportProjectToDxf(const char* path) const;
    // The text report of calculated properties, dated by the reporter's
    // clock. With report false the caller speaks to the user.
    bool ExportSectionsToText(std::vector<int> sectionIds, const char* path, bool report) const;
    bool ExportGroupToText(std::string groupName, const char* path) const;
    bool ExportPropertiesToText(const char* path) const;
    // The section file (.sec) and its records. A record writer writes nothing
    // and returns false when a record it needs is missing.
    bool ExportSectionsToSecFile(std::vector<int> sectionIds, const char* path) const;
    bool ExportGroupToSecFile(std::string groupName, const char* path) const;
    bool WritePlaneSectionRecord(const T_SECTION_D* section, int number, ExportText& out,
                                 SecRecordLayout layout = SecRecordLayout::SectionExport) const;
    bool WriteLineSectionRecord(const T_SECTION_D* section, int number, ExportText& out) const;
    // Rotates a closed list of the section's points to start at its leftmost
    // one: least x beyond the tolerance, then greatest y.
    void RotateLoopToLeftmostPoint(const T_SECTION_D* section, std::vector<int>* pointIds) const;
    // Reorders the section's loops by their probe points, leftmost first.
    void SortLoopsByProbePoint(const T_SECTION_D* section, std::vector<int>* loopIds) const;
    // The sum of the curve's existing points over its point count; (0, 0)
    // for a missing curve.
    void GetCurveMeanPoint(int curveId, double xy[2]) const;
    // ---- end of exports ----

    // ---- DXF import (io/Dxf*.cpp) and intersecting curves (commands/CurveIntersection.cpp) ----
    // The import command: the begin step opens the action "Import DXF file"
    // and empties the newcomer lists, or refuses (false, nothing changed) when
    // no group id is left; after the read, the finish step offers the check
    // for crossings and duplicates (not past 499 curves) and groups what the
    // import made as "DXF:" followed by name.
    bool BeginDxfImport();
    void FinishDxfImport(const char* name);
    // Reads the POINT, LINE, ARC, CIRCLE, ELLIPSE and 3DFACE entities of the
    // drawing that lie in the XY plane on layers neither frozen nor off, turned
    // by rz degrees about the origin and then shifted by txy, into points and
    // curves recorded in the open undo action and appended to the newcomer
    // lists, then reports what it made and what it passed over, and why.
    // False (after a message) when the file cannot be opened or holds
    // no "EOF" group in text form, and when the user cancels the read (all it
    // made taken back); true once the entities were read.
    bool ReadDxfFile(const char* path, const double txy[2], double rz);
    // Converters of one placed entity. They reuse points within the tolerance
    // and make no curve of fewer than two distinct points; an entity that
    // makes nothing, other than a repeat, is counted in m_dxfSkipped by why.
    // Angles and ellipse parameters are in degrees, counter-clockwise. False
    // only when the new ids would pass the id limit (after its warning);
    // nothing is made then.
    bool ImportDxfPoint(const double xy[2]);
    bool ImportDxfLine(const double start[2], const double end[2]);
    bool ImportDxfArc(const double centre[2], double radius, double startAngle, double endAngle);
    bool ImportDxfCircle(const double centre[2], double radius);
    bool ImportDxfEllipse(const double centre[2], const double majorAxis[2], double ratio, double startParam,
                          double endParam);
    bool ImportDxf3DFace(const double p1[2], const double p2[2], const double p3[2], const double p4[2]);
    // The entities of the current read that made nothing, counted by why;
    // the read reports them after its summary.
    DxfSkippedEntities m_dxfSkipped;
    // Puts a point wherever the listed curves cross or touch one another, into
    // each curve or cutting it there, then deletes the curves that became
    // duplicates. Curves of sections are skipped; with newUndoAction false it
    // records into the open action. False when it refused.
    bool IntersectCurves(std::vector<int> curveIds, bool splitCurves, bool newUndoAction);
    // The same, telling a cancel by the user (Escape while it shows its
    // progress) from a refusal. A cancelled run leaves the model, the undo and
    // redo store and the newcomer lists as they were before it.
    CommandEnd RunIntersectCurves(std::vector<int> curveIds, bool splitCurves, bool newUndoAction);
    // ---- end of DXF import and intersecting curves ----

    IdMap<T_SECTION_D> m_sections;
    IdMap<T_LOOP_D> m_closedLoops;
    IdMap<T_CURVE_D> m_curves;
    IdMap<T_POINT_D> m_points;
    IdMap<T_FENODE_D> m_feNodes;
    IdMap<T_FEELEM_D> m_feElements;
    IdMap<T_ACTION_D> m_undoActions;
    IdMap<T_ACTION_D> m_redoActions;
    IdMap<T_UCS_D> m_ucs;  // always holds "GCS" under id 0
    IdMap<T_GROUP_D> m_groups;
    int m_undoTopId = 0;  // key of the newest undo action; 0 = nothing to undo
    int m_redoTopId = 0;
    bool m_undoStepFiled = false;  // see TakeUndoStepFiled
    int m_currentUcsId = 0;  // 0 = "GCS"; not saved
    int m_lastQueriedPointId = 0;  // not saved
    IdMap<T_MATERIAL_D> m_materials;
    int m_headerValue = 0;  // carried through the project file's header
    std::vector<int> m_newcomerSections;
    std::vector<int> m_newcomerClosedLoops;
    std::vector<int> m_newcomerCurves;
    std::vector<int> m_newcomerPoints;
    int m_lengthUnit = 3;  // mm
    int m_forceUnit = 3;  // kgf
    int m_gridCountX = 50;  // always even
    int m_gridCountY = 50;
    double m_gridSize = 100.0;
    // Next ids: a new object takes the value, then the counter goes up; ids are
    // never given back.
    int m_nextSectionId = 1;
    int m_nextClosedLoopId = 1;
    int m_nextCurveId = 1;
    int m_nextPointId = 1;
    int m_nextFeNodeId = 1;
    int m_nextFeElementId = 1;
    int m_nextMaterialId = 1;  // used by project merges; users type material ids
    int m_nextUcsId = 1;
    int m_nextGroupId = 1;
    CMessageReporter m_reporter;
    double m_tolerance = 1.0;
    double m_angleStep = 10.0;  // degrees per division of circles, arcs and ellipses
    int m_versionWord = 20051227;  // of the project file last read

private:
    // Brings the look-up grid up to date with the points and the tolerance.
    void SyncPointGrid() const;

    mutable PointGrid m_pointGrid;
    mutable std::uint64_t m_pointGridMoves = 0;  // m_pointMoves when the grid was built
    mutable int m_pointGridLastId = 0;  // the highest id in the grid
    mutable NewcomerSegmentIndex m_newcomerSegments;
    std::uint64_t m_pointMoves = 1;  // the grid starts out of date

    // True when undoing the action would change nothing in the model.
    bool ActionChangesNothing(const T_ACTION_D& step) const;
    // Empties the redo store and returns the action a recording goes into.
    T_ACTION_D& ActionForRecording(bool newAction);
    // Moves the top action of one store back into the model, filing its
    // inverse in the other store; prints reportPrefix and the title unless
    // reportPrefix is null.
    bool StepAction(IdMap<T_ACTION_D>& from, int& fromTopId, IdMap<T_ACTION_D>& to, int& toTopId,
                    const char* reportPrefix);
};
