#pragma once
// While long work looks at the input queue, user input is dropped so that no
// command runs in the middle of it; a pressed Escape is noted for the work to
// see. Paint, size and other window events go through.

#include <wx/event.h>
#include <wx/eventfilter.h>

class LongWorkInputFilter : public wxEventFilter {
public:
    int FilterEvent(wxEvent& event) override;

    bool escape = false;
};
