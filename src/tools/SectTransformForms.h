#pragma once
// The forms of the Section page's first six dialogs: Generate, Redefine,
// Translate, Rotate, Delete and Arrange. Each names its controls by the ids
// of its window and resets at every show what the dialog resets.

#include "tools/DialogForm.h"

enum SectTransformControl {
    // Generate
    ID_GEN_PLANE = 1159,
    ID_GEN_LINE = 1160,
    ID_GEN_PICTURE = 1168,
    ID_GEN_MERGE = 1251,
    ID_GEN_ANGLE = 1166,
    ID_GEN_NAME = 1164,
    ID_GEN_HAS_LOCATION = 1165,
    ID_GEN_LOCATION = 1163,
    ID_GEN_HAS_GROUP = 1123,
    ID_GEN_GROUP = 1162,
    ID_GEN_COLOUR = 1170,
    ID_GEN_CALCULATE = 1249,
    // Redefine
    ID_REDEF_HAS_NAME = 1121,
    ID_REDEF_NAME = 1347,
    ID_REDEF_HAS_LOCATION = 1122,
    ID_REDEF_LOCATION = 1348,
    ID_REDEF_HAS_COLOUR = 1123,
    ID_REDEF_COLOUR = 1388,
    // Translate
    ID_MOVE_DELTA = 1182,
    ID_MOVE_POINTS = 1183,
    ID_MOVE_DX = 1184,
    ID_MOVE_DY = 1185,
    ID_MOVE_POINT1 = 1186,
    ID_MOVE_POINT2 = 1187,
    ID_MOVE_DX_LABEL = 1113,
    ID_MOVE_DY_LABEL = 1114,
    ID_MOVE_POINT1_LABEL = 1115,
    ID_MOVE_POINT2_LABEL = 1116,
    // Rotate
    ID_ROTATE_ORIGIN = 1188,
    ID_ROTATE_ANGLE = 1189,
    ID_ROTATE_SPIN = 1190,
    // Delete
    ID_DELETE_CURVES = 1204,
    // Arrange
    ID_ARRANGE_CREATION = 1178,
    ID_ARRANGE_ROWS = 1385,
    ID_ARRANGE_COLUMNS = 1387,
};

// Pick field codes.
enum SectPickCode { CODE_MOVE_POINT1 = 10039, CODE_MOVE_POINT2 = 10040, CODE_ROTATE_ORIGIN = 10043 };

// The colours a new plane or line section is offered.
constexpr Rgb PLANE_SECTION_COLOUR{255, 255, 128};
constexpr Rgb LINE_SECTION_COLOUR{0, 0, 255};

// "Generate Section": type, merge angle, name, location, group, colour and
// "Calculate Properties Now". The colour follows the type at every show
// and type change; a colour the user picks lasts until then.
class CSToolGenerate : public CDialogForm {
public:
    CSToolGenerate();
    bool IsLine() const { return Choice(ID_GEN_PLANE) == 1; }

protected:
    void OnShow() override;
    void OnClick(int controlId) override;

private:
    void ShowType();
};

// "Redefine Section": name, location and colour, each only when checked.
// The colour is kept from show to show.
class CSToolRedefine : public CDialogForm {
public:
    CSToolRedefine();
    // The name when "Name" is checked, else empty.
    std::string GetName() const;

protected:
    void OnShow() override;
};

// "Translate Section": by Dx, Dy or by two picked points.
class CSToolTranslate : public CDialogForm {
public:
    CSToolTranslate();
    bool ByPoints() const { return Choice(ID_MOVE_DELTA) == 1; }

protected:
    void OnShow() override;
    void OnClick(int controlId) override;

private:
    void ShowMethod();
};

// "Rotate Section": a picked origin and the angle, 0 at every show.
class CSToolRotate : public CDialogForm {
public:
    CSToolRotate();

protected:
    void OnShow() override;
};

// "Delete Section": "Delete Curve", checked at every show.
class CSToolDelete : public CDialogForm {
public:
    CSToolDelete();

protected:
    void OnShow() override;
};

// "Arrange Section": the order and the grid (0 lets the model choose).
class CSToolArrange : public CDialogForm {
public:
    CSToolArrange();
    // The model's order code of the chosen radio.
    int OrderCode() const;

protected:
    void OnShow() override;
};
