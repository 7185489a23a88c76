#pragma once
// What the point and curve transforms share: their checks with their
// messages, their counted texts, and the placing of a point by a translation,
// rotation or mirroring given in the work UCS.

#include "model/SectModel.h"

#include <functional>
#include <string>

// The texts of one transformation of points, curves or sections, singular
// and plural; the plural ones take the count through %d. keptInPlace is
// why a move changed nothing: it left everything where it was.
struct TransformTexts {
    std::string titleOne;
    std::string titleMany;
    std::string movedOne;
    std::string movedMany;
    std::string copiedOne;
    std::string copiedMany;
    std::string keptInPlace;
};

// The texts of every transformation follow one pattern: for verb "Rotate",
// way "rotation" and noun "point", "Rotate 1 point", "Rotate %d points",
// "1 point is moved by rotation.", "%d points are moved by rotation.", the
// same with "duplicated" for copies, and "the rotation leaves every point
// where it is" for a move that changed nothing.
TransformTexts TransformTextsFor(const char* verb, const char* way, const char* noun);

// one, or many formatted with the count.
std::string CountedText(const std::string& one, const std::string& many, int count);

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
