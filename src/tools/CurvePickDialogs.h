#pragma once
// Pick Curve, which selects the active curves meeting the checked criteria
// (ID list, width, alignment, closed loop, section) as their union or their
// intersection, and Query Curve, which reports the one selected curve.

#include "tools/CurveDialogForm.h"

#include <vector>

class CSectModel;

class CCToolPick : public CCurveDialogForm {
public:
    CCToolPick();

    // The id of the chosen row of the closed-loop or section list; -1 with none chosen.
    int GetClosedLoopId() const;
    int GetSectionId() const;
    // One row per closed loop ("%d") or section (its name), in ascending id order.
    void FillClosedLoopCombo();
    void FillSectionCombo();

    // Inputs disabled, check boxes cleared, Union chosen, lists filled;
    // the check boxes of criteria the model cannot meet disabled.
    void OnShow() override;
    // No box of its own: nothing checked, or nothing matching, selects nothing.
    void Apply(ToolPageContext& context) override;

private:
    // The model of the page's document; null without one.
    const CSectModel* OpenModel() const;
    // The curve ids of one checked criterion.
    std::vector<int> Candidates(int checkId, ToolPageContext& context);

    std::vector<int> loopIds_;
    std::vector<int> sectionIds_;
};

class CCToolQuery : public CCurveDialogForm {
public:
    void Apply(ToolPageContext& context) override;
};

enum CurvePickControl {
    PICK_ID_TEXT = 1277,
    PICK_WIDTH = 1278,
    PICK_ALIGNMENT = 1279,
    PICK_CLOSED_LOOP = 1280,
    PICK_SECTION = 1281,
    PICK_UNION = 1307,
    PICK_BY_ID = 1320,
    PICK_BY_WIDTH = 1321,
    PICK_BY_ALIGNMENT = 1322,
    PICK_BY_CLOSED_LOOP = 1323,
    PICK_BY_SECTION = 1324,
};

// Pick Curve's ways of merging the criteria.
enum PickCombination { PICK_COMBINE_UNION = 0, PICK_COMBINE_INTERSECTION = 1 };
