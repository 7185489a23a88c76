#pragma once
// What the view needs of the parts of the window built around it: the
// document, the output window, the status bar, the project workspace, the
// group combos and the query pages. Each is a small interface that those parts
// implement; any may be absent, and then the view does without it.

#include "model/UserPorts.h"

#include <string>

class CSectModel;
class wxWindow;

class IViewDocument {
public:
    virtual ~IViewDocument() = default;
    // The model is re-created when a project is loaded, so it is asked for
    // each time instead of kept.
    virtual CSectModel* GetModel() = 0;
    // Set by every model change; the next draw rebuilds the display lists.
    virtual bool IsDisplayOutOfDate() const = 0;
    virtual void SetDisplayOutOfDate(bool outOfDate) = 0;
    virtual std::string GetPathName() const = 0;
    // The GCS becomes the work coordinate system (nothing when it is).
    virtual void ChangeToGcs() = 0;
    // The project has unsaved changes.
    virtual void MarkProjectModified() = 0;
};

// Status-bar panes the view writes to.
enum StatusPane { STATUS_PANE_GCS = 59143, STATUS_PANE_UCS = 59144 };

class IStatusSink {
public:
    virtual ~IStatusSink() = default;
    // Shows the text in the pane at once.
    virtual void SetPaneText(int paneId, const std::string& text) = 0;
};

class IViewWorkspace {
public:
    virtual ~IViewWorkspace() = default;
    // Opens the page (closing any other) and shows the command of the tool id.
    virtual void ShowPointTool(int toolId) = 0;
    virtual void ShowCurveTool(int toolId) = 0;
    virtual void ShowSectTool(int toolId) = 0;
    virtual void ShowCalcTool(int toolId) = 0;
    virtual void ShowGroupTool(int toolId) = 0;
    virtual void ShowUcsTool(int toolId) = 0;
    virtual void CloseAllTools() = 0;
    virtual void ActivateTab(int index) = 0;  // 0 = "Model"
};

class IGroupCombos {
public:
    virtual ~IGroupCombos() = default;
    virtual void ResetGroupCombos() = 0;
    // Refills every group combo with the model's group names.
    virtual void RefreshGroupCombos() = 0;
};

class IPickDispatch {
public:
    virtual ~IPickDispatch() = default;
    // Hands a click of the open tool (mode none) to the input field that
    // waits for it: the snapped point or the entity under the cursor.
    virtual void DispatchPick(int x, int y) = 0;
};

class IQueryHook {
public:
    virtual ~IQueryHook() = default;
    // Runs the Apply of the query command (Query Point, Query Curve or Query
    // Section) of the tool page that is open.
    virtual void RunQuery(int toolCommandId) = 0;
};

// The document's checked setters that the Setting dialog's values go through;
// each refuses a bad value with its own information box.
class IViewSettingsTarget {
public:
    virtual ~IViewSettingsTarget() = default;
    virtual void SetTolerance(double tolerance) = 0;
    virtual void SetAngleStep(double angleStep) = 0;
    virtual void SetUnits(int lengthUnit, int forceUnit) = 0;
};

struct ViewServices {
    IViewDocument* document = nullptr;
    IOutputPort* output = nullptr;
    IStatusSink* status = nullptr;
    IViewWorkspace* workspace = nullptr;
    IGroupCombos* combos = nullptr;
    IQueryHook* query = nullptr;
    IPickDispatch* picks = nullptr;
    IViewSettingsTarget* settings = nullptr;
    // The project workspace's window, which takes no input while the view
    // asks its modal question.
    wxWindow* workspacePane = nullptr;
};
