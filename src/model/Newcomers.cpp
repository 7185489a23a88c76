// The newcomer lists of the model: ids of the objects the latest creating
// command made, read by the view's "Select Newcomer".

#include "model/SectModel.h"

#include <algorithm>

namespace {

void AddOne(std::vector<int>& list, int id, bool clearFirst)
{
    if (clearFirst)
        list.clear();
    list.push_back(id);
}

void AddMany(std::vector<int>& list, const std::vector<int>& ids, bool replace)
{
    if (replace) {
        if (&ids != &list)
            list = ids;
        return;
    }
    // By index: ids may be the list itself, and push_back copes with that.
    const size_t count = ids.size();
    for (size_t i = 0; i < count; ++i)
        list.push_back(ids[i]);
}

// Sorts, drops duplicates and ids the model no longer holds, keeps the result
// as the list and hands out a copy.
template <class Exists>
void TidyAndRead(std::vector<int>& list, std::vector<int>& out, Exists exists)
{
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    std::erase_if(list, [&](int id) { return !exists(id); });
    out = list;
}

} // namespace

void CSectModel::ClearNewcomerCurves()
{
    m_newcomerCurves.clear();
}

void CSectModel::ClearNewcomerPoints()
{
    m_newcomerPoints.clear();
}

void CSectModel::AddNewcomerSection(int id, bool clearFirst)
{
    AddOne(m_newcomerSections, id, clearFirst);
}

void CSectModel::AddNewcomerClosedLoop(int id, bool clearFirst)
{
    AddOne(m_newcomerClosedLoops, id, clearFirst);
}

void CSectModel::AddNewcomerCurve(int id, bool clearFirst)
{
    AddOne(m_newcomerCurves, id, clearFirst);
}

void CSectModel::AddNewcomerPoint(int id, bool clearFirst)
{
    AddOne(m_newcomerPoints, id, clearFirst);
}

void CSectModel::AddNewcomerSections(const std::vector<int>& ids, bool replace)
{
    AddMany(m_newcomerSections, ids, replace);
}

void CSectModel::AddNewcomerClosedLoops(const std::vector<int>& ids, bool replace)
{
    AddMany(m_newcomerClosedLoops, ids, replace);
}

void CSectModel::AddNewcomerCurves(const std::vector<int>& ids, bool replace)
{
    AddMany(m_newcomerCurves, ids, replace);
}

void CSectModel::AddNewcomerPoints(const std::vector<int>& ids, bool replace)
{
    AddMany(m_newcomerPoints, ids, replace);
}

void CSectModel::GetNewcomerSections(std::vector<int>& out)
{
    TidyAndRead(m_newcomerSections, out, [this](int id) { return FindSection(id) != nullptr; });
}

void CSectModel::GetNewcomerClosedLoops(std::vector<int>& out)
{
    TidyAndRead(m_newcomerClosedLoops, out, [this](int id) { return FindClosedLoop(id) != nullptr; });
}

void CSectModel::GetNewcomerCurves(std::vector<int>& out)
{
    TidyAndRead(m_newcomerCurves, out, [this](int id) { return FindCurve(id) != nullptr; });
}

void CSectModel::GetNewcomerPoints(std::vector<int>& out)
{
    TidyAndRead(m_newcomerPoints, out, [this](int id) { return FindPoint(id) != nullptr; });
}
