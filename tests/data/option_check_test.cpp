#include <gtest/gtest.h>

#include <string>

#include "data/option_check.h"

namespace vrk {
namespace {

// What each option string is worth: refused, warned about or taken as it is.
TEST(OptionCheck, ValuesNamesAndUnknownOptions) {
    enum Verdict { Fine, Warned, Refused };
    const struct {
        const char* options;
        Verdict verdict;
    } cases[] = {
        {"/V:CAMHAVEN /H:FELVORA /N:3 /SEED:42", Fine},
        {"/N:1000000 /SEED:0 /SP:S5 /VP:R3 /HP:7 /SP:12 /SP:A /DEL:7 /CC:80 /CR:25", Fine},
        {"/T:Y /T:-1.5 /DH:E /DH /AUL /VM:+ /HM:- /ST:SEASON /SER:WEEK /V:CAMHAVEN.DAT", Fine},
        {"/SEED:9223372036854775807", Fine},
        {"/SEED:18446744073709551615", Refused},  // 26 characters
        {"/N:-5", Refused},
        {"/N:0", Refused},
        {"/N:abc", Refused},
        {"/N:1e3", Refused},
        {"/N:1000001", Refused},
        {"/SEED:abc", Refused},
        {"/SEED:-1", Refused},
        {"/SEED:18446744073709551616", Refused},
        {"/SP:ZZ", Refused},
        {"/HP:Q3", Refused},
        {"/DEL:9", Refused},
        {"/DH:Q", Refused},
        {"/V:\\ESC\\T", Refused},
        {"/ST:..\\X", Refused},
        {"/ST:.\\SEASON", Refused},
        {"/SER:\\ESC\\W", Refused},
        {"/SCH:..", Refused},
        {"/SEEED:42", Warned},
        {"--frob", Fine},  // not an option string at all: the command line tells it
        {"/V:CAMHAVENS", Warned},
    };
    for (const auto& c : cases) {
        const auto findings = checkOptionString(c.options, UnknownOptions::Warn);
        bool refused = false;
        for (const OptionFinding& f : findings) refused = refused || f.refused;
        const Verdict got = refused ? Refused : findings.empty() ? Fine : Warned;
        EXPECT_EQ(got, c.verdict) << c.options << (findings.empty() ? "" : ": " + findings[0].text);
    }
}

TEST(OptionCheck, SeriesLinesIgnoreUnknownTokensButNotBadValues) {
    EXPECT_TRUE(checkOptionString("/V:A /H:B /FROB:1 note /XYZ", UnknownOptions::Ignore).empty());
    const auto bad = checkOptionString("/V:A /H:B /N:x", UnknownOptions::Ignore);
    ASSERT_EQ(bad.size(), 1u);
    EXPECT_TRUE(bad[0].refused);
    EXPECT_NE(bad[0].text.find("/N:x"), std::string::npos);
}

}  // namespace
}  // namespace vrk
