#pragma once
// The form of the translate, rotate and mirror dialogs of the Point and the
// Curve pages. Each of the six dialogs is this one form and rule set over
// its own control ids, pick codes and opening choices (TransformControls).
//
// Controls, by kind:
//   Translate  mode (Move, Copy); method (Delta X, Y | Defined by 2 Points)
//              with Dx, Dy and the two coordinate pick fields; Number of
//              Times with its spin.
//   Rotate     mode; the Origin pick field; Number of Times and the Angle
//              of Rotation (degrees), each with its spin.
//   Mirror     mode; axis (About X-axis | About Y-axis | Defined by 2
//              Points) with the y of the X-axis line, the x of the Y-axis
//              line and the two coordinate pick fields.
//   All three  "Connect by Line", the Center/Left/Right alignment radios
//              and the Width: the copy option.
// A pick field's focus saves the view's mouse mode and then sets it to 0,
// so the select mode of the page's filter comes back after the pick; the
// Width answers the dispatch's focus move to Width.
//
// Every show: no pick field highlighted, the opening mode and method or
// axis, alignment Center, "Connect by Line" unchecked, then the mode rule
// and the method rule. Typed texts (Number of Times and Angle included)
// are kept.
// Rules, on show and on the clicks of their controls:
//   mode     Copy enables the copy group, then the connect rule runs; Move
//            disables the copy group and the connect group.
//   connect  the connect group is enabled exactly when the box is checked.
//   method   the chosen method's controls are enabled, the others' disabled,
//            and the focus goes to the chosen method's focus control (a pick
//            field taking it announces itself to the view).
//
// The numbers are read by ReadFields; the coordinate texts only by the
// getters, so an apply checks its selection before it parses them, and a
// disabled method's texts are never read.

#include "tools/DialogForm.h"

#include <array>
#include <map>
#include <string>
#include <vector>

enum class TransformKind { Translate, Rotate, Mirror };

// One choice of the method (Translate) or axis (Mirror) radios: the controls
// it enables and the control the focus goes to.
struct TransformMethod {
    int radioId;
    std::string text;
    std::vector<int> controls;
    int focusId;
};

struct TransformControls {
    TransformKind kind = TransformKind::Translate;
    int moveRadio = 0;
    int copyRadio = 0;
    int openingMode = 0;  // 0 Move, 1 Copy
    std::vector<TransformMethod> methods;  // none for Rotate
    int openingMethod = 0;
    // Zero for a control the dialog does not have.
    int timesEdit = 0;
    int timesSpin = 0;
    int dxEdit = 0;
    int dyEdit = 0;
    int point1Edit = 0;  // Translate and Mirror: the two points
    int point1Code = 0;
    int point2Edit = 0;
    int point2Code = 0;
    int originEdit = 0;  // Rotate
    int originCode = 0;
    int angleEdit = 0;
    int angleSpin = 0;
    int xAxisEdit = 0;  // Mirror: the y of the line parallel to the x-axis
    int yAxisEdit = 0;  // Mirror: the x of the line parallel to the y-axis
    int connectCheck = 0;
    std::array<int, 3> alignmentRadios{};
    int widthEdit = 0;
    std::vector<int> copyGroup;
    std::vector<int> connectGroup;
    // For the window: the labels the groups switch, by the edit they name,
    // the frame of the alignment radios, and the check box's text.
    std::map<int, int> labelIds;
    int alignmentBoxId = 0;
    std::string connectText = "Connect by Line";
};

class CTransformForm : public CDialogForm {
public:
    explicit CTransformForm(TransformControls controls);

    const TransformControls& Controls() const { return controls_; }

    void OnShow() override;

    bool IsCopy() const;
    // The index of the chosen method or axis.
    int Method() const;
    bool ConnectByLine() const;
    // The alignment radio + 1 (1 centre, 2 left, 3 right).
    int AlignmentCode() const;
    // Held values, as the last reading left them.
    int Times() const;
    double Angle() const;
    double Width() const;

    // Translate: Dx and Dy, or Point 2 minus Point 1; false after "Input
    // error!".
    bool GetDelta(double& dx, double& dy);
    bool GetDeltaFrom2Points(double& dx, double& dy);
    // Rotate: the Origin; false after "Input error!".
    bool GetOrigin(PlanePoint& origin);
    // Mirror: (0, y)-(1, y), (x, 0)-(x, 1), or Point 1 to Point 2 (false
    // after "Input error!").
    bool GetMirrorLine(PlanePoint& point1, PlanePoint& point2);

protected:
    void OnClick(int controlId) override;

private:
    void ApplyModeRule();
    void ApplyConnectRule();
    void ApplyMethodRule();
    double HeldReal(int controlId) const;

    TransformControls controls_;
};

// The ids of the copy option every transform dialog ends with.
struct CopyOptionIds {
    int connectCheck;
    std::array<int, 3> alignmentRadios;
    int alignmentBox;
    int widthEdit;
};

// The two coordinate pick fields of Translate and Mirror, with their labels.
struct PointPairIds {
    int point1Edit;
    int point1Label;
    int point1Code;
    int point2Edit;
    int point2Label;
    int point2Code;
};

struct TranslateIds {
    int moveRadio;
    int copyRadio;
    int deltaRadio;
    int pointsRadio;
    int dxEdit;
    int dxLabel;
    int dyEdit;
    int dyLabel;
    PointPairIds points;
    int timesEdit;
    int timesSpin;
    int timesLabel;
    CopyOptionIds copy;
};

struct RotateIds {
    int moveRadio;
    int copyRadio;
    int originEdit;
    int originCode;
    int timesEdit;
    int timesSpin;
    int timesLabel;
    int angleEdit;
    int angleSpin;
    CopyOptionIds copy;
};

struct MirrorIds {
    int moveRadio;
    int copyRadio;
    int xAxisRadio;
    int yAxisRadio;
    int pointsRadio;
    int xAxisEdit;
    int yAxisEdit;
    PointPairIds points;
    CopyOptionIds copy;
};

// A dialog's controls from its ids: the groups its rules switch and the
// labels the window shows are the same on every page. Translate and Rotate
// open in Move, Mirror in Copy about the Y-axis.
TransformControls TranslateControls(const TranslateIds& ids);
TransformControls RotateControls(const RotateIds& ids);
TransformControls MirrorControls(const MirrorIds& ids);

// The Point page's three transform dialogs.
TransformControls PointTranslateControls();
TransformControls PointRotateControls();
TransformControls PointMirrorControls();
