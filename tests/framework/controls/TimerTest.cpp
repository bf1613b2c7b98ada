#include "framework/controls/Timer.h"
#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"
#include "framework/controls/Application.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// Long enough for several 5 ms intervals, short enough to keep the suite quick.
constexpr int kQuietMs = 80;

struct Counter {
    int Ticks = 0;
    TObject* LastSender = nullptr;
    void Attach(TTimer& t) {
        t.OnTimer = [this](TObject* sender) {
            ++Ticks;
            LastSender = sender;
        };
    }
};

TEST(TimerTest, FiresRepeatedlyWithItselfAsSender) {
    TTimer t(nullptr);
    Counter c;
    c.Attach(t);
    t.SetInterval(5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.Ticks >= 3; }, 2000));
    EXPECT_EQ(c.LastSender, &t);
}

struct SilentCase {
    const char* Name;
    std::function<void(TTimer&)> Setup;
};

TEST(TimerTest, StaysSilentWhenItMustNotTick) {
    const SilentCase cases[] = {
        {"disabled", [](TTimer& t) { t.SetEnabled(false); }},
        {"interval zero", [](TTimer& t) { t.SetInterval(0); }},
        {"designing", [](TTimer& t) { t.SetDesigning(true); }},
        {"loading", [](TTimer& t) { t.BeginLoading(); }},
    };
    for (const auto& sc : cases) {
        SCOPED_TRACE(sc.Name);
        TTimer t(nullptr);
        Counter c;
        c.Attach(t);
        t.SetInterval(5);
        sc.Setup(t);
        QTest::qWait(kQuietMs);
        EXPECT_EQ(c.Ticks, 0);
        EXPECT_FALSE(t.Active());
    }
}

TEST(TimerTest, LoadedStartsATimerThatWasConfiguredWhileLoading) {
    TTimer t(nullptr);
    Counter c;
    c.Attach(t);
    t.BeginLoading();
    t.SetInterval(5);
    QTest::qWait(30);
    EXPECT_EQ(c.Ticks, 0);
    t.Loaded();
    EXPECT_TRUE(t.Active());
    EXPECT_TRUE(QTest::qWaitFor([&] { return c.Ticks >= 2; }, 2000));
}

TEST(TimerTest, ReenablingAfterIntervalZeroResumes) {
    TTimer t(nullptr);
    Counter c;
    c.Attach(t);
    t.SetInterval(0);
    QTest::qWait(30);
    t.SetInterval(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return c.Ticks >= 1; }, 2000));
}

TEST(TimerTest, HandlerCanDisableTheTimer) {
    TTimer t(nullptr);
    int ticks = 0;
    t.OnTimer = [&](TObject*) {
        ++ticks;
        t.SetEnabled(false);
    };
    t.SetInterval(5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks == 1; }, 2000));
    QTest::qWait(kQuietMs);
    EXPECT_EQ(ticks, 1);
}

TEST(TimerTest, HandlerCanFreeTheTimer) {
    auto* t = new TTimer(nullptr);
    int ticks = 0;
    t->OnTimer = [&](TObject* sender) {
        ++ticks;
        delete static_cast<TTimer*>(sender);
    };
    t->SetInterval(5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks == 1; }, 2000));
    QTest::qWait(kQuietMs);
    EXPECT_EQ(ticks, 1);
}

TEST(TimerTest, ExceptionFromHandlerGoesToTheApplicationAndTimerKeepsRunning) {
    TTimer t(nullptr);
    int ticks = 0;
    std::vector<std::pair<TObject*, String>> reports;
    const TExceptionEvent saved = Application->OnException;
    Application->OnException = [&](TObject* sender, const Exception& e) {
        reports.emplace_back(sender, e.Message());
    };
    t.OnTimer = [&](TObject*) {
        ++ticks;
        throw EInvalidOperation(QStringLiteral("tick failed"));
    };
    t.SetInterval(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 2000));
    t.SetEnabled(false);
    Application->OnException = saved;
    ASSERT_EQ(reports.size(), size_t(ticks));
    EXPECT_EQ(reports[0].first, &t);
    EXPECT_EQ(reports[0].second, QStringLiteral("tick failed"));
}

TEST(TimerTest, OwnerFreesARunningTimer) {
    auto owner = std::make_unique<TComponent>(nullptr);
    auto* t = new TTimer(owner.get());
    int ticks = 0;
    t->OnTimer = [&](TObject*) { ++ticks; };
    t->SetInterval(5);
    owner.reset();
    QTest::qWait(30);
    EXPECT_EQ(ticks, 0);
}

TEST(TimerTest, WriterStoresOnlyChangedValues) {
    TTimer t(nullptr);
    t.SetName(QStringLiteral("Timer1"));
    EXPECT_EQ(TFormWriter::Write(&t), "object Timer1: TTimer\nend\n");
    t.SetEnabled(false);
    t.SetInterval(250);
    EXPECT_EQ(TFormWriter::Write(&t),
              "object Timer1: TTimer\n  Enabled = False\n  Interval = 250\nend\n");
}

} // namespace
