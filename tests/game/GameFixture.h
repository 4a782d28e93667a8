#pragma once

#include "app/WindowRegistry.h"
#include "game/Form1.h"
#include "game/Rnd.h"
#include "sound/SoundPlayer.h"
#include "tests/Media.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>

// Random values chosen by the test, so that every secret is known in advance. Once the script
// runs out it gives 0, which draws the lower limit.
class ScriptedRandom : public game::RandomSource {
public:
    explicit ScriptedRandom(std::deque<double>& script, int& reseeds)
        : script_(script), reseeds_(reseeds) {}
    void reseedFromClock() override { ++reseeds_; }
    double next() override {
        if (script_.empty())
            return 0;
        const double u = script_.front();
        script_.pop_front();
        return u;
    }

private:
    std::deque<double>& script_;
    int& reseeds_;
};

// Records what the handlers tell the sound player, and what the window showed at each command.
class RecordingPlayer : public sound::SoundPlayer {
public:
    explicit RecordingPlayer(QStringList& log, const QLabel* const& message,
                             const QLabel* const& face)
        : log_(log), message_(message), face_(face) {}
    void stop() override { log_ << QStringLiteral("stop|%1|%2").arg(message_->text(), faceKey()); }
    void close() override { log_ << QStringLiteral("close"); }
    void setFileName(const QString& fileName) override {
        log_ << QStringLiteral("file ") + fileName;
    }
    void open() override { log_ << QStringLiteral("open"); }
    void play() override { log_ << QStringLiteral("play"); }

private:
    QString faceKey() const { return QString::number(face_->pixmap().cacheKey()); }
    QStringList& log_;
    const QLabel* const& message_;
    const QLabel* const& face_;
};

// A main window with known random values and a recording sound player, run in a folder that
// holds the media the test chooses.
struct GameFixture {
    std::deque<double> script;
    int reseeds = 0;
    QStringList sound;
    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();
    app::WindowRegistry windows;
    Form1* form = nullptr;

    explicit GameFixture(const QStringList& media = tests::allMedia()) {
        for (const QString& name : media)
            QFile::copy(sourceMedia(name), folder.filePath(name));
        QDir::setCurrent(folder.path());
        windows.add<Form1>(
            [this] { return new Form1(std::make_unique<ScriptedRandom>(script, reseeds)); });
        form = static_cast<Form1*>(windows.get<Form1>());
        form->MMControl1 = std::make_unique<RecordingPlayer>(sound, form->Label3, form->Image1);
        form->Form_Load();
        form->show();
    }
    ~GameFixture() { QDir::setCurrent(previousFolder); }

    static QString sourceMedia(const QString& name) {
        return tests::sourceMediaFolder() + u'/' + name;
    }

    // Starts a Standard game whose secret is the lower limit plus the step that u gives.
    void startStandard(const QString& upper, const QString& lower, double u = 0) {
        form->Standargame_Click();
        form->Text1->setText(upper);
        form->Text2->setText(lower);
        script.push_back(u);
        form->Command1->click();
    }

    void guess(const QString& text) {
        form->Text3->setText(text);
        short enter = 13;
        form->Text3_KeyPress(enter);
    }
};
