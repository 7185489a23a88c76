#pragma once
// What the tool pages, the view's pick dispatch and the page context ask of
// the open project's document. Each command member carries the name and the
// arguments of the model command it runs and returns that command's result;
// the document then brings the views, the modified flag and the frame's
// controls in line with the model. Callers may ignore the results.
// One line per member: later commands are added in the same shape.

#include "model/SectModel.h"

#include <string>
#include <utility>
#include <vector>

class IToolDocument {
public:
    virtual ~IToolDocument() = default;

    virtual CSectModel* GetModel() = 0;
    // True while a section generation or a calculation runs.
    virtual bool IsBusy() const = 0;

    // UCS. The two setters return the work UCS; they rebuild and fit the
    // views only when the work UCS changes.
    virtual bool CreateUcs(int definitionMode, const std::string& name, const double origin[2], double angle, const double axisPoint1[2], const double axisPoint2[2]) = 0;
    virtual bool RedefineUcs(int ucsId, int definitionMode, const std::string& name, const double origin[2], double angle, const double axisPoint1[2], const double axisPoint2[2]) = 0;
    virtual bool DeleteUcs(int ucsId) = 0;
    virtual T_UCS_D* SetCurrentUcs(int ucsId) = 0;
    virtual T_UCS_D* SetGcsCurrent() = 0;

    // Points.
    virtual bool CreatePointByCoordinate(const double xy[2]) = 0;
    virtual bool CreatePointsOnCurvesByRatio(const std::vector<int>& curveIds, double ratio, bool splitCurve) = 0;
    virtual bool CreatePointsOnCurvesByInterpolation(const std::vector<int>& curveIds, int numberOfPoints, double spacing, bool splitCurve) = 0;
    virtual bool CreatePointBetweenPointsByRatio(int pointId1, int pointId2, double ratio) = 0;
    virtual bool CreatePointsBetweenPointsByInterpolation(int pointId1, int pointId2, int numberOfPoints, double spacing) = 0;
    virtual bool TranslatePoints(std::vector<int> pointIds, double dx, double dy) = 0;
    virtual bool CopyPointsByTranslation(const std::vector<int>& pointIds, double dx, double dy, int times, bool connectByLine, int alignment, double width) = 0;
    virtual bool RotatePoints(std::vector<int> pointIds, const double origin[2], double angle) = 0;
    virtual bool CopyPointsByRotation(const std::vector<int>& pointIds, const double origin[2], double angle, int times, bool connectByLine, int alignment, double width) = 0;
    virtual bool MirrorPoints(std::vector<int> pointIds, const double linePoint1[2], const double linePoint2[2]) = 0;
    virtual bool CopyPointsByMirroring(const std::vector<int>& pointIds, const double linePoint1[2], const double linePoint2[2], bool connectByLine, int alignment, double width) = 0;
    virtual bool EqualizePoints(std::vector<int> pointIds, bool atCoordinate, const double xy[2], bool deleteRedundancies) = 0;
    virtual bool EqualizePointsInTolerance(std::vector<int> pointIds, double tolerance, bool atCoordinate, const double xy[2], bool deleteRedundancies) = 0;
    virtual bool DeletePoints(std::vector<int> pointIds) = 0;
    virtual void PickCentroidPointsOfSections(const std::vector<int>& sectionIds, std::vector<int>* result) = 0;
    virtual void PickPointsOfCurve(int curveId, std::vector<int>* result) = 0;
    virtual void PickPointsOfClosedLoop(int loopId, std::vector<int>* result) = 0;
    virtual void PickPointsOfSection(int sectionId, std::vector<int>* result) = 0;
    virtual bool QueryPoint(int pointId) = 0;

    // Curve creation.
    virtual bool CreateLine(const double point1[2], const double point2[2], int alignment, double width) = 0;
    virtual bool CreateRectangle(const double corner1[2], const double corner2[2], int alignment, double width) = 0;
    virtual bool CreateCircle(const double center[2], double radius, int alignment, double width) = 0;
    virtual bool CreateCircleByTwoPoints(const double point1[2], const double point2[2], int alignment, double width) = 0;
    virtual bool CreateCircleByThreePoints(const double p1[2], const double p2[2], const double p3[2], int alignment, double width) = 0;
    virtual bool CreateArc(const double center[2], double radius, double angle, int alignment, double width) = 0;
    virtual bool CreateArcByCenterStartEnd(const double center[2], const double start[2], const double end[2], int alignment, double width) = 0;
    virtual bool CreateArcByThreePoints(const double start[2], const double second[2], const double end[2], int alignment, double width) = 0;
    virtual bool CreateEllipse(const double center[2], double xRadius, double yRadius, int alignment, double width) = 0;
    virtual bool CreateQuadraticCurve(const double p1[2], const double p2[2], const double p3[2], int alignment, double width) = 0;
    virtual bool CreateCubicCurve(const double p1[2], const double p2[2], const double p3[2], const double p4[2], int alignment, double width) = 0;
    virtual bool CreateBezierCurve(const double p1[2], const double p2[2], const double p3[2], const double p4[2], int alignment, double width) = 0;
    virtual bool CreateShortestPathLines(const std::vector<int>& curveIds, const double basePoint[2], bool splitCurve, int alignment, double width) = 0;

    // Curve editing.
    virtual bool RegisterClosedLoop(const std::vector<int>& curveIds) = 0;
    virtual bool UnregisterClosedLoops(const std::vector<int>& closedLoopIds) = 0;
    virtual bool IntersectCurves(std::vector<int> curveIds, bool splitCurves) = 0;
    virtual bool DeleteCurves(std::vector<int> curveIds, bool deletePoints) = 0;
    virtual bool ConvertCurveWidths(std::vector<int> curveIds, bool startEndSides, bool leftRightSides, bool deleteSourceCurve) = 0;
    virtual bool MergeCurves(std::vector<int> curveIds) = 0;
    virtual bool SplitCurve(int curveId, const std::vector<int>& pointIds) = 0;
    virtual bool ReverseCurves(const std::vector<int>& curveIds, bool swapLeftRight) = 0;
    virtual bool ChangeCurveWidths(const std::vector<int>& curveIds, bool changeAlignment, int alignment, bool changeWidth, double width) = 0;
    virtual bool TranslateCurves(std::vector<int> curveIds, double dx, double dy) = 0;
    virtual bool CopyCurvesByTranslation(const std::vector<int>& curveIds, double dx, double dy, int times, bool connectByLine, int alignment, double width) = 0;
    virtual bool RotateCurves(std::vector<int> curveIds, const double origin[2], double angle) = 0;
    virtual bool CopyCurvesByRotation(const std::vector<int>& curveIds, const double origin[2], double angle, int times, bool connectByLine, int alignment, double width) = 0;
    virtual bool MirrorCurves(std::vector<int> curveIds, const double linePoint1[2], const double linePoint2[2]) = 0;
    virtual bool CopyCurvesByMirroring(const std::vector<int>& curveIds, const double linePoint1[2], const double linePoint2[2], bool connectByLine, int alignment, double width) = 0;
    virtual bool FilletCurves(int curveId1, int curveId2, double radius, int alignment, double width) = 0;
    virtual bool ExtendCurves(int baseCurveId, std::vector<int> curveIds, bool splitCurve) = 0;
    virtual bool ScaleLines(std::vector<int> curveIds, double ratio) = 0;
    virtual void PickCurvesByWidth(double width, std::vector<int>* result) = 0;
    virtual void PickCurvesByAlignment(int alignment, std::vector<int>* result) = 0;
    virtual void PickCurvesOfClosedLoop(int loopId, std::vector<int>* result) = 0;
    virtual void PickCurvesOfSection(int sectionId, std::vector<int>* result) = 0;
    virtual bool QueryCurve(int curveId) = 0;

    // Sections. Generation, redefinition and calculation ask their questions
    // and refresh the views themselves.
    virtual void GenerateSection(const std::string& name, int type, const std::vector<int>& curveIds, bool hasLocation, double location, const int color[3], const std::string& groupName, bool calculateNow, bool mergeStraightLines, double mergeAngleTolerance) = 0;
    virtual void RedefineSection(int sectionId, const std::string& name, bool redefineLocation, double location, bool redefineColor, const int color[3]) = 0;
    virtual void CalculateProperties(const std::vector<int>& sectionIds, int meshLevel, double meshSize, bool recalculate, bool pauseAfterEach) = 0;
    // The locations in use, ascending, no two closer than 1e-6.
    virtual void GetSectionLocations(std::vector<double>& locations) = 0;
    virtual bool TranslateSections(const std::vector<int>& sectionIds, double dx, double dy) = 0;
    virtual bool RotateSections(std::vector<int> sectionIds, const double origin[2], double angle) = 0;
    virtual bool DeleteSections(const std::vector<int>& sectionIds, bool deleteCurves) = 0;
    // In an undo action of its own; on true every view is fitted, not redrawn.
    virtual bool ArrangeSections(std::vector<int> sectionIds, int orderMode, int rows, int columns) = 0;
    virtual bool AssignDomainMaterial(const std::vector<std::pair<int, int>>& pairs, int materialId, bool setAsBaseMaterial) = 0;
    virtual void PickSectionsByName(std::string name, std::vector<int>* result) = 0;
    virtual void PickSectionsByType(int type, std::vector<int>* result) = 0;
    virtual void PickSectionsByLocation(double location, std::vector<int>* result) = 0;
    virtual void PickSectionsWithoutLocation(std::vector<int>* result) = 0;
    virtual void PickSectionsByAreaGreater(double value, std::vector<int>* result) = 0;
    virtual void PickSectionsByAreaLess(double value, std::vector<int>* result) = 0;
    virtual void PickSectionsByIxxGreater(double value, std::vector<int>* result) = 0;
    virtual void PickSectionsByIxxLess(double value, std::vector<int>* result) = 0;
    virtual void PickSectionsByIyyGreater(double value, std::vector<int>* result) = 0;
    virtual void PickSectionsByIyyLess(double value, std::vector<int>* result) = 0;
    virtual void PickSectionsByIxyGreater(double value, std::vector<int>* result) = 0;
    virtual void PickSectionsByIxyLess(double value, std::vector<int>* result) = 0;
    virtual void PickSectionsByJGreater(double value, std::vector<int>* result) = 0;
    virtual void PickSectionsByJLess(double value, std::vector<int>* result) = 0;
    virtual bool QuerySection(int sectionId) = 0;

    // Materials; a change also refreshes the material list of the open page.
    virtual bool CreateMaterial(int id, const std::string& name, double elasticModulus, double poissonRatio) = 0;
    virtual bool RedefineMaterial(int id, const std::string& name, double elasticModulus, double poissonRatio) = 0;
    virtual bool DeleteMaterial(int id) = 0;

    // Groups.
    virtual bool CreateGroup(const std::string& name) = 0;
    virtual bool DeleteGroup(const std::string& name) = 0;
    virtual bool RenameGroup(const std::string& name, const std::string& newName) = 0;
    virtual bool MergeGroups(const std::string& sourceName, const std::string& targetName, bool deleteSource) = 0;
    virtual bool QueryGroup(const std::string& name) = 0;
    virtual bool AddToGroup(const std::string& name, const std::vector<int>& sectionIds, const std::vector<int>& curveIds, const std::vector<int>& pointIds) = 0;
    virtual bool ExpelFromGroup(const std::string& name, const std::vector<int>& sectionIds, const std::vector<int>& curveIds, const std::vector<int>& pointIds) = 0;
    virtual void GetGroupSections(const std::string& name, std::vector<int>& out) = 0;
    virtual void GetGroupClosedLoops(const std::string& name, std::vector<int>& out) = 0;
    virtual void GetGroupCurves(const std::string& name, std::vector<int>& out) = 0;
    virtual void GetGroupPoints(const std::string& name, std::vector<int>& out) = 0;

    // Exports by format code: 0 a project file of their own, 1 a Pylor
    // section table, 2 a Zol one, 3 a section file, 4 DXF, 5 a text report,
    // which opens in the desktop's program for it once written. Properties:
    // 0 a Pylor table, 1 a Zol one, 2 a text report, opened likewise, of
    // every calculated section. Other codes write nothing and return false.
    // None marks the project modified or refreshes a view.
    virtual bool ExportSections(const std::vector<int>& sectionIds, const std::string& path, int format, bool mergeStraightLines, double deviation) = 0;
    virtual bool ExportGroup(const std::string& groupName, const std::string& path, int format) = 0;
    virtual bool ExportProperties(const std::string& path, int format) = 0;

    // What the latest creating command made.
    virtual void GetNewcomerSections(std::vector<int>& out) = 0;
    virtual void GetNewcomerClosedLoops(std::vector<int>& out) = 0;
    virtual void GetNewcomerCurves(std::vector<int>& out) = 0;
    virtual void GetNewcomerPoints(std::vector<int>& out) = 0;
};
