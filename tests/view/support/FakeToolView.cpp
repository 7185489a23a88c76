#include "view/support/FakeToolView.h"

#include "view/MouseModes.h"

FakeToolView::FakeToolView()
{
    scene.ResetDefaults();
}

void FakeToolView::SetPickFilter(int code)
{
    calls.push_back("SetPickFilter " + std::to_string(code));
    scene.SetPickFilterCode(code);
    mouseMode = MouseModeOfPickFilter(code);
}

void FakeToolView::ResetPickFilter()
{
    calls.push_back("ResetPickFilter");
    scene.ResetPickFilter();
}

void FakeToolView::RedrawScene()
{
    calls.push_back("RedrawScene");
}

void FakeToolView::InvalidateWithErase()
{
    calls.push_back("InvalidateWithErase");
}

const std::set<int>& FakeToolView::SelectedKeys(SceneKind kind) const
{
    return KeysOfKind(scene.m_selection, kind);
}

const std::set<int>& FakeToolView::ActiveKeys(SceneKind kind) const
{
    return KeysOfKind(scene.m_active, kind);
}

void FakeToolView::ClearSelection()
{
    calls.push_back("ClearSelection");
    scene.ClearSelection();
}

void FakeToolView::SelectKeyAsClick(int key)
{
    calls.push_back("SelectKeyAsClick " + std::to_string(key));
    scene.ToggleClickedKey(key);
}

std::array<bool, KIND_COUNT> FakeToolView::PickFilter() const
{
    std::array<bool, KIND_COUNT> filter{};
    for (int kind = 0; kind < KIND_COUNT; ++kind)
        filter[kind] = scene.m_pickFilter[kind];
    return filter;
}

ClickSnap FakeToolView::SnapAtClick(int x, int y)
{
    calls.push_back("SnapAtClick " + std::to_string(x) + " " + std::to_string(y));
    return clickSnap;
}

int FakeToolView::NearestCurveAt(int x, int y)
{
    calls.push_back("NearestCurveAt " + std::to_string(x) + " " + std::to_string(y));
    return nearestCurve;
}

void FakeToolView::BlinkEntity(int key)
{
    calls.push_back("BlinkEntity " + std::to_string(key));
}

void FakeToolView::RebuildScene()
{
    calls.push_back(std::string("RebuildScene domains ") + (DomainPickFilter() ? "1" : "0"));
}

void FakeToolView::ChangeDomainState(int sectionId)
{
    calls.push_back("ChangeDomainState " + std::to_string(sectionId));
}
