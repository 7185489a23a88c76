#pragma once
// The About box: the program's name and version, the maker, and links to the
// maker's web page and support e-mail.

#include "frame/AddressLaunch.h"

#include <wx/dialog.h>

enum AboutControl {
    ID_ABOUT_HOMEPAGE_LINK = 1386,
    ID_ABOUT_MAIL_LINK = 1387,
};

class CAboutDlg : public wxDialog {
public:
    // The links open their targets through these ports.
    CAboutDlg(wxWindow* parent, const AddressLaunchPorts& ports);
};
