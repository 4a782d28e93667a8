#pragma once

#include "tests/Media.h"

#include "game/Rnd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace reliability {

using tests::allMedia;
using tests::sourceMediaFolder;

// The game's real generator, with every value it gives counted, so that a test sees when the
// game draws without choosing what it draws.
class RecordingRandom : public game::RandomSource {
public:
    explicit RecordingRandom(int& draws) : draws_(draws) {}
    void reseedFromClock() override { real_.reseedFromClock(); }
    double next() override {
        ++draws_;
        return real_.next();
    }

private:
    game::Rnd real_;
    int& draws_;
};

// Standard error goes to a file while it lives, so that a test sees every line the game writes
// there; the lines are read back by lines().
class StderrCapture {
public:
    StderrCapture() {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        const QByteArray path = QFile::encodeName(folder_.filePath(QStringLiteral("stderr")));
        const int file = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(file, STDERR_FILENO);
        close(file);
    }
    ~StderrCapture() { restore(); }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    QStringList lines() {
        std::fflush(stderr);
        QFile file(folder_.filePath(QStringLiteral("stderr")));
        if (!file.open(QIODevice::ReadOnly))
            return {QStringLiteral("(standard error was not captured)")};
        return QString::fromLocal8Bit(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    void restore() {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }

private:
    QTemporaryDir folder_;
    int saved_ = -1;
};

// A private PulseAudio server whose only output is a null sink, so that the real sound player
// plays for real wherever the test runs. Its home and runtime folder are a temporary folder; the
// test process reaches it through PULSE_SERVER and keeps its cookie there too, so nothing is
// written into the tester's home. It is stopped by its PID.
class PrivatePulse {
public:
    PrivatePulse() {
        const QString run = folder_.filePath(QStringLiteral("run"));
        QDir().mkpath(run);
        QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        socket_ = run + QStringLiteral("/native");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), folder_.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), run);
        server_.setProcessEnvironment(environment);
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.setStandardOutputFile(folder_.filePath(QStringLiteral("log")));
        server_.start(QStringLiteral("pulseaudio"),
                      {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                       QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
                       QStringLiteral("--use-pid-file=no"),
                       QStringLiteral("--load=module-null-sink sink_name=bng"),
                       QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 "
                                      "socket=") +
                           socket_});
        if (!server_.waitForStarted() ||
            !QTest::qWaitFor([this] { return QFileInfo::exists(socket_) || !running(); }, 20000) ||
            !running())
            return;
        qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + socket_));
        qputenv("PULSE_COOKIE", QFile::encodeName(folder_.filePath(QStringLiteral("cookie"))));
    }
    ~PrivatePulse() { stop(); }
    PrivatePulse(const PrivatePulse&) = delete;
    PrivatePulse& operator=(const PrivatePulse&) = delete;

    bool running() const { return server_.state() == QProcess::Running; }
    QString log() const {
        QFile file(folder_.filePath(QStringLiteral("log")));
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    }

    // The streams the server is playing now, as pactl lists them.
    QStringList streams() const {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"),
                                              QStringLiteral("sink-inputs")});
        pactl.waitForFinished();
        return QString::fromLocal8Bit(pactl.readAllStandardOutput())
            .split(u'\n', Qt::SkipEmptyParts);
    }

    void stop() {
        if (running()) {
            server_.terminate();
            server_.waitForFinished();
        }
    }

private:
    QTemporaryDir folder_;
    QString socket_;
    QProcess server_;
};

} // namespace reliability
