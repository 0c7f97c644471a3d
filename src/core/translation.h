#pragma once
// The player's language in the core: every text a player sees goes through
// Platform::Translate with a context, so that Qt's lupdate finds it and the
// desktop can show it translated. The English source texts are the game's
// own; the game's files never hold a translated text.

#include <string>
#include <string_view>

// Marks a text kept in a table for translation where it is shown; lupdate
// reads it as QT_TRANSLATE_NOOP.
#define QUIB_TRANSLATE_NOOP(context, text) text

namespace quib {

// The text with its lowest-numbered "%1".."%9" replaced by value, as
// QString::arg does, so a translation may put the values in its own order.
std::string Arg(std::string text, std::string_view value);

// The source text with every "%n" replaced by n: what a text is when no
// translation applies.
std::string WithCount(std::string text, int n);

}  // namespace quib
