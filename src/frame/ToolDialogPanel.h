#pragma once
// Base of the tool dialogs: a panel on the tool page, made at its command's
// show over the form its tool keeps and destroyed at the hide. It mirrors
// the form: the form's texts, enabled states and highlights show in the
// controls whose ids are the fields' control ids, typing goes into the form,
// and the controls' focus events run the fields' focus behaviour. Enter and
// Escape never apply, close or cancel anything here.

#include <wx/panel.h>

#include "frame/ToolForm.h"

#include <initializer_list>

struct ToolPageContext;

// The background of a focused pick field.
extern const wxColour PICK_FIELD_HIGHLIGHT;

class CToolDialogPanel : public wxPanel, public IToolFormObserver {
public:
    CToolDialogPanel(wxWindow* parent, CToolForm& form, ToolPageContext& context);
    ~CToolDialogPanel() override;

    // Run once the dialog's controls exist: the form's values go into them,
    // then the dialog's own resets run.
    void Start();

    // Form fields change through the form (which the controls mirror); other
    // controls are switched directly. Returns the number of ids.
    int EnableControls(std::initializer_list<int> controlIds, bool enable);

    CToolForm& Form() { return form_; }

protected:
    // What the dialog resets at each show (radio groups, check boxes, ...).
    virtual void ResetControls() {}
    ToolPageContext& Context() { return context_; }

private:
    void OnFieldText(const ToolFormField& field) override;
    void OnFieldState(const ToolFormField& field) override;
    void OnFieldFocusMoved(const ToolFormField& field) override;
    void ShowState(wxWindow& control, const ToolFormField& field);

    CToolForm& form_;
    ToolPageContext& context_;
};

// A tool page or dialog keeps Enter and Escape from every control in it.
void SwallowEnterAndEscape(wxWindow& window);
