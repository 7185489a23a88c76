#include "frame/AboutDlg.h"

#include "frame/MainFrame.h"
#include "frame/TarvokrtApp.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/hyperlink.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, "About KLX")
{
    auto* text = new wxBoxSizer(wxVERTICAL);
    text->Add(new wxStaticText(this, wxID_ANY, KLX_FRAME_TITLE), 0, wxBOTTOM, 4);
    text->Add(new wxStaticText(this, wxID_ANY, "Sectional properties of structural cross-sections"), 0, wxBOTTOM, 4);
    text->Add(new wxStaticText(this, wxID_ANY, "Made by Tarvo"), 0, wxBOTTOM, 8);
    text->Add(new wxHyperlinkCtrl(this, 1386, KLX_HOMEPAGE, KLX_HOMEPAGE), 0, wxBOTTOM, 4);
    const wxString mail = wxString("mailto:") + KLX_SUPPORT_MAIL;
    text->Add(new wxHyperlinkCtrl(this, 1387, KLX_SUPPORT_MAIL, mail), 0, wxBOTTOM, 4);

    auto* body = new wxBoxSizer(wxHORIZONTAL);
    body->Add(new wxStaticBitmap(this, wxID_ANY, wxArtProvider::GetBitmap(wxART_INFORMATION, wxART_MESSAGE_BOX)), 0,
              wxALL, 10);
    body->Add(text, 1, wxALL, 10);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(body, 1, wxEXPAND);
    sizer->Add(new wxButton(this, wxID_OK, "OK"), 0, wxALIGN_RIGHT | wxALL, 10);
    SetSizerAndFit(sizer);
    CentreOnParent();
}
