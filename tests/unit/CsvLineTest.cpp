// The exact bytes of CSV records: what needs quoting is quoted, inner quotes
// doubled, every record ended by CRLF.
#include "cli/CsvLine.h"

#include <gtest/gtest.h>

TEST(CsvLine, QuotesExactlyTheFieldsThatNeedIt)
{
    const struct { std::vector<std::string> fields; std::string line; } rows[] = {
        {{}, "\r\n"},
        {{"plain", "样张 é", "back\\slash", "tab\tctl\x01"}, "plain,样张 é,back\\slash,tab\tctl\x01\r\n"},
        {{"", "", ""}, ",,\r\n"},
        {{"a,b"}, "\"a,b\"\r\n"},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\"\r\n"},
        {{"\"lead", "a, \"b\""}, "\"\"\"lead\",\"a, \"\"b\"\"\"\r\n"},
        {{"new\nline", "cr\r"}, "\"new\nline\",\"cr\r\"\r\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CsvLine(row.fields), row.line);
}
