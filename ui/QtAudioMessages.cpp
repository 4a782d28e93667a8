#include "QtAudioMessages.h"

#include <QMutex>
#include <QStringList>

#include <pthread.h>

#include <atomic>
#include <cstring>

namespace ui {

namespace {

// A few lines say what went wrong; the rest repeat it.
constexpr qsizetype MostHeld = 3;

QMutex mutex;
QStringList held;
QtMessageHandler previous = nullptr;
std::atomic<int> calling = 0;

bool onPulseAudioThread() {
    char name[16] = {};
    pthread_getname_np(pthread_self(), name, sizeof name);
    return std::strcmp(name, "threaded-ml") == 0;
}

bool fromQtAudio(QtMsgType type, const QMessageLogContext& context) {
    if (type != QtWarningMsg && type != QtCriticalMsg)
        return false;
    const char* category = context.category ? context.category : "";
    return calling > 0 || std::strncmp(category, "qt.multimedia", 13) == 0 || onPulseAudioThread();
}

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!fromQtAudio(type, context)) {
        previous(type, context, message);
        return;
    }
    QMutexLocker lock(&mutex);
    if (held.size() < MostHeld)
        held.append(message);
}

} // namespace

QtAudioMessages::QtAudioMessages() {
    previous = qInstallMessageHandler(holdBack);
}

QtAudioMessages::~QtAudioMessages() {
    qInstallMessageHandler(previous);
}

QtAudioMessages::Calling::Calling() {
    ++calling;
}

QtAudioMessages::Calling::~Calling() {
    --calling;
}

QString QtAudioMessages::take() {
    QMutexLocker lock(&mutex);
    const QString text = held.join(QStringLiteral("; "));
    held.clear();
    return text;
}

} // namespace ui
