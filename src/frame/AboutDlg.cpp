#include "frame/AboutDlg.h"

#include "frame/HyperLink.h"
#include "frame/MainFrame.h"
#include "frame/TarvokrtApp.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

CAboutDlg::CAboutDlg(wxWindow* parent, const AddressLaunchPorts& ports) : wxDialog(parent, wxID_ANY, "About KLX")
{
    auto* text = new wxBoxSizer(wxVERTICAL);
    text->Add(new wxStaticText(this, wxID_ANY, KLX_FRAME_TITLE), 0, wxBOTTOM, 4);
    text->Add(new wxStaticText(this, wxID_ANY, "Sectional properties of structural cross-sections"), 0, wxBOTTOM, 4);
    text->Add(new wxStaticText(this, wxID_ANY, "Made by Tarvo"), 0, wxBOTTOM, 8);
    auto* homepage = new CHyperLink(this, ID_ABOUT_HOMEPAGE_LINK, "", KLX_HOMEPAGE, ports);
    auto* mail = new CHyperLink(this, ID_ABOUT_MAIL_LINK, KLX_SUPPORT_MAIL, SupportMailTarget(), ports);
    for (CHyperLink* link : {homepage, mail}) {
        link->SetUnderlined(true);
        text->Add(link, 0, wxBOTTOM, 4);
    }

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
