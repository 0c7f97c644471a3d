#pragma once
// Everything the game needs from the outside world. The desktop front end
// implements it with Qt; tests use a fake that scripts the clock and the dice.

#include <cstdint>
#include <string>

namespace quib {

class Platform {
public:
    virtual ~Platform() = default;

    // Time of day as fractional seconds since local midnight.
    virtual double Timer() = 0;
    // Current local date and time as whole seconds since the epoch; only
    // differences between two readings matter to the game.
    virtual std::int64_t Now() = 0;
    // Day of the month (1..31) of the current local date.
    virtual int Day() = 0;

    // A random number uniform in [0, 1).
    virtual double Rnd() = 0;
    // Re-seeds the random numbers. Every call must give a seed of its own,
    // even when called many times within one tick of a coarse clock.
    virtual void Randomize() = 0;

    // Starts playing a wave file and returns at once.
    virtual void PlaySound(const std::string& path) = 0;
    // Hands a web address to the desktop's default handler; the result is
    // never relied on.
    virtual void OpenUrl(const std::string& url) = 0;
    // Opens the user's own mail program with a message ready to send.
    virtual void ComposeMail(const std::string& subject, const std::string& body) = 0;
    // Shows a plain text file to the player.
    virtual void ShowTextFile(const std::string& path) = 0;
    // The exit question: true for Yes.
    virtual bool AskYesNo(const std::string& question, const std::string& title) = 0;
    // An information box with an OK button.
    virtual void ShowInfo(const std::string& text) = 0;

    // A text the player sees, in the player's language. The context groups
    // the texts for the translators, the comment tells two equal texts
    // apart, and a count n >= 0 picks the plural form and replaces "%n".
    // Without a translation the English source text stands as it is.
    std::string Translate(const char* context, const char* text, const char* comment = "", int n = -1) {
        return Translated(context, text, comment, n);
    }

protected:
    // The desktop looks the text up in Qt's catalogues; the game without
    // one (the tests' fake) speaks English.
    virtual std::string Translated(const char* context, const char* text, const char* comment, int n);
};

}  // namespace quib
