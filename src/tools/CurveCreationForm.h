#pragma once
// What every curve creation dialog shares: the alignment radios "Center",
// "Left", "Right" (handed on as 1, 2, 3) and the Width edit, both read as the
// document's alignment and width; the alignment goes back to "Center" at
// every opening.

#include "tools/CurveDialogForm.h"

#include <optional>

struct AlignmentWidthIds {
    int center;
    int left;
    int right;
    int width;
};

// The ids of most of the dialogs.
constexpr AlignmentWidthIds COMMON_ALIGNMENT_WIDTH{1261, 1262, 1263, 1264};

class CCurveCreationForm : public CCurveDialogForm {
public:
    // CurveAlignment of the chosen radio.
    int Alignment() const { return Choice(ids_.center) + 1; }
    // Empty after the number reader's prompt.
    std::optional<double> Width() { return ReadReal(ids_.width); }

    void OnShow() override;

protected:
    explicit CCurveCreationForm(const AlignmentWidthIds& ids) : ids_(ids) {}

    // The width field, added where the dialog's reading order puts it;
    // `clearsPickCode`: its focus clears the view's pick field code.
    void AddWidthField(bool clearsPickCode);
    // The alignment group box and the labelled Width edit.
    void LayOutAlignmentAndWidth();

private:
    AlignmentWidthIds ids_;
};

// The focus of a number edit that takes no pick: the view's pick field code
// is cleared, the mouse mode kept.
constexpr FieldFocus CLEARS_PICK_CODE{0, FocusMouseMode::Keep};
