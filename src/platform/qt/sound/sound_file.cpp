#include "platform/qt/sound/sound_file.h"

#include "platform/audio_format.h"

#ifdef _WIN32
#define ENABLE_SNDFILE_WINDOWS_PROTOTYPES 1
#endif
#include <sndfile.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace {

constexpr sf_count_t longestSeconds = 30;
constexpr sf_count_t framesPerRead = 4096;

struct CloseSoundFile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

}  // namespace

SharedSound readSoundFile(const std::string& path)
{
    // The path is UTF-8; Windows takes a narrow path in another code page, so it gets the wide one.
    const std::filesystem::path name(std::u8string(path.begin(), path.end()));

    // A folder, a device or a pipe is never opened: reading one could wait for ever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(name, error))
        return nullptr;

    SF_INFO info{};
#ifdef _WIN32
    const std::unique_ptr<SNDFILE, CloseSoundFile> file(sf_wchar_open(name.c_str(), SFM_READ, &info));
#else
    const std::unique_ptr<SNDFILE, CloseSoundFile> file(sf_open(name.c_str(), SFM_READ, &info));
#endif
    if (!file || info.channels < 1 || info.samplerate < 1)
        return nullptr;

    // The header's frame count is not trusted: a truncated file holds fewer, a forged one claims
    // more. The file is read until it ends or the time is up, keeping the channels that play.
    const sf_count_t limit = longestSeconds * info.samplerate;
    const auto width = static_cast<std::size_t>(info.channels);
    const std::size_t kept = std::min<std::size_t>(width, outputChannels);
    std::vector<float> decoded;
    std::vector<float> chunk(static_cast<std::size_t>(framesPerRead) * width);
    for (sf_count_t read = 0; read < limit;) {
        const sf_count_t got = sf_readf_float(file.get(), chunk.data(), std::min(framesPerRead, limit - read));
        if (got <= 0)
            break;
        for (auto frame = chunk.begin(); frame != chunk.begin() + got * info.channels; frame += info.channels)
            decoded.insert(decoded.end(), frame, frame + static_cast<std::ptrdiff_t>(kept));
        read += got;
    }

    auto sound = std::make_shared<const SoundSamples>(
        toOutputFormat(decoded, static_cast<int>(kept), info.samplerate));
    return sound->empty() ? nullptr : sound;
}
