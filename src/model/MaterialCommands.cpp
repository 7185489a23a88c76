// Creating, redefining and deleting materials.

#include "model/SectModel.h"

#include "model/Geometry.h"
#include "model/InvalidationNotice.h"
#include "model/NameLookup.h"
#include "model/TextFormat.h"
#include "model/UnchangedActionGuard.h"

#include <climits>

namespace {

constexpr double kEps = 1e-6;

// Negated comparisons so that a value that is not a number fails them.
bool CheckModulusAndRatio(const CMessageReporter& reporter, double elasticModulus, double poissonRatio)
{
    if (!(elasticModulus >= kEps))
        return reporter.ShowWarning("Elastic modulus should be greater than 0.");
    if (!(poissonRatio >= kEps && poissonRatio <= 0.5 - kEps))
        return reporter.ShowWarning("Poisson's ratio should be in the range of 0~0.5.");
    return true;
}

// Which materials a plane section's used domains name, as far as one material goes.
struct MaterialUse {
    bool hasIt = false;
    bool hasOther = false;
};

MaterialUse UseOfMaterial(const T_SECTION_D& section, int materialId)
{
    MaterialUse use;
    for (const auto& [id, domain] : section.domains) {
        if (!domain->used)
            continue;
        (domain->materialId == materialId ? use.hasIt : use.hasOther) = true;
    }
    return use;
}

// Invalidates, in the current action, every calculated plane section whose
// results the change reaches; returns how many. A section of this material
// only keeps its modular ratios whatever the modulus, but its shear areas
// follow Poisson's ratio, so a new ratio reaches every section that uses it.
int InvalidatePlaneSectionsReached(CSectModel& model, int materialId, bool poissonRatioChanges)
{
    int count = 0;
    for (auto& [id, section] : model.m_sections) {
        if (section->type != SECTION_PLANE || !section->propertiesCalculated)
            continue;
        const MaterialUse use = UseOfMaterial(*section, materialId);
        if (!use.hasIt || !(use.hasOther || poissonRatioChanges))
            continue;
        model.InvalidateSectionProperties(section.get());
        ++count;
    }
    return count;
}

constexpr const char* kReassignAdvice =
    "Change the domain material and re-calculate the properties.\n\n"
    "(Use [Model]-[Section]-[Assign Domain Material] and [Properties]-[Calculate])";

} // namespace

bool CSectModel::CreateMaterial(int id, const std::string& name, double elasticModulus, double poissonRatio)
{
    // The id counter has to pass every typed id, so the largest int leaves no room.
    if (id < 1 || id == INT_MAX)
        return m_reporter.ShowWarning("Material ID is invalid.");
    if (FindMaterial(id))
        return m_reporter.ShowWarning(FormatText("Material ID [%d] is already used.", id));
    if (!CheckModulusAndRatio(m_reporter, elasticModulus, poissonRatio))
        return false;
    if (!name.empty()) {
        if (const T_MATERIAL_D* other = FindRecordNamed(m_materials, name, kSkipNoRecord)) {
            const std::string question = FormatText(
                "Name \"%s\" is already used by material [%d:%s].\n\nCreate the new conflicted material anyway?",
                name.c_str(), other->id, other->name.c_str());
            if (m_reporter.AskYesNo(question, 2) != 1)
                return false;
        }
    }

    auto material = std::make_unique<T_MATERIAL_D>();
    material->id = id;
    material->name = name;
    material->elasticModulus = elasticModulus;
    material->poissonRatio = poissonRatio;
    m_materials[id] = std::move(material);
    // Ids the program hands out later (project merges) must never land on it.
    if (m_nextMaterialId <= id)
        m_nextMaterialId = id + 1;

    RecordCreatedMaterial(id, true);
    SetUndoActionTitle(FormatText("Create new material [%d:%s]", id, name.c_str()));
    return true;
}

bool CSectModel::RedefineMaterial(int id, const std::string& name, double elasticModulus, double poissonRatio)
{
    if (!CheckModulusAndRatio(m_reporter, elasticModulus, poissonRatio))
        return false;
    T_MATERIAL_D* material = FindMaterial(id);
    if (!material)
        return m_reporter.ReportMaterialNotFound(id);
    if (!name.empty()) {
        if (const T_MATERIAL_D* other = FindRecordNamed(m_materials, name, id)) {
            const std::string question = FormatText(
                "Name \"%s\" is already used by material [%d:%s].\n\nRename material [%d:%s] anyway?",
                name.c_str(), other->id, other->name.c_str(), id, material->name.c_str());
            if (m_reporter.AskYesNo(question, 2) != 1)
                return false;
        }
    }

    const UnchangedActionGuard noEmptyStep(*this);
    SaveMaterialForUndo(material, true);
    SetUndoActionTitle(FormatText("Redefine material [%d:%s]", id, material->name.c_str()));
    const bool poissonRatioChanges = IsNonZero(poissonRatio - material->poissonRatio);
    if (IsNonZero(elasticModulus - material->elasticModulus) || poissonRatioChanges)
        ReportInvalidatedSections(m_reporter, InvalidatePlaneSectionsReached(*this, id, poissonRatioChanges), "plane ");
    material->name = name;
    material->elasticModulus = elasticModulus;
    material->poissonRatio = poissonRatio;
    noEmptyStep.ReportIfNothingChanged("the material already has this name, elastic modulus and Poisson's ratio");
    return true;
}

bool CSectModel::DeleteMaterial(int id)
{
    const auto found = m_materials.find(id);
    if (found == m_materials.end())
        return m_reporter.ReportMaterialNotFound(id);

    SaveMaterialForUndo(found->second.get(), true);
    SetUndoActionTitle(FormatText("Delete material [%d:%s]", id, found->second->name.c_str()));
    ReportInvalidatedSections(m_reporter, InvalidatePlaneSectionsReached(*this, id, false), "plane ", kReassignAdvice);
    m_materials.erase(found);
    return true;
}
