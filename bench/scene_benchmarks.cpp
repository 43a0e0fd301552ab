#include "bench_pictures.h"
#include "forms/sound_player.h"
#include "scene/aim_tracking.h"
#include "state/simulator.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

class SilentPlayer : public SoundPlayer {
public:
    void play(const std::string&) override {}
};

// What every frame is measured against: one plain copy of a whole 1024 x 768 frame.
void BM_FullFrameCopy(benchmark::State& state)
{
    const std::vector<std::uint32_t> from(1024 * 768, 0xff336699u);
    std::vector<std::uint32_t> to(1024 * 768);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullFrameCopy);

// One aim redraw, handler and composition, the pointer going back and forth between two places
// far enough apart that every event redraws.
void BM_AimRedraw(benchmark::State& state)
{
    SilentPlayer player;
    Simulator s(benchPictures(), player, "/bench");
    s.targetPosition = 3;
    bool there = false;
    for (auto _ : state) {
        Основа_MouseMove(s, 0, 0, there ? 440.0f : 400.0f, there ? 320.0f : 300.0f);
        there = !there;
        benchmark::DoNotOptimize(s.f.Основа.image().row(0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AimRedraw);

}  // namespace

BENCHMARK_MAIN();
