#include "analysis/figure_text.h"

#include <cstdio>

std::string oneDecimal(double value)
{
    char printed[400];
    std::snprintf(printed, sizeof printed, "%.1f", value);
    std::string text;
    for (const char* c = printed; *c; ++c) {
        if (*c == '.')
            text += ',';
        else if (*c == '-')
            text += "−";
        else
            text += *c;
    }
    // A small negative value shows as nought, without a sign.
    return text == "−0,0" ? "0,0" : text;
}
