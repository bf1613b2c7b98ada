#pragma once
// TScopedChange: gives a variable (or a property, through its getter and setter) a value for the
// length of a scope and restores the old value when the scope ends, however it ends
// (re-entrancy flags, temporary modes, saved state).
//   TScopedChange busy(FUpdating, true);
//   TScopedChange cursor(Screen, &TScreen::Cursor, &TScreen::SetCursor, crHourGlass);

#include <functional>
#include <utility>

template <class T> class TScopedChange {
public:
    TScopedChange(T& variable, T value)
        : FVariable(&variable), FOld(std::exchange(variable, std::move(value))) {}
    template <class O, class G, class S>
    TScopedChange(O* object, G getter, S setter, T value)
        : FOld(std::invoke(getter, object)),
          FSetter([object, setter](T old) { std::invoke(setter, object, std::move(old)); }) {
        std::invoke(setter, object, std::move(value));
    }
    ~TScopedChange() {
        if (FVariable)
            *FVariable = std::move(FOld);
        else
            FSetter(std::move(FOld));
    }
    TScopedChange(const TScopedChange&) = delete;
    TScopedChange& operator=(const TScopedChange&) = delete;

private:
    T* FVariable = nullptr;
    T FOld;
    std::function<void(T)> FSetter;
};

template <class O, class G, class S, class T> TScopedChange(O*, G, S, T) -> TScopedChange<T>;
