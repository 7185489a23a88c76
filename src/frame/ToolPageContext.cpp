#include "frame/ToolPageContext.h"

#include "view/ToolViewPort.h"

void ClearSelectionAndRedraw(IToolView& view)
{
    view.ClearSelection();
    view.RedrawScene();
}
