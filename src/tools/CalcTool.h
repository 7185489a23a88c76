#pragma once
// The Properties page: calculating the selected sections' properties,
// showing one property as a label beside every calculated section, and
// exporting the calculated properties. Rows (tool ids 4000-4003):
//   Calculate Property  picks sections; Apply calculates them
//   separator
//   Display Property    Apply turns on the labels of the chosen property
//   Export Property     Apply writes the file chosen through "..."
// Showing Display or Export, and hiding Display, turn the labels off.

#include "frame/ToolPageTable.h"
#include "tools/CalcToolForms.h"

#include <memory>

class CToolRegistry;

class CCalcTool {
public:
    CCalcTool();

    // The page's rows over this tool's forms, which the rows keep alive.
    ToolPageTable Table() const;

    // Busy document: nothing. Otherwise the form is read (the size only in
    // size mode), the selected sections are calculated in ascending id order
    // and the selection is cleared. Refusals keep the selection.
    static void ApplyCalculate(CalcForm& form, ToolPageContext& context);
    static void ApplyDisplay(DisplayForm& form, ToolPageContext& context);
    static void ApplyExport(ExportForm& form, ToolPageContext& context);

    CalcForm& Calc() { return *calc_; }
    DisplayForm& Display() { return *display_; }
    ExportForm& Export() { return *export_; }

private:
    std::shared_ptr<CalcForm> calc_;
    std::shared_ptr<DisplayForm> display_;
    std::shared_ptr<ExportForm> export_;
};

// Registers the Properties page's table; false when a row's command does
// not open it.
bool RegisterCalcTool(CToolRegistry& registry);
