#pragma once
// A launcher that records what it is asked to start and starts nothing.

#include "frame/TarvokrtDoc.h"

#include <string>
#include <vector>

class RecordingLauncher : public IFileLauncher {
public:
    void OpenInDefaultProgram(const std::string& path) override { opened.push_back(path); }
    bool OpenAddress(const std::string& address) override
    {
        addresses.push_back(address);
        return opensAddresses;
    }
    bool StartProgram(const std::string& program) override
    {
        programs.push_back(program);
        return program == startableProgram;
    }

    std::vector<std::string> opened;
    std::vector<std::string> addresses;
    std::vector<std::string> programs;
    bool opensAddresses = true;
    std::string startableProgram;  // the one program that starts; none when empty
};
