#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/play_text.h"

namespace vrk {
namespace {

// The notation is built piece by piece over a pass; each sequence must leave
// the same text a string would, and a reused text must not keep old pieces.
TEST(PlayText, PiecesComposeAsAStringWould) {
    struct Case {
        const char* what;
        std::function<void(PlayText&)> build;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"assigned", [](PlayText& t) { t = "1B"; }, "1B"},
        {"positions appended",
         [](PlayText& t) {
             t.clear();
             t.push_back('6');
             t.append("-");
             t.push_back('3');
             t += " DP";
         },
         "6-3 DP"},
        {"a shorter text over a longer", [](PlayText& t) { t = "K"; }, "K"},
        {"repeated letter", [](PlayText& t) { t.assign(2, 'K'); }, "KK"},
        {"error appended",
         [](PlayText& t) {
             t = "1B";
             t.append("/E-8");
         },
         "1B/E-8"},
        {"cleared", [](PlayText& t) { t.clear(); }, ""},
    };
    PlayText text;
    text = "I-FLY-4 and more than any case";
    for (const Case& c : cases) {
        c.build(text);
        EXPECT_EQ(text, c.expected) << c.what;
        EXPECT_EQ(text.size(), std::string(c.expected).size()) << c.what;
        EXPECT_EQ(text.empty(), *c.expected == '\0') << c.what;
    }
}

TEST(PlayText, SearchesSeeOnlyTheCurrentText) {
    PlayText text;
    text = "6-3/E-3 DP";
    text = "6-3";
    EXPECT_EQ(text.find("/E-"), PlayText::npos);
    EXPECT_EQ(text.rfind("6", 0), 0u);
    text.append("/E-3");
    EXPECT_EQ(text.find("/E-"), 3u);
    EXPECT_EQ(text.substr(4), "E-3");
    EXPECT_EQ(text.substr(0, 1), "6");
}

// A text past the room is cut at the room, by every way of writing it, and
// the bytes after the text are never written.
TEST(PlayText, ALongTextIsCutNotOverrun) {
    const std::string longText(PlayText::kRoom + 10, 'x');
    struct Holder {
        PlayText text;
        char guard = 'g';
    };
    const std::vector<std::function<void(PlayText&)>> writes = {
        [&](PlayText& t) { t = longText; },
        [&](PlayText& t) { t.assign(longText.size(), 'x'); },
        [&](PlayText& t) {
            t = "x";
            t.append(longText);
        },
        [&](PlayText& t) {
            t.clear();
            for (std::size_t i = 0; i < longText.size(); ++i) t.push_back('x');
        },
    };
    for (std::size_t i = 0; i < writes.size(); ++i) {
        Holder h;
        writes[i](h.text);
        EXPECT_EQ(h.text, std::string(PlayText::kRoom, 'x')) << i;
        EXPECT_EQ(h.guard, 'g') << i;
    }
}

}  // namespace
}  // namespace vrk
