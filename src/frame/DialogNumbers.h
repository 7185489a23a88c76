#pragma once
// How a dialog reads and shows its number fields: a text that is not a finite
// number (an int for an int field) gets the prompt, and the dialog stays open.
// Reading and showing never depend on the locale.

#include <string>

class IMessageBoxPort;

bool ReadRealField(const std::string& text, double& value, IMessageBoxPort& boxes);
bool ReadIntegerField(const std::string& text, int& value, IMessageBoxPort& boxes);

// The text an int or a double field starts with.
std::string IntegerFieldText(int value);
std::string RealFieldText(double value);
