#pragma once

// Everything the equation solver keeps from a set-up to the solves after it:
// equation maps, profile, block tables, the coefficient buffer and the scratch
// blocks. One object per solver, owned by it, so runs never share tables.

#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "calc/ProfileBlocks.h"
#include "calc/ProfileSegments.h"
#include "calc/SkylineProfile.h"
#include "calc/SolverBlockStore.h"

enum class SolverStatus {
    Ok,
    // The connectivity description, element stream or vector sizes do not fit together.
    InvalidInput,
    // A solve asked for without a successful set-up before it.
    NotSetUp,
    // The profile cannot be cut into blocks within the solver's memory size.
    PartitionFailed,
    // A pivot is not positive, or not above 1e-13 of its assembled diagonal:
    // the stiffness matrix is singular or indefinite.
    NotPositiveDefinite,
    // A scratch folder or block could not be made, written or read back.
    ScratchFileFailed,
    // The user cancelled the calculation (CancelWatch).
    Cancelled,
};

// Leaves new elements uninitialised: the coefficient buffer is zeroed by the
// assembly, on several threads when it is large.
template <class T>
struct UninitialisedAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    template <class U>
    void construct(U* place) noexcept {
        ::new (static_cast<void*>(place)) U;
    }
    template <class U, class... Args>
    void construct(U* place, Args&&... args) {
        std::construct_at(place, std::forward<Args>(args)...);
    }
};

using CoefficientBuffer = std::vector<double, UninitialisedAllocator<double>>;

struct ProfileSolverState {
    explicit ProfileSolverState(std::filesystem::path scratchParent) : store(std::move(scratchParent)) {}

    SkylineProfile profile;
    ProfileBlocks blocks;
    // The whole factored profile with one block; room for two blocks otherwise.
    CoefficientBuffer coefficients;
    SolverBlockStore store;
    // Independent parts of an in-memory factor, found when it is factored.
    ProfileSegments segments;
    // Threads for the in-memory factor and solves; 0 for the machine's.
    int maxThreads = 0;

    bool IsOutOfCore() const { return blocks.blockCount > 1; }

    // Frees the tables and the buffer and removes the scratch blocks.
    void Release() {
        profile = SkylineProfile{};
        blocks = ProfileBlocks{};
        CoefficientBuffer().swap(coefficients);
        segments = ProfileSegments{};
        store.Remove();
    }
};
