// Numbers and names go into a translated text at its own markers, so a
// language may put them in its own order ("%2 ... %1").

#include "core/translation.h"

#include <gtest/gtest.h>

namespace quib {
namespace {

TEST(Translation, ArgFillsTheLowestMarkerWhereverItStands) {
    struct Case {
        const char* text;
        const char* first;
        const char* second;
        const char* expected;
    };
    for (const Case& c : {
             Case{"SCORE: %1   Time %2", "12", "0:1:5", "SCORE: 12   Time 0:1:5"},
             Case{"Zeit %2, Punkte %1", "12", "0:1:5", "Zeit 0:1:5, Punkte 12"},
             Case{"%1 of %1", "3", "-", "3 of 3"},
             Case{"no marker", "3", "4", "no marker"},
         }) {
        EXPECT_EQ(Arg(Arg(c.text, c.first), c.second), c.expected) << c.text;
    }
    EXPECT_EQ(WithCount("jump %n more frog(s), %n", 2), "jump 2 more frog(s), 2");
    EXPECT_EQ(WithCount("%n left", -1), "%n left") << "no count, no change";
}

}  // namespace
}  // namespace quib
