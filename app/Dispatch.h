#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <type_traits>
#include <utility>

namespace app {

// Runs the handler of one event. A failure that escapes the handler is reported and ends the
// program; after the end no handler runs any more.
void dispatch(const std::function<void()>& handler);

// Binds events to handlers, and keeps the table of what is bound so that the event table of a
// window can be checked as a whole.
class EventTable {
public:
    template <typename Source, typename Signal, typename Handler>
    void bind(Source* source, Signal signal, const QString& handlerName, Handler handler) {
        handlers_.append(handlerName);
        QObject::connect(source, signal, source, [handler](auto&&... args) {
            // A handler takes the event's arguments only when it has a use for them.
            if constexpr (std::is_invocable_v<Handler, decltype(args)...>)
                dispatch([&] { handler(std::forward<decltype(args)>(args)...); });
            else
                dispatch(handler);
        });
    }

    const QStringList& handlers() const { return handlers_; }

private:
    QStringList handlers_;
};

} // namespace app
