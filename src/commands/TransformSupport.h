#pragma once
// What the point and curve transforms share: their checks with their
// messages, their counted texts, and the placing of a point by a translation,
// rotation or mirroring given in the work UCS.

#include "model/SectModel.h"

#include <functional>
#include <string>

// The texts of one transformation of points or curves, singular and plural.
struct TransformTexts {
    const char* titleOne;
    const char* titleMany;
    const char* movedOne;
    const char* movedMany;
    const char* copiedOne;
    const char* copiedMany;
};

// one, or many formatted with the count.
std::string CountedText(const char* one, const char* many, int count);

// a × b, saturating at INT_MAX, for the id-limit check.
int SaturatingProduct(int a, int b);

// Each shows its warning and returns false when the value is refused.
bool CheckInterval(const CSectModel& model, double dx, double dy);
bool CheckTimes(const CSectModel& model, int times);
bool CheckRotationAngle(const CSectModel& model, double angle);
bool CheckMirrorLine(const CSectModel& model, const double linePoint1[2], const double linePoint2[2]);

// Moves a global position in place to its image in copy copyNumber (counted
// from 1; a move is copy 1). A mirroring ignores the number.
using PlacePoint = std::function<void(double xy[2], int copyNumber)>;

// The vector is rotated by the work UCS's angle; a centre and the points of a
// mirror line are converted with its angle and origin.
PlacePoint TranslationInWorkUcs(CSectModel& model, double dx, double dy);
PlacePoint RotationInWorkUcs(CSectModel& model, const double origin[2], double angle);
PlacePoint MirroringInWorkUcs(CSectModel& model, const double linePoint1[2], const double linePoint2[2]);
