// Change Domain State and Assign Domain Material of the Section page.

#include "frame/ToolRegistry.h"
#include "tools/SectPageFixture.h"

namespace {

TEST_F(SectPage, ChangeDomainStateRefusesAllButOnePlaneSectionOfSeveralDomains)
{
    AddSection(1, SECTION_LINE, 1);
    AddSection(2, SECTION_PLANE, 1);
    AddSection(3, SECTION_PLANE, 2);
    struct Case {
        std::vector<int> sections;
        const char* box;
    };
    const Case cases[] = {
        {{}, "Select one object section."},
        {{1, 3}, "Select one object section."},
        {{1}, "This operation can be applied only to the plane section."},
        {{2},
         "This section has only one domain.\n\nIf you desire not to use this section, delete it using "
         "[Section]-[Delete]."},
    };
    Show(DOMAIN_STATE);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        for (int id : c.sections)
            view.SelectKeyAsClick(SectionKey(id));
        Apply();
        EXPECT_EQ(Boxes(), std::vector<std::string>{c.box});
        EXPECT_EQ(view.calls, (std::vector<std::string>{"ClearSelection", "RedrawScene", "InvalidateWithErase"}));
        EXPECT_TRUE(Selected(KIND_SECTION).empty());
    }
}

TEST_F(SectPage, ChangeDomainStateHandsAPlaneSectionOfTwoDomainsToTheModalView)
{
    AddSection(3, SECTION_PLANE, 2);
    Show(DOMAIN_STATE);
    Select({SectionKey(3)});
    Apply();
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(view.calls, (std::vector<std::string>{"command 32907", "ClearSelection", "RedrawScene",
                                                    "ChangeDomainState 3", "command 32908", "ClearSelection",
                                                    "RedrawScene", "InvalidateWithErase"}));
}

class SectMaterial : public SectPage {
protected:
    CSToolChgDMaterial& form = *tool->material;
};

TEST_F(SectMaterial, WithoutMaterialsTheComboAndTheCheckBoxAreDisabled)
{
    Show(DOMAIN_MATERIAL);
    EXPECT_FALSE(form.IsEnabled(ID_MATERIAL_COMBO));
    EXPECT_FALSE(form.IsEnabled(ID_MATERIAL_AS_BASE));
    EXPECT_EQ(form.GetSelectedMaterialId(), -1);
}

TEST_F(SectMaterial, TheRowsAreNoneThenTheMaterialsInIdOrderAndNoneIsChosen)
{
    AddMaterial(12, "Steel");
    AddMaterial(3, "Concrete");
    Show(DOMAIN_MATERIAL);
    EXPECT_TRUE(form.IsEnabled(ID_MATERIAL_COMBO));
    EXPECT_TRUE(form.IsEnabled(ID_MATERIAL_AS_BASE));
    EXPECT_EQ(form.Rows(ID_MATERIAL_COMBO), (std::vector<std::string>{"None", "3:Concrete", "12:Steel"}));
    EXPECT_EQ(form.SelectedRow(ID_MATERIAL_COMBO), -1);
    const std::pair<int, int> rowIds[] = {{0, 0}, {1, 3}, {2, 12}};
    for (const auto& [row, id] : rowIds) {
        form.SelectRow(ID_MATERIAL_COMBO, row);
        EXPECT_EQ(form.GetSelectedMaterialId(), id);
    }
}

TEST_F(SectMaterial, TheApplyAssignsTheChosenMaterialToTheSelectedDomainsInKeyOrder)
{
    AddMaterial(5, "Timber");
    Show(DOMAIN_MATERIAL);
    // No row chosen: nothing but the clear.
    Select({DomainKey(2, 3)});
    Apply();
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(document.calls.empty());
    EXPECT_TRUE(Selected(KIND_DOMAIN).empty());

    struct Case {
        int row;
        bool asBase;
        const char* expected;
    };
    for (const Case& c : {Case{0, false, "AssignDomainMaterial([(2, 1), (2, 3)], 0, false)"},
                          Case{1, true, "AssignDomainMaterial([(2, 1), (2, 3)], 5, true)"}}) {
        SCOPED_TRACE(c.expected);
        form.SelectRow(ID_MATERIAL_COMBO, c.row);
        form.Check(ID_MATERIAL_AS_BASE, c.asBase);
        Select({4002003, 4002001});
        Apply();
        EXPECT_EQ(document.calls, std::vector<std::string>{c.expected});
        EXPECT_TRUE(Selected(KIND_DOMAIN).empty());
    }
    Apply();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"No domain is selected."});
    EXPECT_TRUE(document.calls.empty());
}

TEST_F(SectMaterial, ChosenFromThePageItsRowRebuildsTheSceneWithDomainsPickable)
{
    Show(GENERATE);
    view.ClearCalls();
    page.OnSelChangeCommand(DOMAIN_MATERIAL - 3000);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ClearSelection", "RedrawScene", "SetPickFilter 30003",
                                                    "RebuildScene domains 1"}));
}

TEST_F(SectMaterial, TheEllipsisButtonOpensTheMaterialList)
{
    Show(DOMAIN_MATERIAL);
    view.ClearCalls();
    form.Press(ID_MATERIAL_LIST_BUTTON);
    EXPECT_EQ(view.calls, std::vector<std::string>{"command 32812"});
}

TEST_F(SectMaterial, TheHookRefillsTheComboOnlyWhileTheDialogIsShown)
{
    CToolRegistry registry;
    RegisterSectTool(registry);
    ASSERT_TRUE(registry.hooks.updateMaterialList);
    // The registered page's own material dialog.
    auto& registered = static_cast<CSToolChgDMaterial&>(*registry.Page(ToolPageKind::Section).rows[9].dialog.form);
    CToolPageController registeredPage{ShellOf(ToolPageKind::Section), registry.Page(ToolPageKind::Section), context};
    registeredPage.SelectCommand(DOMAIN_MATERIAL);
    EXPECT_FALSE(registered.IsEnabled(ID_MATERIAL_COMBO));

    AddMaterial(1, "Steel");
    registry.hooks.updateMaterialList();
    EXPECT_TRUE(registered.IsEnabled(ID_MATERIAL_COMBO));
    EXPECT_EQ(registered.Rows(ID_MATERIAL_COMBO), (std::vector<std::string>{"None", "1:Steel"}));

    registeredPage.OnClose();
    AddMaterial(2, "Glass");
    registry.hooks.updateMaterialList();
    EXPECT_EQ(registered.Rows(ID_MATERIAL_COMBO), (std::vector<std::string>{"None", "1:Steel"}));
}

}  // namespace
