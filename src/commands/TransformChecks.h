#pragma once
// The input checks every command that moves things by translation or
// rotation shares, with their warnings.

class CSectModel;

// The displacement's length is at least 1e-6 and not below the tolerance.
bool CheckInterval(const CSectModel& model, double dx, double dy);
// The angle, in degrees, is not zero within 1e-6.
bool CheckRotationAngle(const CSectModel& model, double angle);
