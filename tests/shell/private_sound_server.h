#pragma once

#include <QMap>
#include <QProcess>
#include <QStringList>
#include <QTest>

#include <signal.h>

#include <algorithm>

// A sound server of one test's own (tests/support/serve_private_sound.sh, of the kind the suite
// runs on), with a null sink that the server suspends after one idle second, for checks of what a
// client leaves on its server. Stopped with the object.
class PrivateSoundServer {
public:
    // A sink input or a client as the server lists it.
    struct Listed {
        int index;
        QMap<QString, QString> properties;
        bool corked = false;
    };

    explicit PrivateSoundServer(const QString& folder) : m_address("unix:" + folder + "/pulse-native")
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PRIVATE_SOUND_SERVER_SUSPEND_AFTER", "1");
        m_server.setProcessEnvironment(environment);
        m_server.start("bash", {PRIVATE_SOUND_SERVER_SCRIPT, folder, "private"});
        awaitNextLine();
    }
    ~PrivateSoundServer()
    {
        m_server.terminate();
        m_server.waitForFinished(10000);
    }

    // Ends the server as a crash does: its clients are cut off, its socket is left behind and its
    // sample cache is lost.
    void kill()
    {
        ::kill(static_cast<pid_t>(m_server.processId()), SIGUSR1);
        awaitNextLine();
    }
    // Starts the server again after kill(), on the same socket.
    void start()
    {
        ::kill(static_cast<pid_t>(m_server.processId()), SIGUSR2);
        awaitNextLine();
    }

    QString address() const { return m_address; }
    bool running() { return !sinkState().isEmpty(); }

    // The null sink's state as pactl names it: RUNNING, IDLE or SUSPENDED.
    QString sinkState() { return pactl({"list", "short", "sinks"}).section('\t', 4).trimmed(); }
    // The latency the output runs at, in microseconds: on PulseAudio the null sink's, the shortest
    // its clients ask for; PipeWire lists none for the sink, and its graph runs at the shortest
    // latency its streams ask for.
    int configuredLatency()
    {
        const QString sinks = pactl({"list", "sinks"});
        const qsizetype at = sinks.indexOf("configured ");
        const int configured = at < 0 ? -1 : sinks.mid(at + 11).section(' ', 0, 0).toInt();
        if (configured != 0)
            return configured;
        int shortest = -1;
        for (const Listed& input : list("sink-inputs")) {
            const QStringList asked = input.properties.value("node.latency").split('/');
            if (asked.size() == 2 && asked[1].toInt() > 0) {
                const int latency = static_cast<int>(asked[0].toLongLong() * 1000000 / asked[1].toInt());
                shortest = shortest < 0 ? latency : std::min(shortest, latency);
            }
        }
        return shortest;
    }
    QStringList sampleNames()
    {
        QStringList names;
        for (const QString& line : pactl({"list", "short", "samples"}).split('\n', Qt::SkipEmptyParts))
            names << line.section('\t', 1, 1);
        return names;
    }
    // "sink-inputs" or "clients", each with its properties.
    QList<Listed> list(const QString& kind)
    {
        QList<Listed> listed;
        for (const QString& line : pactl({"list", kind}).split('\n')) {
            const qsizetype equals = line.indexOf(" = \"");
            if (!line.isEmpty() && !line.front().isSpace() && line.contains('#'))
                listed.append(Listed{line.section('#', -1).toInt(), {}});
            else if (line.startsWith("\t\t") && equals > 0 && line.endsWith('"') && !listed.isEmpty())
                listed.back().properties.insert(line.mid(2, equals - 2), line.mid(equals + 4).chopped(1));
            else if (line == "\tCorked: yes" && !listed.isEmpty())
                listed.back().corked = true;
        }
        return listed;
    }

    QString pactl(const QStringList& arguments)
    {
        QProcess pactl;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PULSE_SERVER", m_address);
        // Its listings in English whatever the desktop's language.
        environment.insert("LC_ALL", "C.UTF-8");
        pactl.setProcessEnvironment(environment);
        pactl.start("pactl", arguments);
        pactl.waitForFinished(3000);
        return QString::fromUtf8(pactl.readAllStandardOutput());
    }

private:
    // The script's next line: "ready", "crashed" or "failed".
    void awaitNextLine()
    {
        while (m_server.state() != QProcess::NotRunning && !m_server.canReadLine())
            m_server.waitForReadyRead(20000);
        m_server.readLine();
    }

    QString m_address;
    QProcess m_server;
};
