#pragma once
// A record a test helper looks up and then uses. A helper that returns a
// value cannot ASSERT: a missing record throws instead, which fails the test
// that asked, and the program's other tests still run.

#include <stdexcept>
#include <string>

template <class Record>
Record& FoundRecord(Record* record, const std::string& what, int id)
{
    if (!record)
        throw std::out_of_range(what + " " + std::to_string(id) + " is not in the model");
    return *record;
}
