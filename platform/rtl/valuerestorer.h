// ValueRestorer: gives a variable a value for the life of a scope and puts
// back what it held when the scope ends, on every path.
#pragma once

#include <utility>

template <class T>
class ValueRestorer {
public:
    ValueRestorer(T& target, T value) : target_(target), saved_(target) { target_ = std::move(value); }
    ~ValueRestorer() { target_ = std::move(saved_); }
    ValueRestorer(const ValueRestorer&) = delete;
    ValueRestorer& operator=(const ValueRestorer&) = delete;

private:
    T& target_;
    T saved_;
};
