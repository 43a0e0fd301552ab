#pragma once

#include <string>

// Figures as the analysis shows them, whatever the user's locale: one decimal, a decimal comma and
// a minus sign (9,4; −3,5), and whole numbers with the same minus sign (−4).
std::string oneDecimal(double value);
std::string wholeNumber(int value);
