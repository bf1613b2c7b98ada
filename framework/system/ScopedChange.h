#pragma once
// TScopedChange: gives a variable a value for the length of a scope and restores the old value
// when the scope ends, however it ends (re-entrancy flags, temporary modes, saved state).
//   TScopedChange busy(FUpdating, true);

#include <utility>

template <class T> class TScopedChange {
public:
    TScopedChange(T& variable, T value)
        : FVariable(variable), FOld(std::exchange(variable, std::move(value))) {}
    ~TScopedChange() { FVariable = std::move(FOld); }
    TScopedChange(const TScopedChange&) = delete;
    TScopedChange& operator=(const TScopedChange&) = delete;

private:
    T& FVariable;
    T FOld;
};
