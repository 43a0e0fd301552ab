#include "target/sight_settings.h"

#include "state/simulator.h"

#include <cstdint>
#include <string>

void Horizont_Change(Simulator& s)
{
    const std::int16_t hundred = 100;
    s.windage = static_cast<std::int16_t>(s.proverka.controls().Horizont.value() - hundred);
    s.proverka.controls().tHorizont.setText(std::to_string(s.windage));
}

void Vertikal_Change(Simulator& s)
{
    s.elevation = std::int32_t{s.proverka.controls().Vertikal.value()} - 100;
    s.proverka.controls().tVertikal.setText(std::to_string(s.elevation));
}
