#include "sections/SectionClashes.h"

#include "model/Geometry.h"

const T_SECTION_D* FindSectionNamed(const CSectModel& model, const std::string& name, int exceptId)
{
    std::string lowerName;
    CSectModel::ToLowerCase(name, lowerName);
    for (const auto& [id, other] : model.m_sections) {
        std::string otherName;
        CSectModel::ToLowerCase(other->name, otherName);
        if (id != exceptId && otherName == lowerName)
            return other.get();
    }
    return nullptr;
}

const T_SECTION_D* FindSectionLocatedAt(const CSectModel& model, double location, int exceptId)
{
    for (const auto& [id, other] : model.m_sections) {
        if (id != exceptId && other->hasLocation && IsZero(other->location - location))
            return other.get();
    }
    return nullptr;
}
