#include "view/DomainStateInteraction.h"

#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "view/MouseModes.h"
#include "view/Scene.h"
#include "view/ToolViewPort.h"
#include "view/ViewPorts.h"

#include <utility>

const char* const DOMAIN_QUESTION_TEXT = "- Use this highlighted domain? (Yes:LB / No:RB / All:Enter / Stop:ESC)";

namespace {

const char* AnswerText(DomainAnswer answer)
{
    switch (answer) {
    case DomainAnswer::Use: return "  > Use";
    case DomainAnswer::NotUse: return "  > Not Use";
    case DomainAnswer::All: return "  > Use All";
    case DomainAnswer::Stop: return "  > Stop (The rest domains will remain unchanged)";
    }
    return "";
}

bool AnyUsed(const T_SECTION_D& section)
{
    for (const auto& [id, domain] : section.domains) {
        if (domain->used)
            return true;
    }
    return false;
}

bool AnyChanged(const T_SECTION_D& section)
{
    for (const auto& [id, domain] : section.domains) {
        if (domain->used != domain->workFlag)
            return true;
    }
    return false;
}

}  // namespace

CDomainStateInteraction::CDomainStateInteraction(CScene& scene, IToolView& view, IOutputPort* output,
                                                 IViewDocument* document)
    : scene_(scene), view_(view), output_(output), document_(document)
{
}

CSectModel* CDomainStateInteraction::Model() const
{
    return scene_.Model();
}

T_SECTION_D* CDomainStateInteraction::Section() const
{
    CSectModel* model = Model();
    return model ? model->FindSection(sectionId_) : nullptr;
}

void CDomainStateInteraction::Print(const std::string& line)
{
    if (output_)
        output_->AddMessage(line);
}

bool CDomainStateInteraction::Start(int sectionId)
{
    if (running_)
        return false;
    sectionId_ = sectionId;
    T_SECTION_D* section = Section();
    if (!section)
        return false;
    running_ = true;
    // Unused domains may be highlighted too while the question runs.
    scene_.m_highlightSectionId = 0;
    scene_.m_highlightDomainId = 0;
    scene_.m_highlightOnlyUsed = false;
    view_.RedrawScene();
    savedMouseMode_ = view_.MouseMode();
    view_.SetMouseMode(MOUSE_NONE);
    for (auto& [id, domain] : section->domains)
        domain->workFlag = domain->used;
    domainId_ = 0;
    if (const int first = NextDomainId(*section))
        AskAbout(first);
    else
        Finish(*section, false);
    return true;
}

int CDomainStateInteraction::NextDomainId(const T_SECTION_D& section) const
{
    const auto next = section.domains.upper_bound(domainId_);
    return next == section.domains.end() ? 0 : next->first;
}

void CDomainStateInteraction::AskAbout(int domainId)
{
    domainId_ = domainId;
    scene_.m_highlightSectionId = sectionId_;
    scene_.m_highlightDomainId = domainId;
    view_.RedrawScene();
    Print(DOMAIN_QUESTION_TEXT);
}

void CDomainStateInteraction::Answer(DomainAnswer answer)
{
    if (!running_)
        return;
    T_SECTION_D* section = Section();
    if (!section) {
        running_ = false;
        RestoreView();
        return;
    }
    Print(AnswerText(answer));
    const auto domain = section->domains.find(domainId_);
    if (domain != section->domains.end()) {
        if (answer == DomainAnswer::Use)
            domain->second->used = true;
        else if (answer == DomainAnswer::NotUse)
            domain->second->used = false;
    }
    view_.RebuildScene();
    if (answer == DomainAnswer::All || answer == DomainAnswer::Stop) {
        Finish(*section, answer == DomainAnswer::All);
        return;
    }
    if (const int next = NextDomainId(*section))
        AskAbout(next);
    else
        Finish(*section, false);
}

void CDomainStateInteraction::Finish(T_SECTION_D& section, bool useAll)
{
    // No answer counts from here on, also while a box below is open.
    running_ = false;
    if (useAll) {
        for (auto& [id, domain] : section.domains)
            domain->used = true;
        view_.RebuildScene();
    } else if (!AnyUsed(section)) {
        if (CSectModel* model = Model()) {
            model->m_reporter.ShowInfo("Cannot set all domains unused.\n\nIf you desire not to use all domains, "
                                       "delete the section using [Section]-[Delete].");
        }
        for (auto& [id, domain] : section.domains)
            domain->used = domain->workFlag;
        view_.RebuildScene();
    }
    view_.ClearSelection();
    RestoreView();
    const bool changed = AnyChanged(section);
    if (changed)
        RecordChange(section);
    if (changed && document_)
        document_->MarkProjectModified();
}

void CDomainStateInteraction::RecordChange(T_SECTION_D& section)
{
    CSectModel* model = Model();
    if (!model)
        return;
    // The action keeps the section as it was before the first answer.
    for (auto& [id, domain] : section.domains)
        std::swap(domain->used, domain->workFlag);
    model->SaveSectionForUndo(&section, true);
    model->SetUndoActionTitle(FormatText("Change the domain state of the section [%s]", section.name.c_str()));
    for (auto& [id, domain] : section.domains)
        std::swap(domain->used, domain->workFlag);
    if (!section.propertiesCalculated)
        return;
    model->InvalidateSectionProperties(&section);
    view_.RebuildScene();
    view_.RedrawScene();
    model->m_reporter.ShowInfo("The calculated properties are invalidated.\n\n"
                               "Re-calculate the properties using [Properties]-[Calculate].");
}

void CDomainStateInteraction::RestoreView()
{
    scene_.m_highlightSectionId = 0;
    scene_.m_highlightDomainId = 0;
    scene_.m_highlightOnlyUsed = true;
    view_.SetMouseMode(savedMouseMode_);
    view_.RedrawScene();
}
