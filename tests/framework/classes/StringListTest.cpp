#include "framework/classes/StringList.h"

#include <gtest/gtest.h>

namespace {

// Records OnChanging/OnChange in order, with the count at each notice.
struct TChangeLog {
    explicit TChangeLog(TStringList& list) {
        list.OnChanging = [this, &list](TObject* sender) {
            EXPECT_EQ(sender, &list);
            Events.push_back("changing:" + QString::number(list.Count()));
        };
        list.OnChange = [this, &list](TObject* sender) {
            EXPECT_EQ(sender, &list);
            Events.push_back("change:" + QString::number(list.Count()));
        };
    }
    std::vector<QString> Events;
};

TStringList* Filled(TStringList& list, std::initializer_list<const char*> items) {
    for (const char* s : items)
        list.Add(QString::fromUtf8(s));
    return &list;
}

QStringList Items(const TStrings& list) {
    return list.ToStringList();
}

TEST(StringListNotification, EachChangeNotifiesBeforeAndAfter) {
    TStringList list;
    TChangeLog log(list);
    list.Add("a");
    list.Insert(0, "b");
    list.Delete(1);
    list.Clear();
    list.Clear(); // nothing to clear, nothing to report
    EXPECT_EQ(log.Events,
              (std::vector<QString>{"changing:0", "change:1", "changing:1", "change:2",
                                    "changing:2", "change:1", "changing:1", "change:0"}));
}

TEST(StringListNotification, NestedUpdateGivesOnePairAroundAllChanges) {
    TStringList list;
    TChangeLog log(list);
    list.BeginUpdate();
    list.Add("a");
    list.BeginUpdate();
    list.Add("b");
    list.EndUpdate();
    EXPECT_EQ(log.Events, (std::vector<QString>{"changing:0"}));
    list.Add("c");
    list.EndUpdate();
    EXPECT_EQ(log.Events, (std::vector<QString>{"changing:0", "change:3"}));
    list.EndUpdate(); // unbalanced: ignored, and no negative count left behind
    list.Add("d");
    EXPECT_EQ(log.Events.size(), 4u);
    EXPECT_EQ(list.UpdateCount(), 0);
}

TEST(StringListNotification, BulkOperationsNotifyOnce) {
    TStringList list, other;
    Filled(other, {"x", "y", "z"});
    TChangeLog log(list);
    list.SetText("a\r\nb\r\nc");
    list.SetCommaText("a,b");
    list.AddStrings(&other);
    list.Assign(&other);
    list.Exchange(0, 2);
    list.Move(0, 1);
    EXPECT_EQ(log.Events,
              (std::vector<QString>{"changing:0", "change:3", "changing:3", "change:2",
                                    "changing:2", "change:5", "changing:5", "change:3",
                                    "changing:3", "change:3", "changing:3", "change:3"}));
}

TEST(StringListNotification, FailedOperationEndsItsUpdate) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(dupError);
    TChangeLog log(list);
    EXPECT_THROW(list.SetCommaText("a,b,a"), EStringListError);
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_EQ(log.Events, (std::vector<QString>{"changing:0", "change:2"}));
    list.Add("c"); // still heard
    EXPECT_EQ(log.Events.size(), 4u);
}

TEST(StringListText, SplitsAtEveryLineBreakKind) {
    const struct {
        const char* Text;
        QStringList Lines;
    } rows[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}}, // a final break ends the last line, adds none
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}}, // LF CR is two breaks
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {" a \t\r\nb", {" a \t", "b"}},
    };
    TStringList list;
    for (const auto& r : rows) {
        list.SetText(QString::fromUtf8(r.Text));
        EXPECT_EQ(Items(list), r.Lines) << r.Text;
    }
}

TEST(StringListText, TextTerminatesEveryLine) {
    TStringList list;
    EXPECT_EQ(list.Text(), QString());
    Filled(list, {"a", "", "b"});
    EXPECT_EQ(list.Text(), QStringLiteral("a\r\n\r\nb\r\n"));
    TStringList copy;
    copy.SetText(list.Text());
    EXPECT_TRUE(copy.Equals(&list));
}

TEST(StringListCommaText, QuotesOnlyWhatNeedsIt) {
    TStringList list;
    Filled(list, {"plain", "two words", "", "a,b", "say \"hi\"", "tab\there"});
    EXPECT_EQ(list.CommaText(),
              QStringLiteral("plain,\"two words\",\"\",\"a,b\",\"say \"\"hi\"\"\",\"tab\there\""));
}

TEST(StringListCommaText, RoundTrips) {
    const QStringList cases[] = {
        {},
        {""},
        {"", ""},
        {"a", ""},
        {"\"", "\"\"", "x\"y"},
        {" lead", "trail ", "in side", "line\r\nbreak"},
        {"\u00e9t\u00e9", "caf\u00e9,bar", "\u65e5\u672c"},
        {"'single'", "#13", "a=b"},
    };
    for (const auto& items : cases) {
        TStringList list, back;
        list.SetStringList(items);
        back.SetCommaText(list.CommaText());
        EXPECT_EQ(Items(back), items) << list.CommaText().toStdString();
    }
}

TEST(StringListCommaText, ParsesBlanksAsSeparatorsOutsideQuotes) {
    const struct {
        const char* Text;
        QStringList Items;
    } rows[] = {
        {"a b", {"a", "b"}},
        {"  a ,  b  ", {"a", "b"}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"\"a b\" c", {"a b", "c"}},
        {"\"unclosed", {"unclosed"}},
        {"", {}},
        {"   ", {}},
    };
    TStringList list;
    for (const auto& r : rows) {
        list.SetCommaText(QString::fromUtf8(r.Text));
        EXPECT_EQ(Items(list), r.Items) << r.Text;
    }
}

TEST(StringListSorted, AddKeepsCaseInsensitiveOrder) {
    TStringList list;
    Filled(list, {"pear", "Apple", "fig"});
    list.SetSorted(true);
    EXPECT_EQ(Items(list), (QStringList{"Apple", "fig", "pear"}));
    EXPECT_EQ(list.Add("banana"), 1);
    EXPECT_EQ(list.Add("zucchini"), 4);
    EXPECT_EQ(list.Add("Aardvark"), 0);
    EXPECT_EQ(Items(list), (QStringList{"Aardvark", "Apple", "banana", "fig", "pear", "zucchini"}));
    EXPECT_EQ(list.IndexOf("FIG"), 3);
    EXPECT_EQ(list.IndexOf("grape"), -1);
    int at = -1;
    EXPECT_FALSE(list.Find("grape", at));
    EXPECT_EQ(at, 4); // where it would go
}

TEST(StringListSorted, DuplicatesFollowTheirMode) {
    TObject first, second;
    TStringList list;
    list.SetSorted(true);
    list.AddObject("b", &first);
    list.Add("a");

    // Ignored: the existing entry keeps its object, and its index comes back.
    EXPECT_EQ(list.AddObject("B", &second), 1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Objects(1), &first);

    list.SetDuplicates(dupError);
    try {
        list.Add("A");
        ADD_FAILURE() << "duplicate accepted";
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("String list does not allow duplicates"));
    }
    EXPECT_EQ(list.Count(), 2);

    list.SetDuplicates(dupAccept);
    list.Add("b");
    list.Add("B");
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.IndexOf("b"), 1); // the first of the equal run
    EXPECT_EQ(list.IndexOf("a"), 0);
}

TEST(StringListSorted, PositionalChangesAreRefusedWithoutLoss) {
    TStringList list;
    Filled(list, {"c", "a", "b"});
    list.SetSorted(true);
    TChangeLog log(list);
    EXPECT_THROW(list.Insert(0, "z"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, "z"), EStringListError);
    EXPECT_THROW(list.Move(0, 2), EStringListError);
    EXPECT_THROW(list.Exchange(0, 2), EStringListError);
    EXPECT_EQ(Items(list), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(list.UpdateCount(), 0);
    list.Sort(); // already in order: no change to report
    EXPECT_TRUE(log.Events.empty());
}

TEST(StringListSorted, SortIsStableForEqualStrings) {
    TObject o1, o2, o3;
    TStringList list;
    list.AddObject("b", &o1);
    list.AddObject("A", &o2);
    list.AddObject("B", &o3);
    list.Sort();
    EXPECT_EQ(Items(list), (QStringList{"A", "b", "B"}));
    EXPECT_EQ(list.Objects(1), &o1);
    EXPECT_EQ(list.Objects(2), &o3);
}

TEST(StringListIndex, OutOfBoundsNamesTheIndex) {
    TStringList list;
    Filled(list, {"a", "b"});
    const struct {
        const char* What;
        std::function<void()> Call;
        int Index;
    } rows[] = {
        {"Get(-1)", [&] { list.Strings(-1); }, -1},
        {"Get(2)", [&] { list.Strings(2); }, 2},
        {"Objects(2)", [&] { list.Objects(2); }, 2},
        {"SetObjects(5)", [&] { list.SetObjects(5, nullptr); }, 5},
        {"Put(2)", [&] { list.SetStrings(2, "x"); }, 2},
        {"Delete(2)", [&] { list.Delete(2); }, 2},
        {"Insert(3)", [&] { list.Insert(3, "x"); }, 3},
        {"Insert(-1)", [&] { list.Insert(-1, "x"); }, -1},
        {"Move(0, 2)", [&] { list.Move(0, 2); }, 2},
        {"Move(7, 0)", [&] { list.Move(7, 0); }, 7},
        {"Exchange(0, 9)", [&] { list.Exchange(0, 9); }, 9},
    };
    for (const auto& r : rows) {
        try {
            r.Call();
            ADD_FAILURE() << r.What << " accepted";
        } catch (const EStringListError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("List index out of bounds (%1)").arg(r.Index))
                << r.What;
        }
        // A refused call changes nothing.
        EXPECT_EQ(Items(list), (QStringList{"a", "b"})) << r.What;
        EXPECT_EQ(list.UpdateCount(), 0) << r.What;
    }
    list.Insert(2, "c"); // the end is a valid insertion point
    EXPECT_EQ(Items(list), (QStringList{"a", "b", "c"}));
}

TEST(StringListEditing, MoveAndExchangeCarryObjects) {
    TObject o1, o2, o3;
    TStringList list;
    list.AddObject("a", &o1);
    list.AddObject("b", &o2);
    list.AddObject("c", &o3);
    list.Move(0, 2);
    EXPECT_EQ(Items(list), (QStringList{"b", "c", "a"}));
    EXPECT_EQ(list.Objects(2), &o1);
    list.Exchange(0, 2);
    EXPECT_EQ(Items(list), (QStringList{"a", "c", "b"}));
    EXPECT_EQ(list.Objects(0), &o1);
    EXPECT_EQ(list.Objects(2), &o2);
}

TEST(StringListEditing, AddingAListToItselfDoublesItOnce) {
    TStringList list;
    Filled(list, {"a", "b"});
    list.AddStrings(&list);
    EXPECT_EQ(Items(list), (QStringList{"a", "b", "a", "b"}));
    list.Assign(&list);
    EXPECT_EQ(list.Count(), 4);
}

} // namespace
