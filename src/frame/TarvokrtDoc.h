#pragma once
// The document of the one open project: owns the model, opens and saves the
// project file, keeps the modified flag and asks about unsaved changes, runs
// Undo and Redo with their refreshes, and checks the project settings the
// Setting dialog hands it. It knows no window system: the views and panels
// it refreshes and the questions it asks go through the interfaces below.

#include "model/SectModel.h"
#include "view/ViewPorts.h"

#include <memory>
#include <string>

extern const char* const KLX_BANNER;

// The views and panels the document refreshes.
class IDocumentHost {
public:
    virtual ~IDocumentHost() = default;
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
};

enum class SaveAnswer { Yes, No, Cancel };

class IDocumentPrompts {
public:
    virtual ~IDocumentPrompts() = default;
    virtual SaveAnswer AskSaveChanges(const std::string& title) = 0;
    // The path to save under; empty when the user cancels.
    virtual std::string AskSavePath(const std::string& suggestedName) = 0;
};

class CTarvokrtDoc : public IViewDocument, public IViewSettingsTarget {
public:
    // Holds an empty model until the first NewProject or OpenProject.
    CTarvokrtDoc(const UserPorts& ports, IDocumentHost* host, IDocumentPrompts* prompts);
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

    void OnModelChanged();
    void RedrawAllViews();
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
    // the reader has reported changes nothing here.
    void ImportDxf(const std::string& path, const double offset[2], double rotation);
    // Refreshes whatever the model reported.
    void FinishDxfImport(const std::string& name);

    CSectModel* GetModel() override { return model_.get(); }
    bool IsDisplayOutOfDate() const override { return displayOutOfDate_; }
    void SetDisplayOutOfDate(bool outOfDate) override { displayOutOfDate_ = outOfDate; }
    std::string GetPathName() const override { return pathName_; }

    const std::string& GetTitle() const { return title_; }
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }
    bool m_busy = false;

private:
    std::unique_ptr<CSectModel> MakeModel(const UserPorts& ports) const;
    void StepUndo(bool redo);
    // False when the value equals the current one within 1e-6, or (after
    // the refusal box) when it is not greater than 0.
    bool IsNewPositiveSetting(double value, double current, const char* refusal) const;

    UserPorts ports_;
    IDocumentHost* host_;
    IDocumentPrompts* prompts_;
    std::unique_ptr<CSectModel> model_;
    bool displayOutOfDate_ = false;
    bool modified_ = false;
    std::string pathName_;
    std::string title_;
    int untitledCount_ = 0;
};
