#pragma once
// A launcher that records what it is asked to start and starts nothing, and
// a bell that counts its rings.

#include "frame/AddressLaunch.h"
#include "frame/TarvokrtDoc.h"

#include <string>
#include <vector>

class RecordingLauncher : public IFileLauncher {
public:
    void OpenInDefaultProgram(const std::string& path) override { opened.push_back(path); }
    void OpenAddress(const std::string& address, std::function<void(const std::string&)> failed) override
    {
        addresses.push_back(address);
        if (!opensAddresses)
            failed(failureReason);
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
    std::string failureReason = "No program to open the address was found.";
    std::string startableProgram;  // the one program that starts; none when empty
};

class RecordingBell : public IBellPort {
public:
    void Bell() override { ++rings; }
    int rings = 0;
};
