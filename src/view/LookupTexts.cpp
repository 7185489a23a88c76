#include "view/LookupTexts.h"

#include "model/TextFormat.h"

std::string MissingEntityText(SceneKind kind, int id)
{
    switch (kind) {
    case KIND_POINT: return FormatText("Cannot find point [ID:%d] object.", id);
    case KIND_CURVE: return FormatText("Cannot find curve [ID:%d] object.", id);
    case KIND_SECTION: return FormatText("Cannot find section [ID:%d] object.", id);
    case KIND_CLOSED_LOOP: return FormatText("Cannot find closed loop [ID:%d] object.", id);
    default: return std::string();
    }
}

std::string SectionCorruptedText(int sectionId, const std::string& name)
{
    return FormatText("Internal model data of section [%d:%s] seem corrupted.", sectionId, name.c_str());
}
