#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace app {

// One instance per window class, reached by the window's name. A window is built on its first
// request and built again after the player closed it; start-up owns the registry, so every
// window still open goes away with it.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    WindowRegistry();
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    void add(const QString& name, Factory factory);

    // The window, built now if it does not exist.
    QWidget* get(const QString& name);

    // The window if it exists, without building it.
    QWidget* find(const QString& name) const;

    // Builds the window if needed and shows it modeless, in front; returns at once.
    QWidget* show(const QString& name);

private:
    struct Entry {
        Factory factory;
        QPointer<QWidget> window;
    };
    QHash<QString, Entry> entries_;
};

// The process-wide registry that start-up made.
WindowRegistry& windows();

} // namespace app
