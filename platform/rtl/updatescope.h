// WithinUpdate: runs a change between BeginUpdate and EndUpdate of a list
// or collection, closing the update also when the change raises.
#pragma once

#include <utility>

template <class Updatable, class Body>
void WithinUpdate(Updatable& target, Body&& body) {
    target.BeginUpdate();
    try {
        std::forward<Body>(body)();
    } catch (...) {
        target.EndUpdate();
        throw;
    }
    target.EndUpdate();
}
