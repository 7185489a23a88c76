#include "frame/MainFrame.h"

#include "frame/CommandPrompts.h"
#include "frame/DlgBases.h"
#include "frame/GroupCombos.h"
#include "frame/OutputWindow.h"
#include "frame/ProjectWorkspace.h"
#include "frame/ResultCommands.h"
#include "frame/StoredBarLayout.h"
#include "frame/TarvokrtApp.h"
#include "frame/ToolbarDropDowns.h"
#include "frame/ToolbarImages.h"
#include "frame/ToolbarTable.h"
#include "frame/ViewCommandBindings.h"
#include "frame/ViewSetDlg.h"
#include "frame/WindowManagerMaximize.h"
#include "view/EntityKeys.h"
#include "view/Scene.h"
#include "view/TarvokrtToolView.h"
#include "view/TarvokrtView.h"
#include "view/ViewContextMenu.h"

#include <wx/aui/auibar.h>
#include <wx/combobox.h>
#include <wx/config.h>
#include <wx/display.h>
#include <wx/filehistory.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <map>
#include <set>

const char* const KLX_FRAME_TITLE = "Tarvo/KLX V1.3.0";

namespace {

const char* const BAR_LAYOUT_GROUP = "/Toolbars";
const char* const BAR_LAYOUT_KEY = "KRT_TBar";
const char* const BAR_HIDDEN_BUTTONS_KEY = "KRT_TBar_HiddenButtons";
const char* const WINDOWPOS_GROUP = "/WINDOWPOS";
// Smaller, the docked workspace's tab control and the toolbar's group
// drop-down get less room than the toolkit draws them in.
const wxSize LEAST_FRAME_SIZE(800, 600);

enum ShowCommand { SHOW_NORMAL = 1, SHOW_MINIMIZED = 2, SHOW_MAXIMIZED = 3 };

// The bars whose mode and file buttons the modal flag disables.
constexpr int FILE_BAR_ID = 59392;
constexpr int VIEW_BAR_ID = 59397;

// Commands the frame itself binds.
bool IsFrameCommand(int id)
{
    if (id >= CMD_FILE_MRU_FIRST && id < CMD_FILE_MRU_FIRST + MAX_RECENT_FILES)
        return true;
    switch (id) {
    case CMD_FILE_NEW:
    case CMD_FILE_OPEN:
    case CMD_FILE_SAVE:
    case CMD_FILE_SAVE_AS:
    case CMD_FILE_PRINT_SETUP:
    case CMD_FILE_PRINT:
    case CMD_FILE_PRINT_PREVIEW:
    case CMD_VISIT_HOMEPAGE:
    case CMD_SEND_MAIL:
    case CMD_CALCULATOR:
    case CMD_CUSTOMIZE_TOOLBAR:
    case CMD_APP_ABOUT:
    case CMD_APP_EXIT:
    case CMD_EDIT_UNDO:
    case CMD_EDIT_REDO:
    case CMD_CLEAR_UNDO_STORAGE:
    case CMD_CLEAR_REDO_STORAGE:
    case CMD_SETTING:
    case CMD_IMPORT_PROJECT:
    case CMD_EXPORT_BITMAP:
    case CMD_BEGIN_MODAL_INTERACTION:
    case CMD_END_MODAL_INTERACTION:
    case CMD_EXPORT_DXF:
        return true;
    default:
        return false;
    }
}

void CollectMenuCommands(const wxMenu& menu, std::set<int>& windowIds)
{
    for (const wxMenuItem* item : menu.GetMenuItems()) {
        if (item->IsSubMenu())
            CollectMenuCommands(*item->GetSubMenu(), windowIds);
        else if (!item->IsSeparator())
            windowIds.insert(item->GetId());
    }
}

void CollectMenuEntries(const std::vector<MenuEntry>& entries, std::set<int>& windowIds)
{
    for (const MenuEntry& entry : entries) {
        if (entry.commandId)
            windowIds.insert(WxCommandId(entry.commandId));
        CollectMenuEntries(entry.children, windowIds);
    }
}

wxAuiPaneInfo DockedPane(const ToolbarDefinition& bar, int position)
{
    wxAuiPaneInfo pane;
    pane.Name(bar.title).Caption(bar.title).ToolbarPane().Row(0).Position(position);
    switch (bar.dockedIn) {
    case DockSide::Top:
        pane.Top();
        break;
    case DockSide::Bottom:
        pane.Bottom();
        break;
    case DockSide::Left:
        pane.Left();
        break;
    case DockSide::Right:
        pane.Right();
        break;
    }
    if (bar.topOnly)
        pane.TopDockable(true).BottomDockable(false).LeftDockable(false).RightDockable(false);
    return pane;
}

}  // namespace

CMainFrame::CMainFrame(CTarvokrtApp& app)
    : wxFrame(nullptr, wxID_ANY, KLX_FRAME_TITLE, wxDefaultPosition, wxSize(1024, 768)), app_(app)
{
    SetMinSize(FromDIP(LEAST_FRAME_SIZE));
    RestoreWindowPlacement();
    bars_.SetManagedWindow(this);
    CreateMenus();
    CreateStatusPanes();
    ports_ = std::make_unique<GuiUserPorts>(this, GetStatusBar());
    CreateDockingPanes();
    CreateToolbars();
    bars_.Update();
    defaultBarLayout_ = bars_.SavePerspective();
    RestoreBarLayout();
    BindCommands();
    DragAcceptFiles(true);
}

CMainFrame::~CMainFrame()
{
    bars_.UnInit();
    // The view keeps the document; it goes first. The document clears the
    // output window, which lives until the frame's children go.
    view_->Destroy();
    document_.reset();
}

void CMainFrame::CreateMenus()
{
    // Each item's help is its command's status-bar prompt.
    const auto add = [](wxMenu& menu, int commandId, const char* label) {
        menu.Append(WxCommandId(commandId), label, wxString::FromUTF8(CommandPrompt(commandId)));
    };
    auto* file = new wxMenu;
    add(*file, CMD_FILE_NEW, "&New\tCtrl+N");
    add(*file, CMD_FILE_OPEN, "&Open...\tCtrl+O");
    add(*file, CMD_FILE_SAVE, "&Save\tCtrl+S");
    add(*file, CMD_FILE_SAVE_AS, "Save &As...");
    file->AppendSeparator();
    auto* import = new wxMenu;
    add(*import, CMD_IMPORT_PROJECT, "KLX Project");
    import->AppendSeparator();
    add(*import, CMD_IMPORT_DXF, "AutoCAD DXF");
    file->AppendSubMenu(import, "Import");
    auto* exportMenu = new wxMenu;
    add(*exportMenu, CMD_EXPORT_DXF, "AutoCAD DXF");
    exportMenu->AppendSeparator();
    add(*exportMenu, CMD_EXPORT_BITMAP, "Windows Bitmap");
    file->AppendSubMenu(exportMenu, "Export");
    file->AppendSeparator();
    add(*file, CMD_FILE_PRINT_SETUP, "Print Setup...");
    add(*file, CMD_FILE_PRINT_PREVIEW, "Print Preview");
    add(*file, CMD_FILE_PRINT, "&Print...\tCtrl+P");
    file->AppendSeparator();
    add(*file, CMD_APP_EXIT, "E&xit");
    // The recent files go between separators above Exit.
    app_.RecentFiles().UseMenu(file);
    app_.RecentFiles().AddFilesToMenu(file);
    auto* menus = new wxMenuBar;
    menus->Append(file, "&File");
    auto* help = new wxMenu;
    add(*help, CMD_VISIT_HOMEPAGE, "Tarvo Homepage");
    add(*help, CMD_SEND_MAIL, "E-mail to Tarvo");
    add(*help, CMD_CALCULATOR, "Windows Calculator");
    menus->Append(help, "&Help");
    SetMenuBar(menus);

    wxAcceleratorEntry keys[] = {
        {wxACCEL_CTRL, 'N', WxCommandId(CMD_FILE_NEW)},          {wxACCEL_CTRL, 'O', WxCommandId(CMD_FILE_OPEN)},
        {wxACCEL_CTRL, 'S', WxCommandId(CMD_FILE_SAVE)},         {wxACCEL_CTRL, 'P', WxCommandId(CMD_FILE_PRINT)},
        {wxACCEL_CTRL, 'Z', WxCommandId(CMD_EDIT_UNDO)},         {wxACCEL_ALT, WXK_BACK, WxCommandId(CMD_EDIT_UNDO)},
        // The redo keys of the desktop.
        {wxACCEL_CTRL, 'Y', WxCommandId(CMD_EDIT_REDO)},
        {wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', WxCommandId(CMD_EDIT_REDO)},
    };
    SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(std::size(keys)), keys));
}

void CMainFrame::CreateStatusPanes()
{
    wxStatusBar* status = CreateStatusBar(3);
    // A coordinate pane holds the view's text of a coordinate of the
    // drawing's usual size whole. The bar draws a pane's text inside the
    // pane's border and a margin of 2 pixels on either side, and that of the
    // last pane beside the size grip, which is about as wide as the bar is high.
    const auto paneWidth = [status](const char* prefix, bool last) {
        constexpr int TEXT_MARGIN = 2;
        const int spaced = status->GetTextExtent(prefix + wxString(' ', 34)).x;
        const int coordinates = status->GetTextExtent(wxString(" ") + prefix + " (-0000.000,-0000.000)").x
                                + 2 * (status->GetBorderX() + TEXT_MARGIN) + (last ? status->GetSize().y : 0);
        return std::max(spaced, coordinates);
    };
    const int widths[] = {-1, paneWidth("UCS:", false), paneWidth("GCS:", true)};
    status->SetStatusWidths(3, widths);
    status->SetStatusText("UCS:", 1);
    status->SetStatusText("GCS:", 2);
}

void CMainFrame::CreateDockingPanes()
{
    output_ = new COutputControlWnd(this);
    workspace_ = new CProjectWorkspace(this, this);
    UserPorts ports{ports_.get(), output_, ports_.get(), ports_.get()};
    document_ = std::make_unique<CTarvokrtDoc>(ports, this, ports_.get(), ports_.get());

    ViewServices services;
    services.document = document_.get();
    services.output = output_;
    services.status = this;
    services.workspace = workspace_;
    services.combos = this;
    services.query = this;
    services.settings = document_.get();
    services.picks = this;
    services.workspacePane = workspace_;
    view_ = new CTarvokrtView(this, services);
    CreatePageContext();

    const int lineHeight = output_->GetCharHeight();
    bars_.AddPane(view_, wxAuiPaneInfo().Name("Project").CenterPane());
    bars_.AddPane(workspace_, wxAuiPaneInfo()
                                  .Name("Project Workspace")
                                  .Caption("Project Workspace")
                                  .Left()
                                  .LeftDockable(true)
                                  .RightDockable(true)
                                  .TopDockable(false)
                                  .BottomDockable(false)
                                  .BestSize(215, -1)
                                  .MinSize(120, -1)
                                  .CloseButton(false));
    bars_.AddPane(output_, wxAuiPaneInfo()
                               .Name("Output Window")
                               .Caption("Output Window")
                               .Bottom()
                               .BestSize(-1, 6 * (lineHeight + 4) + 10)
                               .MinSize(-1, 3 * lineHeight)
                               .CloseButton(false));
}

void CMainFrame::CreatePageContext()
{
    toolView_ = std::make_unique<TarvokrtToolView>(*view_);
    pageContext_.view = toolView_.get();
    pageContext_.document = document_.get();
    pageContext_.boxes = ports_.get();
    pageContext_.prompts = ports_.get();
    pageContext_.groupCombos = this;
    pageContext_.sendCommand = [this](int commandId) { SendCommand(commandId); };
    CToolWorkspace::PageTables tables{};
    for (const ToolPageShell& shell : ToolPageShells())
        tables[static_cast<size_t>(shell.kind)] = &app_.Tools().Page(shell.kind);
    workspace_->SetPages(tables, pageContext_);
    pickDispatch_ = std::make_unique<CPickDispatch>(*toolView_, *document_, *workspace_);
}

void CMainFrame::DispatchPick(int x, int y)
{
    if (pickDispatch_)
        pickDispatch_->DispatchPick(x, y);
}

void CMainFrame::SendCommand(int commandId)
{
    wxCommandEvent command(wxEVT_MENU, WxCommandId(commandId));
    command.SetEventObject(this);
    ProcessWindowEvent(command);
}

void CMainFrame::CreateToolbars()
{
    std::map<DockSide, int> nextPosition;
    for (const ToolbarDefinition& bar : DefaultToolbars()) {
        const bool vertical = bar.dockedIn == DockSide::Left || bar.dockedIn == DockSide::Right;
        // A bar longer than the room the frame gives it shows the buttons
        // that do not fit in the menu of its overflow button. The bar manager
        // gives a docked bar its gripper; the bar has it from the start, so
        // that its length as filled here is the one it keeps.
        auto* toolbar = new wxAuiToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                         wxAUI_TB_DEFAULT_STYLE | wxAUI_TB_OVERFLOW | wxAUI_TB_GRIPPER
                                             | (vertical ? wxAUI_TB_VERTICAL : wxAUI_TB_HORIZONTAL));
        toolbar->SetToolBitmapSize(wxSize(16, 16));
        FillToolbar(*toolbar, bar);
        // A right-click on a button or on the bar offers the customisation.
        const auto offerCustomizing = [this, toolbar](wxEvent&) { toolbar->PopupMenu(MakeToolbarContextMenu().get()); };
        toolbar->Bind(wxEVT_AUITOOLBAR_RIGHT_CLICK, offerCustomizing);
        toolbar->Bind(wxEVT_CONTEXT_MENU, offerCustomizing);
        toolbar->Bind(wxEVT_AUITOOLBAR_OVERFLOW_CLICK, [toolbar](wxAuiToolBarEvent& event) {
            toolbar->PopupMenu(MakeToolbarOverflowMenu(*toolbar).get(), event.GetClickPoint());
        });
        toolbar->Bind(wxEVT_AUITOOLBAR_TOOL_DROPDOWN, [toolbar](wxAuiToolBarEvent& event) {
            const std::unique_ptr<wxMenu> menu = MakeDropDownMenu(CommandIdOfWxId(event.GetId()));
            if (!menu || !event.IsDropDownClicked()) {
                event.Skip();
                return;
            }
            toolbar->SetToolSticky(event.GetId(), true);
            toolbar->PopupMenu(menu.get(), event.GetItemRect().GetBottomLeft());
            toolbar->SetToolSticky(event.GetId(), false);
        });
        toolbar->Bind(wxEVT_MOTION, [this, toolbar](wxMouseEvent& event) {
            ShowButtonPrompt(*toolbar, event.GetPosition());
            event.Skip();
        });
        toolbar->Bind(wxEVT_LEAVE_WINDOW, [this, toolbar](wxMouseEvent& event) {
            ShowButtonPrompt(*toolbar, wxDefaultPosition);
            event.Skip();
        });
        toolbars_[bar.barId] = toolbar;
        bars_.AddPane(toolbar, DockedPane(bar, nextPosition[bar.dockedIn]++).BestSize(toolbar->GetBestSize()));
    }
}

void CMainFrame::FillToolbar(wxAuiToolBar& toolbar, const ToolbarDefinition& bar)
{
    // Clearing keeps the group combo's window; it is added again below.
    toolbar.Clear();
    for (const ToolbarButton& button : bar.buttons) {
        if (button.commandId == 0) {
            toolbar.AddSeparator();
        } else if (button.commandId == CMD_GROUP_COMBO) {
            if (!groupCombo_) {
                groupCombo_ = new CSelectTBarComboGroup(&toolbar, GROUP_COMBO_CONTROL_ID, GROUP_COMBO_WIDTH, view_);
                groupCombo_->Disable();
            }
            toolbar.AddControl(groupCombo_);
        } else if (!hiddenButtons_.count(button.commandId)) {
            const wxBitmapBundle image = ToolbarButtonImage(button.commandId, button.tooltip);
            const ViewCommand* viewCommand = FindViewCommand(button.commandId);
            const wxItemKind kind = viewCommand && viewCommand->pressed ? wxITEM_CHECK : wxITEM_NORMAL;
            toolbar.AddTool(WxCommandId(button.commandId), button.tooltip, image, button.tooltip, kind);
            toolbar.SetToolDropDown(WxCommandId(button.commandId), !DropDownCommands(button.commandId).empty());
            toolbar.EnableTool(WxCommandId(button.commandId), IsBuiltCommand(button.commandId));
        }
    }
    toolbar.Realize();
}

void CMainFrame::RestoreBarLayout()
{
    wxConfigBase* config = wxConfigBase::Get();
    config->SetPath(BAR_LAYOUT_GROUP);
    std::set<int> hiddenButtons;
    if (wxString hidden; config->Read(BAR_HIDDEN_BUTTONS_KEY, &hidden))
        hiddenButtons = ParseHiddenButtons(hidden.utf8_string());
    // A layout that the bar manager could not take leaves the default one.
    std::set<std::string> paneNames;
    const wxAuiPaneInfoArray& panes = bars_.GetAllPanes();
    for (size_t i = 0; i < panes.GetCount(); ++i)
        paneNames.insert(panes.Item(i).name.utf8_string());
    wxString layout;
    const bool layoutRead = config->Read(BAR_LAYOUT_KEY, &layout) && IsUsableBarLayout(layout.utf8_string(), paneNames);
    if (layoutRead)
        bars_.LoadPerspective(layout, false);
    // Each bar's length is that of its buttons and overflow button, not the
    // one stored with the layout, which may predate them. The bars as made
    // have it: without a layout or hidden buttons they are not filled again.
    if (layoutRead || hiddenButtons != hiddenButtons_) {
        ApplyHiddenButtons(hiddenButtons);
        bars_.Update();
    }
    config->SetPath("/");
    SaveBarLayout();
}

void CMainFrame::SaveBarLayout()
{
    wxConfigBase* config = wxConfigBase::Get();
    config->SetPath(BAR_LAYOUT_GROUP);
    config->Write(BAR_LAYOUT_KEY, bars_.SavePerspective());
    config->Write(BAR_HIDDEN_BUTTONS_KEY, wxString(FormatHiddenButtons(hiddenButtons_)));
    config->SetPath("/");
    config->Flush();
}

ScreenLimits CMainFrame::CurrentScreenLimits() const
{
    ScreenLimits screen;
    const wxRect workArea = wxDisplay(0u).GetClientArea();
    screen.workAreaX = workArea.x;
    screen.workAreaY = workArea.y;
    screen.workAreaHeight = workArea.height;
    screen.screenWidth = wxSystemSettings::GetMetric(wxSYS_SCREEN_X);
    screen.screenHeight = wxSystemSettings::GetMetric(wxSYS_SCREEN_Y);
    if (const int icon = wxSystemSettings::GetMetric(wxSYS_ICON_X); icon > 0)
        screen.iconWidth = icon;
    if (const int icon = wxSystemSettings::GetMetric(wxSYS_ICON_Y); icon > 0)
        screen.iconHeight = icon;
    // Known once the window manager has framed the window.
    if (const int titleBar = wxSystemSettings::GetMetric(wxSYS_CAPTION_Y, this); titleBar > 0)
        screen.titleBarHeight = titleBar;
    return screen;
}

void CMainFrame::RestoreWindowPlacement()
{
    wxConfigBase* config = wxConfigBase::Get();
    SavedWindowPos saved;
    config->SetPath(WINDOWPOS_GROUP);
    saved.status = config->ReadLong("Status", -1);
    saved.top = config->ReadLong("Top", -1);
    saved.left = config->ReadLong("Left", -1);
    saved.bottom = config->ReadLong("Bottom", -1);
    saved.right = config->ReadLong("Right", -1);
    config->SetPath("/");

    const wxRect workArea = wxDisplay(0u).GetClientArea();
    const WindowRect placed = RestoredWindowRect(saved, CurrentScreenLimits())
                                  .value_or(FirstRunWindowRect({workArea.x, workArea.y, workArea.width, workArea.height}));
    SetSize(placed.x, placed.y, placed.width, placed.height);
    normalRect_ = GetRect();
}

void CMainFrame::SaveWindowPlacement()
{
    const long status = IsMaximized() ? SHOW_MAXIMIZED : IsIconized() ? SHOW_MINIMIZED : SHOW_NORMAL;
    const SavedWindowPos saved = SavedWindowPosOf(
        status, {normalRect_.x, normalRect_.y, normalRect_.width, normalRect_.height}, CurrentScreenLimits());
    wxConfigBase* config = wxConfigBase::Get();
    config->SetPath(WINDOWPOS_GROUP);
    config->Write("Status", saved.status);
    config->Write("Top", saved.top);
    config->Write("Left", saved.left);
    config->Write("Bottom", saved.bottom);
    config->Write("Right", saved.right);
    config->SetPath("/");
    config->Flush();
}

void CMainFrame::OnSizeOrMove()
{
    const WindowStates states{
        wasMaximized_, IsMaximized(), IsIconized(), IsFullScreen(), restoringNormalRect_, maximizing_};
    switch (NormalRectStepFor(states)) {
    case NormalRectStep::Record: normalRect_ = GetRect(); break;
    case NormalRectStep::Restore:
        restoringNormalRect_ = true;
        CallAfter([this] {
            restoringNormalRect_ = false;
            // The title bar's height, unknown when the window was placed
            // before the manager framed it, is known now.
            const WindowRect placed = WithinReach(
                {normalRect_.x, normalRect_.y, normalRect_.width, normalRect_.height}, CurrentScreenLimits());
            normalRect_ = wxRect(placed.x, placed.y, placed.width, placed.height);
            SetSize(normalRect_);
        });
        break;
    case NormalRectStep::Keep: break;
    }
    if (!states.iconized)
        wasMaximized_ = states.maximized;
    if (states.maximized)
        maximizing_ = false;
}

void CMainFrame::ShowMaximized()
{
    Show();
    maximizing_ = !IsMaximized() && WindowManagerMaximizes();
    Maximize();
}

bool CMainFrame::IsBuiltCommand(int commandId) const
{
    // The UCS button needs the UCS page's dialogs, although the view binds it.
    if (commandId == CMD_CHANGE_TO_UCS)
        return app_.Tools().IsBuilt(commandId);
    return IsFrameCommand(commandId) || FindViewCommand(commandId) != nullptr || app_.Tools().IsBuilt(commandId);
}

bool CMainFrame::IsCommandEnabled(int commandId) const
{
    if (!IsBuiltCommand(commandId))
        return false;
    if (view_->IsModal() && !RunsWhileModal(commandId))
        return false;
    if (commandId == CMD_EDIT_UNDO || commandId == CMD_CLEAR_UNDO_STORAGE)
        return document_->CanUndo();
    if (commandId == CMD_EDIT_REDO || commandId == CMD_CLEAR_REDO_STORAGE)
        return document_->CanRedo();
    return true;
}

void CMainFrame::CollectShownCommands()
{
    for (size_t i = 0; i < GetMenuBar()->GetMenuCount(); ++i)
        CollectMenuCommands(*GetMenuBar()->GetMenu(i), shownCommands_);
    // The recent files' items come and go with the history.
    for (int i = 0; i < MAX_RECENT_FILES; ++i)
        shownCommands_.insert(WxCommandId(CMD_FILE_MRU_FIRST + i));
    CollectMenuEntries(ViewContextMenuEntries(), shownCommands_);
    for (const ToolbarDefinition& bar : DefaultToolbars()) {
        for (const ToolbarButton& button : bar.buttons) {
            if (button.commandId != 0 && button.commandId != CMD_GROUP_COMBO)
                shownCommands_.insert(WxCommandId(button.commandId));
            for (int commandId : DropDownCommands(button.commandId))
                shownCommands_.insert(WxCommandId(commandId));
        }
    }
}

void CMainFrame::OnUpdateCommand(wxUpdateUIEvent& event)
{
    if (!shownCommands_.count(event.GetId())) {
        event.Skip();
        return;
    }
    const int commandId = CommandIdOfWxId(event.GetId());
    event.Enable(IsCommandEnabled(commandId));
    if (const ViewCommand* command = FindViewCommand(commandId); command && command->pressed)
        event.Check(command->pressed(*view_));
}

void CMainFrame::ShowMenuPrompt(wxMenuEvent& event)
{
    const int id = event.GetMenuId();
    const bool item = id != wxID_SEPARATOR && id != wxID_NONE;
    DoGiveHelp(item ? wxString::FromUTF8(CommandPrompt(CommandIdOfWxId(id))) : wxString(), true);
}

void CMainFrame::ShowButtonPrompt(wxAuiToolBar& toolbar, wxPoint at)
{
    wxAuiToolBarItem* button = at == wxDefaultPosition ? nullptr : toolbar.FindToolByPosition(at.x, at.y);
    // The group combo is a control of its own, not a button.
    const bool isButton = button && button->GetKind() != wxITEM_SEPARATOR && !button->GetWindow();
    const int id = isButton ? button->GetId() : wxID_NONE;
    if (id == promptedButton_)
        return;
    promptedButton_ = id;
    if (id == wxID_NONE)
        DoGiveHelp(wxEmptyString, false);
    else
        DoGiveHelp(wxString::FromUTF8(CommandPrompt(CommandIdOfWxId(id))), true);
}

void CMainFrame::OnModalInteraction(bool begin)
{
    if (begin)
        view_->OnBeginModalInteraction();
    else
        view_->OnEndModalInteraction();
    // The mode buttons show their state at once, not at the next idle time.
    for (int barId : {VIEW_BAR_ID, FILE_BAR_ID}) {
        if (const auto bar = toolbars_.find(barId); bar != toolbars_.end())
            bar->second->UpdateWindowUI(wxUPDATE_UI_FROMIDLE);
    }
}

ToolCommandContext CMainFrame::CommandContext()
{
    return ToolCommandContext{this, document_.get(), view_, ports_.get(), workspace_};
}

void CMainFrame::BindCommand(int commandId, std::function<void()> handler)
{
    // A posted command or an accelerator arrives whatever its button shows.
    Bind(wxEVT_MENU, [this, commandId, handler = std::move(handler)](wxCommandEvent&) {
        if (!view_->IsModal() || RunsWhileModal(commandId))
            handler();
    }, WxCommandId(commandId));
}

void CMainFrame::BindCommands()
{
    BindCommand(CMD_FILE_NEW, [this] { app_.OnFileNew(); });
    BindCommand(CMD_FILE_OPEN, [this] { app_.OnFileOpen(); });
    BindCommand(CMD_FILE_SAVE, [this] { document_->OnFileSave(); });
    BindCommand(CMD_FILE_SAVE_AS, [this] { document_->OnFileSaveAs(); });
    BindCommand(CMD_APP_EXIT, [this] { Close(); });
    BindCommand(CMD_APP_ABOUT, [this] { app_.OnAppAbout(); });
    BindCommand(CMD_VISIT_HOMEPAGE, [this] { app_.OnVisitHomepage(); });
    BindCommand(CMD_SEND_MAIL, [this] { app_.OnSendMail(); });
    BindCommand(CMD_CALCULATOR, [this] { app_.OnCalculator(); });
    BindCommand(CMD_CUSTOMIZE_TOOLBAR, [this] { OnCustomizeToolbar(); });
    BindCommand(CMD_FILE_PRINT_SETUP, [this] { view_->OnFilePrintSetup(); });
    BindCommand(CMD_FILE_PRINT, [this] { view_->OnFilePrint(); });
    BindCommand(CMD_FILE_PRINT_PREVIEW, [this] { view_->OnFilePrintPreview(); });
    BindCommand(CMD_EDIT_UNDO, [this] { document_->OnEditUndo(); });
    BindCommand(CMD_EDIT_REDO, [this] { document_->OnEditRedo(); });
    BindCommand(CMD_CLEAR_UNDO_STORAGE, [this] { document_->OnClearUndoStorage(); });
    BindCommand(CMD_CLEAR_REDO_STORAGE, [this] { document_->OnClearRedoStorage(); });
    BindCommand(CMD_SETTING, [this] { OnSetting(); });
    BindCommand(CMD_EXPORT_BITMAP, [this] { view_->OnExportBitmap(); });
    BindCommand(CMD_IMPORT_PROJECT, [this] { document_->OnFileImportProject(); });
    BindCommand(CMD_BEGIN_MODAL_INTERACTION, [this] { OnModalInteraction(true); });
    BindCommand(CMD_END_MODAL_INTERACTION, [this] { OnModalInteraction(false); });
    BindCommand(CMD_RESULT_LIST, [this] {
        RunPropertyList(*document_->GetModel(), *ports_, app_.Tools().hooks.resultList, CommandContext());
    });
    BindCommand(CMD_MATERIAL_LIST, [this] { RunMaterialList(app_.Tools().hooks.materialList, CommandContext()); });
    BindCommand(CMD_EXPORT_DXF, [this] { document_->OnFileExportDxf(); });
    BindToolCommands();
    for (const ViewCommand& command : ViewCommands())
        BindCommand(command.commandId, [this, &command] { RunViewCommand(*view_, command); });
    for (int i = 0; i < MAX_RECENT_FILES; ++i) {
        const int commandId = CMD_FILE_MRU_FIRST + i;
        BindCommand(commandId, [this, i] { OpenRecentFile(static_cast<size_t>(i)); });
    }
    CollectShownCommands();
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateCommand, this);
    // The menu bar's items and those of the view's context menu.
    for (wxWindow* owner : {static_cast<wxWindow*>(this), static_cast<wxWindow*>(view_)}) {
        owner->Bind(wxEVT_MENU_HIGHLIGHT, &CMainFrame::ShowMenuPrompt, this);
        owner->Bind(wxEVT_MENU_CLOSE, [this](wxMenuEvent& event) {
            DoGiveHelp(wxEmptyString, false);
            event.Skip();
        });
    }
    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) { OnSizeOrMove(); event.Skip(); });
    Bind(wxEVT_MOVE, [this](wxMoveEvent& event) { OnSizeOrMove(); event.Skip(); });
    Bind(wxEVT_DROP_FILES, &CMainFrame::OnDropFiles, this);
}

void CMainFrame::BindToolCommands()
{
    const CToolRegistry& tools = app_.Tools();
    for (const auto& [commandId, handler] : tools.Commands())
        BindCommand(commandId, [this, &handler = handler] { handler(CommandContext()); });
    // A page row's command with a dialog goes to the view's tool-command
    // handler, unless a handler of its own was registered.
    for (const ToolPageShell& shell : ToolPageShells()) {
        for (const ToolPageRow& row : tools.Page(shell.kind).rows) {
            if (row.commandId == 0 || tools.FindCommand(row.commandId) || !tools.FindRowCommand(row.commandId))
                continue;
            BindCommand(row.commandId, [this, commandId = row.commandId] { view_->OnToolCommand(commandId); });
        }
    }
}

void CMainFrame::OpenRecentFile(size_t index)
{
    if (index < app_.RecentFiles().GetCount())
        app_.OpenDocumentFile(app_.RecentFiles().GetHistoryFile(index).utf8_string());
}

void CMainFrame::ProjectSaved()
{
    UpdateTitle();
    app_.RecentFiles().AddFileToHistory(wxString::FromUTF8(document_->GetPathName()));
}

void CMainFrame::OnClose(wxCloseEvent& event)
{
    // An open domain question ends first, as its Escape would end it.
    if (view_->IsAskingDomainStates())
        view_->AnswerDomainQuestion(DomainAnswer::Stop);
    SaveBarLayout();
    SaveWindowPlacement();
    if (event.CanVeto() && !document_->SaveModified()) {
        event.Veto();
        return;
    }
    app_.FrameClosed();
    Destroy();
}

void CMainFrame::OnDropFiles(wxDropFilesEvent& event)
{
    if (view_->IsModal())
        return;
    for (int i = 0; i < event.GetNumberOfFiles(); ++i)
        app_.OpenDocumentFile(event.GetFiles()[i].utf8_string());
}

void CMainFrame::StartProjectWindow()
{
    // The cursor's coordinates belonged to the project that was shown.
    for (int pane : {STATUS_PANE_GCS, STATUS_PANE_UCS})
        SetPaneText(pane, std::string());
    view_->ResetViewState();
    view_->GetScene()->ResetDefaults();
    view_->GetScene()->ClearAllKeySets();
    view_->RebuildScene();
    view_->ZoomFit();
    view_->RedrawScene();
    // The combos still list the groups of the project that was shown.
    RefreshGroupCombos();
    UpdateTitle();
}

void CMainFrame::UpdateTitle()
{
    SetTitle(wxString(KLX_FRAME_TITLE) + " - " + wxString::FromUTF8(document_->GetTitle()));
}

void CMainFrame::OnSetting()
{
    CViewSetDlg dialog(this, *view_, *ports_);
    const CentredOverParent centred(dialog);
    dialog.ShowModal();
}

void CMainFrame::OpenSettingOnceShown()
{
    Bind(wxEVT_SHOW, &CMainFrame::OnFirstShown, this);
}

void CMainFrame::OnFirstShown(wxShowEvent& event)
{
    event.Skip();
    if (!event.IsShown())
        return;
    Unbind(wxEVT_SHOW, &CMainFrame::OnFirstShown, this);
    CallAfter(&CMainFrame::OnSetting);
}

void CMainFrame::RedrawViews(bool reRender)
{
    if (reRender)
        view_->m_reRender = 1;
    view_->Refresh(true);
    view_->Update();
}

void CMainFrame::ZoomFitViews()
{
    view_->ZoomFit();
}

void CMainFrame::RebuildViews()
{
    view_->RebuildScene();
}

void CMainFrame::RefreshGroupCombos()
{
    ::RefreshGroupCombos();
}

void CMainFrame::ResetGroupCombos()
{
    ::ResetGroupCombos();
}

void CMainFrame::LeaveSelectGroupMode()
{
    if (view_->m_mouseMode == MOUSE_SELECT_GROUP)
        view_->m_mouseMode = MOUSE_NONE;
}

void CMainFrame::RefreshGroupToolDialogs()
{
    if (workspace_->OpenPageCode() == OPEN_PAGE_GROUP && app_.Tools().hooks.refreshGroupDialogs)
        app_.Tools().hooks.refreshGroupDialogs();
}

void CMainFrame::ShowGlobalCoordinates()
{
    view_->m_coordinateDisplay = COORDINATES_GCS;
}

void CMainFrame::RefreshUcsToolDialogs()
{
    if (workspace_->OpenPageCode() == OPEN_PAGE_UCS && app_.Tools().hooks.refreshUcsDialogs)
        app_.Tools().hooks.refreshUcsDialogs();
}

void CMainFrame::RunQuery(int toolCommandId)
{
    workspace_->RunQuery(toolCommandId);
}

void CMainFrame::ShowUcsCoordinates()
{
    view_->m_coordinateDisplay = COORDINATES_UCS;
}

std::vector<int> CMainFrame::ActiveSectionIds()
{
    std::vector<int> ids;
    for (int key : view_->GetScene()->m_active[KIND_SECTION])
        ids.push_back(IdOfKey(key));
    return ids;
}

void CMainFrame::RepaintMainWindow()
{
    Refresh(true);
    Update();
}

CalcPauseChoice CMainFrame::AskCalcPause(const std::string& text, bool lastSection)
{
    const auto& ask = app_.Tools().hooks.askCalcPause;
    return ask ? static_cast<CalcPauseChoice>(ask(text, lastSection)) : PAUSE_CONTINUE;
}

double CMainFrame::ProcessorSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void CMainFrame::HoldMilliseconds(int milliseconds)
{
    wxMilliSleep(static_cast<unsigned long>(milliseconds));
}

void CMainFrame::UpdateMaterialList()
{
    if (workspace_->OpenPageCode() == OPEN_PAGE_SECTION && app_.Tools().hooks.updateMaterialList)
        app_.Tools().hooks.updateMaterialList();
}

void CMainFrame::SetPaneText(int paneId, const std::string& text)
{
    const int field = paneId == STATUS_PANE_UCS ? 1 : paneId == STATUS_PANE_GCS ? 2 : 0;
    GetStatusBar()->SetStatusText(wxString::FromUTF8(text), field);
    GetStatusBar()->Update();
}
