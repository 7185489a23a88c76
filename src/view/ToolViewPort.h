#pragma once
// What the tool pages, their dialogs and their applies, the pick dispatch and
// the tool commands may touch of the drawing view: the words the view keeps
// for the shown tool, the property labels, the pick filter, the redraws and
// rebuilds, the selected and active keys of each kind, the snap and the curve
// under a click, the modal state and the domain-state question. The program
// implements it over CTarvokrtView (TarvokrtToolView); tests use a fake that
// records the calls.

#include "view/EntityKeys.h"
#include "view/ViewLabels.h"

#include <set>

// What a click snapped to: whether a snap applied at the click, the snapped
// position in the current UCS, and the point snapped at this click (-1 when
// the snap went to a grid node or nothing).
struct ClickSnap {
    bool snapped = false;
    double point[2] = {0.0, 0.0};
    int pointId = -1;
};

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

    // The labels of calculated properties beside the sections: the master
    // switch, and which properties the label lines show.
    virtual bool PropertyLabelsOn() const = 0;
    virtual void SetPropertyLabelsOn(bool on) = 0;
    virtual const PropertyLabelSwitches& PropertyLabels() const = 0;
    virtual void SetPropertyLabels(const PropertyLabelSwitches& switches) = 0;

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

    // The snap at a click's client position; it becomes the view's snapped
    // point.
    virtual ClickSnap SnapAtClick(int x, int y) = 0;
    // The key of the nearest active curve within 5 pixels of the click, or 0.
    virtual int NearestCurveAt(int x, int y) = 0;
    // Shows the entity in the highlight colour for a moment.
    virtual void BlinkEntity(int key) = 0;
    // The rubber band the mouse draws (0 none; 1, 2 a line; 3 to 5 a box).
    virtual int RubberBandKind() const = 0;
    virtual void SetRubberBandKind(int kind) = 0;
    // Display lists and extents anew from the model.
    virtual void RebuildScene() = 0;
    // Whether domains may be picked.
    virtual bool DomainPickFilter() const = 0;
    virtual void SetDomainPickFilter(bool pickable) = 0;
    // While a modal interaction runs, or its flag is set, only the view's
    // zoom and pan commands respond.
    virtual bool IsModal() const = 0;
    // Starts the interactive change of the plane section's domain states;
    // the answers come later, as events of the view.
    virtual void ChangeDomainState(int sectionId) = 0;
};
