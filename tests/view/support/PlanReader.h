#pragma once
// Reads a drawing plan the way GL would run it: the state in force at each
// list call, and the primitives of a list.

#include "view/DrawPlan.h"

#include <vector>

struct ListCall {
    int key = 0;
    int name = -1;  // the name loaded last; -1 when none
    Colour colour{-1.0f, -1.0f, -1.0f};
    double lineWidth = 1.0;
    double pointSize = 1.0;
    PolygonMode polygonMode = PolygonMode::Fill;
    bool pointSmooth = false;
};

std::vector<ListCall> ReadListCalls(const DrawPlan& plan);
// The calls of one key, in order.
std::vector<ListCall> CallsOf(const std::vector<ListCall>& calls, int key);
std::vector<int> CalledKeys(const std::vector<ListCall>& calls);
std::vector<const DrawCommand*> Primitives(const DrawPlan& plan);
std::vector<const DrawCommand*> CommandsOf(const DrawPlan& plan, DrawOp op);
