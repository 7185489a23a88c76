#include "tools/SectionExportFormats.h"

const ExportFormat EXPORT_FORMATS[EXPORT_FORMAT_COUNT] = {
    {"KLX Project File", "klx", "*.klx", "TARVO/KLX Project Files (*.klx)|*.klx"},
    {"PYLOR PYF File", "pyf", "*.pyf", "TARVO/PYLOR PYF Files (*.pyf)|*.pyf"},
    {"Zol KWF File", "kwf", "*.kwf", "TARVO/Zol KWF Files (*.kwf)|*.kwf"},
    {"TARVO Section File", "sec", "*.sec", "TARVO Section Files (*.sec)|*.sec"},
    {"AutoCAD DXF File", "dxf", "*.dxf", "AutoCAD DXF Files (*.dxf)|*.dxf"},
    {"Text File", "txt", "*.txt", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*"},
};

const ExportFormat* ExportFormatOf(int format)
{
    return format >= 0 && format < EXPORT_FORMAT_COUNT ? &EXPORT_FORMATS[format] : nullptr;
}
