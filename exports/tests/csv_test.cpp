#include "exports/csv.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <string>
#include <unistd.h>
#include <vector>

namespace trevalo::exports {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(CsvTable, QuotesOnlyTheFieldsThatNeedIt)
{
    const struct {
        std::string field;
        std::string written;
    } cases[] = {
        {"plain", "plain"},
        {"M\xC3\xBCller", "M\xC3\xBCller"},
        {" padded ", " padded "},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"\"", "\"\"\"\""},
        {"one\ntwo", "\"one\ntwo\""},
        {"one\rtwo", "\"one\rtwo\""},
        {"", "\"\""},  // alone on its line, or it would read back as no record
    };
    for (const auto& c : cases)
        EXPECT_EQ(csv_table({"h"}, {{c.field}}), "h\r\n" + c.written + "\r\n") << c.field;

    EXPECT_EQ(csv_table({"a", "b"}, {{"", ""}, {"", "x"}}), "a,b\r\n,\r\n,x\r\n");
    EXPECT_EQ(csv_table({}, {{"x"}}), "x\r\n");
}

// Python's csv module stands for the spreadsheets and scripts the file is for.
TEST(CsvTable, PythonReadsBackEveryField)
{
    const std::vector<std::string> header = {"name", "note", "pace"};
    const Rows rows = {
        {"M\xC3\xBCller", "a,b", "5:30"},
        {"say \"hi\"", "line1\nline2", ""},
        {"cr\rhere", "crlf\r\nhere", "\xF0\x9F\x8F\x83 run"},
        {"", "", ""},
        {""},
        {" padded ", "\"", ",,"},
    };
    char path[] = "/tmp/csv_test_XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    std::ofstream(path, std::ios::binary) << csv_table(header, rows);

    const std::string command =
        "python3 -c 'import csv, json, sys; "
        "json.dump(list(csv.reader(open(sys.argv[1], newline=\"\", encoding=\"utf-8\"), strict=True)), sys.stdout)' " +
        std::string(path);
    FILE* python = ::popen(command.c_str(), "r");
    ASSERT_NE(python, nullptr);
    QByteArray json;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, python)) > 0;)
        json.append(buffer, static_cast<qsizetype>(got));
    const int status = ::pclose(python);
    std::remove(path);
    ASSERT_EQ(status, 0) << "python3 could not read the file: " << json.toStdString();

    Rows read;
    for (const auto& record : QJsonDocument::fromJson(json).array()) {
        read.emplace_back();
        for (const auto& field : record.toArray())
            read.back().push_back(field.toString().toStdString());
    }
    Rows expected = rows;
    expected.insert(expected.begin(), header);
    EXPECT_EQ(read, expected) << json.toStdString();
}

TEST(CsvNumber, ShortestDecimalRoundedHalfToEven)
{
    const struct {
        double value;
        int max_decimals;
        const char* text;
    } cases[] = {
        {0.0, 2, "0"},
        {-0.0, 2, "0"},
        {12.0, 2, "12"},
        {1.5, 3, "1.5"},
        {2.25, 1, "2.2"},
        {2.35, 1, "2.4"},
        {0.125, 2, "0.12"},
        {2.675, 2, "2.68"},  // binary 2.67499999..., but "2.675" is what a person reads
        {3.5, 0, "4"},
        {-2.5, 0, "-2"},
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
        {-std::numeric_limits<double>::infinity(), 2, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(csv_number(c.value, c.max_decimals), c.text) << c.value << " with " << c.max_decimals;
}

}  // namespace
}  // namespace trevalo::exports
