#pragma once

#include <algorithm>

// A rectangle of whole pixels; an empty one has no area and unites with nothing.
struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    bool empty() const { return w <= 0 || h <= 0; }
    int right() const { return x + w; }
    int bottom() const { return y + h; }

    Rect intersected(const Rect& o) const
    {
        const int l = std::max(x, o.x), t = std::max(y, o.y);
        const int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
        return r > l && b > t ? Rect{l, t, r - l, b - t} : Rect{};
    }

    Rect united(const Rect& o) const
    {
        if (empty())
            return o;
        if (o.empty())
            return *this;
        const int l = std::min(x, o.x), t = std::min(y, o.y);
        return {l, t, std::max(right(), o.right()) - l, std::max(bottom(), o.bottom()) - t};
    }

    bool operator==(const Rect&) const = default;
};
