#pragma once
// How a stage of the mesher ended, and the cancel poll the stages call between
// their steps.

#include <functional>
#include <string>

enum class MeshStatus { Done, Canceled, Failed };

// Asked between steps; true when the user wants the meshing to stop.
using MeshCancelPoll = std::function<bool()>;

// A stage's outcome; `failure` says why when the status is Failed.
struct MeshStageResult {
    MeshStatus status = MeshStatus::Done;
    std::string failure;

    static MeshStageResult Canceled() { return {MeshStatus::Canceled, {}}; }
    static MeshStageResult Failed(std::string why) { return {MeshStatus::Failed, std::move(why)}; }
    bool Ok() const { return status == MeshStatus::Done; }
};
