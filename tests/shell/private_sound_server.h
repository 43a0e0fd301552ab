#pragma once

#include <QMap>
#include <QProcess>
#include <QStringList>
#include <QTest>

// A PulseAudio of one test's own, with a null sink that the server suspends after one idle second,
// for checks of what a client leaves on its server. Stopped with the object.
class PrivateSoundServer {
public:
    // A sink input or a client as the server lists it.
    struct Listed {
        int index;
        QMap<QString, QString> properties;
    };

    explicit PrivateSoundServer(const QString& folder) : m_folder(folder), m_address("unix:" + folder + "/pulse-native")
    {
        start();
    }
    ~PrivateSoundServer()
    {
        m_server.terminate();
        m_server.waitForFinished(3000);
    }

    // Starts the server again after kill(), on the same socket.
    void start()
    {
        m_server.start("pulseaudio",
                       {"--daemonize=no", "-n", "--exit-idle-time=-1", "--realtime=no", "--high-priority=no",
                        "--use-pid-file=no", "--load=module-null-sink sink_name=private norewinds=1",
                        "--load=module-native-protocol-unix socket=" + m_folder + "/pulse-native auth-anonymous=1",
                        "--load=module-suspend-on-idle timeout=1"});
        for (int k = 0; k < 100 && m_server.state() != QProcess::NotRunning && !running(); ++k)
            QTest::qWait(100);
    }
    // Ends the server as a crash does: its clients are cut off, its socket is left behind and its
    // sample cache is lost.
    void kill()
    {
        m_server.kill();
        m_server.waitForFinished(3000);
    }

    QString address() const { return m_address; }
    bool running() { return !sinkState().isEmpty(); }

    // The null sink's state as pactl names it: RUNNING, IDLE or SUSPENDED.
    QString sinkState() { return pactl({"list", "short", "sinks"}).section('\t', 4).trimmed(); }
    // The latency the null sink is set to, the shortest its clients ask for, in microseconds.
    int configuredLatency()
    {
        const QString sinks = pactl({"list", "sinks"});
        const qsizetype at = sinks.indexOf("configured ");
        return at < 0 ? -1 : sinks.mid(at + 11).section(' ', 0, 0).toInt();
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
    QString m_folder;
    QString m_address;
    QProcess m_server;
};
