#pragma once
// TUpdateScope: pairs a begin with its end for the length of a scope: runs begin at once and end
// when the scope ends, however it ends (update counts, disabled alignment, a painter's saved
// state). An end that fails on a normal exit throws from the scope; one that fails while another
// failure unwinds the scope is dropped, so the first failure is the one that propagates.
//   TUpdateScope update([this] { BeginUpdate(); }, [this] { EndUpdate(); });

#include <exception>
#include <utility>

template <class End> class TUpdateScope {
public:
    template <class Begin>
    TUpdateScope(Begin&& begin, End end)
        : FEnd(std::move(end)), FUncaught(std::uncaught_exceptions()) {
        std::forward<Begin>(begin)();
    }
    ~TUpdateScope() noexcept(false) {
        if (std::uncaught_exceptions() == FUncaught) {
            FEnd();
            return;
        }
        try {
            FEnd();
        } catch (...) {
        }
    }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    End FEnd;
    int FUncaught;
};
