#pragma once
// The printed page of the view: one page showing the picture the view had
// when the print or the preview was asked for, at the top left of the page
// with a margin of 100 printer pixels, in the window's proportions.

#include "view/DibCapture.h"

#include <wx/gdicmn.h>
#include <wx/print.h>

// Where the picture of a window of the client size goes on a page of
// pageSize printer pixels and the printer's resolution ppi: from (100, 100)
// across the page's width less the margins, as tall as keeps the picture's
// shape in physical units. A picture that would run past the page's foot
// margin is shrunk to end there, with its shape and its top-left corner
// kept. Empty when the window or the page leaves no room.
wxRect PrintTargetRect(const wxSize& client, const wxSize& pageSize, const wxSize& ppi);

class CViewPrintout : public wxPrintout {
public:
    // Keeps its own copy of the picture, since a preview draws the page again
    // at every zoom; an empty picture prints a blank page.
    explicit CViewPrintout(const CDibCapture& picture);

    const CDibCapture& Picture() const { return picture_; }

    bool OnPrintPage(int page) override;
    bool HasPage(int page) override { return page == 1; }
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;

private:
    CDibCapture picture_;
};
