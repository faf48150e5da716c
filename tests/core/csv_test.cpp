#include "core/csv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace vrk {
namespace {

using Fields = std::vector<std::string>;

TEST(Csv, SplitsQuotedFieldsAndRefusesAnOpenQuote) {
    EXPECT_EQ(splitCsvLine("a,b,,d"), (Fields{"a", "b", "", "d"}));
    EXPECT_EQ(splitCsvLine("1998,\"Smith, John\",\"say \"\"hi\"\"\""),
              (Fields{"1998", "Smith, John", "say \"hi\""}));
    EXPECT_EQ(splitCsvLine(""), (Fields{""}));
    EXPECT_FALSE(splitCsvLine("a,\"open").has_value());
}

TEST(Csv, ReadsHeaderRowsAndLineNumbers) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("vrk_csv_test_" + std::to_string(::getpid()) + ".csv");
    {
        std::ofstream out(path, std::ios::binary);
        out << "\xEF\xBB\xBFyearID,teamID\r\n1998,NYA\r\n\r\n1999,\"BOS\n2000,CHA\n";
    }
    const CsvTable t = readCsvFile(path.string(), "T.csv");
    std::filesystem::remove(path);
    EXPECT_EQ(t.column("yearID"), 0);
    EXPECT_EQ(t.column("teamID"), 1);
    EXPECT_EQ(t.column("lgID"), -1);
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0].line, 2);
    EXPECT_EQ(t.rows[1].line, 5);
    EXPECT_EQ(t.rows[1].fields[1], "CHA");
    ASSERT_EQ(t.problems.size(), 1u);
    EXPECT_EQ(t.problems[0], "T.csv line 4: unterminated quote");
}

TEST(Csv, IntegersAreWholeNumbersOrNothing) {
    EXPECT_EQ(csvInteger(" 42 "), 42);
    EXPECT_EQ(csvInteger("-3"), -3);
    EXPECT_FALSE(csvInteger("").has_value());
    EXPECT_FALSE(csvInteger("4.5").has_value());
    EXPECT_FALSE(csvInteger("12abc").has_value());
}

}  // namespace
}  // namespace vrk
