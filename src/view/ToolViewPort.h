#pragma once
// What the tool pages, their dialogs and their applies may touch of the
// drawing view: the words the view keeps for the shown tool, the pick filter,
// the redraws, and the selected and active keys of each kind. The program
// implements it over CTarvokrtView (TarvokrtToolView); tests use a fake that
// records the calls.

#include "view/EntityKeys.h"

#include <set>

class IToolView {
public:
    virtual ~IToolView() = default;

    // The words of the shown tool: the command id of the shown command (0 =
    // none), the code of the pick field that last took the focus (0 = none),
    // the tool-active flag, the mouse mode, the mouse mode saved for after a
    // pick, and the flag that makes the next paint render anew.
    virtual int ToolCommandId() const = 0;
    virtual void SetToolCommandId(int toolId) = 0;
    virtual int PickFieldCode() const = 0;
    virtual void SetPickFieldCode(int code) = 0;
    virtual int ToolActive() const = 0;
    virtual void SetToolActive(int active) = 0;
    virtual int MouseMode() const = 0;
    virtual void SetMouseMode(int mode) = 0;
    virtual int SavedMouseMode() const = 0;
    virtual void SetSavedMouseMode(int mode) = 0;
    virtual int ReRender() const = 0;
    virtual void SetReRender(int reRender) = 0;

    // A filter code 30000-30005 lets only its kinds be picked and sets the
    // select mode; 0 switches picking off (mouse mode 0).
    virtual void SetPickFilter(int code) = 0;
    // Points, curves, sections and closed loops again; not domains.
    virtual void ResetPickFilter() = 0;
    virtual void RedrawScene() = 0;
    // The whole view is invalidated with erase; the next paint draws it all.
    virtual void InvalidateWithErase() = 0;

    // Keys of one kind, ascending.
    virtual const std::set<int>& SelectedKeys(SceneKind kind) const = 0;
    virtual const std::set<int>& ActiveKeys(SceneKind kind) const = 0;
    virtual void ClearSelection() = 0;
    // Toggles the key in the selection as a click on its entity does.
    virtual void SelectKeyAsClick(int key) = 0;
};
