#pragma once
// The document of the one open project: owns the model, opens and saves the
// project file, keeps the modified flag and asks about unsaved changes, runs
// Undo and Redo with their refreshes, checks the project settings the
// Setting dialog hands it, imports other projects, and runs the model
// commands of the tool pages (IToolDocument) with the refreshes after them.
// It knows no window system: the views and panels it refreshes and the
// questions it asks go through the interfaces below.

#include "calc/DocumentHost.h"
#include "frame/ToolDocument.h"
#include "model/SectModel.h"
#include "view/ViewPorts.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

extern const char* const KLX_BANNER;

// The frame hooks: the views and panels the document refreshes and what it
// asks of the window around it.
class IDocumentFrame {
public:
    virtual ~IDocumentFrame() = default;
    // Redraws every view at once; reRender also asks them to render anew.
    virtual void RedrawViews(bool reRender) = 0;
    virtual void ZoomFitViews() = 0;
    // Rebuilds every view's scene from the model; a host without views has
    // nothing to rebuild.
    virtual void RebuildViews() {}
    // After Undo or Redo of an action that touched groups.
    virtual void RefreshGroupCombos() = 0;
    virtual void LeaveSelectGroupMode() = 0;
    virtual void RefreshGroupToolDialogs() = 0;
    // After Undo or Redo of an action that touched UCSs.
    virtual void ShowGlobalCoordinates() = 0;
    virtual void RefreshUcsToolDialogs() = 0;
    // Every view's coordinate display shows the work UCS.
    virtual void ShowUcsCoordinates() = 0;
    // Invalidate, erase and update the main window at once.
    virtual void RepaintMainWindow() = 0;
    // The pause dialog after a calculated plane section.
    virtual CalcPauseChoice AskCalcPause(const std::string& text, bool lastSection) = 0;
    // The processor clock, and the hold that pads a plane section to a second.
    virtual double ProcessorSeconds() = 0;
    virtual void HoldMilliseconds(int milliseconds) = 0;
    // After a material was created, redefined or deleted.
    virtual void UpdateMaterialList() = 0;
    // The ids of the sections active in the view, ascending.
    virtual std::vector<int> ActiveSectionIds() = 0;
    // After the project was written to its file, whichever command asked
    // for it; the document's path is that file's.
    virtual void ProjectSaved() {}
};

enum class SaveAnswer { Yes, No, Cancel };

class IDocumentPrompts {
public:
    virtual ~IDocumentPrompts() = default;
    virtual SaveAnswer AskSaveChanges(const std::string& title) = 0;
    // The path to save under; empty when the user cancels.
    virtual std::string AskSavePath(const std::string& suggestedName) = 0;
    // The save-file chooser of the export dialogs, with the overwrite
    // question: the filter in wx's "description|pattern|..." form, the
    // extension added to a chosen name without one. Empty on cancel.
    virtual std::string AskSaveFile(const std::string& title, const std::string& filter,
                                    const std::string& defaultExtension, const std::string& offeredName) = 0;
    // Existing files chosen in a multi-select open dialog; empty on cancel.
    virtual std::vector<std::string> AskOpenFiles(const std::string& title, const std::string& filter) = 0;
};

// Starts the desktop's programs without waiting for them.
class IFileLauncher {
public:
    virtual ~IFileLauncher() = default;
    // Opens a written file in the default program for it; a start that fails
    // is not reported.
    virtual void OpenInDefaultProgram(const std::string& path) = 0;
    // Opens a web or "mailto:" address in the desktop's program for it,
    // without waiting for that program. When the address cannot be opened,
    // at once or once the desktop's opener has ended, failed gets the reason
    // on the window's thread.
    virtual void OpenAddress(const std::string& address,
                             std::function<void(const std::string& reason)> failed) = 0;
    // Starts the program of that name found on the path, on its own and
    // without a shell; false when it could not be started.
    virtual bool StartProgram(const std::string& program) = 0;
};

class CTarvokrtDoc : public IViewDocument, public IViewSettingsTarget, public IToolDocument, public IDocumentHost {
public:
    // Holds an empty model until the first NewProject or OpenProject. Without
    // a launcher a written report is not opened.
    CTarvokrtDoc(const UserPorts& ports, IDocumentFrame* frame, IDocumentPrompts* prompts,
                 IFileLauncher* launcher = nullptr);
    ~CTarvokrtDoc() override;
    CTarvokrtDoc(const CTarvokrtDoc&) = delete;
    CTarvokrtDoc& operator=(const CTarvokrtDoc&) = delete;

    // Closes the project (clearing the output window) and starts a new one.
    void NewProject();
    // Reads the file into a model of its own; only when the whole file was
    // read does it replace the project: the output window is cleared, the
    // banner and the reader's lines are printed. On failure the reader has
    // reported it and the open project stays as it was.
    bool OpenProject(const std::string& path);
    // The framework's question before the project is closed: true when it
    // may be closed (saved, not wanted, or not modified).
    bool SaveModified();
    // File > Save and File > Save As; a failed write keeps the modified flag
    // and the path.
    bool OnFileSave();
    bool OnFileSaveAs();
    bool SaveProject(const std::string& path);

    // File > Export > AutoCAD DXF: the whole project, under a name the
    // save-file chooser gives, offered the project's title without its
    // extension so that one click cannot write over the project itself.
    // Neither the model nor the modified flag changes.
    void OnFileExportDxf();
    // File > Import > KLX Project: asks for project files and imports them.
    void OnFileImportProject();
    // Merges the files into the open project in the given order, all in one
    // undo action, and makes what they brought the newcomers. A file that
    // cannot be read, or whose ids would pass an id limit, is skipped after
    // its message. Then, with two or more sections active in the view, it
    // offers to arrange them inside the same undo action.
    void ImportProjects(const std::vector<std::string>& paths);

    void OnModelChanged() override;
    void RedrawAllViews() override;
    void PrintMessage(const std::string& text, int mode);

    void OnEditUndo();
    void OnEditRedo();
    void OnClearUndoStorage();
    void OnClearRedoStorage();
    bool CanUndo() const { return !model_->IsUndoEmpty(); }
    bool CanRedo() const { return !model_->IsRedoEmpty(); }

    void SetTolerance(double tolerance) override;
    void SetAngleStep(double angleStep) override;
    void SetUnits(int lengthUnit, int forceUnit) override;
    void SetGrid(int countX, int countY, double size);

    // DXF import, in this order; between the read and the finish the model's
    // newcomer lists hold what the read made. The begin step gives false
    // (nothing begun) when the model refused the import.
    bool BeginDxfImport();
    // Rebuilds and fits every view when the reader took the file; a refusal
    // the reader has reported changes nothing here and returns false.
    bool ImportDxf(const std::string& path, const double offset[2], double rotation);
    // Refreshes whatever the model reported.
    void FinishDxfImport(const std::string& name);

    CSectModel* GetModel() override { return model_.get(); }
    bool IsBusy() const override { return busy_ != 0; }
    bool IsDisplayOutOfDate() const override { return displayOutOfDate_; }
    void SetDisplayOutOfDate(bool outOfDate) override { displayOutOfDate_ = outOfDate; }
    std::string GetPathName() const override { return pathName_; }

    const std::string& GetTitle() const { return title_; }
    // IViewDocument: the view's GCS button and its domain-state change.
    void ChangeToGcs() override { SetGcsCurrent(); }
    void MarkProjectModified() override { SetModifiedFlag(true); }
    bool IsModified() const { return modified_; }
    // Cleared, the project as it stands is the saved one: the undo steps filed
    // so far are accounted for.
    void SetModifiedFlag(bool modified = true)
    {
        modified_ = modified;
        if (!modified && model_)
            model_->TakeUndoStepFiled();
    }

    // The calculation's side of the window, through the frame hooks.
    void RepaintMainWindow() override;
    int AskCalcPause(const std::string& text, bool lastSection) override;
    double ProcessorSeconds() override;
    void HoldMilliseconds(int milliseconds) override;

    // The command members (DocumentUcs.cpp, DocumentPoints.cpp, DocumentCurves.cpp,
    // DocumentSections.cpp, DocumentMaterials.cpp, DocumentGroups.cpp, DocumentExports.cpp).
    bool CreateUcs(int definitionMode, const std::string& name, const double origin[2], double angle, const double axisPoint1[2], const double axisPoint2[2]) override;
    bool RedefineUcs(int ucsId, int definitionMode, const std::string& name, const double origin[2], double angle, const double axisPoint1[2], const double axisPoint2[2]) override;
    bool DeleteUcs(int ucsId) override;
    T_UCS_D* SetCurrentUcs(int ucsId) override;
    T_UCS_D* SetGcsCurrent() override;

    bool CreatePointByCoordinate(const double xy[2]) override;
    bool CreatePointsOnCurvesByRatio(const std::vector<int>& curveIds, double ratio, bool splitCurve) override;
    bool CreatePointsOnCurvesByInterpolation(const std::vector<int>& curveIds, int numberOfPoints, double spacing, bool splitCurve) override;
    bool CreatePointBetweenPointsByRatio(int pointId1, int pointId2, double ratio) override;
    bool CreatePointsBetweenPointsByInterpolation(int pointId1, int pointId2, int numberOfPoints, double spacing) override;
    bool TranslatePoints(std::vector<int> pointIds, double dx, double dy) override;
    bool CopyPointsByTranslation(const std::vector<int>& pointIds, double dx, double dy, int times, bool connectByLine, int alignment, double width) override;
    bool RotatePoints(std::vector<int> pointIds, const double origin[2], double angle) override;
    bool CopyPointsByRotation(const std::vector<int>& pointIds, const double origin[2], double angle, int times, bool connectByLine, int alignment, double width) override;
    bool MirrorPoints(std::vector<int> pointIds, const double linePoint1[2], const double linePoint2[2]) override;
    bool CopyPointsByMirroring(const std::vector<int>& pointIds, const double linePoint1[2], const double linePoint2[2], bool connectByLine, int alignment, double width) override;
    bool EqualizePoints(std::vector<int> pointIds, bool atCoordinate, const double xy[2], bool deleteRedundancies) override;
    bool EqualizePointsInTolerance(std::vector<int> pointIds, double tolerance, bool atCoordinate, const double xy[2], bool deleteRedundancies) override;
    bool DeletePoints(std::vector<int> pointIds) override;
    void PickCentroidPointsOfSections(const std::vector<int>& sectionIds, std::vector<int>* result) override;
    void PickPointsOfCurve(int curveId, std::vector<int>* result) override;
    void PickPointsOfClosedLoop(int loopId, std::vector<int>* result) override;
    void PickPointsOfSection(int sectionId, std::vector<int>* result) override;
    bool QueryPoint(int pointId) override;

    bool CreateLine(const double point1[2], const double point2[2], int alignment, double width) override;
    bool CreateRectangle(const double corner1[2], const double corner2[2], int alignment, double width) override;
    bool CreateCircle(const double center[2], double radius, int alignment, double width) override;
    bool CreateCircleByTwoPoints(const double point1[2], const double point2[2], int alignment, double width) override;
    bool CreateCircleByThreePoints(const double p1[2], const double p2[2], const double p3[2], int alignment, double width) override;
    bool CreateArc(const double center[2], double radius, double angle, int alignment, double width) override;
    bool CreateArcByCenterStartEnd(const double center[2], const double start[2], const double end[2], int alignment, double width) override;
    bool CreateArcByThreePoints(const double start[2], const double second[2], const double end[2], int alignment, double width) override;
    bool CreateEllipse(const double center[2], double xRadius, double yRadius, int alignment, double width) override;
    bool CreateQuadraticCurve(const double p1[2], const double p2[2], const double p3[2], int alignment, double width) override;
    bool CreateCubicCurve(const double p1[2], const double p2[2], const double p3[2], const double p4[2], int alignment, double width) override;
    bool CreateBezierCurve(const double p1[2], const double p2[2], const double p3[2], const double p4[2], int alignment, double width) override;
    bool CreateShortestPathLines(const std::vector<int>& curveIds, const double basePoint[2], bool splitCurve, int alignment, double width) override;

    bool RegisterClosedLoop(const std::vector<int>& curveIds) override;
    bool UnregisterClosedLoops(const std::vector<int>& closedLoopIds) override;
    bool IntersectCurves(std::vector<int> curveIds, bool splitCurves) override;
    bool DeleteCurves(std::vector<int> curveIds, bool deletePoints) override;
    bool ConvertCurveWidths(std::vector<int> curveIds, bool startEndSides, bool leftRightSides, bool deleteSourceCurve) override;
    bool MergeCurves(std::vector<int> curveIds) override;
    bool SplitCurve(int curveId, const std::vector<int>& pointIds) override;
    bool ReverseCurves(const std::vector<int>& curveIds, bool swapLeftRight) override;
    bool ChangeCurveWidths(const std::vector<int>& curveIds, bool changeAlignment, int alignment, bool changeWidth, double width) override;
    bool TranslateCurves(std::vector<int> curveIds, double dx, double dy) override;
    bool CopyCurvesByTranslation(const std::vector<int>& curveIds, double dx, double dy, int times, bool connectByLine, int alignment, double width) override;
    bool RotateCurves(std::vector<int> curveIds, const double origin[2], double angle) override;
    bool CopyCurvesByRotation(const std::vector<int>& curveIds, const double origin[2], double angle, int times, bool connectByLine, int alignment, double width) override;
    bool MirrorCurves(std::vector<int> curveIds, const double linePoint1[2], const double linePoint2[2]) override;
    bool CopyCurvesByMirroring(const std::vector<int>& curveIds, const double linePoint1[2], const double linePoint2[2], bool connectByLine, int alignment, double width) override;
    bool FilletCurves(int curveId1, int curveId2, double radius, int alignment, double width) override;
    bool ExtendCurves(int baseCurveId, std::vector<int> curveIds, bool splitCurve) override;
    bool ScaleLines(std::vector<int> curveIds, double ratio) override;
    void PickCurvesByWidth(double width, std::vector<int>* result) override;
    void PickCurvesByAlignment(int alignment, std::vector<int>* result) override;
    void PickCurvesOfClosedLoop(int loopId, std::vector<int>* result) override;
    void PickCurvesOfSection(int sectionId, std::vector<int>* result) override;
    bool QueryCurve(int curveId) override;

    void GenerateSection(const std::string& name, int type, const std::vector<int>& curveIds, bool hasLocation, double location, const int color[3], const std::string& groupName, bool calculateNow, bool mergeStraightLines, double mergeAngleTolerance) override;
    void RedefineSection(int sectionId, const std::string& name, bool redefineLocation, double location, bool redefineColor, const int color[3]) override;
    void CalculateProperties(const std::vector<int>& sectionIds, int meshLevel, double meshSize, bool recalculate, bool pauseAfterEach) override;
    void GetSectionLocations(std::vector<double>& locations) override;
    bool TranslateSections(const std::vector<int>& sectionIds, double dx, double dy) override;
    bool RotateSections(std::vector<int> sectionIds, const double origin[2], double angle) override;
    bool DeleteSections(const std::vector<int>& sectionIds, bool deleteCurves) override;
    bool ArrangeSections(std::vector<int> sectionIds, int orderMode, int rows, int columns) override;
    bool AssignDomainMaterial(const std::vector<std::pair<int, int>>& pairs, int materialId, bool setAsBaseMaterial) override;
    void PickSectionsByName(std::string name, std::vector<int>* result) override;
    void PickSectionsByType(int type, std::vector<int>* result) override;
    void PickSectionsByLocation(double location, std::vector<int>* result) override;
    void PickSectionsWithoutLocation(std::vector<int>* result) override;
    void PickSectionsByAreaGreater(double value, std::vector<int>* result) override;
    void PickSectionsByAreaLess(double value, std::vector<int>* result) override;
    void PickSectionsByIxxGreater(double value, std::vector<int>* result) override;
    void PickSectionsByIxxLess(double value, std::vector<int>* result) override;
    void PickSectionsByIyyGreater(double value, std::vector<int>* result) override;
    void PickSectionsByIyyLess(double value, std::vector<int>* result) override;
    void PickSectionsByIxyGreater(double value, std::vector<int>* result) override;
    void PickSectionsByIxyLess(double value, std::vector<int>* result) override;
    void PickSectionsByJGreater(double value, std::vector<int>* result) override;
    void PickSectionsByJLess(double value, std::vector<int>* result) override;
    bool QuerySection(int sectionId) override;

    bool CreateMaterial(int id, const std::string& name, double elasticModulus, double poissonRatio) override;
    bool RedefineMaterial(int id, const std::string& name, double elasticModulus, double poissonRatio) override;
    bool DeleteMaterial(int id) override;

    bool CreateGroup(const std::string& name) override;
    bool DeleteGroup(const std::string& name) override;
    bool RenameGroup(const std::string& name, const std::string& newName) override;
    bool MergeGroups(const std::string& sourceName, const std::string& targetName, bool deleteSource) override;
    bool QueryGroup(const std::string& name) override;
    bool AddToGroup(const std::string& name, const std::vector<int>& sectionIds, const std::vector<int>& curveIds, const std::vector<int>& pointIds) override;
    bool ExpelFromGroup(const std::string& name, const std::vector<int>& sectionIds, const std::vector<int>& curveIds, const std::vector<int>& pointIds) override;
    void GetGroupSections(const std::string& name, std::vector<int>& out) override;
    void GetGroupClosedLoops(const std::string& name, std::vector<int>& out) override;
    void GetGroupCurves(const std::string& name, std::vector<int>& out) override;
    void GetGroupPoints(const std::string& name, std::vector<int>& out) override;

    bool ExportSections(const std::vector<int>& sectionIds, const std::string& path, int format, bool mergeStraightLines, double deviation) override;
    bool ExportGroup(const std::string& groupName, const std::string& path, int format) override;
    bool ExportProperties(const std::string& path, int format) override;

    void GetNewcomerSections(std::vector<int>& out) override;
    void GetNewcomerClosedLoops(std::vector<int>& out) override;
    void GetNewcomerCurves(std::vector<int>& out) override;
    void GetNewcomerPoints(std::vector<int>& out) override;

private:
    // What a command member does after its model command returned true:
    // Redraw marks the project modified and the display out of date and
    // redraws every view; FitViews marks the same and fits every view to the
    // drawing, which draws it; Modified only marks the project; MaterialList
    // marks it and refreshes the frame's material list; a command that filed
    // no undo step leaves the modified flag as it was. After false,
    // nothing. Returns the command's result.
    enum class AfterStep { Redraw, FitViews, Modified, MaterialList };
    bool AfterCommand(AfterStep step, bool commandResult);
    // The end of a project import: asks whether to arrange the active sections.
    void OfferArrangement();
    // The work UCS changed: coordinate display, rebuild and fit of every view.
    T_UCS_D* ShowNewWorkUcs(T_UCS_D* workUcs);
    // Opens a text report its writer has written; returns written.
    bool OpenWrittenReport(bool written, const std::string& path);
    DocumentContext CalculationContext() { return {*model_, *this, busy_}; }
    // The end of a generation or a calculation: user input queued while it
    // ran is dropped, so no click acts later on a changed drawing.
    void DropInputQueuedMeanwhile();

    std::unique_ptr<CSectModel> MakeModel(const UserPorts& ports) const;
    void StepUndo(bool redo);
    // False when the value equals the current one within 1e-6, or (after
    // the refusal box) when it is not greater than 0.
    bool IsNewPositiveSetting(double value, double current, const char* refusal) const;

    UserPorts ports_;
    IDocumentFrame* frame_;
    IDocumentPrompts* prompts_;
    IFileLauncher* launcher_;
    std::unique_ptr<CSectModel> model_;
    // 1 while a generation or a calculation runs.
    int busy_ = 0;
    bool displayOutOfDate_ = false;
    bool modified_ = false;
    std::string pathName_;
    std::string title_;
    int untitledCount_ = 0;
};
