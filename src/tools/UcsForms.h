#pragma once
// The forms of the UCS page's four dialogs. Create and Redefine define a UCS
// by its origin and angle (way 0, "Origin / Rotation") or by two points on
// its x-axis (way 1, "Two Points (X-axis)"); the fields of the other way are
// greyed, neither read nor checked, and keep their held values. Their
// coordinate fields are pick fields that save the view's mouse mode when
// they take the focus and then set it to none, so the restore after a pick
// gives back the mode the view had. The lists leave out the GCS.

#include "frame/PickTarget.h"
#include "tools/ListedDialogForm.h"

#include <string>
#include <vector>

class IMessageBoxPort;

enum UcsDialogControl {
    ID_UCS_NAME_LABEL = 1112,
    ID_UCS_ORIGIN_LABEL = 1113,
    ID_UCS_ANGLE_LABEL = 1114,
    ID_UCS_POINT1_LABEL = 1115,
    ID_UCS_POINT2_LABEL = 1116,
    // Create
    ID_UCS_CREATE_NAME = 1365,
    ID_UCS_CREATE_BY_ORIGIN = 1366,
    ID_UCS_CREATE_BY_POINTS = 1368,
    ID_UCS_CREATE_ORIGIN = 1370,
    ID_UCS_CREATE_ANGLE = 1371,
    ID_UCS_CREATE_ANGLE_SPIN = 1372,
    ID_UCS_CREATE_POINT1 = 1373,
    ID_UCS_CREATE_POINT2 = 1374,
    // Redefine
    ID_UCS_REDEFINE_UCS = 1376,
    ID_UCS_REDEFINE_NAME_LABEL = 1118,
    ID_UCS_REDEFINE_NAME = 1395,
    ID_UCS_REDEFINE_BY_ORIGIN = 1377,
    ID_UCS_REDEFINE_BY_POINTS = 1378,
    ID_UCS_REDEFINE_ORIGIN = 1379,
    ID_UCS_REDEFINE_ANGLE = 1380,
    ID_UCS_REDEFINE_ANGLE_SPIN = 1381,
    ID_UCS_REDEFINE_POINT1 = 1382,
    ID_UCS_REDEFINE_POINT2 = 1383,
    // Delete and Set Work UCS
    ID_UCS_DELETE_UCS = 1375,
    ID_UCS_CHANGE_UCS = 1396,
};

// The control ids and pick field codes of a definition dialog.
struct UcsDefinitionControls {
    int byOrigin;
    int byPoints;
    int origin;
    int angle;
    int angleSpin;
    int point1;
    int point2;
    int originCode;
    int point1Code;
    int point2Code;
};

// What a definition dialog hands the model.
struct UcsDefinition {
    int way = 0;
    PlanePoint origin{0.0, 0.0};
    double angle = 0.0;
    PlanePoint point1{0.0, 0.0};
    PlanePoint point2{0.0, 0.0};
};

// The part Create and Redefine share: the way, the two groups of inputs,
// the pick fields and their reading.
class CUcsDefinitionForm : public CListedDialogForm {
public:
    explicit CUcsDefinitionForm(const UcsDefinitionControls& controls);

    const UcsDefinitionControls& Controls() const { return controls_; }
    int Way() const { return Choice(controls_.byOrigin); }

    // The way's group enabled, the other greyed, and the focus on Origin
    // (way 0) or Point 1 (way 1).
    void OnDefinitionChanged();

    // The pick dispatch's setters and focus moves.
    void SetOriginText(const std::string& text) { WriteText(controls_.origin, text); }
    void SetPoint1Text(const std::string& text) { WriteText(controls_.point1, text); }
    void SetPoint2Text(const std::string& text) { WriteText(controls_.point2, text); }
    void FocusAngle() { FocusControl(controls_.angle); }
    void FocusPoint2() { FocusControl(controls_.point2); }

    // The chosen way's inputs: the angle, then the origin for way 0; both
    // points for way 1, each refused with its own "Input error!". The greyed
    // inputs give their held values. False after a box.
    bool ReadDefinition(UcsDefinition& definition);

protected:
    void OnClick(int controlId) override;
    // Writes the definition into the fields and their held values.
    void ShowDefinition(const UcsDefinition& definition);

private:
    bool ReadPoint(int controlId, int code, PlanePoint& held);

    UcsDefinitionControls controls_;
    double heldAngle_ = 0.0;
    PlanePoint heldOrigin_{0.0, 0.0};
    PlanePoint heldPoint1_{0.0, 0.0};
    PlanePoint heldPoint2_{0.0, 0.0};
};

class CUToolCreate : public CUcsDefinitionForm {
public:
    CUToolCreate();
    // Way 0 and the focus on Origin; the typed texts stay.
    void OnShow() override;
    const std::string& Name() const { return Field(ID_UCS_CREATE_NAME)->text; }
};

class CUToolRedefine : public CUcsDefinitionForm {
public:
    CUToolRedefine();
    void OnShow() override;
    void UpdateList() override { UpdateUcsList(); }

    // Lists every UCS but the GCS and chooses the work UCS (the first when
    // the GCS is the work UCS), showing its definition; with only the GCS
    // every input is disabled.
    void UpdateUcsList();
    // The stored definition of the UCS; nothing for an id the model lacks.
    void ShowUcsDefinition(int ucsId);
    // The chosen UCS's definition and name; nothing when none is chosen.
    void OnSelChangeUcs();

    int GetSelectedUcsId() const { return ComboId(ID_UCS_REDEFINE_UCS); }
    const std::string& Name() const { return Field(ID_UCS_REDEFINE_NAME)->text; }

protected:
    void OnClick(int controlId) override;
};

// Delete and Set Work UCS: one list of every UCS but the GCS.
class CUcsListForm : public CListedDialogForm {
public:
    explicit CUcsListForm(int comboId);
    void OnShow() override { UpdateUcsList(); }
    void UpdateList() override { UpdateUcsList(); }
    virtual void UpdateUcsList() = 0;
    int GetSelectedUcsId() const { return ComboId(comboId_); }

protected:
    // Fills the list; true when it lists a UCS.
    bool FillUcsRows();

private:
    int comboId_;
};

// Nothing chosen after a fill; the list disabled when empty.
class CUToolDelete : public CUcsListForm {
public:
    CUToolDelete() : CUcsListForm(ID_UCS_DELETE_UCS) {}
    void UpdateUcsList() override;
};

// The first UCS chosen after every fill, whichever is the work UCS.
class CUToolChange : public CUcsListForm {
public:
    CUToolChange() : CUcsListForm(ID_UCS_CHANGE_UCS) {}
    void UpdateUcsList() override;
};
