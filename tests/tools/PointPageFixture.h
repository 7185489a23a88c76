#pragma once
// The Point page without a display: its registered table run by the page's
// controller over the fake view, the recording document and the scripted
// user, with helpers to select and show entities and to type into forms.

#include "frame/ToolPageContext.h"
#include "frame/ToolPageController.h"
#include "tools/PointForms.h"
#include "tools/PointTool.h"
#include "tools/TransformForm.h"
#include "view/support/FakeToolView.h"
#include "view/support/RecordingToolDocument.h"
#include "view/support/TestToolPage.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// Recorded document calls; box texts.
using Calls = std::vector<std::string>;
using Texts = std::vector<std::string>;

class PointPage : public testing::Test {
protected:
    PointPage() { controller.SetWindow(&window); }

    // Shows the row as a choice in the page's combo does.
    void Show(int row) { controller.OnSelChangeCommand(row); }
    // Hides the shown row and shows it again.
    void ShowAgain(int row)
    {
        Show(POINT_ROW_QUERY == row ? POINT_ROW_DELETE : POINT_ROW_QUERY);
        Show(row);
    }
    // Apply, with the records of what it did only.
    void Apply()
    {
        document.calls.clear();
        document.user.ClearRecords();
        controller.OnApply();
    }
    void Select(SceneKind kind, std::initializer_list<int> ids)
    {
        for (int id : ids)
            view.scene.m_selection[kind].insert(KeyOf(kind, id));
    }
    void ShowPoints(std::initializer_list<int> ids)
    {
        for (int id : ids)
            view.scene.m_active[KIND_POINT].insert(PointKey(id));
    }
    std::vector<int> SelectedPoints() const
    {
        std::vector<int> ids;
        for (int key : view.scene.m_selection[KIND_POINT])
            ids.push_back(IdOfKey(key));
        return ids;
    }
    bool NothingSelected() const
    {
        for (const auto& keys : view.scene.m_selection) {
            if (!keys.empty())
                return false;
        }
        return true;
    }
    // Typed texts, by control id.
    static void Type(CToolForm& form, std::initializer_list<std::pair<int, const char*>> texts)
    {
        for (const auto& [id, text] : texts)
            form.SetText(id, text);
    }
    std::vector<std::string> Boxes() const { return document.user.BoxTexts(); }

    CPointTool tool;
    FakeToolView view;
    RecordingToolDocument document;
    ToolPageContext context{&view, &document, &document.user, nullptr, nullptr, {}};
    std::vector<std::string> pageLog;
    RecordingPageWindow window{pageLog};
    CToolPageController controller{ShellOf(ToolPageKind::Point), tool.Table(), context};
};
