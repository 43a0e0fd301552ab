#include "soak_events.h"

#include "state/simulator.h"

#include <array>

namespace {

using Kind = SoakEvent::Kind;

struct Weighted {
    Kind kind;
    int weight;
};

// Some twelve shots between two series resets, so that nearly half the series run to ten shots
// and past them; a rapid sequence (15 s) lasts some 40 events.
constexpr std::array<Weighted, 10> mix{{
    {Kind::PointerMove, 40},
    {Kind::LeftClick, 12},
    {Kind::MouseDown, 4},
    {Kind::ExerciseButton, 1},
    {Kind::TargetButton, 2},
    {Kind::ScrollBar, 3},
    {Kind::TypeTotal, 1},
    {Kind::TargetClick, 2},
    {Kind::TargetClose, 1},
    {Kind::Time, 16},
}};

constexpr std::array<const char*, 3> exerciseButtonNames{"BAVNA", "Barza", "Restart"};

std::discrete_distribution<int> mixDistribution()
{
    std::array<int, mix.size()> weights{};
    for (std::size_t k = 0; k < mix.size(); ++k)
        weights[k] = mix[k].weight;
    return {weights.begin(), weights.end()};
}

bool targetShown(const Harness& h)
{
    return h.s.proverka.state() == WindowState::Shown;
}

}  // namespace

SoakEventSource::SoakEventSource(std::uint64_t seed) : m_rng(seed), m_kinds(mixDistribution()) {}

SoakEvent SoakEventSource::next()
{
    SoakEvent e;
    e.kind = mix[static_cast<std::size_t>(m_kinds(m_rng))].kind;
    switch (e.kind) {
    case Kind::PointerMove:
        return pointerMove();
    case Kind::MouseDown:
        e.button = oneOf(std::array{2, 2, 1, 4});
        e.x = uniform(0.0f, 1024.0f);
        e.y = uniform(0.0f, 768.0f);
        break;
    case Kind::ExerciseButton:
        e.button = uniform(0, 2);
        break;
    case Kind::ScrollBar:
        // Both ends, beyond them, the middle and anywhere between.
        e.button = uniform(0, 1);
        e.value = oneOf(std::array{-30, 0, 1, 100, 199, 200, 230, uniform(0, 200)});
        break;
    case Kind::TypeTotal:
        e.text = typedText();
        break;
    case Kind::Time:
        e.value = uniform(0, 4000);
        break;
    case Kind::LeftClick:
    case Kind::TargetButton:
    case Kind::TargetClick:
    case Kind::TargetClose:
        break;
    }
    return e;
}

// Mostly over the view and just past its edges, sometimes a step inside the 1.1-pixel dead band,
// about the edges where the arm is cut off, or far out on any side; with no button, either or
// both held.
SoakEvent SoakEventSource::pointerMove()
{
    SoakEvent e;
    e.kind = Kind::PointerMove;
    e.button = uniform(0, 3);
    switch (uniform(0, 5)) {
    case 0:
        e.x = m_lastX + uniform(-1.5f, 1.5f);
        e.y = m_lastY + uniform(-1.5f, 1.5f);
        break;
    case 1:
        e.x = uniform(-20000.0f, 20000.0f);
        e.y = uniform(-20000.0f, 20000.0f);
        break;
    case 2:
        // On whole and half pixels about the places where the view starts to cut the arm off.
        e.x = oneOf(std::array{0.0f, 901.0f, 1024.0f});
        e.x += 0.5f * static_cast<float>(uniform(-4, 4));
        e.y = oneOf(std::array{-768.0f, 0.0f, 768.0f});
        e.y += 0.5f * static_cast<float>(uniform(-4, 4));
        break;
    default:
        e.x = uniform(-40.0f, 1064.0f);
        e.y = uniform(-40.0f, 808.0f);
        break;
    }
    m_lastX = e.x;
    m_lastY = e.y;
    return e;
}

// Short enough to stay in a string's own storage, so that typing allocates nothing.
std::string SoakEventSource::typedText()
{
    static constexpr std::array<const char*, 8> pieces{"", "0", "7", "10", "100", "-3", " x", "Ж"};
    std::string text;
    for (int k = uniform(0, 3); k > 0; --k)
        text += oneOf(pieces);
    return text;
}

void apply(const SoakEvent& e, Harness& h)
{
    Simulator& s = h.s;
    switch (e.kind) {
    case Kind::PointerMove:
        h.move(e.x, e.y, e.button);
        break;
    case Kind::LeftClick:
        h.click();
        break;
    case Kind::MouseDown:
        s.f.Основа.mouseDown(e.button, 0, e.x, e.y);
        break;
    case Kind::ExerciseButton:
        std::array{&s.f.BAVNA, &s.f.Barza, &s.f.Restart}[static_cast<std::size_t>(e.button)]->click();
        break;
    case Kind::TargetButton:
        s.f.Command1.click();
        break;
    case Kind::ScrollBar:
        if (!targetShown(h))
            h.rightButton();
        (e.button == 0 ? s.proverka.controls().Horizont : s.proverka.controls().Vertikal).setValue(e.value);
        break;
    case Kind::TypeTotal:
        s.f.i(11).setText(e.text);
        break;
    case Kind::TargetClick:
        if (targetShown(h))
            s.proverka.click();
        break;
    case Kind::TargetClose:
        if (targetShown(h))
            s.proverka.Unload();
        break;
    case Kind::Time:
        h.advanceBy(e.value);
        break;
    }
}

std::ostream& operator<<(std::ostream& os, const SoakEvent& e)
{
    switch (e.kind) {
    case Kind::PointerMove:
        return os << "pointer move to (" << e.x << ", " << e.y << ") with buttons " << e.button;
    case Kind::LeftClick:
        return os << "left click";
    case Kind::MouseDown:
        return os << "mouse button " << e.button << " down at (" << e.x << ", " << e.y << ")";
    case Kind::ExerciseButton:
        return os << exerciseButtonNames[static_cast<std::size_t>(e.button)] << " pressed";
    case Kind::TargetButton:
        return os << "Command1 pressed";
    case Kind::ScrollBar:
        return os << (e.button == 0 ? "Horizont" : "Vertikal") << " set to " << e.value;
    case Kind::TypeTotal:
        return os << "typed \"" << e.text << "\" into i(11)";
    case Kind::TargetClick:
        return os << "click on the target window";
    case Kind::TargetClose:
        return os << "target window closed";
    case Kind::Time:
        return os << e.value << " ms passed";
    }
    return os;
}
