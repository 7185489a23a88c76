#include "frame/LongWorkInputFilter.h"

int LongWorkInputFilter::FilterEvent(wxEvent& event)
{
    if (event.GetEventCategory() != wxEVT_CATEGORY_USER_INPUT)
        return Event_Skip;
    const wxEventType type = event.GetEventType();
    const bool key = type == wxEVT_KEY_DOWN || type == wxEVT_CHAR_HOOK;
    if (key && static_cast<wxKeyEvent&>(event).GetKeyCode() == WXK_ESCAPE)
        escape = true;
    return Event_Processed;
}
