#pragma once

#include <string>

// Figures as the analysis shows them, whatever the user's locale: one or two decimals, a decimal
// comma and a minus sign (9,4; −3,5; 0,22), and whole numbers with the same minus sign (−4).
std::string oneDecimal(double value);
std::string twoDecimals(double value);
std::string wholeNumber(int value);
