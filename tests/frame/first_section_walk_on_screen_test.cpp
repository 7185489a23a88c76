// The README's "A first section" in the real program, step by step and in
// the README's order: its buttons found by the names the README gives them
// (tooltips, menu and button labels), clicks and typing into the pages, the
// mouse on the view, and the numbers the README quotes read off the Result
// List. When the program and the README part, this test fails.

#include "CurvePageOnScreen.h"
#include "field_click.h"
#include "calc/PropsShapes.h"

#include "frame/OutputWindow.h"
#include "frame/ViewSetDlg.h"
#include "tools/BaseGridWnd.h"
#include "tools/CalcToolForms.h"
#include "tools/CurveLineDialogs.h"
#include "tools/MaterialDlgs.h"
#include "tools/ResultListDlg.h"
#include "tools/SectDomainForms.h"
#include "view/EntityKeys.h"
#include "view/MouseModes.h"
#include "view/Scene.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/modalhook.h>
#include <wx/radiobut.h>
#include <wx/slider.h>

#include <cmath>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The README's rectangle, its exact J as the README gives it, and how far
// its J is high at the middle density and at Fine, in percent to the
// README's one decimal.
constexpr double kWidth = 200.0;
constexpr double kHeight = 100.0;
constexpr double kReadmeExactJ = 45736335.0;
constexpr double kReadmeMiddlePercentHigh = 1.2;
constexpr double kReadmeFinePercentHigh = 0.4;

// The material step 6 adds, and how much lower, in percent to the README's
// two decimals, the shear areas are with its Poisson's ratio of 0.3 than
// without a material (a ratio of 0), both at the middle density.
constexpr const char* kMaterialRow = "1:Steel";
constexpr double kReadmePercentLower[2] = {0.03, 0.17};  // SAx, SAy
constexpr const char* kInvalidatedBox =
    "The properties of 1 plane section are invalidated.\n\nRe-calculate the properties using [Properties]-[Calculate].";

// The window with the label among the window and its children; null when none has it.
template <class Window = wxWindow>
Window* Labelled(wxWindow& parent, const char* label)
{
    return dynamic_cast<Window*>(wxWindow::FindWindowByLabel(label, &parent));
}

// The event a control sends once the user has changed it, handled at once.
void SendChanged(wxWindow& control, wxEventType type, int value)
{
    wxCommandEvent changed(type, control.GetId());
    changed.SetEventObject(&control);
    changed.SetInt(value);
    control.GetEventHandler()->ProcessEvent(changed);
}

// Answers the walk's dialogs: the new project's Setting with its OK button;
// the Result List, whose value column it reads by row caption; the Material
// List with its Add and the new material's fields; the bitmap's file chooser.
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
        if (auto* materials = dynamic_cast<CMaterialList*>(dialog)) {
            answered.push_back(dialog->GetTitle().utf8_string());
            wxButton* add = Labelled<wxButton>(*materials, "Add");
            if (!add || !Labelled<wxButton>(*materials, "Close")) {
                ADD_FAILURE() << "the Material List has no Add or no Close";
                return wxID_CANCEL;
            }
            ClickButton(*add);
            return wxID_OK;  // Close
        }
        if (auto* material = dynamic_cast<CMaterialItem*>(dialog)) {
            answered.push_back(dialog->GetTitle().utf8_string());
            // The ID offered stays.
            for (const auto& [id, text] : {std::pair{int{ID_MATERIAL_NAME}, "Steel"},
                                           std::pair{int{ID_MATERIAL_MODULUS}, "210000"},
                                           std::pair{int{ID_MATERIAL_RATIO}, "0.3"}}) {
                auto* field = dynamic_cast<wxTextCtrl*>(material->FindWindow(id));
                if (!field) {
                    ADD_FAILURE() << "the material has no field " << id;
                    return wxID_CANCEL;
                }
                field->SetValue(text);
            }
            return material->AcceptFields() ? wxID_OK : wxID_CANCEL;
        }
        if (auto* chooser = dynamic_cast<wxFileDialog*>(dialog)) {
            answered.push_back(dialog->GetTitle().utf8_string());
            if (bitmapPath.empty())
                return wxID_CANCEL;
            // GTK's chooser takes its folder in its own loop.
            chooser->SetPath(wxString::FromUTF8(bitmapPath));
            if (!RunEventsUntil([&] { return chooser->GetPath().utf8_string() == bitmapPath; })) {
                ADD_FAILURE() << "the chooser does not take " << bitmapPath;
                return wxID_CANCEL;
            }
            return wxID_OK;
        }
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

    std::vector<std::string> answered;
    std::map<std::string, std::string> listed;
    std::string bitmapPath;  // the file chooser's answer; empty cancels
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

    // The button of the README's bar whose tooltip is the README's name, and
    // the bar; null when either is not there.
    wxAuiToolBarItem* BarButton(const char* barTitle, const char* tooltip, wxAuiToolBar*& bar)
    {
        bar = dynamic_cast<wxAuiToolBar*>(Frame().Bars().GetPane(barTitle).window);
        for (int index = 0; bar && index < static_cast<int>(bar->GetToolCount()); ++index) {
            wxAuiToolBarItem* item = bar->FindToolByIndex(index);
            if (item->GetKind() != wxITEM_SEPARATOR && item->GetShortHelp() == tooltip)
                return item;
        }
        return nullptr;
    }
    // Bar > Button, clicked as the bar clicks it.
    void ClickBarButton(const char* barTitle, const char* tooltip)
    {
        wxAuiToolBar* bar = nullptr;
        wxAuiToolBarItem* button = BarButton(barTitle, tooltip, bar);
        ASSERT_NE(button, nullptr) << "no " << tooltip << " on the " << barTitle << " bar";
        wxTheApp->ProcessIdle();
        ASSERT_TRUE(bar->GetToolEnabled(button->GetId())) << tooltip;
        wxCommandEvent click(wxEVT_MENU, button->GetId());
        click.SetEventObject(bar);
        bar->GetEventHandler()->ProcessEvent(click);
        Settle();
    }
    bool BarButtonPressed(const char* barTitle, const char* tooltip)
    {
        wxAuiToolBar* bar = nullptr;
        wxAuiToolBarItem* button = BarButton(barTitle, tooltip, bar);
        EXPECT_NE(button, nullptr) << "no " << tooltip << " on the " << barTitle << " bar";
        return button && bar->GetToolToggled(button->GetId());
    }
    // Menu > Submenu > Item by the labels the menus show, run as a click on
    // the item runs it.
    void ChooseMenu(std::initializer_list<const char*> labels)
    {
        wxMenuBar* menus = Frame().GetMenuBar();
        ASSERT_NE(menus, nullptr);
        const int top = menus->FindMenu(*labels.begin());
        ASSERT_NE(top, wxNOT_FOUND) << "no menu " << *labels.begin();
        wxMenu* menu = menus->GetMenu(top);
        wxMenuItem* item = nullptr;
        for (auto label = labels.begin() + 1; label != labels.end(); ++label) {
            ASSERT_NE(menu, nullptr) << "no submenu before " << *label;
            item = nullptr;
            for (wxMenuItem* candidate : menu->GetMenuItems()) {
                if (!candidate->IsSeparator() && candidate->GetItemLabelText() == *label)
                    item = candidate;
            }
            ASSERT_NE(item, nullptr) << "no menu item " << *label;
            menu = item->GetSubMenu();
        }
        ASSERT_NE(item, nullptr);
        wxTheApp->ProcessIdle();
        ASSERT_TRUE(item->IsEnabled()) << item->GetItemLabelText();
        item->GetMenu()->SendEvent(item->GetId());
        Settle();
    }
    // A button of the open page (Apply, "..."), by its label.
    void ClickPageButton(const char* label)
    {
        CToolPage* page = Page();
        ASSERT_NE(page, nullptr) << "no page open for " << label;
        wxButton* button = Labelled<wxButton>(*page, label);
        ASSERT_NE(button, nullptr) << "no button " << label << " on the page";
        ASSERT_TRUE(button->IsEnabled()) << label;
        Press(*button);
    }
    // Ticks or clears a check box of the open page, by its label.
    void Tick(const char* label, bool ticked)
    {
        CToolPage* page = Page();
        ASSERT_NE(page, nullptr);
        auto* box = Labelled<wxCheckBox>(*page, label);
        ASSERT_NE(box, nullptr) << "no check box " << label;
        box->SetValue(ticked);
        SendChanged(*box, wxEVT_CHECKBOX, ticked);
        Settle();
    }
    // Chooses the row of a list of the open page.
    void ChooseRow(int id, const char* row)
    {
        auto* list = dynamic_cast<wxChoice*>(Control(id));
        ASSERT_NE(list, nullptr) << id;
        const int index = list->FindString(row);
        ASSERT_NE(index, wxNOT_FOUND) << "no row " << row;
        list->SetSelection(index);
        SendChanged(*list, wxEVT_CHOICE, index);
        Settle();
    }
    // Clicks into a field of the open page and types, as a user does: the
    // press gives the field the focus, then puts the caret after its text;
    // the keys go in at the caret, over whatever the field has selected.
    // The focus comes as GTK reports it to an active window; on the shared
    // display another program's window may be the active one.
    void ClickAndType(int id, const std::string& text)
    {
        auto* field = dynamic_cast<wxTextCtrl*>(Control(id));
        ASSERT_NE(field, nullptr) << id;
        ASSERT_TRUE(field->IsEnabled()) << id;
        wxFocusEvent focus(wxEVT_SET_FOCUS, id);
        focus.SetEventObject(field);
        field->ProcessWindowEvent(focus);
        ASSERT_TRUE(ClickIntoField(*field)) << id;
        EXPECT_EQ(field->GetInsertionPoint(), field->GetLastPosition()) << "the click puts the caret after the text";
        Settle();
        field->WriteText(wxString::FromUTF8(text));
        Settle();
    }
    std::string FieldText(int id)
    {
        auto* field = dynamic_cast<wxTextCtrl*>(Control(id));
        return field ? field->GetValue().utf8_string() : std::string("(no field)");
    }
    void ClickAt(double x, double y) { Drag(ClientOf(x, y), ClientOf(x, y)); }
    // Sets a control as the user does and sends its event as the toolkit does.
    template <class Control>
    void Change(int id, wxEventType type, int value)
    {
        auto& control = ShownControl<Control>(id);
        control.SetValue(value);
        SendChanged(control, type, value);
    }
    bool Shows(const std::string& line) { return Frame().Output().ShownText().find(line) != std::string::npos; }
    // Calculate Property on the section, Re-calculate ticked or not.
    void CalculateTheSection(bool recalculate)
    {
        ASSERT_NO_FATAL_FAILURE(ClickBarButton("Property", "Calculate Property"));
        ASSERT_NO_FATAL_FAILURE(Tick("Re-calculate", recalculate));
        ClickAt(kWidth / 2, kHeight / 2);
        ASSERT_NO_FATAL_FAILURE(ClickPageButton("Apply"));
    }

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

    // Property bar > Property List opens the Result List: the values it shows
    // in a row.
    void ListProperties()
    {
        dialogs.listed.clear();
        ASSERT_NO_FATAL_FAILURE(ClickBarButton("Property", "Property List"));
        ASSERT_EQ(dialogs.answered.back(), "Result List");
    }
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

    static void ExpectWritten(const fs::path& file)
    {
        std::error_code error;
        EXPECT_TRUE(fs::exists(file, error)) << file;
        EXPECT_GT(fs::file_size(file, error), 0u) << file;
    }

    // The README's steps.
    void DrawTheOutline();
    void GenerateTheSection();
    void CalculateAndList();
    void AssignAMaterial();
    void Export();

    WalkDialogs dialogs;
    int sectionId = 0;
    double middleShearAreas[2] = {};  // SAx, SAy as step 5 lists them at the middle density
};

// 1. Curve bar > Rectangle, Point 1 "0, 0", Point 2 "200, 100", Width 0,
//    Apply; View bar > Zoom Fit. Each field is clicked into and typed into.
void FirstSectionWalk::DrawTheOutline()
{
    ASSERT_NO_FATAL_FAILURE(ClickBarButton("Curve", "Rectangle"));
    ASSERT_NO_FATAL_FAILURE(ClickAndType(RECTANGLE_POINT1, "0, 0"));
    EXPECT_EQ(FieldText(RECTANGLE_POINT1), "0, 0") << "the field's text is typed over, not added to";
    ASSERT_NO_FATAL_FAILURE(ClickAndType(RECTANGLE_POINT2, "200, 100"));
    EXPECT_EQ(FieldText(RECTANGLE_POINT2), "200, 100");
    ASSERT_NO_FATAL_FAILURE(ClickAndType(RECTANGLE_WIDTH, "0"));
    ASSERT_NO_FATAL_FAILURE(ClickPageButton("Apply"));
    ASSERT_EQ(Model().m_curves.size(), 4u);  // its sides
    std::set<std::pair<double, double>> corners;
    for (const auto& [id, point] : Model().m_points)
        corners.insert({point->xy[0], point->xy[1]});
    EXPECT_EQ(corners, (std::set<std::pair<double, double>>{{0, 0}, {kWidth, 0}, {kWidth, kHeight}, {0, kHeight}}));
    for (const auto& [id, curve] : Model().m_curves)
        EXPECT_EQ(curve->width, 0.0);
    ASSERT_NO_FATAL_FAILURE(ClickBarButton("View", "Zoom Fit"));
}

// 2. Section bar > Generate: Plane is chosen, the Name left empty; the view
//    selects, and the Active bar's Select shows pressed.
// 3. A drag from empty space around the whole outline selects it and it
//    turns red; Apply generates the section.
void FirstSectionWalk::GenerateTheSection()
{
    ASSERT_NO_FATAL_FAILURE(ClickBarButton("Section", "Generate"));
    CToolPage* page = Page();
    ASSERT_NE(page, nullptr);
    auto* plane = Labelled<wxRadioButton>(*page, "Plane");
    ASSERT_NE(plane, nullptr);
    EXPECT_TRUE(plane->GetValue());
    EXPECT_EQ(View().m_mouseMode, MOUSE_SELECT);
    EXPECT_TRUE(BarButtonPressed("Active", "Select"));

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
    ASSERT_NO_FATAL_FAILURE(ClickPageButton("Apply"));
    ASSERT_EQ(Model().m_sections.size(), 1u);
    sectionId = Model().m_sections.begin()->first;
    EXPECT_EQ(Model().m_sections.begin()->second->type, SECTION_PLANE);
    EXPECT_TRUE(Shows("New plane section [Section-P1] is generated.")) << Frame().Output().ShownText();
}

// 4. Property bar > Calculate Property at the middle density: click the
//    section, Apply.
// 5. Property bar > Property List opens the Result List: area and moments
//    exact to the last of the six decimals shown, J as high as the README
//    says; then, back in step 4, at Fine the section is calculated again only
//    with Re-calculate ticked.
void FirstSectionWalk::CalculateAndList()
{
    ASSERT_NO_FATAL_FAILURE(ClickBarButton("Property", "Calculate Property"));
    auto& density = ShownControl<wxSlider>(ID_CALC_SLIDER);
    EXPECT_EQ(density.GetValue(), (density.GetMin() + density.GetMax()) / 2);
    ClickAt(kWidth / 2, kHeight / 2);
    EXPECT_EQ(Scene().m_selection[KIND_SECTION], std::set<int>{SectionKey(sectionId)});
    ASSERT_NO_FATAL_FAILURE(ClickPageButton("Apply"));
    EXPECT_TRUE(Shows("The properties of 1 section are calculated.")) << Frame().Output().ShownText();

    ASSERT_NO_FATAL_FAILURE(ListProperties());
    constexpr double halfLastDigit = 0.5e-6;
    EXPECT_NEAR(Listed("Area"), kWidth * kHeight, halfLastDigit);
    EXPECT_NEAR(Listed("Ixx"), kWidth * kHeight * kHeight * kHeight / 12.0, halfLastDigit);
    EXPECT_NEAR(Listed("Iyy"), kHeight * kWidth * kWidth * kWidth / 12.0, halfLastDigit);
    EXPECT_NEAR(props_shapes::RectangleTorsion(kWidth, kHeight), kReadmeExactJ, 0.5);
    EXPECT_NEAR(ListedJPercentHigh(), kReadmeMiddlePercentHigh, 0.05);
    const double middleJ = Listed("J");
    middleShearAreas[0] = Listed("SAx");
    middleShearAreas[1] = Listed("SAy");

    Change<wxSlider>(ID_CALC_SLIDER, wxEVT_SLIDER, density.GetMax());
    ClickAt(kWidth / 2, kHeight / 2);
    ASSERT_NO_FATAL_FAILURE(ClickPageButton("Apply"));
    const std::vector<std::string> boxes = user.BoxTexts();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("turn on the [Re-calculate] option"), std::string::npos) << boxes[0];
    ASSERT_NO_FATAL_FAILURE(ListProperties());
    EXPECT_EQ(Listed("J"), middleJ);

    ASSERT_NO_FATAL_FAILURE(CalculateTheSection(true));
    ASSERT_NO_FATAL_FAILURE(ListProperties());
    EXPECT_NEAR(ListedJPercentHigh(), kReadmeFinePercentHigh, 0.05);
    EXPECT_EQ(user.BoxTexts().size(), 1u);
}

// 6. Section bar > Domain Material: "..." opens the Material List, whose Add
//    makes a material of Poisson's ratio 0.3; choose it, click the domain,
//    Apply. The shear areas follow the ratio (none had 0): the results go,
//    and the next calculation, Re-calculate or not, gives the new ones, those
//    of a calculation with the material from the start.
void FirstSectionWalk::AssignAMaterial()
{
    ASSERT_NO_FATAL_FAILURE(ClickBarButton("Section", "Domain Material"));
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(Page()->Combo()->GetStringSelection(), "Assign Domain Material");
    dialogs.answered.clear();
    ASSERT_NO_FATAL_FAILURE(ClickPageButton("..."));
    EXPECT_EQ(dialogs.answered, (std::vector<std::string>{"Material List", "Add/Modify Material"}));
    ASSERT_EQ(Model().m_materials.size(), 1u);
    ASSERT_NO_FATAL_FAILURE(ChooseRow(ID_MATERIAL_COMBO, kMaterialRow));
    ClickAt(kWidth / 2, kHeight / 2);
    EXPECT_EQ(Scene().m_selection[KIND_DOMAIN].size(), 1u);
    const std::size_t boxesBefore = user.BoxTexts().size();
    ASSERT_NO_FATAL_FAILURE(ClickPageButton("Apply"));
    EXPECT_TRUE(Shows("Material [1:Steel] is assigned to 1 domain.")) << Frame().Output().ShownText();
    const std::vector<std::string> boxes = user.BoxTexts();
    EXPECT_EQ(std::vector<std::string>(boxes.begin() + static_cast<std::ptrdiff_t>(boxesBefore), boxes.end()),
              std::vector<std::string>{kInvalidatedBox});
    EXPECT_FALSE(Model().FindSection(sectionId)->propertiesCalculated);

    ASSERT_NO_FATAL_FAILURE(CalculateTheSection(false));
    EXPECT_EQ(user.BoxTexts().size(), boxes.size()) << user.BoxTexts().back();
    auto& density = ShownControl<wxSlider>(ID_CALC_SLIDER);
    EXPECT_EQ(density.GetValue(), (density.GetMin() + density.GetMax()) / 2) << "the page opens as in step 4";
    ASSERT_NO_FATAL_FAILURE(ListProperties());
    const double given[2] = {Listed("SAx"), Listed("SAy")};
    ASSERT_NO_FATAL_FAILURE(CalculateTheSection(true));
    ASSERT_NO_FATAL_FAILURE(ListProperties());
    const double fresh[2] = {Listed("SAx"), Listed("SAy")};
    for (int axis = 0; axis < 2; ++axis) {
        SCOPED_TRACE(axis == 0 ? "SAx" : "SAy");
        EXPECT_EQ(given[axis], fresh[axis]);
        EXPECT_NEAR((1.0 - given[axis] / middleShearAreas[axis]) * 100.0, kReadmePercentLower[axis], 0.005);
    }
}

// 7. Property bar > Export Property: a File Name typed, then one chosen with
//    "..."; File > Export > AutoCAD DXF and Windows Bitmap.
void FirstSectionWalk::Export()
{
    ASSERT_NO_FATAL_FAILURE(ClickBarButton("Property", "Export Property"));
    const fs::path typed = folder / "typed.pyf";
    ASSERT_NO_FATAL_FAILURE(ClickAndType(ID_CALC_EXPORT_FILE_NAME, typed.string()));
    ASSERT_NO_FATAL_FAILURE(ClickPageButton("Apply"));
    ExpectWritten(typed);

    const fs::path chosen = folder / "chosen.pyf";
    prompts.savedFiles.push_back(chosen.string());
    ASSERT_NO_FATAL_FAILURE(ClickPageButton("..."));
    ASSERT_NO_FATAL_FAILURE(ClickPageButton("Apply"));
    ExpectWritten(chosen);

    const fs::path drawing = folder / "drawing.dxf";
    prompts.savedFiles.push_back(drawing.string());
    ASSERT_NO_FATAL_FAILURE(ChooseMenu({"File", "Export", "AutoCAD DXF"}));
    ExpectWritten(drawing);

    const fs::path picture = folder / "view.bmp";
    dialogs.bitmapPath = picture.string();
    ASSERT_NO_FATAL_FAILURE(ChooseMenu({"File", "Export", "Windows Bitmap"}));
    ExpectWritten(picture);
}

TEST_F(FirstSectionWalk, TheReadmeStepsGiveTheQuotedProperties)
{
    // A new project first asks for its units and tolerance; OK keeps them.
    ASSERT_TRUE(Start(""));
    ASSERT_TRUE(RunEventsUntil([&] { return !dialogs.answered.empty(); }));
    EXPECT_EQ(dialogs.answered, std::vector<std::string>{"Setting"});
    ASSERT_TRUE(RunEventsUntil([&] { return View().IsShownOnScreen() && View().tglSetCurrent(); }));
    View().tglReleaseCurrent();

    ASSERT_NO_FATAL_FAILURE(DrawTheOutline());
    ASSERT_NO_FATAL_FAILURE(GenerateTheSection());
    ASSERT_NO_FATAL_FAILURE(CalculateAndList());
    ASSERT_NO_FATAL_FAILURE(AssignAMaterial());
    ASSERT_NO_FATAL_FAILURE(Export());
}

}  // namespace
