#pragma once

#include <string>

class QLabel;

// A value beside its caption, read by a screen reader under the caption. A value shown many times
// a second (a replay, a countdown) is heard again only when it changes.
struct CaptionedLabel {
    QLabel* value = nullptr;
    // Whether the text it shows has changed.
    bool show(const char* caption, const std::string& text) const;
};
