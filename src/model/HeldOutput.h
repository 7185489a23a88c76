#pragma once
// Output lines kept back, in place of the output window, until their holder
// knows whether they belong on screen.

#include "model/UserPorts.h"

#include <string>
#include <vector>

class HeldOutput : public IOutputPort {
public:
    void AddMessage(const std::string& line) override { lines.push_back(line); }
    void ReplaceLastMessage(const std::string& line) override
    {
        if (lines.empty())
            lines.push_back(line);
        else
            lines.back() = line;
    }
    void ClearMessages() override { lines.clear(); }

    std::vector<std::string> lines;
};
