#pragma once
// The Curve page without a display: its real table and forms driven through
// the page's steps, over the fake view, the recording document and the
// scripted user (the document's).

#include "frame/ToolPageContext.h"
#include "frame/ToolPageController.h"
#include "tools/CurveTool.h"
#include "view/support/FakeToolView.h"
#include "view/support/RecordingToolDocument.h"
#include "view/support/TestToolPage.h"

#include <gtest/gtest.h>

class CurvePageTest : public testing::Test {
protected:
    void SetUp() override { controller.SetWindow(&window); }

    // Shows the row of the tool id and returns its form.
    template <class Form>
    Form& Open(int toolId)
    {
        controller.SelectCommand(toolId);
        CToolForm* form = controller.ShownForm();
        EXPECT_NE(form, nullptr) << toolId;
        return dynamic_cast<Form&>(*form);
    }
    void Apply() { controller.OnApply(); }
    // The page closed and its table with every form made anew.
    void FreshPage()
    {
        controller.OnClose();
        table = CCurveTool::MakeTable();
    }
    std::vector<std::string> Boxes() const { return document.user.BoxTexts(); }
    void SelectCurves(std::initializer_list<int> ids)
    {
        for (int id : ids)
            view.SelectKeyAsClick(CURVE_KEY_BASE + id);
    }
    bool NoCurveSelected() const { return view.SelectedKeys(KIND_CURVE).empty(); }

    FakeToolView view;
    RecordingToolDocument document;
    ToolPageTable table = CCurveTool::MakeTable();
    ToolPageContext context{&view, &document, &document.user, nullptr, nullptr, {}};
    std::vector<std::string> log;
    RecordingPageWindow window{log};
    CToolPageController controller{ShellOf(ToolPageKind::Curve), table, context};
};

using Calls = std::vector<std::string>;
