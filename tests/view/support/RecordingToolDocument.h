#pragma once
// The document interface played by a test: every call is recorded as the
// member's name with its arguments, "CreateLine((0, 0), (100, 0), 1, 0)",
// in order. Commands answer the result the test set for the member (true
// when none was set); result lists receive the ids the test set; the model
// and the busy flag are the test's own.

#include "frame/ToolDocument.h"
#include "support/ScriptedUserPorts.h"

#include <map>
#include <string>
#include <vector>

// A point argument, shown as "(x, y)".
struct RecordedPoint {
    const double* xy;
};
// A colour argument, shown as "(r, g, b)".
struct RecordedColour {
    const int* rgb;
};

std::string RecordedArgument(int value);
std::string RecordedArgument(double value);
std::string RecordedArgument(bool value);
std::string RecordedArgument(const std::string& value);
std::string RecordedArgument(const std::vector<int>& ids);
// (section, domain) pairs, shown as "[(1, 2), (1, 3)]".
std::string RecordedArgument(const std::vector<std::pair<int, int>>& pairs);
std::string RecordedArgument(RecordedPoint point);
std::string RecordedArgument(RecordedColour colour);

class RecordingToolDocument : public IToolDocument {
public:
    RecordingToolDocument();

    CSectModel* GetModel() override { return &model; }
    bool IsBusy() const override { return busy; }

    bool CreateUcs(int definitionMode, const std::string& name, const double origin[2], double angle, const double axisPoint1[2], const double axisPoint2[2]) override { return Answer("CreateUcs", definitionMode, name, P(origin), angle, P(axisPoint1), P(axisPoint2)); }
    bool RedefineUcs(int ucsId, int definitionMode, const std::string& name, const double origin[2], double angle, const double axisPoint1[2], const double axisPoint2[2]) override { return Answer("RedefineUcs", ucsId, definitionMode, name, P(origin), angle, P(axisPoint1), P(axisPoint2)); }
    bool DeleteUcs(int ucsId) override { return Answer("DeleteUcs", ucsId); }
    T_UCS_D* SetCurrentUcs(int ucsId) override { Record("SetCurrentUcs", ucsId); return WorkUcs(); }
    T_UCS_D* SetGcsCurrent() override { Record("SetGcsCurrent"); return WorkUcs(); }

    bool CreatePointByCoordinate(const double xy[2]) override { return Answer("CreatePointByCoordinate", P(xy)); }
    bool CreatePointsOnCurvesByRatio(const std::vector<int>& curveIds, double ratio, bool splitCurve) override { return Answer("CreatePointsOnCurvesByRatio", curveIds, ratio, splitCurve); }
    bool CreatePointsOnCurvesByInterpolation(const std::vector<int>& curveIds, int numberOfPoints, double spacing, bool splitCurve) override { return Answer("CreatePointsOnCurvesByInterpolation", curveIds, numberOfPoints, spacing, splitCurve); }
    bool CreatePointBetweenPointsByRatio(int pointId1, int pointId2, double ratio) override { return Answer("CreatePointBetweenPointsByRatio", pointId1, pointId2, ratio); }
    bool CreatePointsBetweenPointsByInterpolation(int pointId1, int pointId2, int numberOfPoints, double spacing) override { return Answer("CreatePointsBetweenPointsByInterpolation", pointId1, pointId2, numberOfPoints, spacing); }
    bool TranslatePoints(std::vector<int> pointIds, double dx, double dy) override { return Answer("TranslatePoints", pointIds, dx, dy); }
    bool CopyPointsByTranslation(const std::vector<int>& pointIds, double dx, double dy, int times, bool connectByLine, int alignment, double width) override { return Answer("CopyPointsByTranslation", pointIds, dx, dy, times, connectByLine, alignment, width); }
    bool RotatePoints(std::vector<int> pointIds, const double origin[2], double angle) override { return Answer("RotatePoints", pointIds, P(origin), angle); }
    bool CopyPointsByRotation(const std::vector<int>& pointIds, const double origin[2], double angle, int times, bool connectByLine, int alignment, double width) override { return Answer("CopyPointsByRotation", pointIds, P(origin), angle, times, connectByLine, alignment, width); }
    bool MirrorPoints(std::vector<int> pointIds, const double linePoint1[2], const double linePoint2[2]) override { return Answer("MirrorPoints", pointIds, P(linePoint1), P(linePoint2)); }
    bool CopyPointsByMirroring(const std::vector<int>& pointIds, const double linePoint1[2], const double linePoint2[2], bool connectByLine, int alignment, double width) override { return Answer("CopyPointsByMirroring", pointIds, P(linePoint1), P(linePoint2), connectByLine, alignment, width); }
    bool EqualizePoints(std::vector<int> pointIds, bool atCoordinate, const double xy[2], bool deleteRedundancies) override { return Answer("EqualizePoints", pointIds, atCoordinate, P(xy), deleteRedundancies); }
    bool EqualizePointsInTolerance(std::vector<int> pointIds, double tolerance, bool atCoordinate, const double xy[2], bool deleteRedundancies) override { return Answer("EqualizePointsInTolerance", pointIds, tolerance, atCoordinate, P(xy), deleteRedundancies); }
    bool DeletePoints(std::vector<int> pointIds) override { return Answer("DeletePoints", pointIds); }
    void PickCentroidPointsOfSections(const std::vector<int>& sectionIds, std::vector<int>* result) override { Fill(*result, "PickCentroidPointsOfSections", sectionIds); }
    void PickPointsOfCurve(int curveId, std::vector<int>* result) override { Fill(*result, "PickPointsOfCurve", curveId); }
    void PickPointsOfClosedLoop(int loopId, std::vector<int>* result) override { Fill(*result, "PickPointsOfClosedLoop", loopId); }
    void PickPointsOfSection(int sectionId, std::vector<int>* result) override { Fill(*result, "PickPointsOfSection", sectionId); }
    bool QueryPoint(int pointId) override { return Answer("QueryPoint", pointId); }

    bool CreateLine(const double point1[2], const double point2[2], int alignment, double width) override { return Answer("CreateLine", P(point1), P(point2), alignment, width); }
    bool CreateRectangle(const double corner1[2], const double corner2[2], int alignment, double width) override { return Answer("CreateRectangle", P(corner1), P(corner2), alignment, width); }
    bool CreateCircle(const double center[2], double radius, int alignment, double width) override { return Answer("CreateCircle", P(center), radius, alignment, width); }
    bool CreateCircleByTwoPoints(const double point1[2], const double point2[2], int alignment, double width) override { return Answer("CreateCircleByTwoPoints", P(point1), P(point2), alignment, width); }
    bool CreateCircleByThreePoints(const double p1[2], const double p2[2], const double p3[2], int alignment, double width) override { return Answer("CreateCircleByThreePoints", P(p1), P(p2), P(p3), alignment, width); }
    bool CreateArc(const double center[2], double radius, double angle, int alignment, double width) override { return Answer("CreateArc", P(center), radius, angle, alignment, width); }
    bool CreateArcByCenterStartEnd(const double center[2], const double start[2], const double end[2], int alignment, double width) override { return Answer("CreateArcByCenterStartEnd", P(center), P(start), P(end), alignment, width); }
    bool CreateArcByThreePoints(const double start[2], const double second[2], const double end[2], int alignment, double width) override { return Answer("CreateArcByThreePoints", P(start), P(second), P(end), alignment, width); }
    bool CreateEllipse(const double center[2], double xRadius, double yRadius, int alignment, double width) override { return Answer("CreateEllipse", P(center), xRadius, yRadius, alignment, width); }
    bool CreateQuadraticCurve(const double p1[2], const double p2[2], const double p3[2], int alignment, double width) override { return Answer("CreateQuadraticCurve", P(p1), P(p2), P(p3), alignment, width); }
    bool CreateCubicCurve(const double p1[2], const double p2[2], const double p3[2], const double p4[2], int alignment, double width) override { return Answer("CreateCubicCurve", P(p1), P(p2), P(p3), P(p4), alignment, width); }
    bool CreateBezierCurve(const double p1[2], const double p2[2], const double p3[2], const double p4[2], int alignment, double width) override { return Answer("CreateBezierCurve", P(p1), P(p2), P(p3), P(p4), alignment, width); }
    bool CreateShortestPathLines(const std::vector<int>& curveIds, const double basePoint[2], bool splitCurve, int alignment, double width) override { return Answer("CreateShortestPathLines", curveIds, P(basePoint), splitCurve, alignment, width); }

    bool RegisterClosedLoop(const std::vector<int>& curveIds) override { return Answer("RegisterClosedLoop", curveIds); }
    bool UnregisterClosedLoops(const std::vector<int>& closedLoopIds) override { return Answer("UnregisterClosedLoops", closedLoopIds); }
    bool IntersectCurves(std::vector<int> curveIds, bool splitCurves) override { return Answer("IntersectCurves", curveIds, splitCurves); }
    bool DeleteCurves(std::vector<int> curveIds, bool deletePoints) override { return Answer("DeleteCurves", curveIds, deletePoints); }
    bool ConvertCurveWidths(std::vector<int> curveIds, bool startEndSides, bool leftRightSides, bool deleteSourceCurve) override { return Answer("ConvertCurveWidths", curveIds, startEndSides, leftRightSides, deleteSourceCurve); }
    bool MergeCurves(std::vector<int> curveIds) override { return Answer("MergeCurves", curveIds); }
    bool SplitCurve(int curveId, const std::vector<int>& pointIds) override { return Answer("SplitCurve", curveId, pointIds); }
    bool ReverseCurves(const std::vector<int>& curveIds, bool swapLeftRight) override { return Answer("ReverseCurves", curveIds, swapLeftRight); }
    bool ChangeCurveWidths(const std::vector<int>& curveIds, bool changeAlignment, int alignment, bool changeWidth, double width) override { return Answer("ChangeCurveWidths", curveIds, changeAlignment, alignment, changeWidth, width); }
    bool TranslateCurves(std::vector<int> curveIds, double dx, double dy) override { return Answer("TranslateCurves", curveIds, dx, dy); }
    bool CopyCurvesByTranslation(const std::vector<int>& curveIds, double dx, double dy, int times, bool connectByLine, int alignment, double width) override { return Answer("CopyCurvesByTranslation", curveIds, dx, dy, times, connectByLine, alignment, width); }
    bool RotateCurves(std::vector<int> curveIds, const double origin[2], double angle) override { return Answer("RotateCurves", curveIds, P(origin), angle); }
    bool CopyCurvesByRotation(const std::vector<int>& curveIds, const double origin[2], double angle, int times, bool connectByLine, int alignment, double width) override { return Answer("CopyCurvesByRotation", curveIds, P(origin), angle, times, connectByLine, alignment, width); }
    bool MirrorCurves(std::vector<int> curveIds, const double linePoint1[2], const double linePoint2[2]) override { return Answer("MirrorCurves", curveIds, P(linePoint1), P(linePoint2)); }
    bool CopyCurvesByMirroring(const std::vector<int>& curveIds, const double linePoint1[2], const double linePoint2[2], bool connectByLine, int alignment, double width) override { return Answer("CopyCurvesByMirroring", curveIds, P(linePoint1), P(linePoint2), connectByLine, alignment, width); }
    bool FilletCurves(int curveId1, int curveId2, double radius, int alignment, double width) override { return Answer("FilletCurves", curveId1, curveId2, radius, alignment, width); }
    bool ExtendCurves(int baseCurveId, std::vector<int> curveIds, bool splitCurve) override { return Answer("ExtendCurves", baseCurveId, curveIds, splitCurve); }
    bool ScaleLines(std::vector<int> curveIds, double ratio) override { return Answer("ScaleLines", curveIds, ratio); }
    void PickCurvesByWidth(double width, std::vector<int>* result) override { Fill(*result, "PickCurvesByWidth", width); }
    void PickCurvesByAlignment(int alignment, std::vector<int>* result) override { Fill(*result, "PickCurvesByAlignment", alignment); }
    void PickCurvesOfClosedLoop(int loopId, std::vector<int>* result) override { Fill(*result, "PickCurvesOfClosedLoop", loopId); }
    void PickCurvesOfSection(int sectionId, std::vector<int>* result) override { Fill(*result, "PickCurvesOfSection", sectionId); }
    bool QueryCurve(int curveId) override { return Answer("QueryCurve", curveId); }

    void GenerateSection(const std::string& name, int type, const std::vector<int>& curveIds, bool hasLocation, double location, const int color[3], const std::string& groupName, bool calculateNow, bool mergeStraightLines, double mergeAngleTolerance) override { Record("GenerateSection", name, type, curveIds, hasLocation, location, C(color), groupName, calculateNow, mergeStraightLines, mergeAngleTolerance); }
    void RedefineSection(int sectionId, const std::string& name, bool redefineLocation, double location, bool redefineColor, const int color[3]) override { Record("RedefineSection", sectionId, name, redefineLocation, location, redefineColor, C(color)); }
    void CalculateProperties(const std::vector<int>& sectionIds, int meshLevel, double meshSize, bool recalculate, bool pauseAfterEach) override { Record("CalculateProperties", sectionIds, meshLevel, meshSize, recalculate, pauseAfterEach); }
    void GetSectionLocations(std::vector<double>& locations) override { Record("GetSectionLocations"); locations = sectionLocations; }
    bool TranslateSections(const std::vector<int>& sectionIds, double dx, double dy) override { return Answer("TranslateSections", sectionIds, dx, dy); }
    bool RotateSections(std::vector<int> sectionIds, const double origin[2], double angle) override { return Answer("RotateSections", sectionIds, P(origin), angle); }
    bool DeleteSections(const std::vector<int>& sectionIds, bool deleteCurves) override { return Answer("DeleteSections", sectionIds, deleteCurves); }
    bool ArrangeSections(std::vector<int> sectionIds, int orderMode, int rows, int columns) override { return Answer("ArrangeSections", sectionIds, orderMode, rows, columns); }
    bool AssignDomainMaterial(const std::vector<std::pair<int, int>>& pairs, int materialId, bool setAsBaseMaterial) override { return Answer("AssignDomainMaterial", pairs, materialId, setAsBaseMaterial); }
    void PickSectionsByName(std::string name, std::vector<int>* result) override { Fill(*result, "PickSectionsByName", name); }
    void PickSectionsByType(int type, std::vector<int>* result) override { Fill(*result, "PickSectionsByType", type); }
    void PickSectionsByLocation(double location, std::vector<int>* result) override { Fill(*result, "PickSectionsByLocation", location); }
    void PickSectionsWithoutLocation(std::vector<int>* result) override { Fill(*result, "PickSectionsWithoutLocation"); }
    void PickSectionsByAreaGreater(double value, std::vector<int>* result) override { Fill(*result, "PickSectionsByAreaGreater", value); }
    void PickSectionsByAreaLess(double value, std::vector<int>* result) override { Fill(*result, "PickSectionsByAreaLess", value); }
    void PickSectionsByIxxGreater(double value, std::vector<int>* result) override { Fill(*result, "PickSectionsByIxxGreater", value); }
    void PickSectionsByIxxLess(double value, std::vector<int>* result) override { Fill(*result, "PickSectionsByIxxLess", value); }
    void PickSectionsByIyyGreater(double value, std::vector<int>* result) override { Fill(*result, "PickSectionsByIyyGreater", value); }
    void PickSectionsByIyyLess(double value, std::vector<int>* result) override { Fill(*result, "PickSectionsByIyyLess", value); }
    void PickSectionsByIxyGreater(double value, std::vector<int>* result) override { Fill(*result, "PickSectionsByIxyGreater", value); }
    void PickSectionsByIxyLess(double value, std::vector<int>* result) override { Fill(*result, "PickSectionsByIxyLess", value); }
    void PickSectionsByJGreater(double value, std::vector<int>* result) override { Fill(*result, "PickSectionsByJGreater", value); }
    void PickSectionsByJLess(double value, std::vector<int>* result) override { Fill(*result, "PickSectionsByJLess", value); }
    bool QuerySection(int sectionId) override { return Answer("QuerySection", sectionId); }

    bool CreateMaterial(int id, const std::string& name, double elasticModulus, double poissonRatio) override { return Answer("CreateMaterial", id, name, elasticModulus, poissonRatio); }
    bool RedefineMaterial(int id, const std::string& name, double elasticModulus, double poissonRatio) override { return Answer("RedefineMaterial", id, name, elasticModulus, poissonRatio); }
    bool DeleteMaterial(int id) override { return Answer("DeleteMaterial", id); }

    bool CreateGroup(const std::string& name) override { return Answer("CreateGroup", name); }
    bool DeleteGroup(const std::string& name) override { return Answer("DeleteGroup", name); }
    bool RenameGroup(const std::string& name, const std::string& newName) override { return Answer("RenameGroup", name, newName); }
    bool MergeGroups(const std::string& sourceName, const std::string& targetName, bool deleteSource) override { return Answer("MergeGroups", sourceName, targetName, deleteSource); }
    bool QueryGroup(const std::string& name) override { return Answer("QueryGroup", name); }
    bool AddToGroup(const std::string& name, const std::vector<int>& sectionIds, const std::vector<int>& curveIds, const std::vector<int>& pointIds) override { return Answer("AddToGroup", name, sectionIds, curveIds, pointIds); }
    bool ExpelFromGroup(const std::string& name, const std::vector<int>& sectionIds, const std::vector<int>& curveIds, const std::vector<int>& pointIds) override { return Answer("ExpelFromGroup", name, sectionIds, curveIds, pointIds); }
    void GetGroupSections(const std::string& name, std::vector<int>& out) override { Fill(out, "GetGroupSections", name); }
    void GetGroupClosedLoops(const std::string& name, std::vector<int>& out) override { Fill(out, "GetGroupClosedLoops", name); }
    void GetGroupCurves(const std::string& name, std::vector<int>& out) override { Fill(out, "GetGroupCurves", name); }
    void GetGroupPoints(const std::string& name, std::vector<int>& out) override { Fill(out, "GetGroupPoints", name); }

    bool ExportSections(const std::vector<int>& sectionIds, const std::string& path, int format, bool mergeStraightLines, double deviation) override { return Answer("ExportSections", sectionIds, path, format, mergeStraightLines, deviation); }
    bool ExportGroup(const std::string& groupName, const std::string& path, int format) override { return Answer("ExportGroup", groupName, path, format); }
    bool ExportProperties(const std::string& path, int format) override { return Answer("ExportProperties", path, format); }

    void GetNewcomerSections(std::vector<int>& out) override { Fill(out, "GetNewcomerSections"); }
    void GetNewcomerClosedLoops(std::vector<int>& out) override { Fill(out, "GetNewcomerClosedLoops"); }
    void GetNewcomerCurves(std::vector<int>& out) override { Fill(out, "GetNewcomerCurves"); }
    void GetNewcomerPoints(std::vector<int>& out) override { Fill(out, "GetNewcomerPoints"); }

    std::vector<std::string> calls;
    // By member name: what a command answers (true when absent) and the ids a
    // result list receives (empty when absent).
    std::map<std::string, bool> results;
    std::map<std::string, std::vector<int>> idResults;
    std::vector<double> sectionLocations;
    // What the UCS setters return; the model's work UCS when null.
    T_UCS_D* workUcs = nullptr;
    ScriptedUserPorts user;
    CSectModel model;
    bool busy = false;

private:
    static RecordedPoint P(const double xy[2]) { return {xy}; }
    static RecordedColour C(const int rgb[3]) { return {rgb}; }

    template <class... Args>
    void Record(const char* member, const Args&... args)
    {
        std::string call = std::string(member) + "(";
        [[maybe_unused]] const char* separator = "";
        ((call += separator, call += RecordedArgument(args), separator = ", "), ...);
        calls.push_back(call + ")");
    }
    template <class... Args>
    bool Answer(const char* member, const Args&... args)
    {
        Record(member, args...);
        const auto found = results.find(member);
        return found == results.end() || found->second;
    }
    template <class... Args>
    void Fill(std::vector<int>& result, const char* member, const Args&... args)
    {
        Record(member, args...);
        const auto found = idResults.find(member);
        result = found == idResults.end() ? std::vector<int>() : found->second;
    }
    T_UCS_D* WorkUcs() { return workUcs ? workUcs : model.GetCurrentUcs(); }
};
