#include "mesh/DomainMeshDriver.h"

#include "mesh/DomainMeshExport.h"
#include "mesh/DomainMesher.h"
#include "mesh/SectionDomainInput.h"

#include <set>

namespace {

constexpr int kMeshCancelMode = 1;

// Models with a meshing run in progress: a poll can dispatch a request that
// would start a second run on the same model.
std::set<const CSectModel*>& ModelsBeingMeshed()
{
    static std::set<const CSectModel*> models;
    return models;
}

class RunMark {
public:
    explicit RunMark(const CSectModel& model) : m_model(model) { ModelsBeingMeshed().insert(&model); }
    ~RunMark() { ModelsBeingMeshed().erase(&m_model); }
    RunMark(const RunMark&) = delete;
    RunMark& operator=(const RunMark&) = delete;

private:
    const CSectModel& m_model;
};

bool ReportFailure(const CSectModel& model, const T_SECTION_D& section, const T_DOMAIN_D& domain,
                   const std::string& why)
{
    model.m_reporter.PrintOutput("* Mesh generation failed in domain [" + std::to_string(domain.id) +
                                 "] of section [" + section.name + "]: " + why + ".");
    return false;
}

}  // namespace

bool GenerateDomainMesh(CSectModel& model, T_SECTION_D* section, T_DOMAIN_D* domain, int mode)
{
    if (ModelsBeingMeshed().count(&model) != 0 || section == nullptr || domain == nullptr)
        return false;
    const RunMark mark(model);

    if (model.m_feNodes.empty())
        ForgetPlacedCurves(*section);
    MeshDomainInput input;
    std::string failure;
    if (!ReadDomainBoundary(*section, *domain, mode, input, failure))
        return ReportFailure(model, *section, *domain, failure);

    ProgressScope progress = model.m_reporter.StartProgress(kMeshProgressRange);
    MeshRunHooks hooks;
    hooks.poll = [&model] { return model.PollUserCancel(kMeshCancelMode); };
    hooks.setProgress = [&progress](int position) { progress.SetPosition(position); };

    CMeshStore store;
    MeshStageResult result = MeshDomain(store, input, mode, hooks);
    WriteBackPlacedCurves(*section, input);
    if (result.Ok())
        result = ExportDomainMesh(model, section, domain, store, hooks.poll);
    if (result.status == MeshStatus::Canceled)
        return false;
    if (!result.Ok())
        return ReportFailure(model, *section, *domain, result.failure);
    progress.SetPosition(kMeshProgressRange);
    return true;
}
