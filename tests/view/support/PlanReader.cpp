#include "view/support/PlanReader.h"

std::vector<ListCall> ReadListCalls(const DrawPlan& plan)
{
    std::vector<ListCall> calls;
    ListCall state;
    std::vector<ListCall> saved;
    for (const DrawCommand& command : plan.Commands()) {
        switch (command.op) {
        case DrawOp::SetColour: state.colour = command.colour; break;
        case DrawOp::SetLineWidth: state.lineWidth = command.values[0]; break;
        case DrawOp::SetPointSize: state.pointSize = command.values[0]; break;
        case DrawOp::SetPolygonMode: state.polygonMode = command.polygonMode; break;
        case DrawOp::SetPointSmooth: state.pointSmooth = command.on; break;
        case DrawOp::InitNames: state.name = -1; break;
        case DrawOp::PushName:
        case DrawOp::LoadName: state.name = command.key; break;
        case DrawOp::PushAttributes: saved.push_back(state); break;
        case DrawOp::PopAttributes:
            if (!saved.empty()) {
                const Colour colour = state.colour;
                state = saved.back();
                state.colour = colour;  // the current colour is not among the pushed groups
                saved.pop_back();
            }
            break;
        case DrawOp::CallList: {
            ListCall call = state;
            call.key = command.key;
            calls.push_back(call);
            break;
        }
        default: break;
        }
    }
    return calls;
}

std::vector<ListCall> CallsOf(const std::vector<ListCall>& calls, int key)
{
    std::vector<ListCall> found;
    for (const ListCall& call : calls) {
        if (call.key == key)
            found.push_back(call);
    }
    return found;
}

std::vector<int> CalledKeys(const std::vector<ListCall>& calls)
{
    std::vector<int> keys;
    for (const ListCall& call : calls)
        keys.push_back(call.key);
    return keys;
}

std::vector<const DrawCommand*> CommandsOf(const DrawPlan& plan, DrawOp op)
{
    std::vector<const DrawCommand*> found;
    for (const DrawCommand& command : plan.Commands()) {
        if (command.op == op)
            found.push_back(&command);
    }
    return found;
}

std::vector<const DrawCommand*> Primitives(const DrawPlan& plan)
{
    return CommandsOf(plan, DrawOp::Primitive);
}
