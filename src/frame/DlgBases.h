#pragma once
// Bases of the program's dialogs.
//
// CDlgChild: tool dialogs and the "Setting" dialog. Enter and Escape typed in
// them go to the parent window (the tool page) and never close the dialog.
//
// CDlgMove: modal settings and list dialogs. The user drags them by their
// body, and Enter goes to the focused control instead of pressing the default
// button.

#include <wx/dialog.h>

#include <initializer_list>

// Enter (either key) or Escape, which tool pages and tool dialogs never act on.
bool IsEnterOrEscape(int keyCode);
// Enables or disables the window's controls with these ids; missing ones are
// skipped. Returns the number of ids.
int EnableControlsOf(wxWindow& window, std::initializer_list<int> controlIds, bool enable);

// While it lives, the dialog stands centred over its parent, also when the
// parent moves or changes size: at start-up the window manager may place
// and maximise the main window only after the first dialog has opened.
class CentredOverParent {
public:
    explicit CentredOverParent(wxDialog& dialog);
    ~CentredOverParent();
    CentredOverParent(const CentredOverParent&) = delete;
    CentredOverParent& operator=(const CentredOverParent&) = delete;

private:
    void Centre(wxEvent& event);

    wxDialog& dialog_;
    wxWindow* parent_;
};

class CDlgChild : public wxDialog {
public:
    CDlgChild(wxWindow* parent, const wxString& title);

    // Enables or disables the controls with these ids; missing ones are
    // skipped. Returns the number of ids.
    int EnableControls(std::initializer_list<int> controlIds, bool enable);

private:
    void OnCharHook(wxKeyEvent& event);
};

class CDlgMove : public wxDialog {
public:
    CDlgMove(wxWindow* parent, const wxString& title, long style = wxDEFAULT_DIALOG_STYLE);

private:
    void OnCharHook(wxKeyEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    wxPoint dragOffset_;
};
