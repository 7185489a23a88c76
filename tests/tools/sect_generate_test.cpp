// Generate and Redefine of the Section page: the form, the selection and the
// exact document call or box.

#include "tools/SectPageFixture.h"

namespace {

const char* const ANGLE_WARNING = "Angle deviation should be in the range of 0~90 [Deg]!";

class SectGenerate : public SectPage {
protected:
    void SetUp() override
    {
        Show(GENERATE);
        Select({CurveKey(12), CurveKey(5)});
    }
    CSToolGenerate& form = *tool->generate;
};

TEST_F(SectGenerate, WithoutCurvesItSaysSoAndCallsNothing)
{
    view.ClearSelection();
    Apply();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"No curve is selected."});
    EXPECT_TRUE(document.calls.empty());
}

TEST_F(SectGenerate, ThePlaneMergeAngleMustLieFromZeroToBelowNinety)
{
    struct Case {
        const char* angle;
        bool accepted;
    };
    for (const Case& c : {Case{"90", false}, Case{"-0.5", false}, Case{"0", true}, Case{"89.5", true}}) {
        SCOPED_TRACE(c.angle);
        view.ClearSelection();
        Select({CurveKey(12), CurveKey(5)});
        form.SetText(ID_GEN_ANGLE, c.angle);
        Apply();
        if (c.accepted) {
            EXPECT_TRUE(Boxes().empty());
            ASSERT_EQ(document.calls.size(), 1u);
            EXPECT_EQ(document.calls[0],
                      std::string("GenerateSection(\"\", 1, [5, 12], false, 0, (255, 255, 128), \"\", false, true, ")
                          + c.angle + ")");
            EXPECT_TRUE(Selected(KIND_CURVE).empty());
        } else {
            ASSERT_EQ(document.user.boxes.size(), 1u);
            EXPECT_EQ(document.user.boxes[0].kind, BoxKind::Warning);
            EXPECT_EQ(document.user.boxes[0].text, ANGLE_WARNING);
            EXPECT_TRUE(document.calls.empty());
            EXPECT_EQ(Selected(KIND_CURVE), (std::set<int>{CurveKey(5), CurveKey(12)}));
        }
    }
}

TEST_F(SectGenerate, ALocationThatIsNoNumberStopsTheApplyAndKeepsTheCurves)
{
    form.Check(ID_GEN_HAS_LOCATION, true);
    form.SetText(ID_GEN_LOCATION, "abc");
    Apply();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Please enter a number."});
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(Selected(KIND_CURVE).size(), 2u);
}

TEST_F(SectGenerate, ALineTakesTheHeldMergeAngleUnchecked)
{
    // The angle typed last as a plane section: not a number (the held value
    // stays), or read and refused. The form keeps it from case to case.
    struct Case {
        const char* typed;
        const char* held;
    };
    for (const Case& c : {Case{"abc", "2"}, Case{"95", "95"}}) {
        SCOPED_TRACE(c.typed);
        Show(GENERATE);
        view.ClearSelection();
        Select({CurveKey(12), CurveKey(5)});
        form.SetText(ID_GEN_ANGLE, c.typed);
        Apply();
        form.Choose(ID_GEN_PLANE, 1);
        EXPECT_FALSE(form.IsEnabled(ID_GEN_ANGLE));
        EXPECT_FALSE(form.IsEnabled(ID_GEN_MERGE));
        Apply();
        EXPECT_TRUE(Boxes().empty());
        EXPECT_EQ(document.calls, std::vector<std::string>{std::string("GenerateSection(\"\", 2, [5, 12], false, 0, "
                                                                       "(0, 0, 255), \"\", false, true, ")
                                                           + c.held + ")"});
        Show(REDEFINE);
    }
}

TEST_F(SectGenerate, TheCallCarriesEveryInputAndAGroupRefreshesTheToolbarCombos)
{
    struct Case {
        bool groupChecked;
        const char* expected;
        int refreshes;
    };
    for (const Case& c : {Case{false,
                               "GenerateSection(\"Web\", 1, [5, 12], true, 2.5, (255, 255, 128), \"\", true, false, 2)",
                               0},
                          Case{true,
                               "GenerateSection(\"Web\", 1, [5, 12], true, 2.5, (255, 255, 128), \"Deck\", true, "
                               "false, 2)",
                               1}}) {
        SCOPED_TRACE(c.expected);
        combos.refreshes = 0;
        Show(REDEFINE);
        Show(GENERATE);
        Select({CurveKey(12), CurveKey(5)});
        form.SetText(ID_GEN_NAME, "Web");
        form.Check(ID_GEN_HAS_LOCATION, true);
        form.SetText(ID_GEN_LOCATION, "2.5");
        form.Check(ID_GEN_CALCULATE, true);
        form.Check(ID_GEN_MERGE, false);
        form.SetText(ID_GEN_ANGLE, "45");
        form.SetComboText(ID_GEN_GROUP, "Deck");
        form.Check(ID_GEN_HAS_GROUP, c.groupChecked);
        Apply();
        EXPECT_EQ(document.calls, std::vector<std::string>{c.expected});
        EXPECT_EQ(combos.refreshes, c.refreshes);
        // The curves are let go before the document generates.
        EXPECT_EQ(view.calls.front(), "ClearSelection");
        EXPECT_TRUE(Selected(KIND_CURVE).empty());
    }
}

TEST_F(SectGenerate, TheColourFollowsTheTypeAndAPickedColourLastsUntilThen)
{
    EXPECT_EQ(form.Colour(ID_GEN_COLOUR), (Rgb{255, 255, 128}));
    form.PickColour(ID_GEN_COLOUR, {10, 20, 30});
    Apply();
    EXPECT_EQ(document.calls.at(0), "GenerateSection(\"\", 1, [5, 12], false, 0, (10, 20, 30), \"\", false, true, 2)");
    form.Choose(ID_GEN_PLANE, 1);
    EXPECT_EQ(form.Colour(ID_GEN_COLOUR), (Rgb{0, 0, 255}));
    form.PickColour(ID_GEN_COLOUR, {1, 2, 3});
    form.Choose(ID_GEN_PLANE, 0);
    EXPECT_EQ(form.Colour(ID_GEN_COLOUR), (Rgb{255, 255, 128}));
    form.PickColour(ID_GEN_COLOUR, {1, 2, 3});
    Show(REDEFINE);
    Show(GENERATE);
    EXPECT_EQ(form.Colour(ID_GEN_COLOUR), (Rgb{255, 255, 128}));
}

TEST_F(SectGenerate, EveryShowResetsTheChoicesAndRefillsTheGroupsSorted)
{
    for (const char* name : {"Web", "Deck", "Beam"}) {
        auto group = std::make_unique<T_GROUP_D>();
        group->name = name;
        const int id = static_cast<int>(document.model.m_groups.size()) + 1;
        group->id = id;
        document.model.m_groups[id] = std::move(group);
    }
    form.Choose(ID_GEN_PLANE, 1);
    form.Check(ID_GEN_MERGE, false);
    form.Check(ID_GEN_CALCULATE, true);
    form.Check(ID_GEN_HAS_LOCATION, true);
    form.Check(ID_GEN_HAS_GROUP, true);
    form.SetText(ID_GEN_ANGLE, "7");
    Apply();
    Show(REDEFINE);
    Show(GENERATE);
    EXPECT_FALSE(form.IsLine());
    EXPECT_TRUE(form.Checked(ID_GEN_MERGE));
    EXPECT_TRUE(form.IsEnabled(ID_GEN_ANGLE));
    EXPECT_FALSE(form.Checked(ID_GEN_CALCULATE));
    EXPECT_FALSE(form.Checked(ID_GEN_HAS_LOCATION));
    EXPECT_FALSE(form.IsEnabled(ID_GEN_LOCATION));
    EXPECT_FALSE(form.Checked(ID_GEN_HAS_GROUP));
    EXPECT_FALSE(form.IsEnabled(ID_GEN_GROUP));
    EXPECT_EQ(form.Rows(ID_GEN_GROUP), (std::vector<std::string>{"Beam", "Deck", "Web"}));
    EXPECT_EQ(form.ComboText(ID_GEN_GROUP), "");
}

class SectRedefine : public SectPage {
protected:
    void SetUp() override { Show(REDEFINE); }
    CSToolRedefine& form = *tool->redefine;
};

TEST_F(SectRedefine, ExactlyOneSectionElseItsBox)
{
    struct Case {
        std::vector<int> keys;
        const char* box;
    };
    for (const Case& c :
         {Case{{}, "No section is selected."}, Case{{SectionKey(2), SectionKey(4)}, "Select just one section."}}) {
        SCOPED_TRACE(c.box);
        for (int key : c.keys)
            view.SelectKeyAsClick(key);
        Apply();
        EXPECT_EQ(Boxes(), std::vector<std::string>{c.box});
        EXPECT_TRUE(document.calls.empty());
        EXPECT_TRUE(Selected(KIND_SECTION).empty());
    }
}

TEST_F(SectRedefine, OnlyTheCheckedItemsAreRedefinedAndTheColourIsKept)
{
    form.SetText(ID_REDEF_NAME, "Flange");
    form.PickColour(ID_REDEF_COLOUR, {9, 8, 7});
    Select({SectionKey(7)});
    Apply();
    EXPECT_EQ(document.calls, std::vector<std::string>{"RedefineSection(7, \"\", false, 0, false, (9, 8, 7))"});
    EXPECT_TRUE(Selected(KIND_SECTION).empty());

    Show(GENERATE);
    Show(REDEFINE);
    EXPECT_FALSE(form.Checked(ID_REDEF_HAS_NAME));
    EXPECT_FALSE(form.IsEnabled(ID_REDEF_NAME));
    EXPECT_FALSE(form.IsEnabled(ID_REDEF_LOCATION));
    EXPECT_FALSE(form.IsEnabled(ID_REDEF_COLOUR));
    form.Check(ID_REDEF_HAS_NAME, true);
    form.Check(ID_REDEF_HAS_LOCATION, true);
    form.SetText(ID_REDEF_LOCATION, "1.25");
    form.Check(ID_REDEF_HAS_COLOUR, true);
    Select({SectionKey(7)});
    Apply();
    EXPECT_EQ(document.calls, std::vector<std::string>{"RedefineSection(7, \"Flange\", true, 1.25, true, (9, 8, 7))"});
}

TEST_F(SectRedefine, ALocationThatIsNoNumberIsRefusedAndTheSelectionCleared)
{
    form.Check(ID_REDEF_HAS_LOCATION, true);
    form.SetText(ID_REDEF_LOCATION, "1,5x");
    Select({SectionKey(7)});
    Apply();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Please enter a number."});
    EXPECT_TRUE(document.calls.empty());
    EXPECT_TRUE(Selected(KIND_SECTION).empty());
}

}  // namespace
