#pragma once
// Helpers of the main window's loading sequence.

#include <QString>

class TField;

// One counter value as a page caption shows it: integers in plain decimal digits, fractional
// numbers with the regional decimal separator and only the digits they need (7.0 gives 7).
QString SayacMetni(const TField* alan);
