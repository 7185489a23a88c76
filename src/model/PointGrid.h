#pragma once
// Positions filed in square cells twice the tolerance wide, so that the
// lowest key among the positions within the tolerance of a query is found by
// looking at a few cells, whatever the number of positions. Cells are keyed
// by floating-point cell numbers, so no coordinate or tolerance can overflow an
// integer; where a coordinate is too large for its cell number to be finite,
// the coordinate itself keys the cell. A tolerance the cells cannot use
// (zero, negative, NaN or beyond half the largest double) falls back to a scan
// of every position, with the same answer.

#include <array>
#include <cmath>
#include <cstddef>
#include <unordered_map>
#include <vector>

// The look-up test: within t of q on each axis and nearer than t.
bool IsWithinTolerance(const double p[2], const double q[2], double t);

class PointGrid {
public:
    // Empties the grid and sizes its cells for the tolerance; room is made for
    // the expected number of positions.
    void Reset(double tolerance, std::size_t expected = 0);
    void Insert(int key, const double xy[2]);

    // The lowest key whose position passes the look-up test against xy with
    // the grid's tolerance; -1 when none does.
    int FindLowest(const double xy[2]) const;

    // Hands visit(key, position) every entry within the tolerance of xy on
    // each axis, and perhaps others, in no set order; nothing when xy is not
    // finite or the tolerance is not positive.
    template <class Visit>
    void VisitNear(const double xy[2], Visit visit) const;
    // How many entries VisitNear would hand over for xy, found without
    // visiting them.
    std::size_t CountNear(const double xy[2]) const;

    double Tolerance() const { return tolerance_; }
    std::size_t Size() const { return entries_.size(); }
    // How many cells hold positions: far-apart positions never share one.
    std::size_t CellCount() const { return cells_.size(); }

private:
    struct Entry {
        int key;
        double xy[2];
    };
    // One axis of a cell's key: the cell number, or the coordinate itself
    // when the cell number is not finite.
    struct AxisKey {
        double value;
        bool isCoordinate;
        bool operator==(const AxisKey&) const = default;
    };
    struct CellKey {
        AxisKey x;
        AxisKey y;
        bool operator==(const CellKey&) const = default;
    };
    struct CellKeyHash {
        std::size_t operator()(const CellKey& key) const;
    };
    // More keys along one axis than this only arise from rounding at extreme
    // magnitudes; a scan of every position answers those queries instead.
    static constexpr std::size_t kMostAxisKeys = 8;
    struct AxisKeys {
        std::array<AxisKey, kMostAxisKeys> keys;
        std::size_t count = 0;
    };

    bool UsesCells() const { return cellSize_ > 0.0; }
    AxisKey AxisKeyOf(double v) const;
    // The keys along one axis of every cell that may hold a position within
    // the tolerance of v; false when they are too many to be worth walking.
    bool AxisKeysAround(double v, AxisKeys& keys) const;
    // Hands visitCell(indices) the cells that may hold positions within the
    // tolerance of the finite xy; false, before handing any, when cells
    // cannot answer and every position has to be looked at.
    template <class VisitCell>
    bool VisitCellsNear(const double xy[2], VisitCell visitCell) const;
    bool CanHoldNear(const double xy[2]) const
    {
        return !entries_.empty() && tolerance_ > 0.0 && std::isfinite(xy[0]) && std::isfinite(xy[1]);
    }

    double tolerance_ = 0.0;
    double cellSize_ = 0.0;  // 0 when the tolerance cannot size cells
    std::vector<Entry> entries_;
    std::unordered_map<CellKey, std::vector<std::size_t>, CellKeyHash> cells_;  // indices into entries_
};

template <class VisitCell>
bool PointGrid::VisitCellsNear(const double xy[2], VisitCell visitCell) const
{
    AxisKeys xKeys;
    AxisKeys yKeys;
    if (!UsesCells() || !AxisKeysAround(xy[0], xKeys) || !AxisKeysAround(xy[1], yKeys))
        return false;
    for (std::size_t i = 0; i < xKeys.count; ++i) {
        for (std::size_t j = 0; j < yKeys.count; ++j) {
            const auto cell = cells_.find({xKeys.keys[i], yKeys.keys[j]});
            if (cell != cells_.end())
                visitCell(cell->second);
        }
    }
    return true;
}

template <class Visit>
void PointGrid::VisitNear(const double xy[2], Visit visit) const
{
    if (!CanHoldNear(xy))
        return;
    const bool usedCells = VisitCellsNear(xy, [&](const std::vector<std::size_t>& cell) {
        for (const std::size_t index : cell)
            visit(entries_[index].key, entries_[index].xy);
    });
    if (!usedCells) {
        for (const Entry& entry : entries_)
            visit(entry.key, entry.xy);
    }
}
