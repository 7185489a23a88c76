#include "commands/TransformSupport.h"

#include "model/Geometry.h"
#include "model/TextFormat.h"

#include <array>
#include <climits>

TransformTexts TransformTextsFor(const char* verb, const char* way, const char* noun)
{
    const std::string one = std::string("1 ") + noun;
    const std::string many = std::string("%d ") + noun + "s";
    const std::string by = std::string(" by ") + way + ".";
    return {verb + (" " + one),     verb + (" " + many),
            one + " is moved" + by, many + " are moved" + by,
            one + " is duplicated" + by, many + " are duplicated" + by,
            std::string("the ") + way + " leaves every " + noun + " where it is"};
}

std::string CountedText(const std::string& one, const std::string& many, int count)
{
    return count == 1 ? one : FormatText(many.c_str(), count);
}

int SaturatingProduct(int a, int b)
{
    const long long product = static_cast<long long>(a) * b;
    return product > INT_MAX ? INT_MAX : static_cast<int>(product);
}

bool CheckInterval(const CSectModel& model, double dx, double dy)
{
    const double interval = VectorLengthXY(dx, dy);
    if (interval < 1e-6)
        return model.m_reporter.ShowWarning("Interval should be greater than 0.");
    if (interval < model.m_tolerance)
        return model.m_reporter.ShowWarning("Interval is too small. It is less than the tolerance.");
    return true;
}

bool CheckTimes(const CSectModel& model, int times)
{
    return times >= 1 || model.m_reporter.ShowWarning("Times should be greater than 0.");
}

bool CheckRotationAngle(const CSectModel& model, double angle)
{
    return !IsZero(angle) || model.m_reporter.ShowWarning("Rotation angle cannot be 0.");
}

bool CheckMirrorLine(const CSectModel& model, const double linePoint1[2], const double linePoint2[2])
{
    return !IsZero(Distance(linePoint1, linePoint2)) || model.m_reporter.ShowWarning("Mirror line is invalid.");
}

PlacePoint TranslationInWorkUcs(CSectModel& model, double dx, double dy)
{
    std::array<double, 2> shift{dx, dy};
    RotatePoint(shift.data(), model.GetCurrentUcs()->angle);
    return [shift](double xy[2], int k) { TranslatePoint(xy, k * shift[0], k * shift[1]); };
}

PlacePoint RotationInWorkUcs(CSectModel& model, const double origin[2], double angle)
{
    std::array<double, 2> centre{};
    model.GetCurrentUcs()->ToGlobal(origin, centre.data());
    return [centre, angle](double xy[2], int k) { RotatePointAbout(xy, centre.data(), k * angle); };
}

PlacePoint MirroringInWorkUcs(CSectModel& model, const double linePoint1[2], const double linePoint2[2])
{
    const T_UCS_D* ucs = model.GetCurrentUcs();
    std::array<double, 2> point1{};
    std::array<double, 2> point2{};
    ucs->ToGlobal(linePoint1, point1.data());
    ucs->ToGlobal(linePoint2, point2.data());
    return [point1, point2](double xy[2], int) { MirrorPoint(xy, point1.data(), point2.data()); };
}
