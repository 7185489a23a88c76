#pragma once
// Reading a project file from disk when the caller must tell a file that
// cannot be opened from one the reader rejects (the project import skips
// each with a different message).

#include <string>

class CSectModel;

enum class ProjectReadResult { Read, CannotOpen, Rejected };

// CSectModel::ReadProjectFile with the kind of failure; the reader has shown
// its message for either failure.
ProjectReadResult ReadProjectFileFrom(CSectModel& model, const std::string& path, bool report);

// The path made absolute, as the file messages name files.
std::string FullFilePath(const std::string& path);
