#include "platform/qt/sound/mixing_device.h"

#include <algorithm>
#include <array>
#include <cstring>

MixingDevice::MixingDevice(AudioMixer& mixer, QObject* parent) : QIODevice(parent), m_mixer(mixer) {}

qint64 MixingDevice::readData(char* data, qint64 maxSize)
{
    constexpr qint64 frameBytes = outputChannels * sizeof(std::int16_t);
    std::array<std::int16_t, 1024 * outputChannels> chunk;
    const qint64 total = maxSize / frameBytes * frameBytes;
    for (qint64 done = 0; done < total;) {
        const auto bytes = std::min<qint64>(total - done, sizeof chunk);
        m_mixer.mix(std::span(chunk.data(), static_cast<std::size_t>(bytes) / sizeof(std::int16_t)));
        std::memcpy(data + done, chunk.data(), static_cast<std::size_t>(bytes));
        done += bytes;
    }
    return total;
}

qint64 MixingDevice::writeData(const char*, qint64)
{
    return -1;
}
