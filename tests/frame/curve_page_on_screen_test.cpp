// The Curve page in the real program: its commands offered on the toolbar,
// a creation dialog opened by its command, typed into and applied.

#include "CurvePageOnScreen.h"
#include "tools/CurveLineDialogs.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

namespace {

// The creation commands, each with its button on the Curve toolbar.
const int CURVE_COMMANDS[] = {32839, 32840, 32856, 32855, 32843, 32844, 32852, 32849, 32850, 32841, 32884};

}  // namespace

TEST_F(CurvePageOnScreen, TheToolbarOffersTheCurveCommands)
{
    ASSERT_TRUE(Start("KLX 1"));
    for (int command : CURVE_COMMANDS) {
        SCOPED_TRACE(command);
        EXPECT_EQ(ToolbarEnables(command), true);
    }
}

TEST_F(CurvePageOnScreen, ATypedLineIsCreatedAndDrawn)
{
    ASSERT_TRUE(Start("KLX 1"));
    const int emptyView = DarkPixels();
    Command(32839);
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->Combo()->GetSelection(), 0);
    EXPECT_EQ(Frame().View().m_toolCommandId, 2000);
    Type(LINE_POINT1, "100, 0");
    Type(LINE_POINT2, "200, 100");
    PressApply();
    ASSERT_EQ(Model().m_curves.size(), 1u);
    EXPECT_EQ(Model().m_curves.begin()->first, 1);
    // The texts stay.
    EXPECT_EQ(static_cast<wxTextCtrl*>(Control(LINE_POINT2))->GetValue(), "200, 100");
    EXPECT_GT(DarkPixels(), emptyView + 20);
}

TEST_F(CurvePageOnScreen, ACircleOfRadius100Has36SegmentsAtTheDefaultAngleStep)
{
    ASSERT_TRUE(Start("KLX 1"));
    const int emptyView = DarkPixels();
    Command(32843);
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->Combo()->GetSelection(), 4);
    // The method's radios are shown as the form holds them.
    auto* centreRadius = dynamic_cast<wxRadioButton*>(Control(1098));
    ASSERT_NE(centreRadius, nullptr);
    EXPECT_TRUE(centreRadius->GetValue());
    EXPECT_FALSE(Control(1103)->IsEnabled());
    Type(1101, "0, 0");
    Type(1102, "100");
    PressApply();
    ASSERT_EQ(Model().m_curves.size(), 1u);
    const T_CURVE_D& circle = *Model().m_curves.begin()->second;
    ASSERT_EQ(circle.pointIds.size(), 37u);
    EXPECT_EQ(circle.pointIds.front(), circle.pointIds.back());
    EXPECT_GT(DarkPixels(), emptyView + 20);
}

TEST_F(CurvePageOnScreen, ClicksOnRadiosCheckBoxesAndButtonsReachTheDialog)
{
    ASSERT_TRUE(Start("KLX 1"));
    const auto click = [this](int id, wxEventType type, int value) {
        wxWindow* control = Control(id);
        ASSERT_NE(control, nullptr) << id;
        if (auto* radio = dynamic_cast<wxRadioButton*>(control))
            radio->SetValue(true);
        wxCommandEvent event(type, id);
        event.SetEventObject(control);
        event.SetInt(value);
        control->GetEventHandler()->AddPendingEvent(event);
        Settle();
    };
    Command(32843);
    click(1100, wxEVT_RADIOBUTTON, 1);
    EXPECT_TRUE(Control(1105)->IsEnabled());
    EXPECT_FALSE(Control(1101)->IsEnabled());
    EXPECT_FALSE(Control(1113)->IsEnabled());
    // Pick Curve: a checked box enables its input.
    Command(32857);
    EXPECT_FALSE(Control(1277)->IsEnabled());
    EXPECT_FALSE(Control(1320)->IsEnabled());  // no curves yet
    click(1320, wxEVT_CHECKBOX, 1);
    EXPECT_TRUE(Control(1277)->IsEnabled());
    auto* alignments = dynamic_cast<wxChoice*>(Control(1279));
    ASSERT_NE(alignments, nullptr);
    EXPECT_EQ(alignments->GetCount(), 3u);
    EXPECT_EQ(alignments->GetString(0), "Center");
    // Polyline: "New Polyline" puts the point field back.
    Command(32840);
    Type(PLINE_POINT, "3, 4");
    click(PLINE_NEW, wxEVT_BUTTON, 0);
    EXPECT_EQ(static_cast<wxTextCtrl*>(Control(PLINE_POINT))->GetValue(), "0.000, 0.000");
}

TEST_F(CurvePageOnScreen, TwoGridPicksDrawALineAndTheFocusGoesBackToPoint1)
{
    ASSERT_TRUE(Start("KLX 1"));
    Command(32839);
    ASSERT_EQ(View().m_toolCommandId, 2000);
    SnapToTheGrid();
    ASSERT_TRUE(ShownForm().FocusPickField(10000));
    Settle();
    ClickNear(100, 0);
    ClickNear(200, 100);
    ASSERT_EQ(Model().m_curves.size(), 1u);
    EXPECT_EQ(CurvePoints(1), (std::vector<PlanePoint>{{100, 0}, {200, 100}}));
    EXPECT_EQ(static_cast<wxTextCtrl*>(Control(LINE_POINT2))->GetValue(), "200.000, 100.000");
    EXPECT_EQ(View().m_pickFieldCode, 10000);
    EXPECT_TRUE(ShownForm().Field(LINE_POINT1)->highlighted);
    // The curve is drawn through the segment's midpoint.
    EXPECT_GT(DarkAround(ClientOf(150, 50)), 0);
}

TEST_F(CurvePageOnScreen, ThreeGridPicksOfThePolylineGiveTwoLines)
{
    ASSERT_TRUE(Start("KLX 1"));
    Command(32840);
    ASSERT_EQ(View().m_toolCommandId, 2001);
    SnapToTheGrid();
    ASSERT_TRUE(ShownForm().FocusPickField(10006));
    Settle();
    ClickNear(0, 0);
    ClickNear(300, 0);
    ClickNear(300, 200);
    ASSERT_EQ(Model().m_curves.size(), 2u);
    EXPECT_EQ(CurvePoints(1), (std::vector<PlanePoint>{{0, 0}, {300, 0}}));
    EXPECT_EQ(CurvePoints(2), (std::vector<PlanePoint>{{300, 0}, {300, 200}}));
}
