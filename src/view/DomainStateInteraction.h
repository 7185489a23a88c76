#pragma once
// The interactive change of a plane section's domain states, as a state of
// the view: the start highlights the first domain and asks; each answer
// (Use, Not Use, All, Stop) arrives later as a call and moves on; after the
// last answer the states are checked, recorded as one undoable action when
// a used state changed, and the calculated properties invalidated.
//
// Nothing waits: the view keeps handling painting and zoom while the
// question is open. The section is looked up at every answer; when it is
// gone the interaction ends and changes nothing. The undo action is opened
// only at the end, and only for a real change, so a Stop at the first
// domain, unchanged answers and the refused all-unused case leave the undo
// and redo stores and the modified flag as they were.

#include <string>

class CScene;
class CSectModel;
class IOutputPort;
class IToolView;
class IViewDocument;
struct T_SECTION_D;

enum class DomainAnswer { Use, NotUse, All, Stop };

extern const char* const DOMAIN_QUESTION_TEXT;

class CDomainStateInteraction {
public:
    // Any port but the scene and the view may be null.
    CDomainStateInteraction(CScene& scene, IToolView& view, IOutputPort* output, IViewDocument* document);

    // Highlights the section's first domain and asks about it; false (and
    // nothing changed) when the section does not exist. A section without
    // domains ends at once.
    bool Start(int sectionId);
    // The answer for the highlighted domain; ignored when not running.
    void Answer(DomainAnswer answer);
    bool IsRunning() const { return running_; }
    int SectionId() const { return sectionId_; }

private:
    CSectModel* Model() const;
    T_SECTION_D* Section() const;
    void Print(const std::string& line);
    void AskAbout(int domainId);
    // The domain after the highlighted one, or 0.
    int NextDomainId(const T_SECTION_D& section) const;
    void Finish(T_SECTION_D& section, bool useAll);
    // The highlight off and the mouse mode back, as the interaction ends.
    void RestoreView();
    void RecordChange(T_SECTION_D& section);

    CScene& scene_;
    IToolView& view_;
    IOutputPort* output_;
    IViewDocument* document_;
    bool running_ = false;
    int sectionId_ = 0;
    int domainId_ = 0;
    int savedMouseMode_ = 0;
};
