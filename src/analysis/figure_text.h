#pragma once

#include <string>

// A figure as the analysis shows it: one decimal, a decimal comma and a minus sign (9,4; −3,5).
std::string oneDecimal(double value);
