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
#include <optional>
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
// there; the lines are read back by lines(), but for those a loaded machine may write at any cue
// (a cue that could not start within half a second is left out, and the next says the sounds are
// back), which no test here judges: none makes the audio server hang.
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
        QStringList lines = QString::fromLocal8Bit(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        // The game's own lines begin with its name; a toolkit's warnings are not the game's.
        const QString own = QCoreApplication::applicationName() + QStringLiteral(": ");
        lines.removeIf([&own](const QString& line) {
            return !line.startsWith(own) ||
                   line.contains(u"sounds are silent: the audio server does not answer") ||
                   line.contains(u"sounds are back: ");
        });
        return lines;
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

// The audio server of the session the test runs in (see tests/harness/session.sh), which gives
// it one: its streams, as pactl lists them, or nothing if it does not answer.
inline std::optional<QStringList> audioServerStreams() {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"),
                {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    if (!pactl.waitForFinished() || pactl.exitStatus() != QProcess::NormalExit ||
        pactl.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(pactl.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace reliability
