#include "model/MessageReporter.h"

#include "model/TextFormat.h"

#include <ctime>

ProgressScope::ProgressScope(IProgressPort* port, int range) : port_(port)
{
    if (port_)
        port_->BeginProgress(range);
}

ProgressScope::~ProgressScope()
{
    if (port_)
        port_->EndProgress();
}

void ProgressScope::SetPosition(int position)
{
    if (port_)
        port_->SetProgress(position);
}

bool CMessageReporter::ShowBoxAndFail(BoxKind kind, const std::string& text) const
{
    if (ports_.boxes)
        ports_.boxes->ShowMessage(kind, text);
    return false;
}

bool CMessageReporter::ShowError(const std::string& text) const
{
    return ShowBoxAndFail(BoxKind::Error, text);
}

bool CMessageReporter::ShowWarning(const std::string& text) const
{
    return ShowBoxAndFail(BoxKind::Warning, text);
}

void CMessageReporter::ShowInfo(const std::string& text) const
{
    ShowBoxAndFail(BoxKind::Information, text);
}

int CMessageReporter::AskYesNo(const std::string& text, int defaultYes) const
{
    const bool yesIsDefault = defaultYes == 1;
    const bool yes = ports_.boxes ? ports_.boxes->AskYesNo(text, yesIsDefault) : yesIsDefault;
    return yes ? 1 : 2;
}

bool CMessageReporter::ReportSectionNotFound(int id) const
{
    return ShowError(FormatText("Cannot find section [ID:%d] object.", id));
}

bool CMessageReporter::ReportClosedLoopNotFound(int id) const
{
    return ShowError(FormatText("Cannot find closed loop [ID:%d] object.", id));
}

bool CMessageReporter::ReportCurveNotFound(int id) const
{
    return ShowError(FormatText("Cannot find curve [ID:%d] object.", id));
}

bool CMessageReporter::ReportPointNotFound(int id) const
{
    return ShowError(FormatText("Cannot find point [ID:%d] object.", id));
}

bool CMessageReporter::ReportMaterialNotFound(int id) const
{
    return ShowError(FormatText("Cannot find material [ID:%d] data.", id));
}

bool CMessageReporter::ReportUcsNotFound(int id) const
{
    return ShowError(FormatText("Cannot find ucs [ID:%d] definition.", id));
}

bool CMessageReporter::ReportSectionCorrupted(int id, const std::string& name) const
{
    return ShowError(FormatText("Internal model data of section [%d:%s] seem corrupted.", id, name.c_str()));
}

bool CMessageReporter::ReportFileOpenError(const std::string& path) const
{
    return ShowError(FormatText("Cannot open the file [%s].", path.c_str()));
}

void CMessageReporter::PrintOutput(const std::string& text, int mode) const
{
    if (!ports_.output)
        return;
    if (mode == 0)
        ports_.output->AddMessage(text);
    else if (mode == 1)
        ports_.output->ReplaceLastMessage(text);
}

PolledMessage CMessageReporter::PollCancel() const
{
    return ports_.cancel ? ports_.cancel->TakePendingMessage() : PolledMessage::QueueEmpty;
}

LocalDateTime CMessageReporter::GetLocalDateTime() const
{
    if (ports_.clock)
        return ports_.clock->Now();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}
