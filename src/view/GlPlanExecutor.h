#pragma once
// Replays drawing plans with legacy OpenGL and keeps the display lists it
// compiled. Every call needs the view's GL context current.

#include "view/DrawPlan.h"

#include <set>

class GlPlanExecutor {
public:
    void Run(const DrawPlan& plan) const;
    // Deletes the lists of the previous build (but the domain lists the plan
    // keeps) and compiles the plan's lists under their keys.
    void Compile(const DisplayListPlan& plan);
    void DeleteLists();
    const std::set<int>& CompiledKeys() const { return compiled_; }

private:
    std::set<int> compiled_;
};
