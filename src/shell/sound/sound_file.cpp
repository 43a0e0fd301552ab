#include "shell/sound/sound_file.h"

#include <sndfile.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

constexpr sf_count_t longestSeconds = 30;
constexpr sf_count_t framesPerRead = 4096;

struct CloseSoundFile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

}  // namespace

std::optional<DecodedSound> readSoundFile(const std::string& path)
{
    const std::filesystem::path name(path);

    // A folder, a device or a pipe is never opened: reading one could wait for ever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(name, error))
        return std::nullopt;

    SF_INFO info{};
    const std::unique_ptr<SNDFILE, CloseSoundFile> file(sf_open(name.c_str(), SFM_READ, &info));
    if (!file || info.channels < 1 || info.samplerate < 1)
        return std::nullopt;

    // The header's frame count is not trusted: a truncated file holds fewer, a forged one claims
    // more. The file is read until it ends or the time is up.
    DecodedSound sound{info.samplerate, info.channels, {}};
    const auto width = static_cast<std::size_t>(info.channels);
    for (sf_count_t left = longestSeconds * info.samplerate; left > 0;) {
        const std::size_t at = sound.samples.size();
        const sf_count_t wanted = std::min(framesPerRead, left);
        sound.samples.resize(at + static_cast<std::size_t>(wanted) * width);
        const sf_count_t got = std::max<sf_count_t>(sf_readf_float(file.get(), sound.samples.data() + at, wanted), 0);
        sound.samples.resize(at + static_cast<std::size_t>(got) * width);
        if (got < wanted)
            break;
        left -= got;
    }
    if (sound.samples.empty())
        return std::nullopt;
    return sound;
}
