#include "WindowRegistry.h"

#include "RuntimeError.h"

#include <QCoreApplication>

#include <cassert>

namespace app {

namespace {
WindowRegistry* current = nullptr;
} // namespace

WindowRegistry::WindowRegistry() {
    assert(!current);
    current = this;
}

WindowRegistry::~WindowRegistry() {
    for (auto& entry : entries_)
        delete entry.window.data();
    current = nullptr;
}

void WindowRegistry::add(Key key, Factory factory) {
    entries_.insert(key, Entry{std::move(factory), nullptr});
}

QWidget* WindowRegistry::get(Key key) {
    auto entry = entries_.find(key);
    // A window start-up does not know how to build fails like any window that cannot be built.
    if (entry == entries_.end())
        throw RuntimeError(error::InternalError,
                           QCoreApplication::translate("Problems", "Internal error"));
    if (!entry->window) {
        QWidget* window = entry->factory();
        // A closed window is destroyed, so that the next request builds it afresh.
        window->setAttribute(Qt::WA_DeleteOnClose);
        entry->window = window;
    }
    return entry->window;
}

QWidget* WindowRegistry::show(Key key) {
    QWidget* window = get(key);
    window->setVisible(true);
    // Asking again for a window that is open but covered brings it to the front.
    window->raise();
    window->activateWindow();
    return window;
}

WindowRegistry& windows() {
    assert(current);
    return *current;
}

} // namespace app
