#include "tools/CalcPause.h"

#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

CCalcPause::CCalcPause(wxWindow* parent, const std::string& message, bool lastSection)
    : wxDialog(parent, wxID_ANY, "Pause Mode")
{
    auto* group = new wxStaticBoxSizer(wxHORIZONTAL, this, wxEmptyString);
    wxWindow* box = group->GetStaticBox();
    group->Add(new wxStaticBitmap(box, wxID_ANY, wxArtProvider::GetBitmap(wxART_INFORMATION, wxART_MESSAGE_BOX)), 0,
               wxALL | wxALIGN_CENTER_VERTICAL, 6);
    group->Add(new wxStaticText(box, ID_PAUSE_TEXT, wxString::FromUTF8(message), wxDefaultPosition, wxDefaultSize,
                                wxALIGN_CENTRE_HORIZONTAL),
               1, wxALL | wxALIGN_CENTER_VERTICAL, 6);

    auto* proceed = new wxButton(this, ID_PAUSE_CONTINUE, lastSection ? "Finish" : "Continue");
    auto* noMore = new wxButton(this, ID_PAUSE_NO_MORE, "Pause No More");
    auto* stop = new wxButton(this, ID_PAUSE_STOP, "Stop");
    proceed->SetDefault();
    noMore->Enable(!lastSection);
    stop->Enable(!lastSection);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(proceed, 0, wxALL, 4);
    buttons->AddStretchSpacer();
    buttons->Add(noMore, 0, wxALL, 4);
    buttons->Add(stop, 0, wxALL, 4);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(group, 1, wxEXPAND | wxALL, 6);
    sizer->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 6);
    SetSizerAndFit(sizer);

    proceed->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(PAUSE_CONTINUE); });
    noMore->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(PAUSE_NO_MORE); });
    stop->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(PAUSE_STOP); });
    Bind(wxEVT_CHAR_HOOK, &CCalcPause::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { EndModal(PAUSE_NO_MORE); });
    proceed->SetFocus();
    CentreOnParent();
}

void CCalcPause::OnCharHook(wxKeyEvent& event)
{
    switch (event.GetKeyCode()) {
    case WXK_ESCAPE:
        EndModal(PAUSE_NO_MORE);
        return;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        if (auto* button = wxDynamicCast(FindFocus(), wxButton); button && button->GetParent() == this) {
            wxCommandEvent press(wxEVT_BUTTON, button->GetId());
            press.SetEventObject(button);
            button->GetEventHandler()->ProcessEvent(press);
        } else {
            EndModal(PAUSE_CONTINUE);
        }
        return;
    default:
        event.Skip();
    }
}

int AskCalcPauseDialog(const std::string& message, bool lastSection)
{
    CCalcPause dialog(wxTheApp ? wxTheApp->GetTopWindow() : nullptr, message, lastSection);
    const int choice = dialog.ShowModal();
    return choice == PAUSE_CONTINUE || choice == PAUSE_STOP ? choice : PAUSE_NO_MORE;
}
