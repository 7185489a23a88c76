#pragma once
// A Curve page dialog's form: the page's Apply hands the form its context,
// and the form reads itself, validates and calls the document.

#include "tools/DialogForm.h"

struct ToolPageContext;

class CCurveDialogForm : public CDialogForm {
public:
    virtual void Apply(ToolPageContext& context) = 0;
};
