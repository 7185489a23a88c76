// Putting points into a curve at fractions of its length, and cutting a curve
// at such points into consecutive pieces.

#include "commands/CreationSupport.h"
#include "model/Geometry.h"
#include "model/TextFormat.h"

#include <algorithm>

namespace {

// Ratios closer than this to the next one are dropped.
constexpr double kRatioThinning = 0.001;

void SortAndThinRatios(std::vector<double>& ratios)
{
    std::sort(ratios.begin(), ratios.end());
    size_t i = 0;
    while (i + 1 < ratios.size()) {
        if (ratios[i + 1] - ratios[i] < kRatioThinning)
            ratios.erase(ratios.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
}

// Walks a curve for each ratio in ascending order and builds its new point
// lists: one list when inserting, one per piece when cutting.
class CurveCutter {
public:
    CurveCutter(CSectModel& model, const T_CURVE_D& curve, std::vector<XyPosition> positions, bool cut)
        : model_(model), ids_(curve.pointIds), positions_(std::move(positions)), cut_(cut)
    {
        length_ = PolylineLength(positions_);
        pieces_.emplace_back();
    }

    void Place(double ratio)
    {
        size_t segment = 0;
        double along = 0.0;
        if (!Locate(ratio, &segment, &along))
            return;  // past the last segment

        const double* a = positions_[segment].data();
        const double* b = positions_[segment + 1].data();
        const double segmentLength = Distance(a, b);
        const double position[2] = {a[0] + (b[0] - a[0]) * along / segmentLength,
                                    a[1] + (b[1] - a[1]) * along / segmentLength};
        int pointId = model_.FindPointAt(position);
        if (pointId == 0) {
            pointId = AddNewPoint(model_, position);
            model_.RecordCreatedPoint(pointId, false);
            newPointIds_.push_back(pointId);
        }

        CopyUpTo(segment);
        std::vector<int>& piece = pieces_.back();
        // A point the list already ends with (the segment's start, or the
        // point of the ratio before) is not repeated.
        if (piece.empty() || piece.back() != pointId)
            piece.push_back(pointId);
        const size_t copiedThrough = pointId == ids_[segment + 1] ? segment + 1 : segment;
        copiedCount_ = std::max(copiedCount_, copiedThrough + 1);
        if (cut_)
            pieces_.push_back({pointId});
    }

    // The built lists; a cut piece that would hold a single point is merged
    // away, so every piece keeps two distinct points.
    std::vector<std::vector<int>> Finish()
    {
        CopyUpTo(ids_.size() - 1);
        std::erase_if(pieces_, [](const std::vector<int>& piece) {
            return std::all_of(piece.begin(), piece.end(), [&](int id) { return id == piece.front(); });
        });
        return std::move(pieces_);
    }

    const std::vector<int>& NewPointIds() const { return newPointIds_; }

private:
    // Finds the segment that holds the ratio and the distance along it.
    // Zero-length segments hold nothing.
    bool Locate(double ratio, size_t* segment, double* along) const
    {
        double remaining = length_ * ratio;
        for (size_t i = 0; i + 1 < positions_.size(); ++i) {
            const double segmentLength = Distance(positions_[i].data(), positions_[i + 1].data());
            if (segmentLength <= 0.0)
                continue;
            if (remaining <= segmentLength) {
                *segment = i;
                *along = remaining;
                return true;
            }
            remaining -= segmentLength;
        }
        return false;
    }

    // Copies the curve's points through index last that are not yet copied.
    void CopyUpTo(size_t last)
    {
        for (; copiedCount_ <= last && copiedCount_ < ids_.size(); ++copiedCount_)
            pieces_.back().push_back(ids_[copiedCount_]);
    }

    CSectModel& model_;
    const std::vector<int> ids_;
    const std::vector<XyPosition> positions_;
    const bool cut_;
    double length_ = 0.0;
    size_t copiedCount_ = 0;  // the curve's points before this index are copied
    std::vector<std::vector<int>> pieces_;
    std::vector<int> newPointIds_;
};

// Rebuilds a loop's signed curve ids so that it runs through every piece.
std::vector<int> ThreadPiecesIntoLoop(const std::vector<int>& loopCurveIds, int curveId,
                                      const std::vector<int>& newCurveIds)
{
    std::vector<int> threaded;
    for (int entry : loopCurveIds) {
        if (entry == -curveId) {
            for (auto it = newCurveIds.rbegin(); it != newCurveIds.rend(); ++it)
                threaded.push_back(-*it);
        }
        threaded.push_back(entry);
        if (entry == curveId)
            threaded.insert(threaded.end(), newCurveIds.begin(), newCurveIds.end());
    }
    return threaded;
}

// Places the sorted, thinned ratios on the curve, making and recording the
// points it needs; the built point lists, or none when there is nothing to
// place or a point of the curve is missing.
std::vector<std::vector<int>> PlaceRatios(CSectModel& model, const T_CURVE_D& curve, std::vector<double>& ratios,
                                          bool cut)
{
    if (ratios.empty())
        return {};
    SortAndThinRatios(ratios);
    std::vector<XyPosition> positions;
    if (!GatherCurvePositions(model, curve, positions) || positions.size() < 2)
        return {};
    CurveCutter cutter(model, curve, std::move(positions), cut);
    for (double ratio : ratios)
        cutter.Place(ratio);
    if (!cutter.NewPointIds().empty())
        model.AddNewcomerPoints(cutter.NewPointIds(), false);
    return cutter.Finish();
}

} // namespace

void CSectModel::InsertPointsIntoCurve(T_CURVE_D* curve, std::vector<double>& ratios)
{
    if (!curve)
        return;
    std::vector<std::vector<int>> built = PlaceRatios(*this, *curve, ratios, false);
    if (built.empty())
        return;

    const size_t inserted = built.front().size() - curve->pointIds.size();
    curve->pointIds = std::move(built.front());
    if (inserted == 1)
        m_reporter.PrintOutput(FormatText("1 point is inserted into the curve [%d] ", curve->id));
    else if (inserted > 1)
        m_reporter.PrintOutput(
            FormatText("%d point are inserted into the curve [%d] ", static_cast<int>(inserted), curve->id));
}

void CSectModel::SplitCurveAtPoints(T_CURVE_D* curve, std::vector<double>& ratios)
{
    if (!curve)
        return;
    std::vector<std::vector<int>> pieces = PlaceRatios(*this, *curve, ratios, true);
    if (pieces.size() < 2)
        return;  // every cut fell on an end of the curve or on another cut

    std::string text = FormatText("Curve [%d] is split into %d curves: curve [%d] ", curve->id,
                                  static_cast<int>(pieces.size()), curve->id);
    T_SECTION_D* section = FindSection(curve->sectionId);
    if (section)
        SaveSectionForUndo(section, false);
    curve->pointIds = std::move(pieces.front());

    std::vector<int> newCurveIds;
    for (size_t i = 1; i < pieces.size(); ++i) {
        auto piece = std::make_unique<T_CURVE_D>();
        piece->id = m_nextCurveId++;
        piece->alignment = curve->alignment;
        piece->width = curve->width;
        piece->sectionId = curve->sectionId;
        piece->closedLoopIds = curve->closedLoopIds;
        piece->pointIds = std::move(pieces[i]);
        const int pieceId = piece->id;
        m_curves[pieceId] = std::move(piece);
        if (section)
            section->curveIds.push_back(pieceId);
        newCurveIds.push_back(pieceId);
        text += FormatText("- curve [%d] ", pieceId);
        RecordCreatedCurve(pieceId, false);
    }
    m_reporter.PrintOutput(text);

    for (int loopId : curve->closedLoopIds) {
        T_LOOP_D* loop = FindClosedLoop(loopId);
        if (!loop)
            continue;
        SaveClosedLoopForUndo(loop, false);
        loop->curveIds = ThreadPiecesIntoLoop(loop->curveIds, curve->id, newCurveIds);
    }
    AddNewcomerCurves(newCurveIds, false);
}
