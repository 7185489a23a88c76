#pragma once
// The tool pages' port onto the program's drawing view.

#include "view/ToolViewPort.h"

class CTarvokrtView;

class TarvokrtToolView : public IToolView {
public:
    explicit TarvokrtToolView(CTarvokrtView& view) : view_(view) {}

    int ToolCommandId() const override;
    void SetToolCommandId(int toolId) override;
    int PickFieldCode() const override;
    void SetPickFieldCode(int code) override;
    int ToolActive() const override;
    void SetToolActive(int active) override;
    int MouseMode() const override;
    void SetMouseMode(int mode) override;
    int SavedMouseMode() const override;
    void SetSavedMouseMode(int mode) override;
    int ReRender() const override;
    void SetReRender(int reRender) override;
    bool PropertyLabelsOn() const override;
    void SetPropertyLabelsOn(bool on) override;
    const PropertyLabelSwitches& PropertyLabels() const override;
    void SetPropertyLabels(const PropertyLabelSwitches& switches) override;

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
    int RubberBandKind() const override;
    void SetRubberBandKind(int kind) override;
    void RebuildScene() override;
    bool DomainPickFilter() const override;
    void SetDomainPickFilter(bool pickable) override;
    bool IsModal() const override;
    void ChangeDomainState(int sectionId) override;

private:
    CTarvokrtView& view_;
};
