#pragma once
// The Curve page's dialogs that work on the entities selected in the view:
// registering and unregistering closed loops, and intersecting, filleting,
// extending, merging, splitting, reversing, deleting, scaling and re-widthing
// curves. Every Apply reads the form first (a refused number ends it with
// the reader's prompt), then the selection of its kind in ascending id order
// (none: the kind's box), then calls one document member; the selection is
// cleared however it ends.

#include "tools/CurveDialogForm.h"
#include "view/EntityKeys.h"

#include <vector>

class IToolDocument;

class CCurveSelectionEdit : public CCurveDialogForm {
public:
    void Apply(ToolPageContext& context) final;

protected:
    explicit CCurveSelectionEdit(SceneKind kind = KIND_CURVE) : kind_(kind) {}
    // The document call on the selected ids (never empty).
    virtual void Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext& context) = 0;
    int HeldInteger(int fieldId) const;
    double HeldReal(int fieldId) const;

private:
    SceneKind kind_;
};

class CCToolCLoopRegister : public CCurveSelectionEdit {
    void Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext& context) override;
};

class CCToolCLoopUnregister : public CCurveSelectionEdit {
public:
    CCToolCLoopUnregister() : CCurveSelectionEdit(KIND_CLOSED_LOOP) {}

private:
    void Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext& context) override;
};

// A dialog of one check box that every opening checks again.
class CCheckedOptionEdit : public CCurveSelectionEdit {
public:
    void OnShow() override;

protected:
    CCheckedOptionEdit(int checkId, const char* text);
    bool Option() const { return Checked(checkId_); }

private:
    int checkId_;
};

class CCToolIntersect : public CCheckedOptionEdit {
public:
    CCToolIntersect();

private:
    void Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext& context) override;
};

// Exactly two curves, passed lower id first.
class CCToolFillet : public CCurveSelectionEdit {
public:
    CCToolFillet();
    void OnShow() override;

private:
    void Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext& context) override;
};

// The base curve is typed or picked into its id field; it stays in the
// selection if selected too.
class CCToolExtend : public CCheckedOptionEdit {
public:
    CCToolExtend();

private:
    void Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext& context) override;
};

class CCToolMerge : public CCurveSelectionEdit {
    void Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext& context) override;
};

// Splits the curve of the id field at the selected points; the field is
// empty at every opening, so an id must be typed or picked.
class CCToolSplit : public CCurveSelectionEdit {
public:
    CCToolSplit();
    void OnShow() override;

private:
    void Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext& context) override;
};

class CCToolReverse : public CCheckedOptionEdit {
public:
    CCToolReverse();

private:
    void Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext& context) override;
};

class CCToolDelete : public CCheckedOptionEdit {
public:
    CCToolDelete();

private:
    void Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext& context) override;
};

// The Ratio is empty at every opening.
class CCToolScale : public CCurveSelectionEdit {
public:
    CCToolScale();
    void OnShow() override;

private:
    void Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext& context) override;
};

// Each check box enables its group; the alignment goes as the radio value
// itself (0 Center, 1 Left, 2 Right, 3 Left <-> Right).
class CCToolChgWidth : public CCurveSelectionEdit {
public:
    CCToolChgWidth();
    void OnShow() override;

private:
    void Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext& context) override;
};

// Control ids the tests and the table use.
enum CurveEditControl {
    INTERSECT_SPLIT = 1233,
    FILLET_RADIUS = 1234,
    FILLET_ALIGNMENT = 1235,
    FILLET_WIDTH = 1238,
    EXTEND_BASE_ID = 1239,
    EXTEND_SPLIT = 1240,
    SPLIT_CURVE_ID = 1260,
    REVERSE_SWAP = 1243,
    DELETE_POINTS = 1171,
    SCALE_RATIO = 1245,
    CHGWIDTH_ALIGNMENT = 1169,
    CHGWIDTH_WIDTH = 1246,
    CHGWIDTH_BY_ALIGNMENT = 1247,
    CHGWIDTH_BY_WIDTH = 1248,
};

// The pick codes of the two id fields.
enum CurveEditPickCode { CODE_BASE_CURVE_ID = 10004, CODE_SPLIT_CURVE_ID = 10005 };
