#include "WindowRegistry.h"

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

void WindowRegistry::add(const QString& name, Factory factory) {
    entries_.insert(name, Entry{std::move(factory), nullptr});
}

QWidget* WindowRegistry::get(const QString& name) {
    auto entry = entries_.find(name);
    assert(entry != entries_.end());
    if (!entry->window) {
        QWidget* window = entry->factory();
        // A closed window is destroyed, so that the next request builds it afresh.
        window->setAttribute(Qt::WA_DeleteOnClose);
        entry->window = window;
    }
    return entry->window;
}

QWidget* WindowRegistry::find(const QString& name) const {
    const auto entry = entries_.find(name);
    return entry == entries_.end() ? nullptr : entry->window.data();
}

QWidget* WindowRegistry::show(const QString& name) {
    QWidget* window = get(name);
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
