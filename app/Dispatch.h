#pragma once

#include <QObject>

#include <functional>
#include <type_traits>
#include <utility>

namespace app {

// Runs the handler of one event. A failure that escapes the handler is reported and ends the
// program; after the end no handler runs any more.
void dispatch(const std::function<void()>& handler);

// Runs `follow` after every handler from now on, such as telling screen readers what the
// handler changed, as it stands once the handler has returned.
void afterEachHandler(void (*follow)());

// Binds an event to its handler, which runs through dispatch.
template <typename Source, typename Signal, typename Handler>
void bindEvent(Source* source, Signal signal, Handler handler) {
    QObject::connect(source, signal, source, [handler](auto&&... args) {
        // A handler takes the event's arguments only when it has a use for them.
        if constexpr (std::is_invocable_v<Handler, decltype(args)...>)
            dispatch([&] { handler(std::forward<decltype(args)>(args)...); });
        else
            dispatch(handler);
    });
}

} // namespace app
