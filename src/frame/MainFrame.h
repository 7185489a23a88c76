#pragma once
// The main window: menus, the eight toolbars, the status bar, the docking
// "Project Workspace" and "Output Window", and the project's drawing view in
// the centre. It keeps its placement and bar layout in the settings store,
// and is the document's host for redraws and the refreshes after Undo/Redo.

#include "frame/GuiUserPorts.h"
#include "frame/PickDispatch.h"
#include "frame/ToolbarCustomizeDlg.h"
#include "frame/TarvokrtDoc.h"
#include "frame/ToolPageContext.h"
#include "frame/ToolRegistry.h"
#include "frame/WindowPlacement.h"
#include "view/ViewPorts.h"

#include <wx/aui/aui.h>
#include <wx/frame.h>
#include <wx/menu.h>

#include <functional>
#include <map>
#include <set>
#include <memory>

class CTarvokrtApp;
struct ToolbarDefinition;
class COutputControlWnd;
class CProjectWorkspace;
class CTarvokrtView;
class TarvokrtToolView;
class wxAuiToolBar;
class wxComboBox;

extern const char* const KLX_FRAME_TITLE;

class CMainFrame : public wxFrame,
                   public IDocumentFrame,
                   public IStatusSink,
                   public IGroupCombos,
                   public IQueryHook,
                   public IPickDispatch {
public:
    explicit CMainFrame(CTarvokrtApp& app);
    ~CMainFrame() override;

    CTarvokrtDoc& Document() { return *document_; }
    CTarvokrtView& View() { return *view_; }
    COutputControlWnd& Output() { return *output_; }
    GuiUserPorts& Ports() { return *ports_; }
    wxAuiManager& Bars() { return bars_; }

    // The project window's state as a new project starts it: view state,
    // scene defaults, no key in any set; then rebuilt and fitted.
    void StartProjectWindow();
    void UpdateTitle();
    // Runs the "Setting" dialog modally on the view.
    void OnSetting();
    // Start-up: the "Setting" dialog opens once the main window is on the
    // screen. The toolkit may put it there only after Show returned (it waits
    // for the window manager's frame sizes), and a dialog mapped before its
    // main window is not kept above it.
    void OpenSettingOnceShown();
    // Start-up: shows the window and has the window manager maximise it.
    void ShowMaximized();

    void SaveBarLayout();
    // Runs the "Customize Toolbar" dialog and applies what was chosen.
    void OnCustomizeToolbar();
    // What a right-click on a toolbar offers: the customisation.
    static std::unique_ptr<wxMenu> MakeToolbarContextMenu();
    // What the overflow button of a bar too long for its room offers: the
    // buttons the bar cannot show, then the customisation.
    static std::unique_ptr<wxMenu> MakeToolbarOverflowMenu(const wxAuiToolBar& toolbar);
    // The bars' and buttons' state as the dialog shows it.
    ToolbarChoice CurrentToolbarChoice();
    // Shows and hides the bars and buttons, after restoring the default
    // layout when asked; lays the frame out again and saves the layout.
    void ApplyToolbarChoice(const ToolbarChoice& choice);
    void SaveWindowPlacement();
    // The window's rectangle when neither maximised nor minimised.
    wxRect NormalRect() const { return normalRect_; }
    // The work area, screen, icon and title bar as the placement sees them;
    // the title bar's height once the window manager has framed the window.
    ScreenLimits CurrentScreenLimits() const;

    // IDocumentFrame
    void RedrawViews(bool reRender) override;
    void ZoomFitViews() override;
    void RebuildViews() override;
    void RefreshGroupCombos() override;
    void LeaveSelectGroupMode() override;
    void RefreshGroupToolDialogs() override;
    void ShowGlobalCoordinates() override;
    void RefreshUcsToolDialogs() override;
    void ShowUcsCoordinates() override;
    void RepaintMainWindow() override;
    CalcPauseChoice AskCalcPause(const std::string& text, bool lastSection) override;
    double ProcessorSeconds() override;
    void HoldMilliseconds(int milliseconds) override;
    void UpdateMaterialList() override;
    std::vector<int> ActiveSectionIds() override;
    // The saved file joins the recent files, as an opened one does.
    void ProjectSaved() override;

    // IStatusSink
    void SetPaneText(int paneId, const std::string& text) override;
    // IGroupCombos (RefreshGroupCombos above serves both).
    void ResetGroupCombos() override;
    // IQueryHook: the open page's Query row, while it is shown.
    void RunQuery(int toolCommandId) override;
    // IPickDispatch: the view's clicks for the shown tool dialog.
    void DispatchPick(int x, int y) override;

    CProjectWorkspace& Workspace() { return *workspace_; }
    // Runs the command at once, as its toolbar button does.
    void SendCommand(int commandId);

    // The frame's own commands, the view's and the registered tools'.
    bool IsBuiltCommand(int commandId) const;
    // Built and, while the view is modal, one of the few that run then; Undo
    // and Redo, and clearing their stores, also need a step in the store.
    bool IsCommandEnabled(int commandId) const;

private:
    ToolCommandContext CommandContext();
    void CreateMenus();
    void CreateToolbars();
    // The bar's buttons less the hidden ones.
    void FillToolbar(wxAuiToolBar& toolbar, const ToolbarDefinition& bar);
    void ApplyHiddenButtons(const std::set<int>& hidden);
    void CreateStatusPanes();
    void CreateDockingPanes();
    void RestoreBarLayout();
    void RestoreWindowPlacement();
    void BindCommand(int commandId, std::function<void()> handler);
    void BindCommands();
    void BindToolCommands();
    void CreatePageContext();
    // Every command a toolbar, the menu bar or the view's context menu
    // carries, by window id, for the update handler.
    void CollectShownCommands();
    void OnUpdateCommand(wxUpdateUIEvent& event);
    // The status bar's first pane shows the prompt of the menu item or the
    // button under the pointer, and its own text again once it leaves.
    void ShowMenuPrompt(wxMenuEvent& event);
    void ShowButtonPrompt(wxAuiToolBar& toolbar, wxPoint at);
    void OnModalInteraction(bool begin);
    void OpenRecentFile(size_t index);
    void OnClose(wxCloseEvent& event);
    void OnSizeOrMove();
    void OnFirstShown(wxShowEvent& event);
    void OnDropFiles(wxDropFilesEvent& event);

    CTarvokrtApp& app_;
    wxAuiManager bars_;
    std::unique_ptr<GuiUserPorts> ports_;
    std::unique_ptr<CTarvokrtDoc> document_;
    COutputControlWnd* output_ = nullptr;
    CProjectWorkspace* workspace_ = nullptr;
    CTarvokrtView* view_ = nullptr;
    std::unique_ptr<TarvokrtToolView> toolView_;
    std::unique_ptr<CPickDispatch> pickDispatch_;
    std::map<int, wxAuiToolBar*> toolbars_;  // by bar id
    std::set<int> shownCommands_;            // window ids
    std::set<int> hiddenButtons_;            // command ids left off their bars
    wxString defaultBarLayout_;
    ToolPageContext pageContext_;
    wxComboBox* groupCombo_ = nullptr;
    wxRect normalRect_;
    bool wasMaximized_ = false;
    bool restoringNormalRect_ = false;
    bool maximizing_ = false;  // asked of the window manager, not yet done
    int promptedButton_ = wxID_NONE;  // window id of the button whose prompt shows
};
