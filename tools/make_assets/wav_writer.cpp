#include "wav_writer.h"

#include <fstream>
#include <stdexcept>

namespace assets {

namespace {

void putLittleEndian(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

}  // namespace

void writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::runtime_error("cannot write " + path);
    constexpr std::uint32_t channels = 1;
    constexpr std::uint32_t bitsPerSample = 16;
    constexpr std::uint32_t blockAlign = channels * bitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * blockAlign);
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLittleEndian(out, 16, 4);  // size of the format chunk
    putLittleEndian(out, 1, 2);   // PCM
    putLittleEndian(out, channels, 2);
    putLittleEndian(out, static_cast<std::uint32_t>(sampleRate), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(sampleRate) * blockAlign, 4);
    putLittleEndian(out, blockAlign, 2);
    putLittleEndian(out, bitsPerSample, 2);
    out.write("data", 4);
    putLittleEndian(out, dataBytes, 4);
    for (std::int16_t s : samples)
        putLittleEndian(out, static_cast<std::uint16_t>(s), 2);
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace assets
