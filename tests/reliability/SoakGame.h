#pragma once

#include "Support.h"
#include "app/WindowRegistry.h"
#include "game/Form1.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

namespace reliability {

// The main window with its real generator (recorded), real faces and real sound player, in a
// temporary folder that holds the media named, copied from the given folder.
struct SoakGame {
    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();
    int draws = 0;
    app::WindowRegistry windows;
    Form1* form = nullptr;

    bool ready = true;

    explicit SoakGame(const QString& mediaFolder, const QStringList& media = allMedia()) {
        for (const QString& name : media)
            ready = QFile::copy(mediaFolder + u'/' + name, folder.filePath(name)) && ready;
        QDir::setCurrent(folder.path());
        windows.add<Form1>([this] { return new Form1(std::make_unique<RecordingRandom>(draws)); });
        form = static_cast<Form1*>(windows.get<Form1>());
        form->Form_Load();
        form->show();
    }
    ~SoakGame() { QDir::setCurrent(previousFolder); }

    // What the event loop does between two inputs of a player: queued work, and the objects
    // deleted later.
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    SoakGame(const SoakGame&) = delete;
    SoakGame& operator=(const SoakGame&) = delete;
};

} // namespace reliability
