#pragma once
// The Curve page's translate, rotate and mirror dialogs: the shared
// transform form over the Curve page's control ids, and their applies. An
// apply reads the form (a refused number ends it with the reader's prompt),
// then the selected curves in ascending id order ("No curve is selected."
// with none), then the transform ("Input error!" ends it), and calls the
// move or the copy member of the document; the selection is cleared however
// it ends.

#include "tools/TransformForm.h"

struct ToolPageContext;

TransformControls CurveTranslateControls();
TransformControls CurveRotateControls();
TransformControls CurveMirrorControls();

// The copy passes the alignment and the width only with "Connect Ends by
// Line" checked.
void ApplyTranslateCurve(CTransformForm& form, ToolPageContext& context);
void ApplyRotateCurve(CTransformForm& form, ToolPageContext& context);
void ApplyMirrorCurve(CTransformForm& form, ToolPageContext& context);
