// The program's string table: the wizard's captions and the design-time hint, and the reading
// rules of the table's text.

#include "app/StringTable.h"

#include <gtest/gtest.h>

TEST(StringTable, ProgramTableHoldsTheWizardCaptionsAndTheHint) {
    struct Row {
        int Id;
        const char* Text;
    };
    const Row rows[] = {{1, "&Help"},  {2, "< &Back"},
                        {3, "Next >"}, {4, "&Finish"},
                        {5, "Cancel"}, {6, "Use the right mouse button to add pages."}};
    for (const Row& r : rows)
        EXPECT_EQ(LoadStr(r.Id), QString::fromUtf8(r.Text)) << "id " << r.Id;
}

TEST(StringTable, UnknownIdsGiveEmptyText) {
    EXPECT_TRUE(LoadStr(0).isEmpty());
    EXPECT_TRUE(LoadStr(7).isEmpty());
    EXPECT_TRUE(LoadStr(-1).isEmpty());
}

TEST(StringTable, ReadsQuotesBlanksAndSkipsMalformedLines) {
    const TStringTable table(QByteArray("# comment\n"
                                        "1 \"plain\"\n"
                                        "2\t\"say \"\"hi\"\"\"\r\n"
                                        "3 \"  padded  \"\n"
                                        "4 \"unterminated\n"
                                        "5 no quotes\n"
                                        "x6 \"bad id\"\n"
                                        "7\"no blank\"\n"
                                        "8 \"trailing\" junk\n"
                                        "9 \"\"\n"
                                        "1 \"replaced\"\n"));
    EXPECT_EQ(table.Text(1), QStringLiteral("replaced"));
    EXPECT_EQ(table.Text(2), QStringLiteral("say \"hi\""));
    EXPECT_EQ(table.Text(3), QStringLiteral("  padded  "));
    for (int id : {4, 5, 6, 7, 8})
        EXPECT_TRUE(table.Text(id).isEmpty()) << "id " << id;
    EXPECT_TRUE(table.Text(9).isEmpty());
    EXPECT_EQ(table.Count(), 4); // 1, 2, 3 and the empty 9
}
