#include "exports/csv.h"
#include "test_support/read_back.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include <limits>

namespace trevalo::exports {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// Python's csv module stands for the spreadsheets and scripts the file is for.
TEST(CsvTable, QuotesOnlyWhatNeedsItAndPythonReadsBackEveryField)
{
    const Rows table = {
        {"h1", "h2", "h3"},
        {"plain", "M\xC3\xBCller", " padded "},
        {"a,b", "say \"hi\"", "\""},
        {"one\ntwo", "one\rtwo", "crlf\r\nhere"},
        {"", "", ""},
        {""},  // alone on its line, or it would read back as no record
        {"", "x"},
        {"\xF0\x9F\x8F\x83 run", ",,", "5:30"},
    };
    const std::string csv = csv_table(table[0], Rows(table.begin() + 1, table.end()));
    EXPECT_EQ(csv, "h1,h2,h3\r\n"
                   "plain,M\xC3\xBCller, padded \r\n"
                   "\"a,b\",\"say \"\"hi\"\"\",\"\"\"\"\r\n"
                   "\"one\ntwo\",\"one\rtwo\",\"crlf\r\nhere\"\r\n"
                   ",,\r\n"
                   "\"\"\r\n"
                   ",x\r\n"
                   "\xF0\x9F\x8F\x83 run,\",,\",5:30\r\n");
    EXPECT_EQ(csv_table({}, {{"x"}}), "x\r\n");
    if (const std::string missing = test_support::missing("command -v python3", "python3"); !missing.empty())
        GTEST_SKIP() << missing;

    const auto [status, json] = test_support::read_back(
        "python3 -c 'import csv, json, sys; "
        "json.dump(list(csv.reader(open(sys.argv[1], newline=\"\", encoding=\"utf-8\"), strict=True)), sys.stdout)'",
        {csv});
    ASSERT_EQ(status, 0) << "python3 could not read the file: " << json;
    Rows read;
    for (const auto& record : QJsonDocument::fromJson(QByteArray::fromStdString(json)).array()) {
        read.emplace_back();
        for (const auto& field : record.toArray())
            read.back().push_back(field.toString().toStdString());
    }
    EXPECT_EQ(read, table) << json;
}

TEST(CsvNumber, ShortestDecimalRoundedHalfToEven)
{
    for (const auto& [value, max_decimals, text] : {
             std::tuple{0.0, 2, "0"},
             {-0.0, 2, "0"},
             {12.0, 2, "12"},
             {1.5, 3, "1.5"},
             {2.25, 1, "2.2"},
             {2.35, 1, "2.4"},
             {0.125, 2, "0.12"},
             {3.5, 0, "4"},
             {-2.5, 0, "-2"},
             {2.675, 2, "2.68"},  // binary 2.67499999..., but "2.675" is what a person reads
             {9.995, 2, "10"},
             {99.96, 1, "100"},
             {1.0 / 3, 4, "0.3333"},
             {0.1 + 0.2, 15, "0.3"},
             {1e-9, 3, "0"},
             {-1e-9, 3, "0"},
             {-0.05, 1, "0"},
             {-0.06, 1, "-0.1"},
             {-3.14159, 2, "-3.14"},
             {123456.789, 2, "123456.79"},
             {1e21, 0, "1000000000000000000000"},
             {std::numeric_limits<double>::quiet_NaN(), 2, ""},
             {-std::numeric_limits<double>::infinity(), 2, ""}})
        EXPECT_EQ(csv_number(value, max_decimals), text) << value << " with " << max_decimals;
}

}  // namespace
}  // namespace trevalo::exports
