// Commands that change the work UCS and create, redefine and delete a UCS.

#include "model/SectModel.h"

#include "model/Geometry.h"
#include "model/NameLookup.h"
#include "model/TextFormat.h"
#include "model/UnchangedActionGuard.h"

#include <cmath>

namespace {

constexpr const char* kIdenticalAxisPoints = "Two points defining the x-axis are indentical.";

// What one create or redefine makes of its arguments.
struct ResolvedUcs {
    double origin[2] = {0.0, 0.0};
    double angle = 0.0;
    double axisPoint1[2] = {0.0, 0.0};
    double axisPoint2[2] = {0.0, 0.0};
};

bool IsKnownMode(int definitionMode)
{
    return definitionMode == UCS_BY_ORIGIN_AND_ANGLE || definitionMode == UCS_BY_TWO_AXIS_POINTS;
}

bool AxisPointsCoincide(int definitionMode, const double axisPoint1[2], const double axisPoint2[2])
{
    return definitionMode == UCS_BY_TWO_AXIS_POINTS && IsZero(Distance(axisPoint1, axisPoint2));
}

// The origin-and-angle definition is global as typed; the two points are read
// in the work UCS as it stands when the command runs.
ResolvedUcs ResolveDefinition(const T_UCS_D& workUcs, int definitionMode, const double origin[2], double angle,
                              const double axisPoint1[2], const double axisPoint2[2])
{
    ResolvedUcs resolved;
    if (definitionMode == UCS_BY_TWO_AXIS_POINTS) {
        workUcs.ToGlobal(axisPoint1, resolved.axisPoint1);
        workUcs.ToGlobal(axisPoint2, resolved.axisPoint2);
        CopyPoint2(resolved.axisPoint1, resolved.origin);
        const double direction[2] = {resolved.axisPoint2[0] - resolved.axisPoint1[0],
                                     resolved.axisPoint2[1] - resolved.axisPoint1[1]};
        const double globalX[2] = {1.0, 0.0};
        resolved.angle = SignedAngle(globalX, direction);
    } else {
        CopyPoint2(origin, resolved.origin);
        resolved.angle = angle;
    }
    return resolved;
}

void StoreDefinition(T_UCS_D& ucs, int definitionMode, const double origin[2], double angle,
                     const ResolvedUcs& resolved)
{
    ucs.definitionMode = definitionMode;
    CopyPoint2(origin, ucs.enteredOrigin);
    ucs.enteredAngle = angle;
    CopyPoint2(resolved.axisPoint1, ucs.axisPoint1);
    CopyPoint2(resolved.axisPoint2, ucs.axisPoint2);
    CopyPoint2(resolved.origin, ucs.origin);
    ucs.angle = resolved.angle;
}

// Angles compare as stored: 0 and 360 differ.
bool IsIdentical(const T_UCS_D& ucs, const ResolvedUcs& resolved)
{
    return IsZero(Distance(ucs.origin, resolved.origin)) && IsZero(std::fabs(ucs.angle - resolved.angle));
}

const T_UCS_D* FindIdenticalUcs(const CSectModel& model, const ResolvedUcs& resolved, int skipId)
{
    for (const auto& [id, ucs] : model.m_ucs) {
        if (id != skipId && IsIdentical(*ucs, resolved))
            return ucs.get();
    }
    return nullptr;
}

bool UserAgrees(const CSectModel& model, const std::string& question)
{
    return model.m_reporter.AskYesNo(question, 2) == 1;
}

} // namespace

T_UCS_D* CSectModel::SetCurrentUcs(int ucsId)
{
    m_currentUcsId = ucsId;
    return GetCurrentUcs();
}

T_UCS_D* CSectModel::SetGcsCurrent()
{
    m_currentUcsId = 0;
    return FindUcs(0);
}

bool CSectModel::CreateUcs(int definitionMode, const std::string& name, const double origin[2], double angle,
                           const double axisPoint1[2], const double axisPoint2[2])
{
    if (!IsKnownMode(definitionMode))
        return false;
    if (AxisPointsCoincide(definitionMode, axisPoint1, axisPoint2))
        return m_reporter.ShowWarning(kIdenticalAxisPoints);
    if (!CheckIdLimit(IdKind::Ucs, 1))
        return false;

    if (!name.empty()) {
        if (const T_UCS_D* other = FindRecordNamed(m_ucs, name, kSkipNoRecord)) {
            const std::string question =
                other->id == 0
                    ? FormatText("Name \"%s\" is already used by GCS.\n\nCreate tne new conflicting UCS anyway?",
                                 name.c_str())
                    : FormatText("Name \"%s\" is already used by UCS [%s].\n\nCreate the new conflicting UCS anyway?",
                                 name.c_str(), other->name.c_str());
            if (!UserAgrees(*this, question))
                return false;
        }
    }

    const ResolvedUcs resolved =
        ResolveDefinition(*GetCurrentUcs(), definitionMode, origin, angle, axisPoint1, axisPoint2);
    if (const T_UCS_D* other = FindIdenticalUcs(*this, resolved, kSkipNoRecord)) {
        const std::string question =
            other->id == 0
                ? std::string("New UCS will be identical with GCS.\n\nCreate the new conflicting UCS anyway?")
                : FormatText("New UCS will be identical with UCS [%s].\n\nCreate the new conflicting UCS anyway?",
                             other->name.c_str());
        if (!UserAgrees(*this, question))
            return false;
    }

    auto ucs = std::make_unique<T_UCS_D>();
    ucs->id = m_nextUcsId++;
    ucs->name = name.empty() ? FormatText("UCS-%d", ucs->id) : name;
    StoreDefinition(*ucs, definitionMode, origin, angle, resolved);
    const int id = ucs->id;
    const std::string finalName = ucs->name;
    m_ucs[id] = std::move(ucs);

    RecordCreatedUcs(id, true);
    SetUndoActionTitle(FormatText("Create new UCS [%s]", finalName.c_str()));
    m_reporter.PrintOutput(FormatText("New UCS [%s] is created.", finalName.c_str()));
    return true;
}

bool CSectModel::RedefineUcs(int ucsId, int definitionMode, const std::string& name, const double origin[2],
                             double angle, const double axisPoint1[2], const double axisPoint2[2])
{
    if (ucsId == 0 || !IsKnownMode(definitionMode))
        return false;
    if (AxisPointsCoincide(definitionMode, axisPoint1, axisPoint2))
        return m_reporter.ShowWarning(kIdenticalAxisPoints);
    T_UCS_D* ucs = FindUcs(ucsId);
    if (!ucs)
        return m_reporter.ReportUcsNotFound(ucsId);
    const std::string oldName = ucs->name;
    const char* currentName = oldName.c_str();

    if (!name.empty()) {
        if (const T_UCS_D* other = FindRecordNamed(m_ucs, name, ucsId)) {
            const std::string question =
                other->id == 0
                    ? FormatText("Name \"%s\" is already used by GCS.\n\nRename UCS [%s] anyway?", name.c_str(),
                                 currentName)
                    : FormatText("Name \"%s\" is already used by UCS [%s].\n\nRename UCS [%s] anyway?",
                                 name.c_str(), other->name.c_str(), currentName);
            if (!UserAgrees(*this, question))
                return false;
        }
    }

    // The work UCS may be the one being redefined: its old definition applies.
    const ResolvedUcs resolved =
        ResolveDefinition(*GetCurrentUcs(), definitionMode, origin, angle, axisPoint1, axisPoint2);
    if (const T_UCS_D* other = FindIdenticalUcs(*this, resolved, ucsId)) {
        const std::string question =
            other->id == 0
                ? FormatText("This redefinition will make UCS [%s] be identical with GCS.\n\n"
                             "Redefine UCS [%s] anyway?",
                             currentName, currentName)
                : FormatText("This redefinition will make UCS [%s] be identical with UCS [%s].\n\n"
                             "Redefine UCS [%s] anyway?",
                             currentName, other->name.c_str(), currentName);
        if (!UserAgrees(*this, question))
            return false;
    }

    const UnchangedActionGuard noEmptyStep(*this);
    SaveUcsForUndo(ucs, true);
    SetUndoActionTitle(FormatText("Redefine UCS [%s]", currentName));
    if (!name.empty())
        ucs->name = name;
    StoreDefinition(*ucs, definitionMode, origin, angle, resolved);
    if (!noEmptyStep.ReportIfNothingChanged("the UCS already has this definition"))
        m_reporter.PrintOutput(FormatText("UCS [%s] is redefined.", ucs->name.c_str()));
    return true;
}

bool CSectModel::DeleteUcs(int ucsId)
{
    if (ucsId == 0)
        return false;
    const auto found = m_ucs.find(ucsId);
    if (found == m_ucs.end())
        return m_reporter.ReportUcsNotFound(ucsId);

    SaveUcsForUndo(found->second.get(), true);
    SetUndoActionTitle(FormatText("Delete UCS [%s]", found->second->name.c_str()));
    m_reporter.PrintOutput(FormatText("UCS [%s] is deleted.", found->second->name.c_str()));
    m_ucs.erase(found);
    if (m_currentUcsId == ucsId)
        m_currentUcsId = 0;
    return true;
}
