// The tool pages' port onto a real drawing view: each word reaches the
// view's own member, and the filter, selection and redraw calls act on the
// view's scene.

#include "view/TarvokrtToolView.h"
#include "view/support/ViewOnScreen.h"

#include <functional>

namespace {

class ToolViewPort : public ViewOnScreen {};

TEST_F(ToolViewPort, EachWordIsTheViewsOwnMember)
{
    if (!view)
        return;
    TarvokrtToolView port(*view);
    const struct {
        const char* name;
        std::function<void(int)> set;
        std::function<int()> get;
        int* member;
    } words[] = {
        {"tool id", [&](int v) { port.SetToolCommandId(v); }, [&] { return port.ToolCommandId(); }, &view->m_toolCommandId},
        {"pick field code", [&](int v) { port.SetPickFieldCode(v); }, [&] { return port.PickFieldCode(); },
         &view->m_pickFieldCode},
        {"tool active", [&](int v) { port.SetToolActive(v); }, [&] { return port.ToolActive(); }, &view->m_toolActive},
        {"mouse mode", [&](int v) { port.SetMouseMode(v); }, [&] { return port.MouseMode(); }, &view->m_mouseMode},
        {"saved mouse mode", [&](int v) { port.SetSavedMouseMode(v); }, [&] { return port.SavedMouseMode(); },
         &view->m_previousMouseMode},
        {"re-render", [&](int v) { port.SetReRender(v); }, [&] { return port.ReRender(); }, &view->m_reRender},
    };
    int value = 101;
    for (const auto& word : words) {
        SCOPED_TRACE(word.name);
        word.set(value);
        EXPECT_EQ(*word.member, value);
        *word.member = value + 1;
        EXPECT_EQ(word.get(), value + 1);
        value += 10;
    }
}

TEST_F(ToolViewPort, FilterSelectionAndKeysActOnTheViewsScene)
{
    if (!view)
        return;
    TarvokrtToolView port(*view);
    CScene& scene = *view->GetScene();
    port.SetPickFilter(30001);
    EXPECT_EQ(view->m_mouseMode, MOUSE_SELECT);
    EXPECT_FALSE(scene.m_pickFilter[KIND_POINT]);
    EXPECT_TRUE(scene.m_pickFilter[KIND_CURVE]);
    port.ResetPickFilter();
    for (SceneKind kind : {KIND_POINT, KIND_CURVE, KIND_SECTION, KIND_CLOSED_LOOP})
        EXPECT_TRUE(scene.m_pickFilter[kind]) << kind;
    EXPECT_FALSE(scene.m_pickFilter[KIND_DOMAIN]);
    EXPECT_EQ(view->m_mouseMode, MOUSE_SELECT);  // the mode is the caller's to set

    port.SelectKeyAsClick(2000004);
    port.SelectKeyAsClick(1000002);
    EXPECT_EQ(port.SelectedKeys(KIND_CURVE), (std::set<int>{2000004}));
    EXPECT_EQ(scene.m_combinedSelection, (std::set<int>{1000002, 2000004}));
    port.SelectKeyAsClick(2000004);
    EXPECT_TRUE(port.SelectedKeys(KIND_CURVE).empty());
    scene.m_active[KIND_SECTION] = {3000001};
    EXPECT_EQ(&port.ActiveKeys(KIND_SECTION), &scene.m_active[KIND_SECTION]);
    port.ClearSelection();
    EXPECT_TRUE(port.SelectedKeys(KIND_POINT).empty());
    EXPECT_TRUE(port.SelectedKeys(KIND_NONE).empty());
    port.RedrawScene();
    port.InvalidateWithErase();
}

}  // namespace
