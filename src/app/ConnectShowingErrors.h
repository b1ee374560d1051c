#pragma once

#include "app/GeneralErrorDisplay.h"

#include <QObject>

#include <concepts>
#include <functional>
#include <utility>

// Connects `signal` of `sender` to `slot` so that an exception escaping the slot is shown with
// its text and never unwinds through Qt's signal dispatch. `slot` is a callable, or a member
// function of `receiver`; it may take fewer arguments than the signal gives, as with connect.
template <typename Sender, typename Signal, typename Receiver, typename Slot>
QMetaObject::Connection ConnectShowingErrors(Sender* sender, Signal signal, Receiver* receiver,
                                             Slot slot) {
    return QObject::connect(
        sender, signal, receiver,
        [receiver, slot = std::move(slot)](auto&&... args)
            requires(std::invocable<Slot&, decltype(args)...> ||
                     std::invocable<Slot&, Receiver*, decltype(args)...>)
        {
            RunShowingErrors([&] {
                if constexpr (std::invocable<Slot&, decltype(args)...>)
                    std::invoke(slot, std::forward<decltype(args)>(args)...);
                else
                    std::invoke(slot, receiver, std::forward<decltype(args)>(args)...);
            });
        });
}
