#pragma once
// The applies of the Point page. Each first reads its form (a refused number
// shows the reader's prompt and the apply goes no further), then checks the
// selection, then parses the coordinates it needs ("Input error!" ends it),
// then calls the document. Applies that clear the selection clear it
// however they end; Coordinate and Ratio btwn 2 Pts never touch it. The
// selected ids are read in ascending order; an apply without a view, a
// document or a box port does nothing.

class CPToolCoordDlg;
class CPToolRatioCurve;
class CPToolInterpCurve;
class CPToolRatioPoint;
class CPToolInterpPoint;
class CTransformForm;
class CPToolEqualize;
class CPToolPick;
struct ToolPageContext;

void ApplyCoordinatePoint(CPToolCoordDlg& form, ToolPageContext& context);
void ApplyRatioOnCurve(CPToolRatioCurve& form, ToolPageContext& context);
void ApplyInterpOnCurve(CPToolInterpCurve& form, ToolPageContext& context);
void ApplyRatioBetweenPoints(CPToolRatioPoint& form, ToolPageContext& context);
void ApplyInterpBetweenPoints(CPToolInterpPoint& form, ToolPageContext& context);
// Translate passes the alignment and the width only with "Connect by Line"
// checked; Rotate and Mirror always pass them.
void ApplyTranslatePoint(CTransformForm& form, ToolPageContext& context);
void ApplyRotatePoint(CTransformForm& form, ToolPageContext& context);
void ApplyMirrorPoint(CTransformForm& form, ToolPageContext& context);
// "All" equalizes the shown points, selected or not.
void ApplyEqualizePoint(CPToolEqualize& form, ToolPageContext& context);
void ApplyDeletePoint(ToolPageContext& context);
// Clears the selection, then selects the shown points that the checked
// criteria give, in union or intersection, each once.
void ApplyPickPoint(CPToolPick& form, ToolPageContext& context);
// Reports the one selected point.
void ApplyQueryPoint(ToolPageContext& context);
