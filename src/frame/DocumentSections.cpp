// The document's section commands. Generation, redefinition and calculation
// run the calculation layer over the document's context, which refreshes
// the views itself; picks and queries only read the model.

#include "frame/TarvokrtDoc.h"

#include "calc/CalculationDriver.h"
#include "calc/GenerationFrontEnd.h"

#include <algorithm>
#include <utility>

namespace {
// Locations closer than this are offered once.
constexpr double kLocationSpacing = 1e-6;
}  // namespace

void CTarvokrtDoc::GenerateSection(const std::string& name, int type, const std::vector<int>& curveIds, bool hasLocation, double location, const int color[3], const std::string& groupName, bool calculateNow, bool mergeStraightLines, double mergeAngleTolerance)
{
    DocumentContext context = CalculationContext();
    ::GenerateSection(context, name, type, curveIds, hasLocation, location, color, groupName, calculateNow, mergeStraightLines, mergeAngleTolerance);
    DropInputQueuedMeanwhile();
}

void CTarvokrtDoc::RedefineSection(int sectionId, const std::string& name, bool redefineLocation, double location, bool redefineColor, const int color[3])
{
    DocumentContext context = CalculationContext();
    ::RedefineSection(context, sectionId, name, redefineLocation, location, redefineColor, color);
}

void CTarvokrtDoc::CalculateProperties(const std::vector<int>& sectionIds, int meshLevel, double meshSize, bool recalculate, bool pauseAfterEach)
{
    DocumentContext context = CalculationContext();
    ::CalculateProperties(context, sectionIds, meshLevel, meshSize, recalculate, pauseAfterEach);
    DropInputQueuedMeanwhile();
}

void CTarvokrtDoc::DropInputQueuedMeanwhile()
{
    // Clicks and keys made while the work ran were meant for the drawing as
    // it was then; the cancel port's look at the queue drops them and lets
    // the repaints through.
    if (ports_.cancel)
        ports_.cancel->TakePendingMessage();
}

void CTarvokrtDoc::GetSectionLocations(std::vector<double>& locations)
{
    locations.clear();
    for (const auto& [id, section] : model_->m_sections) {
        if (section->hasLocation)
            locations.push_back(section->location);
    }
    std::sort(locations.begin(), locations.end());
    // Of two close neighbours the later one stays.
    for (std::size_t i = 0; i + 1 < locations.size();) {
        if (locations[i + 1] - locations[i] < kLocationSpacing)
            locations.erase(locations.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
}

bool CTarvokrtDoc::TranslateSections(const std::vector<int>& sectionIds, double dx, double dy) { return AfterCommand(AfterStep::Redraw, model_->TranslateSections(&sectionIds, dx, dy)); }
bool CTarvokrtDoc::RotateSections(std::vector<int> sectionIds, const double origin[2], double angle) { return AfterCommand(AfterStep::Redraw, model_->RotateSections(std::move(sectionIds), origin, angle)); }
bool CTarvokrtDoc::DeleteSections(const std::vector<int>& sectionIds, bool deleteCurves) { return AfterCommand(AfterStep::Redraw, model_->DeleteSections(&sectionIds, deleteCurves)); }
bool CTarvokrtDoc::ArrangeSections(std::vector<int> sectionIds, int orderMode, int rows, int columns) { return AfterCommand(AfterStep::FitViews, model_->ArrangeSections(std::move(sectionIds), orderMode, rows, columns, true)); }
bool CTarvokrtDoc::AssignDomainMaterial(const std::vector<std::pair<int, int>>& pairs, int materialId, bool setAsBaseMaterial) { return AfterCommand(AfterStep::Redraw, model_->AssignDomainMaterial(&pairs, materialId, setAsBaseMaterial)); }

void CTarvokrtDoc::PickSectionsByName(std::string name, std::vector<int>* result) { model_->PickSectionsByName(std::move(name), result); }
void CTarvokrtDoc::PickSectionsByType(int type, std::vector<int>* result) { model_->PickSectionsByType(type, result); }
void CTarvokrtDoc::PickSectionsByLocation(double location, std::vector<int>* result) { model_->PickSectionsByLocation(location, result); }
void CTarvokrtDoc::PickSectionsWithoutLocation(std::vector<int>* result) { model_->PickSectionsWithoutLocation(result); }
void CTarvokrtDoc::PickSectionsByAreaGreater(double value, std::vector<int>* result) { model_->PickSectionsByAreaGreater(value, result); }
void CTarvokrtDoc::PickSectionsByAreaLess(double value, std::vector<int>* result) { model_->PickSectionsByAreaLess(value, result); }
void CTarvokrtDoc::PickSectionsByIxxGreater(double value, std::vector<int>* result) { model_->PickSectionsByIxxGreater(value, result); }
void CTarvokrtDoc::PickSectionsByIxxLess(double value, std::vector<int>* result) { model_->PickSectionsByIxxLess(value, result); }
void CTarvokrtDoc::PickSectionsByIyyGreater(double value, std::vector<int>* result) { model_->PickSectionsByIyyGreater(value, result); }
void CTarvokrtDoc::PickSectionsByIyyLess(double value, std::vector<int>* result) { model_->PickSectionsByIyyLess(value, result); }
void CTarvokrtDoc::PickSectionsByIxyGreater(double value, std::vector<int>* result) { model_->PickSectionsByIxyGreater(value, result); }
void CTarvokrtDoc::PickSectionsByIxyLess(double value, std::vector<int>* result) { model_->PickSectionsByIxyLess(value, result); }
void CTarvokrtDoc::PickSectionsByJGreater(double value, std::vector<int>* result) { model_->PickSectionsByJGreater(value, result); }
void CTarvokrtDoc::PickSectionsByJLess(double value, std::vector<int>* result) { model_->PickSectionsByJLess(value, result); }
bool CTarvokrtDoc::QuerySection(int sectionId) { return model_->QuerySection(sectionId); }
