#include "series_checks.h"

#include "state/simulator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace {

constexpr int seriesLength = 10;

// Points as a shot writes them: "0" to "10", plain decimal.
std::optional<int> points(const std::string& text)
{
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0 || value > 10 ||
        std::to_string(value) != text)
        return std::nullopt;
    return value;
}

template <class... Parts>
std::string said(const Parts&... parts)
{
    std::ostringstream os;
    (os << ... << parts);
    return os.str();
}

}  // namespace

void SeriesChecks::before(const Simulator& s)
{
    m_loadSerialBefore = s.proverka.loadSerial();
    m_shotNumberBefore = s.shotNumber;
}

std::optional<std::string> SeriesChecks::check(const SoakEvent& e, const Simulator& s)
{
    const int expectedShots = e.isSeriesReset() ? 0 : m_shotNumberBefore + (e.isShot() ? 1 : 0);
    if (s.shotNumber != expectedShots)
        return said("shotNumber is ", s.shotNumber, " where the events make it ", expectedShots);
    const int scored = std::min(s.shotNumber, seriesLength);

    const float t = s.targetPosition;
    if (!(t >= 0 && t <= 5 && t == std::floor(t)))
        return said("targetPosition is ", t);

    int sum = 0;
    for (int k = 1; k <= seriesLength; ++k) {
        const std::string& text = s.f.i(k).text();
        const std::optional<int> p = points(text);
        if (k <= scored && !p)
            return said("i(", k, ") holds \"", text, "\" after shot ", s.shotNumber);
        if (k > scored && !text.empty())
            return said("i(", k, ") holds \"", text, "\" with ", s.shotNumber, " shots in the series");
        sum += p.value_or(0);
    }
    if (s.seriesScore < 0 || s.seriesScore > 100 || s.seriesScore != sum)
        return said("seriesScore is ", s.seriesScore, " and the score boxes add up to ", sum);

    if (e.isSeriesReset())
        m_total.clear();
    else if (e.kind == SoakEvent::Kind::TypeTotal)
        m_total = e.text;
    else if (e.isShot() && s.shotNumber == seriesLength)
        m_total = std::to_string(s.seriesScore);
    if (s.f.i(11).text() != m_total)
        return said("i(11) holds \"", s.f.i(11).text(), "\" where \"", m_total, "\" was written last");

    if (s.armDrop != 5.0f * static_cast<float>(scored))
        return said("armDrop is ", s.armDrop, " after ", s.shotNumber, " shots");

    if (s.windage < -100 || s.windage > 100 || s.elevation < -100 || s.elevation > 100)
        return said("the sight settings are ", s.windage, " and ", s.elevation);

    // Scored shot N shows mark N, loading the target window first when it is not loaded. A reset
    // unloads the window and starts the count again; a close by the window manager unloads it too,
    // but the series and shotNumber go on. So the marks shown are exactly those of the scored
    // shots since the window's present load, and all ten of the series when it has not been
    // unloaded since the series began.
    if (const TargetControls* c = s.proverka.ifLoaded()) {
        if (s.proverka.loadSerial() != m_loadSerialBefore)
            m_shotsBeforeLoad = e.isShot() && s.shotNumber <= seriesLength ? s.shotNumber - 1 : scored;
        for (int k = 1; k <= seriesLength; ++k) {
            const bool shown = k > m_shotsBeforeLoad && k <= scored;
            if (c->dum(k).Visible != shown)
                return said("mark ", k, (shown ? " hidden" : " shown"), " after shot ", s.shotNumber, ", ",
                            m_shotsBeforeLoad, " of them before the target window was loaded");
        }
    }
    return std::nullopt;
}
