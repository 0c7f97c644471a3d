// How quickly Practice mode says whether the board can still be solved, on a
// library of levels 1 to 200 made by the game's own generator:
//  - on the stored solution (the level start and 10 %, 50 %, 90 % of the way
//    along it): the answer the window gets after the board changed;
//  - one wrong jump off the stored solution at 10 %, 50 % and 90 % of it: a
//    search from scratch with a fresh table of failed positions, guided by
//    the stored solution as in the game, given at most 500 ms of the
//    thread's CPU time;
//  - every fifth level start searched as if no solution were stored, also
//    at most 500 ms;
//  - a simulated player on six positions of the band's stored solutions
//    (each reached by the stored solution's jumps), who looks at the board,
//    makes the stored solution's next jump, then jumps off every known
//    solution, drawn uniformly (four such jumps per look, each taken back
//    before the next). Every jump's frog is selected 0.5 s before it jumps,
//    and the player looks at the board after it until the solver's threads
//    rest, at most 2 s: the share of the stray jumps whose answer is there
//    within 50 ms of wall time, the processor time of the whole program (both
//    solver threads and the window's) from each selection to that rest, and
//    the peak resident memory of the session above the game at rest.
// Each band of 25 levels is one benchmark; its counters give the share of
// positions decided within 50 ms and within 500 ms and the slowest on-solution
// answer, and for the stray positions the most nodes a search took to decide
// one and the share decided within 100,000 nodes: figures that, unlike the
// times, are the same on a busy machine as on a quiet one. A table of all
// bands is printed at the end. With QUIB_BENCH_SLOW set, the searches over
// 50 ms and the answers later than 50 ms after a jump are listed on standard
// error. QUIB_BENCH_NODES (see BM_Nodes) counts nodes only, without a clock.

#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <thread>

#ifdef __linux__
#include <malloc.h>
#endif

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/levels/levels.h"
#include "core/practice/practice.h"
#include "support/test_game.h"

namespace {

using quib::Session;
using quib::testing::TestGame;
namespace practice = quib::practice;
using Clock = std::chrono::steady_clock;

constexpr int kBand = 25;
// The simulated player: looks per band, and stray jumps tried per look.
constexpr int kLooks = 6;
constexpr std::size_t kStraysPerLook = 4;

// A game whose library holds a verified puzzle for every level.
TestGame& Library() {
    static std::unique_ptr<TestGame> game = [] {
        auto g = std::make_unique<TestGame>(false);
        Session& f = g->session();
        f.game.CurrentLevel = 0;
        for (int n = 1; n <= quib::kLevelsPlayed; ++n) {
            f.gen.GenerationLevel = n;
            f.gen.LevelVerified[static_cast<std::size_t>(n)] = false;
            while (!f.gen.LevelVerified[static_cast<std::size_t>(n)]) quib::levels::GenerateLevel(f);
            quib::levels::InstallGeneratedLevel(f, n);
            f.library.LevelNeedsGenerating[static_cast<std::size_t>(n)] = false;
        }
        f.gen.GenerationLevel = 0;  // no level is being generated any more
        return g;
    }();
    return *game;
}

bool ListSlow() { return std::getenv("QUIB_BENCH_SLOW") != nullptr; }

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// A jump of the stored solution made on the board, as the playback makes it.
void PlayStoredStep(Session& f, int level, int step) {
    const int from = f.library.SolutionFrom(level, step).value_or(0);
    f.board.SelectedFrog = f.board.Grid.at(static_cast<std::size_t>(from)).RecordNumber;
    quib::board::ClickCell(f, f.library.SolutionTo(level, step));
}

// The level's stored solution as the solver's jumps.
std::vector<practice::Move> StoredLine(Session& f, int level) {
    std::vector<practice::Move> stored;
    for (int s = 1; s <= level + 2; ++s) {
        const int from = f.library.SolutionFrom(level, s).value_or(0), to = f.library.SolutionTo(level, s);
        stored.push_back({from, (from + to) / 2, to});
    }
    return stored;
}

// The stray position k jumps along the stored solution: here after the
// first legal jump that is not the stored one.
std::optional<practice::Position> StrayAt(const practice::Position& here,
                                          const std::vector<practice::Move>& stored, int k) {
    const practice::Move& next = stored[static_cast<std::size_t>(k)];
    for (const practice::Move& m : practice::LegalMoves(here))
        if (!(m.from == next.from && m.to == next.to)) return practice::Apply(here, m);
    return std::nullopt;
}

const char* VerdictName(practice::Verdict v) {
    return v == practice::Verdict::Solvable ? "solvable" : v == practice::Verdict::Lost ? "lost" : "not sure";
}

// Node counts do not depend on the machine: a position is decided within
// 100,000 nodes or not on any machine, busy or quiet.
constexpr std::int64_t kNodeTarget = 100000;

struct Decided {
    int positions = 0, within50 = 0, within500 = 0, solvable = 0, lost = 0;
    int withinNodeTarget = 0, undecided = 0;
    std::int64_t mostNodes = 0;       // of the decided positions
    std::int64_t undecidedNodes = 0;  // the most an undecided one was given
    void Add(double ms, practice::Verdict v, std::int64_t nodes = 0) {
        ++positions;
        if (v == practice::Verdict::NotSure) {
            ++undecided;
            undecidedNodes = std::max(undecidedNodes, nodes);
            return;
        }
        mostNodes = std::max(mostNodes, nodes);
        withinNodeTarget += nodes <= kNodeTarget;
        within50 += ms <= 50;
        within500 += ms <= 500;
        solvable += v == practice::Verdict::Solvable;
        lost += v == practice::Verdict::Lost;
    }
};

// The most nodes a position took to be decided; when some were left
// undecided, more than the most any of them was searched.
std::string MostNodes(const Decided& d) {
    char text[64];
    if (d.undecided > 0)
        std::snprintf(text, sizeof text, "> %lld (%d undecided)",
                      static_cast<long long>(std::max(d.mostNodes, d.undecidedNodes)), d.undecided);
    else
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(d.mostNodes));
    return text;
}

struct BandResult {
    double slowestOnSolutionMs = 0;
    Decided offSolution, startSearched;
    int afterJump = 0, afterJumpReady = 0;
    std::vector<double> cpuPerJump;  // seconds, both threads, per player jump
    double peakAboveRestMb = 0;
};
std::map<int, BandResult> results;

// The search thread's own CPU time: other programs on a shared machine
// would otherwise count against the solver.
double CpuMillis() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The whole program's processor time, every thread counted, in seconds.
double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// A field of /proc/self/status in MB (VmRSS, VmHWM), 0 when unreadable.
double StatusMb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1)) / 1024.0;
    return 0;
}

// The resident memory of the game at rest, before any band.
double restMb = 0;

// Starts a new peak of resident memory (VmHWM) from what is resident now.
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

double Percentile(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(q * static_cast<double>(v.size())))];
}

// Searches in slices of a few hundred nodes, as the timer does, until the
// position is decided or 500 ms of CPU time are spent.
// The searches' speed, in nodes per millisecond of CPU time.
double searchedNodes = 0, searchedMs = 0;

practice::Verdict SearchFor500ms(const practice::Position& p, double& ms, std::int64_t& nodes,
                                 const practice::Guide& guide = {}) {
    practice::FailedTable table;
    practice::Search search(p, table, guide);
    const double start = CpuMillis();
    practice::Verdict v = practice::Verdict::NotSure;
    while (v == practice::Verdict::NotSure && CpuMillis() - start < 500)
        v = search.Run(practice::Budget{500, {}});
    ms = CpuMillis() - start;
    nodes = search.nodes();
    searchedNodes += static_cast<double>(search.nodes());
    searchedMs += ms;
    return v;
}

void BM_Band(benchmark::State& state) {
    const int first = static_cast<int>(state.range(0));
    Session& f = Library().session();
    BandResult r;
    searchedNodes = searchedMs = 0;
    for (auto _ : state) {
        r = BandResult{};
        for (int level = first; level < first + kBand; ++level) {
            const int steps = level + 2;
            for (double fraction : {0.0, 0.1, 0.5, 0.9}) {
                const int k = static_cast<int>(fraction * steps);  // always short of the end
                // On the stored solution: the level start, then k jumps.
                f.game.CurrentLevel = level;
                // The same puzzle every time, not a fresh one for a used level.
                f.library.LevelNeedsGenerating[static_cast<std::size_t>(level)] = false;
                quib::game::StartNewGame(f, 4);
                for (int s = 1; s <= k; ++s) PlayStoredStep(f, level, s);
                // The best of a few answers, each as after the level start
                // (the stored solution replayed, then looked up), so that a
                // busy machine's pauses are not counted.
                double onMs = 1e9;
                for (int repeat = 0; repeat < 5; ++repeat) {
                    practice::AidsOf(f).LevelBegun = true;
                    const auto start = Clock::now();
                    practice::UpdateAids(f);
                    onMs = std::min(onMs, Millis(Clock::now() - start));
                }
                r.slowestOnSolutionMs = std::max(r.slowestOnSolutionMs, onMs);
                // The solver's thread rests: the searches below are timed alone.
                if (practice::AidsOf(f).Worker) practice::AidsOf(f).Worker->Rest();
                if (practice::AidsOf(f).Shown != practice::Notice::Solvable)
                    state.SkipWithError("a position on the stored solution was not answered from it");

                const practice::Position here = practice::PositionOf(f.board);
                double ms = 0;
                std::int64_t nodes = 0;
                if (k == 0) {
                    // Every fifth level start, searched: enough to see the trend.
                    if (level % 5 == 0) {
                        const practice::Verdict v = SearchFor500ms(here, ms, nodes);
                        r.startSearched.Add(ms, v, nodes);
                    }
                    continue;
                }
                // One wrong jump: the first legal jump that is not the stored
                // one. The search is guided by the stored solution, as in the
                // game; the level start above searched without it.
                const std::vector<practice::Move> stored = StoredLine(f, level);
                const practice::Guide guide(stored);
                if (const auto stray = StrayAt(here, stored, k)) {
                    const practice::Verdict v = SearchFor500ms(*stray, ms, nodes, guide);
                    r.offSolution.Add(ms, v, nodes);
                    if (ListSlow() && ms > 50)
                        std::fprintf(stderr, "slow: level %d at %.0f %%: %s after %.0f ms, %lld nodes\n",
                                     level, fraction * 100, VerdictName(v), ms,
                                     static_cast<long long>(nodes));
                }
            }
        }
    }
    // The simulated player, on the game's own aids and solver threads. What
    // the searches above freed goes back to the system first: it is the
    // benchmark's, not the session's.
#ifdef __linux__
    malloc_trim(0);
#endif
    ResetPeakMemory();
    std::mt19937 random(static_cast<unsigned>(first));
    // The player looks at the board until the worker rests, at most `limit`.
    auto look = [&f](std::chrono::milliseconds limit = std::chrono::seconds(2)) {
        const auto began = Clock::now();
        for (;;) {
            practice::UpdateAids(f);
            const practice::Aids& aids = practice::AidsOf(f);
            if ((aids.Worker && aids.Worker->Idle()) || Clock::now() - began >= limit) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    };
    // Selects the frog on from, 0.5 s later jumps to to, and looks: the
    // processor time of it all is the jump's.
    auto jump = [&](int from, int to, bool stray) {
        const double cpu = ProcessCpuSeconds();
        f.board.SelectedFrog = f.board.Grid.at(static_cast<std::size_t>(from)).RecordNumber;
        practice::UpdateAids(f);  // as the window does after every handler
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const auto jumped = Clock::now();
        quib::board::ClickCell(f, to);
        practice::UpdateAids(f);
        const practice::Aids& aids = practice::AidsOf(f);
        while (aids.Shown == practice::Notice::NotSure &&
               Clock::now() - jumped < std::chrono::milliseconds(50)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            practice::UpdateAids(f);
        }
        if (stray) {
            ++r.afterJump;
            const bool ready = aids.Shown != practice::Notice::NotSure &&
                               Clock::now() - jumped <= std::chrono::milliseconds(50);
            r.afterJumpReady += ready;
            if (!ready && ListSlow()) {
                while (aids.Shown == practice::Notice::NotSure &&
                       Clock::now() - jumped < std::chrono::seconds(3)) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                    practice::UpdateAids(f);
                }
                std::fprintf(stderr, "late: level %d, %d frogs: %s after %.0f ms\n", f.game.CurrentLevel,
                             practice::PositionOf(f.board).Count(),
                             aids.Shown == practice::Notice::NotSure ? "not sure" : "answered",
                             Millis(Clock::now() - jumped));
            }
        }
        look();
        r.cpuPerJump.push_back(ProcessCpuSeconds() - cpu);
        if (ListSlow() && r.cpuPerJump.back() > 0.5)
            std::fprintf(stderr, "heavy: level %d, %s jump: %.2f CPU-s\n", f.game.CurrentLevel,
                         stray ? "a stray" : "the stored", r.cpuPerJump.back());
    };
    for (int i = 0; i < kLooks; ++i) {
        const int level = first + 2 + 4 * i;
        const int k = std::max(1, static_cast<int>((i % 3 == 0   ? 0.1
                                                    : i % 3 == 1 ? 0.5
                                                                 : 0.9) *
                                                   (level + 2)));
        f.game.CurrentLevel = level;
        f.library.LevelNeedsGenerating[static_cast<std::size_t>(level)] = false;
        quib::game::StartNewGame(f, 4);
        for (int s = 1; s < k; ++s) PlayStoredStep(f, level, s);
        // The work after the jump that made this board is a jump's too.
        const double arrived = ProcessCpuSeconds();
        practice::UpdateAids(f);
        look();
        r.cpuPerJump.push_back(ProcessCpuSeconds() - arrived);
        // The stored solution's next jump, as a player following it makes it.
        jump(f.library.SolutionFrom(level, k).value_or(0), f.library.SolutionTo(level, k), false);
        // Jumps off every known solution, drawn uniformly at random.
        const practice::Aids& aids = practice::AidsOf(f);
        const practice::Position here = practice::PositionOf(f.board);
        std::vector<practice::Move> strays;
        for (const practice::Move& m : practice::LegalMoves(here)) {
            const std::uint64_t h = practice::Hash(practice::Apply(here, m));
            bool known = false;
            for (const practice::KnownLine& line : aids.Lines)
                known |= std::find(line.positions.begin(), line.positions.end(), h) != line.positions.end();
            if (!known) strays.push_back(m);
        }
        std::shuffle(strays.begin(), strays.end(), random);
        if (strays.size() > kStraysPerLook) strays.resize(kStraysPerLook);
        // Each drawn jump is made and taken back.
        for (const practice::Move& stray : strays) {
            jump(stray.from, stray.to, true);
            quib::practice::UndoJump(f);
            practice::UpdateAids(f);
            if (!(practice::PositionOf(f.board) == here))
                state.SkipWithError("a stray jump was not taken back");
            look(std::chrono::milliseconds(500));  // what it still costs counts to the next jump
        }
    }
    r.peakAboveRestMb = StatusMb("VmHWM") - restMb;
    if (practice::AidsOf(f).Worker) practice::AidsOf(f).Worker->Rest();
    results[first] = r;
    auto share = [](int part, int whole) { return whole > 0 ? static_cast<double>(part) / whole : 0.0; };
    state.counters["on_solution_slowest_ms"] = r.slowestOnSolutionMs;
    state.counters["off_within_50ms"] = share(r.offSolution.within50, r.offSolution.positions);
    state.counters["off_within_500ms"] = share(r.offSolution.within500, r.offSolution.positions);
    state.counters["start_searched_within_500ms"] =
        share(r.startSearched.within500, r.startSearched.positions);
    state.counters["nodes_per_ms"] = searchedMs > 0 ? searchedNodes / searchedMs : 0;
    state.counters["off_most_nodes"] =
        static_cast<double>(std::max(r.offSolution.mostNodes, r.offSolution.undecidedNodes));
    state.counters["off_within_100k_nodes"] = share(r.offSolution.withinNodeTarget, r.offSolution.positions);
    state.counters["after_jump_within_50ms"] = share(r.afterJumpReady, r.afterJump);
    state.counters["cpu_s_per_jump_median"] = Percentile(r.cpuPerJump, 0.5);
    state.counters["cpu_s_per_jump_p95"] = Percentile(r.cpuPerJump, 0.95);
    state.counters["peak_mb_above_rest"] = r.peakAboveRestMb;
}
BENCHMARK(BM_Band)->DenseRange(1, 176, kBand)->Iterations(1)->Unit(benchmark::kSecond);

// With QUIB_BENCH_NODES=N, only the searches, each until decided or N nodes,
// with no clock: each stray position's nodes by phase (guide first, replay,
// finish, beam, restart) on standard output, and each band's most nodes to
// decide. Node counts are the same on a busy machine as on a quiet one.
// QUIB_BENCH_LEVELS, a list of levels (" 31 145 "), searches those only.
void BM_Nodes(benchmark::State& state) {
    const int first = static_cast<int>(state.range(0));
    const std::int64_t cap = std::atoll(std::getenv("QUIB_BENCH_NODES"));
    const char* only = std::getenv("QUIB_BENCH_LEVELS");
    Session& f = Library().session();
    Decided decided, starts;
    auto search = [&](const practice::Position& p, const practice::Guide& guide, int level, double fraction,
                      Decided& into) {
        practice::FailedTable table;
        practice::Search s(p, table, guide);
        const practice::Verdict v = s.Run(practice::Budget{cap, {}});
        into.Add(0, v, s.nodes());
        const auto phases = s.PhaseNodes();
        std::printf("level %3d at %2.0f %%: %3d frogs, %-8s %9lld nodes (%lld %lld %lld %lld %lld)\n", level,
                    fraction * 100, p.Count(), VerdictName(v), static_cast<long long>(s.nodes()),
                    static_cast<long long>(phases[0]), static_cast<long long>(phases[1]),
                    static_cast<long long>(phases[2]), static_cast<long long>(phases[3]),
                    static_cast<long long>(phases[4]));
        if (ListSlow() && s.nodes() > kNodeTarget) {  // the cells, to study the position
            std::printf("  cells");
            for (int c : p.Cells()) std::printf(" %d", c);
            std::printf("\n");
        }
    };
    for (auto _ : state) {
        for (int level = first; level < first + kBand; ++level) {
            if (only != nullptr &&
                std::string(only).find(" " + std::to_string(level) + " ") == std::string::npos)
                continue;
            f.game.CurrentLevel = level;
            f.library.LevelNeedsGenerating[static_cast<std::size_t>(level)] = false;
            quib::game::StartNewGame(f, 4);
            const practice::Position start = practice::PositionOf(f.board);
            const std::vector<practice::Move> stored = StoredLine(f, level);
            const practice::Guide guide(stored);
            if (level % 5 == 0 && only == nullptr) search(start, practice::Guide::None(), level, 0, starts);
            for (double fraction : {0.1, 0.5, 0.9}) {
                const int k = static_cast<int>(fraction * (level + 2));
                if (k == 0) continue;  // the level start, as in BM_Band
                practice::Position here = start;
                for (int s = 0; s < k; ++s) here = practice::Apply(here, stored[static_cast<std::size_t>(s)]);
                if (const auto stray = StrayAt(here, stored, k))
                    search(*stray, guide, level, fraction, decided);
            }
        }
    }
    std::printf("levels %d-%d: strays %d, within 100k nodes %d, most nodes %s; starts %d, within 100k %d\n",
                first, first + kBand - 1, decided.positions, decided.withinNodeTarget,
                MostNodes(decided).c_str(), starts.positions, starts.withinNodeTarget);
    std::fflush(stdout);
    state.counters["off_within_100k_nodes"] =
        decided.positions > 0 ? static_cast<double>(decided.withinNodeTarget) / decided.positions : 0;
    state.counters["off_most_nodes"] = static_cast<double>(decided.mostNodes);
}

void PrintTable() {
    std::printf(
        "\n| levels | on solution, slowest | off solution: positions | within 50 ms | within 500 ms | "
        "solvable / lost | start by search alone: within 50 ms | within 500 ms | after the jump, within 50 "
        "ms | "
        "CPU-s per jump, median | CPU-s per jump, p95 | peak memory above rest (MB) | "
        "off solution: most nodes to decide | decided within 100k nodes |\n"
        "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const auto& [first, r] : results) {
        const Decided& o = r.offSolution;
        const Decided& s = r.startSearched;
        auto pct = [](int part, int whole) { return whole > 0 ? 100.0 * part / whole : 0.0; };
        std::printf(
            "| %d–%d | %.3f ms | %d | %.0f %% | %.0f %% | %d / %d | %.0f %% | %.0f %% | %.0f %% (%d) | %.2f "
            "| %.2f | "
            "%.0f | %s | %.0f %% |\n",
            first, first + kBand - 1, r.slowestOnSolutionMs, o.positions, pct(o.within50, o.positions),
            pct(o.within500, o.positions), o.solvable, o.lost, pct(s.within50, s.positions),
            pct(s.within500, s.positions), pct(r.afterJumpReady, r.afterJump), r.afterJump,
            Percentile(r.cpuPerJump, 0.5), Percentile(r.cpuPerJump, 0.95), r.peakAboveRestMb,
            MostNodes(o).c_str(), pct(o.withinNodeTarget, o.positions));
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Library();  // the generator's work is not part of any band
#ifdef __linux__
    malloc_trim(0);  // what the generator freed is not the game's at rest
#endif
    restMb = StatusMb("VmRSS");
    if (std::getenv("QUIB_BENCH_NODES") != nullptr) {
        benchmark::RegisterBenchmark("BM_Nodes", BM_Nodes)->DenseRange(1, 176, kBand)->Iterations(1);
        // A filter given picks bands of BM_Nodes (BM_Nodes/176); the bands of BM_Band never run.
        const std::string filter = benchmark::GetBenchmarkFilter();
        benchmark::RunSpecifiedBenchmarks(filter.rfind("BM_Nodes", 0) == 0 ? filter : "BM_Nodes");
        benchmark::Shutdown();
        return 0;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintTable();
    return 0;
}
