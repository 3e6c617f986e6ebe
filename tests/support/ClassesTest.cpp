#include "support/Classes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/Errors.h"
#include "tests/common/ErrorMessage.h"

using testing::ElementsAre;
using testing::ElementsAreArray;

namespace {

// Records every notification as "+name" or "-name".
class TRecordingList : public TList {
public:
    std::vector<std::string> events;

protected:
    void Notify(void* item, TListNotification action) override
    {
        events.push_back((action == lnAdded ? "+" : "-") + *static_cast<std::string*>(item));
    }
};

// Owns its items and frees them when they leave the list.
class TOwningList : public TList {
public:
    explicit TOwningList(std::vector<int>& freed) : freed_(freed) {}
    ~TOwningList() override { Clear(); }

protected:
    void Notify(void* item, TListNotification action) override
    {
        if (action != lnDeleted) return;
        std::unique_ptr<int> owned(static_cast<int*>(item));
        freed_.push_back(*owned);
    }

private:
    std::vector<int>& freed_;
};

std::vector<std::string> Items(const TStrings& list)
{
    std::vector<std::string> items;
    for (std::int32_t i = 0; i < list.Count(); ++i) items.push_back(list.Get(i));
    return items;
}

}  // namespace

TEST(Growth, DeltaDependsOnTheCurrentCapacity)
{
    struct Case {
        std::int32_t capacity;
        std::int32_t delta;
    };
    for (const Case& c : {Case{0, 4}, Case{4, 4}, Case{8, 4}, Case{9, 16}, Case{64, 16}, Case{65, 16},
                          Case{68, 17}, Case{100, 25}, Case{1000, 250}}) {
        SCOPED_TRACE(c.capacity);
        EXPECT_EQ(GrowthDelta(c.capacity), c.delta);
    }
}

TEST(Growth, ListsGrowOnlyWhenFull)
{
    TList list;
    TStringList strings;
    std::vector<std::int32_t> listCapacities;
    std::vector<std::int32_t> stringCapacities;
    for (int i = 0; i < 100; ++i) {
        list.Add(nullptr);
        strings.Add("s" + std::to_string(i));
        if (listCapacities.empty() || listCapacities.back() != list.Capacity())
            listCapacities.push_back(list.Capacity());
        if (stringCapacities.empty() || stringCapacities.back() != strings.Capacity())
            stringCapacities.push_back(strings.Capacity());
    }
    const std::vector<std::int32_t> expected = {4, 8, 12, 28, 44, 60, 76, 95, 118};
    EXPECT_EQ(listCapacities, expected);
    EXPECT_EQ(stringCapacities, expected);
}

TEST(List, AddInsertDeleteKeepTheOrder)
{
    int a = 1, b = 2, c = 3, d = 4;
    TList list;
    EXPECT_EQ(list.Add(&a), 0);
    EXPECT_EQ(list.Add(&c), 1);
    list.Insert(1, &b);
    list.Insert(3, &d);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list[0], &a);
    EXPECT_EQ(list[1], &b);
    EXPECT_EQ(list[2], &c);
    EXPECT_EQ(list[3], &d);
    list.Delete(0);
    EXPECT_EQ(list.Get(0), &b);
    EXPECT_EQ(list.IndexOf(&d), 2);
    EXPECT_EQ(list.IndexOf(&a), -1);
    list.Exchange(0, 2);
    EXPECT_EQ(list[0], &d);
    list.Move(0, 2);
    EXPECT_EQ(list[2], &d);
    EXPECT_EQ(list[0], &c);
}

TEST(List, RemoveTakesTheFirstEqualPointerOrNothing)
{
    int a = 1, b = 2;
    TList list;
    list.Add(&a);
    list.Add(&b);
    list.Add(&a);
    EXPECT_EQ(list.Remove(&a), 0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list[1], &a);

    int missing = 0;
    EXPECT_EQ(list.Remove(&missing), -1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list[0], &b);
    EXPECT_EQ(list[1], &a);
}

TEST(List, NotifiesAdditionsAndRemovalsOfNonNullItems)
{
    std::string a = "a", b = "b", c = "c", d = "d";
    TRecordingList list;
    list.Add(&a);
    list.Add(nullptr);
    list.Insert(0, &b);
    list.Add(&c);
    list.Delete(1);     // a
    list.Remove(&c);
    list.Put(0, &d);    // replaces b
    list.Add(&a);
    list.Add(&c);
    list.Clear();       // c, a, (nullptr), d from the last
    EXPECT_THAT(list.events,
                ElementsAre("+a", "+b", "+c", "-a", "-c", "-b", "+d", "+a", "+c", "-c", "-a", "-d"));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(List, AnOwningSubclassFreesFromTheLastToTheFirst)
{
    std::vector<int> freed;
    {
        TOwningList list(freed);
        for (int i = 1; i <= 4; ++i) list.Add(std::make_unique<int>(i).release());
        list.Delete(1);
        EXPECT_THAT(freed, ElementsAre(2));
    }
    EXPECT_THAT(freed, ElementsAre(2, 4, 3, 1));
}

TEST(List, SetCountPadsWithNullAndDeletesFromTheEnd)
{
    std::string a = "a", b = "b", c = "c";
    TRecordingList list;
    list.Add(&a);
    list.SetCount(3);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list[1], nullptr);
    list.Put(1, &b);
    list.Put(2, &c);
    list.SetCount(1);
    EXPECT_THAT(list.events, ElementsAre("+a", "+b", "+c", "-c", "-b"));
    EXPECT_EQ(list.Count(), 1);
}

TEST(List, BadIndexesCountsAndCapacitiesRaiseListErrors)
{
    int x = 0;
    TList list;
    list.Add(&x);
    list.Add(&x);
    struct Case {
        const char* what;
        std::function<void()> action;
        const char* message;
    };
    const Case cases[] = {
        {"get -1", [&] { list.Get(-1); }, "List index out of bounds (-1)"},
        {"get count", [&] { list.Get(2); }, "List index out of bounds (2)"},
        {"put", [&] { list.Put(5, &x); }, "List index out of bounds (5)"},
        {"delete count", [&] { list.Delete(2); }, "List index out of bounds (2)"},
        {"insert past count", [&] { list.Insert(3, &x); }, "List index out of bounds (3)"},
        {"insert -1", [&] { list.Insert(-1, &x); }, "List index out of bounds (-1)"},
        {"exchange", [&] { list.Exchange(0, 7); }, "List index out of bounds (7)"},
        {"move", [&] { list.Move(9, 0); }, "List index out of bounds (9)"},
        {"capacity below count", [&] { list.SetCapacity(1); }, "List capacity out of bounds (1)"},
        {"capacity above maximum", [&] { list.SetCapacity(MaxListSize + 1); },
         "List capacity out of bounds (134217728)"},
        {"negative count", [&] { list.SetCount(-1); }, "List count out of bounds (-1)"},
        {"count above maximum", [&] { list.SetCount(MaxListSize + 1); }, "List count out of bounds (134217728)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(MessageOf<EListError>(c.action), c.message);
        EXPECT_EQ(list.Count(), 2);
    }
    EXPECT_THROW(list.Get(2), Exception);
}

TEST(StringList, AddGetObjectsAndCaseInsensitiveIndexOf)
{
    int tag = 7;
    TStringList list;
    EXPECT_EQ(list.Add("Beta"), 0);
    EXPECT_EQ(list.AddObject("alpha", &tag), 1);
    list.Insert(0, "Gamma");
    EXPECT_THAT(Items(list), ElementsAre("Gamma", "Beta", "alpha"));
    EXPECT_EQ(list.GetObject(2), &tag);
    EXPECT_EQ(list.GetObject(0), nullptr);
    EXPECT_EQ(list.IndexOf("ALPHA"), 2);
    EXPECT_EQ(list.IndexOf("beta"), 1);
    EXPECT_EQ(list.IndexOf("delta"), -1);
    list.Put(1, "Delta");
    list.Delete(0);
    EXPECT_THAT(Items(list), ElementsAre("Delta", "alpha"));
    list.Exchange(0, 1);
    EXPECT_THAT(Items(list), ElementsAre("alpha", "Delta"));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(StringList, BadIndexesRaiseStringListErrors)
{
    TStringList list;
    list.Add("one");
    struct Case {
        const char* what;
        std::function<void()> action;
        const char* message;
    };
    const Case cases[] = {
        {"get", [&] { list.Get(1); }, "List index out of bounds (1)"},
        {"get -1", [&] { list.Get(-1); }, "List index out of bounds (-1)"},
        {"object", [&] { list.GetObject(3); }, "List index out of bounds (3)"},
        {"put object", [&] { list.PutObject(1, nullptr); }, "List index out of bounds (1)"},
        {"put", [&] { list.Put(2, "x"); }, "List index out of bounds (2)"},
        {"delete", [&] { list.Delete(1); }, "List index out of bounds (1)"},
        {"insert", [&] { list.Insert(2, "x"); }, "List index out of bounds (2)"},
        {"exchange", [&] { list.Exchange(-4, 0); }, "List index out of bounds (-4)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(MessageOf<EStringListError>(c.action), c.message);
    }
    EXPECT_THAT(Items(list), ElementsAre("one"));
}

TEST(SortedStringList, KeepsCaseInsensitiveOrderAndFinds)
{
    TStringList list;
    for (const char* s : {"pear", "Apple", "banana", "cherry"}) list.Add(s);
    list.SetSorted(true);
    EXPECT_THAT(Items(list), ElementsAre("Apple", "banana", "cherry", "pear"));
    EXPECT_EQ(list.Add("Date"), 3);
    EXPECT_EQ(list.Add("aardvark"), 0);
    EXPECT_THAT(Items(list), ElementsAre("aardvark", "Apple", "banana", "cherry", "Date", "pear"));

    std::int32_t index = -1;
    EXPECT_TRUE(list.Find("CHERRY", index));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(list.Find("coconut", index));
    EXPECT_EQ(index, 4);
    EXPECT_FALSE(list.Find("zebra", index));
    EXPECT_EQ(index, 6);
    EXPECT_EQ(list.IndexOf("date"), 4);
    EXPECT_EQ(list.IndexOf("fig"), -1);
}

TEST(SortedStringList, DuplicatesAreIgnoredRejectedOrAccepted)
{
    TStringList list;
    list.SetSorted(true);
    list.Add("one");
    list.Add("two");

    EXPECT_EQ(list.Add("ONE"), 0);
    EXPECT_THAT(Items(list), ElementsAre("one", "two"));

    list.SetDuplicates(dupError);
    EXPECT_EQ(MessageOf<EStringListError>([&] { list.Add("Two"); }), "String list does not allow duplicates");
    EXPECT_EQ(list.Count(), 2);

    list.SetDuplicates(dupAccept);
    list.Add("Two");
    list.Add("TWO");
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.IndexOf("two"), 1);

    // With duplicates present, the search reports the first equal text.
    list.SetDuplicates(dupIgnore);
    std::int32_t index = -1;
    EXPECT_TRUE(list.Find("two", index));
    EXPECT_EQ(index, 1);
    EXPECT_EQ(list.Add("tWo"), 1);
}

TEST(SortedStringList, PositionalChangesAreRefused)
{
    TStringList list;
    list.Add("b");
    list.Add("a");
    list.SetSorted(true);
    for (const auto& action : std::vector<std::function<void()>>{
             [&] { list.Insert(0, "c"); }, [&] { list.Exchange(0, 1); }, [&] { list.Put(0, "z"); }}) {
        EXPECT_EQ(MessageOf<EStringListError>(action), "Operation not allowed on sorted list");
    }
    EXPECT_THAT(Items(list), ElementsAre("a", "b"));
    list.SetSorted(false);
    list.Insert(0, "c");
    EXPECT_THAT(Items(list), ElementsAre("c", "a", "b"));
}

TEST(CommaText, ReadsItemsSeparatedByCommasAndBlanks)
{
    struct Case {
        const char* text;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {R"("User defined", "Analyse Pascal source code")", {"User defined", "Analyse Pascal source code"}},
        {"a, b,,c", {"a", "b", "", "c"}},
        {"a,b,", {"a", "b", ""}},
        {"a b\tc", {"a", "b", "c"}},
        {"  \r\n lead,trail  ", {"lead", "trail"}},
        {"", {}},
        {"   ", {}},
        {",", {"", ""}},
        {",a", {"", "a"}},
        {"a, ", {"a"}},
        {R"("")", {""}},
        {R"("say ""hi""",x)", {"say \"hi\"", "x"}},
        {R"("a,b" c)", {"a,b", "c"}},
        {R"("open ended, still)", {"open ended, still"}},
        {R"("ab"cd,e)", {"ab", "cd", "e"}},
        {R"(x"y)", {"x\"y"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TStringList list;
        list.Add("left over");
        list.SetCommaText(c.text);
        EXPECT_THAT(Items(list), ElementsAreArray(c.items));
        EXPECT_EQ(list.UpdateCount(), 0);
    }
}

TEST(CommaText, AnEmbeddedNulEndsTheText)
{
    TStringList list;
    list.SetCommaText(std::string("a,b\0,c", 6));
    EXPECT_THAT(Items(list), ElementsAre("a", "b"));
}

TEST(CommaText, WritesItemsQuotedOnlyWhenNeeded)
{
    struct Case {
        std::vector<std::string> items;
        std::string text;
    };
    const Case cases[] = {
        {{}, ""},
        {{""}, R"("")"},
        {{"plain"}, "plain"},
        {{"User defined", "Copy"}, R"("User defined",Copy)"},
        {{"a,b", "c"}, R"("a,b",c)"},
        {{"say \"hi\""}, R"("say ""hi""")"},
        {{"tab\there"}, "\"tab\there\""},
        {{std::string("nul\0in", 6)}, std::string("\"nul\0in\"", 8)},
        {{"a", ""}, "a,"},
        {{"", ""}, ","},
        {{"semi;colon", "dash-ok"}, "semi;colon,dash-ok"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TStringList list;
        for (const std::string& item : c.items) list.Add(item);
        EXPECT_EQ(list.GetCommaText(), c.text);
    }
}

TEST(CommaText, RoundTripsAnyList)
{
    const std::vector<std::vector<std::string>> lists = {
        {"User defined", "Analyse Pascal source code", "Explore in a new window"},
        {"", "a", ""},
        {"\"quoted\"", "comma, blank", "x"},
        {" lead", "trail "},
    };
    for (const auto& items : lists) {
        TStringList out;
        for (const std::string& item : items) out.Add(item);
        TStringList in;
        in.SetCommaText(out.GetCommaText());
        SCOPED_TRACE(out.GetCommaText());
        EXPECT_THAT(Items(in), ElementsAreArray(items));
    }
}

TEST(CommaText, UsesCommaAndDoubleQuoteWhateverTheListIsSetTo)
{
    TStringList list;
    list.SetDelimiter(';');
    list.SetQuoteChar('\'');
    list.Add("a;b");
    list.Add("it's");
    list.Add("c,d");
    EXPECT_EQ(list.GetCommaText(), R"(a;b,it's,"c,d")");

    list.SetCommaText("'x';y");
    EXPECT_EQ(list.Delimiter(), ',');
    EXPECT_EQ(list.QuoteChar(), '"');
    EXPECT_THAT(Items(list), ElementsAre("'x';y"));
}

TEST(CommaText, ARejectedDuplicateLeavesTheUpdateBalanced)
{
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(dupError);
    EXPECT_THROW(list.SetCommaText("b,a,B"), EStringListError);
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_THAT(Items(list), ElementsAre("a", "b"));
}
