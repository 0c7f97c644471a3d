#pragma once
// A platform under the test's control: a settable clock, scripted or seeded
// random numbers, and a record of every sound, link, mail, help file and
// question the game asked for.

#include <cmath>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/platform.h"
#include "core/random.h"

namespace quib::testing {

class FakePlatform : public Platform {
public:
    // The clock: time of day in seconds, a day of the month, and the date-time.
    double timeOfDay = 12 * 3600.0;
    int day = 7;
    std::int64_t now = 1'800'000'000;
    double nowFraction = 0;
    // Advances every clock reading by the given seconds (across midnight too).
    void Advance(double seconds) {
        timeOfDay += seconds;
        // The date-time moves in whole seconds, however small the steps.
        nowFraction += seconds;
        const double whole = std::floor(nowFraction);
        now += static_cast<std::int64_t>(whole);
        nowFraction -= whole;
        while (timeOfDay >= 86400) {
            timeOfDay -= 86400;
            ++day;
        }
    }

    // Random numbers: scripted values first, then a seeded sequence.
    std::deque<double> script;
    RandomSource random{12345};
    int randomizeCalls = 0;
    // When true, Randomize() re-seeds from the clock as the real game does
    // (a fresh seed even for equal readings); otherwise it leaves the
    // sequence alone so tests stay reproducible.
    bool reseedFromClock = false;

    // What the game asked for.
    std::vector<std::string> sounds;
    std::vector<std::string> urls;
    std::vector<std::pair<std::string, std::string>> mails;
    std::vector<std::string> shownFiles;
    std::vector<std::string> questions;
    std::vector<std::string> infos;
    bool answerYes = true;
    // Runs while the question is open, as events the question's own loop
    // delivers (a signal, another timer tick).
    std::function<void()> whileAsking;
    // Runs while an information box is open.
    std::function<void()> whileInforming;

    double Timer() override { return timeOfDay; }
    std::int64_t Now() override { return now; }
    int Day() override { return day; }
    int rndCalls = 0;
    double Rnd() override {
        ++rndCalls;
        if (!script.empty()) {
            const double v = script.front();
            script.pop_front();
            return v;
        }
        return random.Next();
    }
    void Randomize() override {
        ++randomizeCalls;
        if (reseedFromClock) random.Seed(FreshSeed(static_cast<std::uint64_t>(timeOfDay * 1000)));
    }
    void PlaySound(const std::string& path) override { sounds.push_back(path); }
    void OpenUrl(const std::string& url) override { urls.push_back(url); }
    void ComposeMail(const std::string& subject, const std::string& body) override {
        mails.emplace_back(subject, body);
    }
    void ShowTextFile(const std::string& path) override { shownFiles.push_back(path); }
    bool AskYesNo(const std::string& question, const std::string& title) override {
        questions.push_back(title + ": " + question);
        if (whileAsking) whileAsking();
        return answerYes;
    }
    void ShowInfo(const std::string& text) override {
        infos.push_back(text);
        if (whileInforming) whileInforming();
    }
};

}  // namespace quib::testing
