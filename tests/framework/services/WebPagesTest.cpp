// Opening web pages through a fake xdg-open placed first on PATH.

#include "framework/services/WebPages.h"
#include "framework/classes/Component.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

class WebPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FBin.isValid());
        FOldPath = qgetenv("PATH");
        // The fake goes first; the rest stays for the tools the scripts use.
        qputenv("PATH", FBin.path().toLocal8Bit() + ":" + FOldPath);
        FOldJudge = SetWebPageJudgeTime(1000);
    }
    void TearDown() override {
        qputenv("PATH", FOldPath);
        SetWebPageJudgeTime(FOldJudge);
    }
    // A launcher script that records its arguments and runs body.
    void FakeLauncher(const char* body) {
        QFile f(FBin.filePath("xdg-open"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nprintf '%s' \"$*\" > \"${0%/*}/args\"\n");
        f.write(body);
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString Args() const {
        QFile f(FBin.filePath("args"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    // Opens url and spins the event loop until the outcome arrives (or 10 s pass).
    std::optional<bool> Open(const QString& url, TComponent* context = nullptr) {
        std::optional<bool> outcome;
        bool returned = false;
        OpenWebPage(url, context, [&](bool opened) {
            EXPECT_TRUE(returned) << "answered inside the call";
            outcome = opened;
        });
        returned = true;
        QElapsedTimer clock;
        clock.start();
        while (!outcome && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        FElapsed = clock.elapsed();
        return outcome;
    }

    QTemporaryDir FBin;
    QByteArray FOldPath;
    int FOldJudge = 0;
    qint64 FElapsed = 0;
};

TEST_F(WebPagesTest, OutcomeFollowsTheLaunchersExit) {
    struct Case {
        const char* body;
        bool opened;
    } cases[] = {
        {"exit 0\n", true},
        {"exit 3\n", false}, // no browser
        {"exit 4\n", false}, // action failed
        {"kill -9 $$\n", false},
        {"sleep 3\n", true}, // stays with its browser past the judging time
    };
    for (const Case& c : cases) {
        FakeLauncher(c.body);
        auto outcome = Open("https://www.example.com/index.htm");
        ASSERT_TRUE(outcome.has_value()) << c.body;
        EXPECT_EQ(*outcome, c.opened) << c.body;
        EXPECT_EQ(Args(), "https://www.example.com/index.htm") << c.body;
    }
    // The running launcher was judged at the judging time, not at its end.
    EXPECT_LT(FElapsed, 5000);
}

TEST_F(WebPagesTest, MissingLauncherIsAFailure) {
    qputenv("PATH", FBin.path().toLocal8Bit()); // holds no xdg-open
    auto outcome = Open("https://www.example.com/html/order.htm");
    ASSERT_TRUE(outcome.has_value());
    EXPECT_FALSE(*outcome);
}

TEST_F(WebPagesTest, NoAnswerToADestroyedContext) {
    FakeLauncher("exit 3\n");
    auto* context = new TComponent(nullptr);
    bool called = false;
    OpenWebPage("https://www.example.com/index.htm", context, [&](bool) { called = true; });
    delete context;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(called);
    EXPECT_EQ(Args(), "https://www.example.com/index.htm");
}

} // namespace
