#pragma once
// What happened in the game, announced by the written rooms to whatever is
// built on top of them. A feature subscribes when the game's window is made;
// the rooms that announce never know who listens, so a feature can go without
// touching them.

#include <functional>
#include <vector>

namespace quib {

struct Session;

struct Hooks {
    // A frog is about to jump from one cell over another onto a third;
    // nothing on the board has changed yet.
    std::vector<std::function<void(Session&, int from, int to, int over)>> Jump;
    // A level starts or a board is put back from a file: whatever was kept
    // about the board before belongs to another board now.
    std::vector<std::function<void(Session&)>> LevelBegins;
    // The window timer's tick, after its written tasks.
    std::vector<std::function<void(Session&)>> Tick;
    // Whether a subscriber still has work for the coming ticks; while none
    // has and the written tasks have none, the timer rests.
    std::vector<std::function<bool(const Session&)>> TickWork;
};

inline void AnnounceJump(Hooks& hooks, Session& session, int from, int to, int over) {
    for (const auto& hook : hooks.Jump) hook(session, from, to, over);
}
inline void AnnounceLevelBegins(Hooks& hooks, Session& session) {
    for (const auto& hook : hooks.LevelBegins) hook(session);
}
inline void AnnounceTick(Hooks& hooks, Session& session) {
    for (const auto& hook : hooks.Tick) hook(session);
}
inline bool AnyTickWork(const Hooks& hooks, const Session& session) {
    for (const auto& hook : hooks.TickWork)
        if (hook(session)) return true;
    return false;
}

}  // namespace quib
