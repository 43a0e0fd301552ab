#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

// Records the test sink's monitor for as long as it lives: one recorder, started before the sound
// and kept until everything has been heard. Without a sound server it is simply not running.
class SinkRecording {
public:
    static constexpr int rate = 44100;

    SinkRecording()
    {
        const QByteArray sink = qgetenv("STRELBISHTE_SINK");
        if (sink.isEmpty())
            return;
        m_parec.start("parec", {"-d", QString::fromUtf8(sink) + ".monitor", "--format=s16le", "--rate=44100",
                                "--channels=2", "--latency-msec=20", "--raw"});
        if (!m_parec.waitForStarted(3000))
            return;
        // Once samples flow, nothing played from now on is missed.
        while (m_bytes.isEmpty() && m_parec.waitForReadyRead(3000))
            m_bytes += m_parec.readAllStandardOutput();
    }
    ~SinkRecording() { stop(); }

    bool running() const { return !m_bytes.isEmpty(); }

    // Stops the recording and returns its left channel, in full-scale fractions.
    std::vector<double> stop()
    {
        if (m_parec.state() != QProcess::NotRunning) {
            m_parec.terminate();
            m_parec.waitForFinished(3000);
            m_bytes += m_parec.readAllStandardOutput();
        }
        std::vector<double> left;
        for (qsizetype at = 0; at + 4 <= m_bytes.size(); at += 4) {
            std::int16_t sample;
            std::memcpy(&sample, m_bytes.constData() + at, sizeof sample);
            left.push_back(sample / 32768.0);
        }
        return left;
    }

private:
    QProcess m_parec;
    QByteArray m_bytes;
};

// A stretch of the recording at one steady level (the test sounds are steady levels, so that
// sounds that overlap show as the sum of their levels).
struct Plateau {
    double seconds;
    double level;
};

// The steady stretches above silence, in order; a change of level by more than `tolerance`
// starts a new one, and stretches shorter than 2 ms (the edges between two) are left out.
inline std::vector<Plateau> plateaus(const std::vector<double>& samples, double tolerance = 0.004)
{
    std::vector<Plateau> found;
    std::size_t start = 0;
    auto close = [&](std::size_t end) {
        const double level = samples[start];
        if (end - start >= SinkRecording::rate / 500 && std::abs(level) > 0.01)
            found.push_back({static_cast<double>(end - start) / SinkRecording::rate, level});
    };
    for (std::size_t i = 1; i <= samples.size(); ++i)
        if (i == samples.size() || std::abs(samples[i] - samples[start]) > tolerance) {
            close(i);
            start = i;
        }
    return found;
}

// The recording's magnitude summed over time, in full-scale seconds: what sounds add up to
// wherever each of them starts. The server may start sounds asked for at the same moment a few
// milliseconds apart, in two of its mixing blocks, when a busy machine delays it between them.
inline double area(const std::vector<double>& samples)
{
    double sum = 0;
    for (double sample : samples)
        sum += std::abs(sample);
    return sum / SinkRecording::rate;
}

inline double loudest(const std::vector<Plateau>& heard)
{
    double level = 0;
    for (const Plateau& p : heard)
        level = std::max(level, std::abs(p.level));
    return level;
}
