#pragma once
// A stand-in for the drawing view behind IToolView. It keeps the view's words
// as plain members a test sets and reads, keeps the pick filter and the key
// sets in a real scene (so a filter code and a cleared selection act as they
// do in the program), and records each call that is not a plain word in
// `calls`, in order:
//   "SetPickFilter <code>", "ResetPickFilter", "RedrawScene",
//   "InvalidateWithErase", "ClearSelection", "SelectKeyAsClick <key>",
//   "SnapAtClick <x> <y>", "NearestCurveAt <x> <y>", "BlinkEntity <key>",
//   "RebuildScene domains <0|1>" (with the domain pick filter at the time),
//   "ChangeDomainState <section id>".
// A click snaps to `clickSnap` and finds the curve `nearestCurve`.

#include "view/Scene.h"
#include "view/ToolViewPort.h"

#include <array>
#include <string>
#include <vector>

class FakeToolView : public IToolView {
public:
    FakeToolView();

    int ToolCommandId() const override { return toolCommandId; }
    void SetToolCommandId(int toolId) override { toolCommandId = toolId; }
    int PickFieldCode() const override { return pickFieldCode; }
    void SetPickFieldCode(int code) override { pickFieldCode = code; }
    int ToolActive() const override { return toolActive; }
    void SetToolActive(int active) override { toolActive = active; }
    int MouseMode() const override { return mouseMode; }
    void SetMouseMode(int mode) override { mouseMode = mode; }
    int SavedMouseMode() const override { return savedMouseMode; }
    void SetSavedMouseMode(int mode) override { savedMouseMode = mode; }
    int ReRender() const override { return reRender; }
    void SetReRender(int value) override { reRender = value; }
    bool PropertyLabelsOn() const override { return propertyLabelsOn; }
    void SetPropertyLabelsOn(bool on) override { propertyLabelsOn = on; }
    const PropertyLabelSwitches& PropertyLabels() const override { return propertyLabels; }
    void SetPropertyLabels(const PropertyLabelSwitches& switches) override { propertyLabels = switches; }

    void SetPickFilter(int code) override;
    void ResetPickFilter() override;
    void RedrawScene() override;
    void InvalidateWithErase() override;

    const std::set<int>& SelectedKeys(SceneKind kind) const override;
    const std::set<int>& ActiveKeys(SceneKind kind) const override;
    void ClearSelection() override;
    void SelectKeyAsClick(int key) override;

    ClickSnap SnapAtClick(int x, int y) override;
    int NearestCurveAt(int x, int y) override;
    void BlinkEntity(int key) override;
    int RubberBandKind() const override { return rubberBandKind; }
    void SetRubberBandKind(int kind) override { rubberBandKind = kind; }
    void RebuildScene() override;
    bool DomainPickFilter() const override { return scene.m_pickFilter[KIND_DOMAIN]; }
    void SetDomainPickFilter(bool pickable) override { scene.m_pickFilter[KIND_DOMAIN] = pickable; }
    bool IsModal() const override { return modal; }
    void ChangeDomainState(int sectionId) override;

    // The kinds the pick filter lets through, in SceneKind order (points,
    // curves, sections, closed loops, domains).
    std::array<bool, KIND_COUNT> PickFilter() const;
    // Calls recorded since the last ClearCalls.
    void ClearCalls() { calls.clear(); }

    int toolCommandId = 0;
    int pickFieldCode = 0;
    int toolActive = 0;
    int mouseMode = 0;
    int savedMouseMode = 0;
    int reRender = 0;
    bool propertyLabelsOn = false;
    PropertyLabelSwitches propertyLabels;
    int rubberBandKind = -1;
    bool modal = false;
    ClickSnap clickSnap;
    int nearestCurve = 0;
    // The selection and the active sets live here; a test fills them as it likes.
    CScene scene{nullptr};
    std::vector<std::string> calls;
};
