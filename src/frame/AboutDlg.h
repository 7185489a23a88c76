#pragma once
// The About box: the program's name and version, the maker, and links to the
// maker's web page and support e-mail.

#include <wx/dialog.h>

class CAboutDlg : public wxDialog {
public:
    explicit CAboutDlg(wxWindow* parent);
};
