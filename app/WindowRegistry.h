#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace app {

// One instance per window class, asked for by the window's type, so that a window that does not
// exist cannot be asked for. A window is built on its first request and built again after the
// player closed it; start-up owns the registry, so every window still open goes away with it.
// The type may be only declared where a window is asked for: start-up, which knows them all,
// says how each is built.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    WindowRegistry();
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    template <class Window> void add(Factory factory) { add(key<Window>(), std::move(factory)); }

    // The window, built now if it does not exist.
    template <class Window> QWidget* get() { return get(key<Window>()); }

    // Builds the window if needed and shows it modeless, in front; returns at once.
    template <class Window> QWidget* show() { return show(key<Window>()); }

private:
    using Key = const void*;

    // One address per window class, also for a class only declared here.
    template <class Window> static Key key() {
        static const char tag = 0;
        return &tag;
    }

    void add(Key key, Factory factory);
    QWidget* get(Key key);
    QWidget* show(Key key);

    struct Entry {
        Factory factory;
        QPointer<QWidget> window;
    };
    QHash<Key, Entry> entries_;
};

// The process-wide registry that start-up made.
WindowRegistry& windows();

} // namespace app
