#include "support/CommandSequences.h"

#include "io/ProjectFileBytes.h"
#include "model/SectModel.h"
#include "model/UserPorts.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <vector>

namespace {

using Xy = std::array<double, 2>;

// Answers every question at random and lets every box and line pass.
class RandomUser : public IMessageBoxPort, public IOutputPort {
public:
    explicit RandomUser(std::mt19937& random) : random_(random) {}
    UserPorts Ports() { return UserPorts{this, this, nullptr, nullptr, nullptr}; }

    void ShowMessage(BoxKind, const std::string&) override {}
    bool AskYesNo(const std::string&, bool) override { return random_() % 2 == 0; }
    void AddMessage(const std::string&) override {}
    void ReplaceLastMessage(const std::string&) override {}
    void ClearMessages() override {}

private:
    std::mt19937& random_;
};

// The header holds, after the version, the header value, the two grid counts,
// the grid size and the two unit codes, the seven next-id counters.
constexpr size_t kCountersOffset = 4 * 4 + 8 + 2 * 4;
constexpr size_t kCountersBytes = 7 * 4;

// The project's bytes, and the ids the groups keep of objects that are gone:
// the file leaves those out, but undo relies on them to bring a member back.
std::string ModelState(CSectModel& model)
{
    ProjectFileWriter file;
    model.WriteProjectContents(file);
    for (const auto& [id, group] : model.m_groups) {
        for (const std::vector<int>* ids : {&group->sectionIds, &group->curveIds, &group->pointIds})
            file.WriteIdList(*ids);
    }
    std::string bytes = file.Bytes();
    bytes.replace(kCountersOffset, kCountersBytes, kCountersBytes, '\0');
    return bytes;
}

// The first id a record holds that names no record, or (between curves and
// loops, which list each other) a link kept one way only; empty when none.
std::string BrokenReference(const CSectModel& model)
{
    std::ostringstream fault;
    for (const auto& [id, curve] : model.m_curves) {
        for (int pointId : curve->pointIds) {
            if (!model.FindPoint(pointId))
                fault << "curve " << id << " names point " << pointId;
        }
        for (int loopId : curve->closedLoopIds) {
            if (!model.FindClosedLoop(loopId))
                fault << "curve " << id << " names loop " << loopId;
        }
        if (curve->sectionId != 0 && !model.FindSection(curve->sectionId))
            fault << "curve " << id << " names section " << curve->sectionId;
        if (!fault.str().empty())
            return fault.str();
    }
    for (const auto& [id, loop] : model.m_closedLoops) {
        for (int entry : loop->curveIds) {
            const T_CURVE_D* curve = model.FindCurve(std::abs(entry));
            if (!curve)
                return "loop " + std::to_string(id) + " names curve " + std::to_string(entry);
            if (std::find(curve->closedLoopIds.begin(), curve->closedLoopIds.end(), id) == curve->closedLoopIds.end())
                return "curve " + std::to_string(entry) + " does not list loop " + std::to_string(id);
        }
    }
    for (const auto& [id, section] : model.m_sections) {
        for (int curveId : section->curveIds) {
            if (!model.FindCurve(curveId))
                return "section " + std::to_string(id) + " names curve " + std::to_string(curveId);
        }
    }
    return {};
}

class CommandSequence {
public:
    explicit CommandSequence(unsigned seed) : random_(seed), user_(random_)
    {
        model_.m_reporter.SetPorts(user_.Ports());
    }

    // The first broken rule, or empty.
    std::string Run(int steps)
    {
        stateAtTop_[0] = ModelState(model_);
        for (int step = 0; step < steps && fault_.empty(); ++step) {
            const Command& command = kCommands[Pick(kCommands.size())];
            where_ = "step " + std::to_string(step) + " (" + command.name + ")";
            RunOne(command);
        }
        if (fault_.empty())
            UndoAndRedoEverything();
        return fault_;
    }

private:
    struct Command {
        const char* name;
        std::function<bool(CommandSequence&)> run;
        bool stepsThroughHistory = false;  // Undo or Redo, not a command
    };

    void Fail(const std::string& what)
    {
        if (fault_.empty())
            fault_ = where_ + ": " + what;
    }

    void CheckReferences()
    {
        const std::string broken = BrokenReference(model_);
        if (!broken.empty())
            Fail(broken);
    }

    void RunOne(const Command& command)
    {
        const std::string before = stateAtTop_.at(model_.m_undoTopId);
        const int undoTop = model_.m_undoTopId;
        const int redoTop = model_.m_redoTopId;
        command.run(*this);
        const std::string after = ModelState(model_);
        CheckReferences();
        if (command.stepsThroughHistory) {
            CheckStateAtTop(after);
        } else if (after == before) {
            if (model_.m_undoTopId != undoTop)
                Fail("an undo step that changes nothing");
            if (model_.m_redoTopId != redoTop)
                Fail("the redo history lost for nothing");
        } else if (model_.m_undoTopId <= undoTop) {
            Fail("a change that cannot be undone");
        }
        // A command that filed a step has replaced the redo history: the
        // states above the old top are gone.
        if (!command.stepsThroughHistory && (model_.m_undoTopId != undoTop || model_.m_redoTopId != redoTop))
            stateAtTop_.erase(stateAtTop_.upper_bound(undoTop), stateAtTop_.end());
        stateAtTop_[model_.m_undoTopId] = after;
    }

    // A command that files two steps leaves the state between them unknown.
    void CheckStateAtTop(const std::string& bytes)
    {
        const auto known = stateAtTop_.find(model_.m_undoTopId);
        if (known != stateAtTop_.end() && bytes != known->second)
            Fail("with undo step " + std::to_string(model_.m_undoTopId) + " on top, another state");
    }

    void UndoAndRedoEverything()
    {
        const int top = model_.m_undoTopId + model_.m_redoTopId;
        while (fault_.empty() && model_.Undo(false)) {
            where_ = "undo down to " + std::to_string(model_.m_undoTopId);
            CheckReferences();
            CheckStateAtTop(ModelState(model_));
        }
        while (fault_.empty() && model_.Redo()) {
            where_ = "redo up to " + std::to_string(model_.m_undoTopId);
            CheckReferences();
            CheckStateAtTop(ModelState(model_));
        }
        if (fault_.empty() && model_.m_undoTopId != top)
            Fail("redo ended at step " + std::to_string(model_.m_undoTopId) + ", not " + std::to_string(top));
    }

    size_t Pick(size_t count) { return static_cast<size_t>(random_() % count); }
    bool Chance(int percent) { return static_cast<int>(random_() % 100) < percent; }
    // Coordinates on a coarse grid, so that points meet, lines cross and
    // shapes fall on one another.
    double Coordinate() { return 5.0 * static_cast<double>(Pick(21)); }
    Xy Position() { return {Coordinate(), Coordinate()}; }
    double Width() { return Chance(50) ? 0.0 : 2.0 * static_cast<double>(Pick(4)); }
    int Alignment() { return 1 + static_cast<int>(Pick(3)); }

    template <class T>
    int AnyId(const IdMap<T>& records)
    {
        if (records.empty() || Chance(3))
            return 999;  // a bad argument
        auto it = records.begin();
        std::advance(it, static_cast<long>(Pick(records.size())));
        return it->first;
    }

    template <class T>
    std::vector<int> SomeIds(const IdMap<T>& records, size_t most = 4)
    {
        std::vector<int> ids;
        const size_t count = 1 + Pick(most);
        for (size_t k = 0; k < count; ++k)
            ids.push_back(AnyId(records));
        return ids;
    }

    std::vector<int> CurveIds(size_t most = 4) { return SomeIds(model_.m_curves, most); }
    std::vector<int> PointIds(size_t most = 4) { return SomeIds(model_.m_points, most); }

    std::string GroupName() { return std::string(1, static_cast<char>('a' + Pick(3))); }

    static const std::vector<Command> kCommands;

    std::mt19937 random_;
    RandomUser user_;
    CSectModel model_;
    std::map<int, std::string> stateAtTop_;  // the state after the undo step of that id
    std::array<Xy, 2> rectangle_{};  // the corners of the last rectangle
    std::string where_;
    std::string fault_;
};

const std::vector<CommandSequence::Command> CommandSequence::kCommands = {
    {"point", [](CommandSequence& s) { return s.model_.CreatePointByCoordinate(s.Position().data()); }},
    {"line",
     [](CommandSequence& s) {
         return s.model_.CreateLine(s.Position().data(), s.Position().data(), s.Alignment(), s.Width());
     }},
    {"line",
     [](CommandSequence& s) {
         return s.model_.CreateLine(s.Position().data(), s.Position().data(), s.Alignment(), s.Width());
     }},
    {"rectangle",
     [](CommandSequence& s) {
         // Now and then exactly over the one before.
         if (s.Chance(70))
             s.rectangle_ = {s.Position(), s.Position()};
         return s.model_.CreateRectangle(s.rectangle_[0].data(), s.rectangle_[1].data(), s.Alignment(), s.Width());
     }},
    {"circle",
     [](CommandSequence& s) {
         return s.model_.CreateCircle(s.Position().data(), s.Coordinate() / 2.0, s.Alignment(), s.Width(), 0.0);
     }},
    {"arc",
     [](CommandSequence& s) {
         return s.model_.CreateArc(s.Position().data(), s.Coordinate() / 2.0, 90.0 * static_cast<double>(s.Pick(4)),
                                   s.Alignment(), s.Width(), 0.0);
     }},
    {"ellipse",
     [](CommandSequence& s) {
         return s.model_.CreateEllipse(s.Position().data(), s.Coordinate() / 2.0, s.Coordinate() / 3.0, s.Alignment(),
                                       s.Width());
     }},
    {"points on curves",
     [](CommandSequence& s) {
         return s.model_.CreatePointsOnCurvesByRatio(s.CurveIds(), 0.25 * static_cast<double>(s.Pick(5)),
                                                     s.Chance(50));
     }},
    {"point between points",
     [](CommandSequence& s) {
         return s.model_.CreatePointBetweenPointsByRatio(s.AnyId(s.model_.m_points), s.AnyId(s.model_.m_points),
                                                         0.5);
     }},
    {"points on curves by interpolation",
     [](CommandSequence& s) {
         return s.model_.CreatePointsOnCurvesByInterpolation(s.CurveIds(2), static_cast<int>(s.Pick(3)),
                                                             s.Chance(50) ? 0.0 : 20.0, s.Chance(50));
     }},
    {"points between points by interpolation",
     [](CommandSequence& s) {
         return s.model_.CreatePointsBetweenPointsByInterpolation(
             s.AnyId(s.model_.m_points), s.AnyId(s.model_.m_points), static_cast<int>(s.Pick(3)), 0.0);
     }},
    {"circle by two points",
     [](CommandSequence& s) {
         return s.model_.CreateCircleByTwoPoints(s.Position().data(), s.Position().data(), s.Alignment(),
                                                 s.Width());
     }},
    {"shortest path lines",
     [](CommandSequence& s) {
         return s.model_.CreateShortestPathLines(s.CurveIds(2), s.Position().data(), s.Chance(50), s.Alignment(),
                                                 s.Width());
     }},
    {"translate points",
     [](CommandSequence& s) { return s.model_.TranslatePoints(s.PointIds(), s.Coordinate() / 5.0, 0.0); }},
    {"rotate points",
     [](CommandSequence& s) {
         return s.model_.RotatePoints(s.PointIds(), s.Position().data(), 90.0 * static_cast<double>(s.Pick(4)));
     }},
    {"mirror points",
     [](CommandSequence& s) {
         // Now and then along a line through the first point.
         const std::vector<int> ids = s.PointIds();
         const T_POINT_D* first = s.model_.FindPoint(ids.front());
         const Xy a = first && s.Chance(50) ? Xy{first->xy[0], first->xy[1]} : s.Position();
         return s.model_.MirrorPoints(ids, a.data(), Xy{a[0], a[1] + 10.0}.data());
     }},
    {"copy points",
     [](CommandSequence& s) {
         return s.model_.CopyPointsByTranslation(s.PointIds(), 5.0 * static_cast<double>(s.Pick(3)), 5.0, 1,
                                                 s.Chance(50), s.Alignment(), s.Width());
     }},
    {"copy points by rotation",
     [](CommandSequence& s) {
         return s.model_.CopyPointsByRotation(s.PointIds(), s.Position().data(),
                                              90.0 * static_cast<double>(1 + s.Pick(3)), 1, s.Chance(50),
                                              s.Alignment(), s.Width());
     }},
    {"translate curves",
     [](CommandSequence& s) { return s.model_.TranslateCurves(s.CurveIds(), 0.0, s.Coordinate() / 5.0); }},
    {"rotate curves",
     [](CommandSequence& s) {
         return s.model_.RotateCurves(s.CurveIds(), s.Position().data(), 90.0 * static_cast<double>(1 + s.Pick(3)));
     }},
    {"mirror curves",
     [](CommandSequence& s) {
         const Xy a = s.Position();
         return s.model_.MirrorCurves(s.CurveIds(), a.data(), Xy{a[0] + 10.0, a[1]}.data());
     }},
    {"copy curves",
     [](CommandSequence& s) {
         return s.model_.CopyCurvesByTranslation(s.CurveIds(), 5.0 * static_cast<double>(s.Pick(3)), 0.0, 1,
                                                 s.Chance(50), s.Alignment(), s.Width());
     }},
    {"copy curves by mirroring",
     [](CommandSequence& s) {
         const Xy a = s.Position();
         return s.model_.CopyCurvesByMirroring(s.CurveIds(), a.data(), Xy{a[0] + 10.0, a[1]}.data(), s.Chance(50),
                                               s.Alignment(), s.Width());
     }},
    {"equalize",
     [](CommandSequence& s) {
         const double xy[2] = {0.0, 0.0};
         return s.model_.EqualizePoints(s.PointIds(), false, xy, s.Chance(50), true);
     }},
    {"equalize in tolerance",
     [](CommandSequence& s) {
         const double xy[2] = {0.0, 0.0};
         return s.model_.EqualizePointsInTolerance(s.PointIds(8), s.Coordinate() / 5.0, false, xy, s.Chance(50),
                                                   s.Chance(50));
     }},
    {"delete points", [](CommandSequence& s) { return s.model_.DeletePoints(s.PointIds(2), true); }},
    {"delete curves", [](CommandSequence& s) { return s.model_.DeleteCurves(s.CurveIds(2), s.Chance(50), true); }},
    {"fillet",
     [](CommandSequence& s) {
         return s.model_.FilletCurves(s.AnyId(s.model_.m_curves), s.AnyId(s.model_.m_curves),
                                      static_cast<double>(s.Pick(3)), s.Alignment(), s.Width());
     }},
    {"extend",
     [](CommandSequence& s) { return s.model_.ExtendCurves(s.AnyId(s.model_.m_curves), s.CurveIds(), s.Chance(50)); }},
    {"merge", [](CommandSequence& s) { return s.model_.MergeCurves(s.CurveIds()); }},
    {"split",
     [](CommandSequence& s) {
         const int curveId = s.AnyId(s.model_.m_curves);
         const T_CURVE_D* curve = s.model_.FindCurve(curveId);
         std::vector<int> at;
         if (curve && curve->pointIds.size() > 2)
             at.push_back(curve->pointIds[1 + s.Pick(curve->pointIds.size() - 2)]);
         return s.model_.SplitCurve(curveId, &at);
     }},
    {"reverse",
     [](CommandSequence& s) {
         const std::vector<int> ids = s.CurveIds();
         return s.model_.ReverseCurves(&ids, s.Chance(50));
     }},
    {"change widths",
     [](CommandSequence& s) {
         const std::vector<int> ids = s.CurveIds();
         return s.model_.ChangeCurveWidths(&ids, s.Chance(50), s.Alignment(), s.Chance(50), s.Width());
     }},
    {"convert widths",
     [](CommandSequence& s) {
         return s.model_.ConvertCurveWidths(s.CurveIds(2), s.Chance(50), true, s.Chance(50));
     }},
    {"scale lines",
     [](CommandSequence& s) { return s.model_.ScaleLines(s.CurveIds(), 0.5 * static_cast<double>(1 + s.Pick(3))); }},
    {"intersect", [](CommandSequence& s) { return s.model_.IntersectCurves(s.CurveIds(3), s.Chance(50), true); }},
    {"register loop", [](CommandSequence& s) { return s.model_.RegisterClosedLoop(s.CurveIds()); }},
    {"unregister loops",
     [](CommandSequence& s) { return s.model_.UnregisterClosedLoops(s.SomeIds(s.model_.m_closedLoops, 2)); }},
    {"line section",
     [](CommandSequence& s) {
         const int color[3] = {0, 0, 0};
         return s.model_.GenerateSection("", SECTION_LINE, s.CurveIds(), false, 0.0, color, nullptr, false, 1.0) != 0;
     }},
    {"create material",
     [](CommandSequence& s) {
         return s.model_.CreateMaterial(1 + static_cast<int>(s.Pick(3)), "M", 1000.0, 0.3);
     }},
    {"redefine material",
     [](CommandSequence& s) {
         return s.model_.RedefineMaterial(1 + static_cast<int>(s.Pick(3)), "M",
                                          s.Chance(50) ? 1000.0 : 2000.0, 0.3);
     }},
    {"delete material",
     [](CommandSequence& s) { return s.model_.DeleteMaterial(1 + static_cast<int>(s.Pick(3))); }},
    {"create group", [](CommandSequence& s) { return s.model_.CreateGroup(s.GroupName()); }},
    {"rename group", [](CommandSequence& s) { return s.model_.RenameGroup(s.GroupName(), s.GroupName()); }},
    {"merge groups",
     [](CommandSequence& s) { return s.model_.MergeGroups(s.GroupName(), s.GroupName(), s.Chance(50)); }},
    {"add to group",
     [](CommandSequence& s) { return s.model_.AddToGroup(s.GroupName(), {}, s.CurveIds(), s.PointIds(), true); }},
    {"expel from group",
     [](CommandSequence& s) { return s.model_.ExpelFromGroup(s.GroupName(), {}, s.CurveIds(), s.PointIds()); }},
    {"create UCS",
     [](CommandSequence& s) {
         const double zero[2] = {0.0, 0.0};
         return s.model_.CreateUcs(UCS_BY_ORIGIN_AND_ANGLE, s.GroupName(), s.Position().data(), 30.0, zero, zero);
     }},
    {"redefine UCS",
     [](CommandSequence& s) {
         const double zero[2] = {0.0, 0.0};
         const double origin[2] = {0.0, 0.0};
         return s.model_.RedefineUcs(s.AnyId(s.model_.m_ucs), UCS_BY_ORIGIN_AND_ANGLE, "", origin,
                                     s.Chance(50) ? 0.0 : 45.0, zero, zero);
     }},
    {"delete UCS", [](CommandSequence& s) { return s.model_.DeleteUcs(s.AnyId(s.model_.m_ucs)); }},
    {"undo", [](CommandSequence& s) { return s.model_.Undo(false); }, true},
    {"redo", [](CommandSequence& s) { return s.model_.Redo(); }, true},
};


} // namespace

std::string RunCommandSequence(unsigned seed, int steps)
{
    const std::string fault = CommandSequence(seed).Run(steps);
    return fault.empty() ? fault : "seed " + std::to_string(seed) + ", " + fault;
}
