#pragma once
// TStatusNotifierHosts: whether a StatusNotifierItem host shows tray entries on the session bus
// now, that is whether a watcher (org.kde.StatusNotifierWatcher) runs and reports a registered
// host. The answer never blocks the program: it comes from the event loop, first shortly after
// the first question and again whenever the watcher comes or goes or reports a host
// registered or gone. A process with no session bus named in its environment, or on a platform
// without a desktop (offscreen, minimal), has no hosts.

#include <cstdint>
#include <functional>
#include <vector>

enum class TNotifierHostState : uint8_t { Unknown, Absent, Present };

class TStatusNotifierHosts {
public:
    static TStatusNotifierHosts& Instance();

    // Unknown until the first answer has come.
    TNotifierHostState State() const { return FState; }
    // Called from the event loop after every change of State; Unlisten with the id returned.
    int Listen(std::function<void()> listener);
    void Unlisten(int id);
    // Whether this process may use a session bus at all.
    static bool SessionBus();

private:
    TStatusNotifierHosts();
    void Ask();
    void Answer(TNotifierHostState state);

    TNotifierHostState FState = TNotifierHostState::Unknown;
    unsigned FQuestion = 0; // only the newest question's answer counts
    std::vector<std::pair<int, std::function<void()>>> FListeners;
    int FNextId = 1;
};
