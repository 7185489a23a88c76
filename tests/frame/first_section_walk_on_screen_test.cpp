// The README's "A first section" in the real program, step by step and in
// the README's order: its buttons' commands, typing into the pages, the mouse
// on the view, and the numbers the README quotes read off the Result List.
// When the program and the README part, this test fails.

#include "CurvePageOnScreen.h"
#include "calc/PropsShapes.h"

#include "frame/OutputWindow.h"
#include "frame/ToolPageTable.h"
#include "frame/ToolRegistry.h"
#include "frame/ViewSetDlg.h"
#include "tools/BaseGridWnd.h"
#include "tools/CalcToolForms.h"
#include "tools/CurveLineDialogs.h"
#include "tools/ResultListDlg.h"
#include "tools/SectTransformForms.h"
#include "view/EntityKeys.h"
#include "view/MouseModes.h"
#include "view/Scene.h"

#include <wx/checkbox.h>
#include <wx/modalhook.h>
#include <wx/radiobut.h>
#include <wx/slider.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// The buttons the README names, by their commands; Property List's is
// CMD_RESULT_LIST.
enum ReadmeButton {
    CURVE_RECTANGLE = 32855,
    VIEW_ZOOM_FIT = 32796,
    SECTION_GENERATE = 32813,
    ACTIVE_SELECT = 32901,
    PROPERTY_CALCULATE = 32904,
};

// The README's rectangle, its exact J as the README gives it, and how far
// its J is high at the middle density and at Fine, in percent to the
// README's one decimal.
constexpr double kWidth = 200.0;
constexpr double kHeight = 100.0;
constexpr double kReadmeExactJ = 45736335.0;
constexpr double kReadmeMiddlePercentHigh = 1.2;
constexpr double kReadmeFinePercentHigh = 0.4;

// Answers the walk's two dialogs: the new project's Setting with its OK
// button, and the Result List, whose value column it reads by row caption.
class WalkDialogs : public wxModalDialogHook {
public:
    int Enter(wxDialog* dialog) override
    {
        if (auto* setting = dynamic_cast<CViewSetDlg*>(dialog)) {
            answered.push_back(dialog->GetTitle().utf8_string());
            wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
            ok.SetEventObject(setting->FindWindow(wxID_OK));
            setting->GetEventHandler()->ProcessEvent(ok);
            return wxID_OK;
        }
        if (auto* list = dynamic_cast<CResultListDlg*>(dialog)) {
            answered.push_back(dialog->GetTitle().utf8_string());
            listed.clear();
            for (int row = 1; row <= list->Grid().m_nRows; ++row)
                listed[list->Grid().GetCellText(row, 0)] = list->Grid().GetCellText(row, 1);
            return wxID_CANCEL;
        }
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

    std::vector<std::string> answered;
    std::map<std::string, std::string> listed;
};

class FirstSectionWalk : public CurvePageOnScreen {
protected:
    void SetUpOnScreen() override { AnswerDialogsWith(dialogs); }

    template <class Control>
    Control& ShownControl(int id)
    {
        auto* control = dynamic_cast<Control*>(CurvePageOnScreen::Control(id));
        EXPECT_NE(control, nullptr) << id;
        return *control;
    }
    void Apply(ToolPageKind page) { Press(*Page()->FindWindow(ShellOf(page).applyId)); }
    void ClickAt(double x, double y) { Drag(ClientOf(x, y), ClientOf(x, y)); }
    // Sets a control as the user does and sends its event as the toolkit does.
    template <class Control>
    void Change(int id, wxEventType type, int value)
    {
        auto& control = ShownControl<Control>(id);
        control.SetValue(value);
        wxCommandEvent changed(type, id);
        changed.SetEventObject(&control);
        changed.SetInt(value);
        control.GetEventHandler()->ProcessEvent(changed);
    }
    bool Shows(const std::string& line) { return Frame().Output().ShownText().find(line) != std::string::npos; }

    // Whether the view draws pure red within two pixels of a drawing position.
    bool RedAround(double x, double y)
    {
        View().m_reRender = 1;
        View().OnDraw();
        const RgbImage picture = View().ReadShownPicture();
        const wxPoint at = ClientOf(x, y);
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const int column = at.x + dx;
                const int row = picture.height - 1 - (at.y + dy);
                if (column < 0 || row < 0 || column >= picture.width || row >= picture.height)
                    continue;
                const std::size_t pixel = (static_cast<std::size_t>(row) * picture.width + column) * 3;
                if (picture.rgb[pixel] == 255 && picture.rgb[pixel + 1] == 0 && picture.rgb[pixel + 2] == 0)
                    return true;
            }
        }
        return false;
    }

    // Property bar > Property List: the value the Result List shows in a row.
    double Listed(const std::string& caption)
    {
        const auto shown = dialogs.listed.find(caption);
        if (shown == dialogs.listed.end()) {
            ADD_FAILURE() << "the Result List has no row " << caption;
            return 0.0;
        }
        return std::stod(shown->second);
    }
    double ListedJPercentHigh()
    {
        return (Listed("J") / props_shapes::RectangleTorsion(kWidth, kHeight) - 1.0) * 100.0;
    }

    WalkDialogs dialogs;
};

TEST_F(FirstSectionWalk, TheReadmeStepsGiveTheQuotedProperties)
{
    // A new project first asks for its units and tolerance; OK keeps them.
    ASSERT_TRUE(Start(""));
    ASSERT_TRUE(RunEventsUntil([&] { return !dialogs.answered.empty(); }));
    EXPECT_EQ(dialogs.answered, std::vector<std::string>{"Setting"});
    ASSERT_TRUE(RunEventsUntil([&] { return View().IsShownOnScreen() && View().tglSetCurrent(); }));
    View().tglReleaseCurrent();

    // 1. Curve bar > Rectangle, Point 1 "0, 0", Point 2 "200, 100", Width 0,
    //    Apply; View bar > Zoom Fit.
    Command(CURVE_RECTANGLE);
    Type(RECTANGLE_POINT1, "0, 0");
    Type(RECTANGLE_POINT2, "200, 100");
    Type(RECTANGLE_WIDTH, "0");
    Apply(ToolPageKind::Curve);
    ASSERT_EQ(Model().m_curves.size(), 4u);  // its sides
    Command(VIEW_ZOOM_FIT);

    // 2. Section bar > Generate: Plane is chosen, the Name left empty; the
    //    view selects, and the Active bar's Select shows pressed.
    Command(SECTION_GENERATE);
    EXPECT_TRUE(ShownControl<wxRadioButton>(ID_GEN_PLANE).GetValue());
    EXPECT_EQ(View().m_mouseMode, MOUSE_SELECT);
    wxAuiToolBar* activeBar = ToolbarWith(ACTIVE_SELECT);
    ASSERT_NE(activeBar, nullptr);
    EXPECT_TRUE(activeBar->GetToolToggled(WxCommandId(ACTIVE_SELECT)));

    // 3. A drag from empty space around the whole outline selects it and it
    //    turns red; Apply generates the section.
    const wxSize view = View().GetClientSize();
    const wxPoint lowCorner = ClientOf(0.0, 0.0);
    const wxPoint highCorner = ClientOf(kWidth, kHeight);
    const wxPoint from(lowCorner.x / 2, (lowCorner.y + view.y) / 2);
    const wxPoint to((highCorner.x + view.x) / 2, highCorner.y / 2);
    ASSERT_GT(lowCorner.x - from.x, 2);
    ASSERT_GT(from.y - lowCorner.y, 2);
    ASSERT_GT(to.x - highCorner.x, 2);
    ASSERT_GT(highCorner.y - to.y, 2);
    EXPECT_FALSE(RedAround(kWidth, kHeight / 2));
    Drag(from, to);
    EXPECT_EQ(Scene().m_selection[KIND_CURVE].size(), Model().m_curves.size());
    EXPECT_TRUE(RedAround(kWidth, kHeight / 2));
    Apply(ToolPageKind::Section);
    ASSERT_EQ(Model().m_sections.size(), 1u);
    const int sectionId = Model().m_sections.begin()->first;
    EXPECT_EQ(Model().m_sections.begin()->second->type, SECTION_PLANE);
    EXPECT_TRUE(Shows("New plane section [Section-P1] is generated.")) << Frame().Output().ShownText();

    // 4. Property bar > Calculate Property at the middle density: click the
    //    section, Apply.
    Command(PROPERTY_CALCULATE);
    auto& density = ShownControl<wxSlider>(ID_CALC_SLIDER);
    EXPECT_EQ(density.GetValue(), (density.GetMin() + density.GetMax()) / 2);
    ClickAt(kWidth / 2, kHeight / 2);
    EXPECT_EQ(Scene().m_selection[KIND_SECTION], std::set<int>{SectionKey(sectionId)});
    Apply(ToolPageKind::Properties);
    EXPECT_TRUE(Shows("The properties of 1 section are calculated.")) << Frame().Output().ShownText();

    // 5. Property bar > Property List: area and moments exact to the last of
    //    the six decimals shown, J as high as the README says.
    Command(CMD_RESULT_LIST);
    EXPECT_EQ(dialogs.answered.back(), "Result List");
    constexpr double halfLastDigit = 0.5e-6;
    EXPECT_NEAR(Listed("Area"), kWidth * kHeight, halfLastDigit);
    EXPECT_NEAR(Listed("Ixx"), kWidth * kHeight * kHeight * kHeight / 12.0, halfLastDigit);
    EXPECT_NEAR(Listed("Iyy"), kHeight * kWidth * kWidth * kWidth / 12.0, halfLastDigit);
    EXPECT_NEAR(props_shapes::RectangleTorsion(kWidth, kHeight), kReadmeExactJ, 0.5);
    EXPECT_NEAR(ListedJPercentHigh(), kReadmeMiddlePercentHigh, 0.05);
    const double middleJ = Listed("J");

    // Back in step 4: at Fine the section is calculated again only with
    // Re-calculate ticked.
    Change<wxSlider>(ID_CALC_SLIDER, wxEVT_SLIDER, density.GetMax());
    ClickAt(kWidth / 2, kHeight / 2);
    Apply(ToolPageKind::Properties);
    const std::vector<std::string> boxes = user.BoxTexts();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("turn on the [Re-calculate] option"), std::string::npos) << boxes[0];
    Command(CMD_RESULT_LIST);
    EXPECT_EQ(Listed("J"), middleJ);

    Change<wxCheckBox>(ID_CALC_RECALCULATE, wxEVT_CHECKBOX, 1);
    ClickAt(kWidth / 2, kHeight / 2);
    Apply(ToolPageKind::Properties);
    Command(CMD_RESULT_LIST);
    EXPECT_NEAR(ListedJPercentHigh(), kReadmeFinePercentHigh, 0.05);
    EXPECT_EQ(user.BoxTexts().size(), 1u);
}

}  // namespace
