// The view's modal state: the flag of 32907 and 32908, and the domain
// question, whose answers arrive as events while everything else waits.

#include "view/TarvokrtView.h"

#include <wx/toplevel.h>

namespace {

bool IsWithin(wxWindow* window, const wxWindow* ancestor)
{
    for (; window; window = window->GetParent()) {
        if (window == ancestor)
            return true;
    }
    return false;
}

// Installed while the domain question is open. Enter and Escape anywhere in
// the view's main window answer it before any window sees them (the tool
// dialogs would swallow them); every other input to the workspace pane is
// dropped, so no page applies meanwhile.
class DomainAnswerFilter : public wxEventFilter {
public:
    DomainAnswerFilter(CTarvokrtView& view, wxWindow* workspacePane) : view_(view), workspacePane_(workspacePane) {}

    int FilterEvent(wxEvent& event) override
    {
        if (event.GetEventCategory() != wxEVT_CATEGORY_USER_INPUT)
            return Event_Skip;
        auto* target = wxDynamicCast(event.GetEventObject(), wxWindow);
        if (!target || wxGetTopLevelParent(target) != wxGetTopLevelParent(&view_))
            return Event_Skip;
        const wxEventType type = event.GetEventType();
        if (type == wxEVT_KEY_DOWN || type == wxEVT_CHAR_HOOK || type == wxEVT_CHAR) {
            const int key = static_cast<wxKeyEvent&>(event).GetKeyCode();
            if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
                view_.AnswerDomainQuestion(DomainAnswer::All);
                return Event_Processed;
            }
            if (key == WXK_ESCAPE) {
                view_.AnswerDomainQuestion(DomainAnswer::Stop);
                return Event_Processed;
            }
        }
        return workspacePane_ && IsWithin(target, workspacePane_) ? Event_Processed : Event_Skip;
    }

private:
    CTarvokrtView& view_;
    wxWindow* workspacePane_;
};

}  // namespace

void CTarvokrtView::OnBeginModalInteraction()
{
    m_modalInteraction = true;
}

void CTarvokrtView::OnEndModalInteraction()
{
    m_modalInteraction = false;
}

bool CTarvokrtView::IsModal() const
{
    return m_modalInteraction || IsAskingDomainStates();
}

bool CTarvokrtView::IsAskingDomainStates() const
{
    return domainStates_ && domainStates_->IsRunning();
}

void CTarvokrtView::ChangeDomainState(int sectionId)
{
    if (IsAskingDomainStates())
        return;
    domainStates_ = std::make_unique<CDomainStateInteraction>(*scene_, *selfPort_, services_.output, services_.document);
    if (!domainStates_->Start(sectionId) || !domainStates_->IsRunning())
        return;
    if (!domainAnswerFilter_)
        domainAnswerFilter_ = std::make_unique<DomainAnswerFilter>(*this, services_.workspacePane);
    wxEvtHandler::AddFilter(domainAnswerFilter_.get());
}

void CTarvokrtView::AnswerDomainQuestion(DomainAnswer answer)
{
    if (!IsAskingDomainStates())
        return;
    domainStates_->Answer(answer);
    // The filter may be the caller: it is taken out of the chain, not deleted.
    if (!domainStates_->IsRunning())
        wxEvtHandler::RemoveFilter(domainAnswerFilter_.get());
}
