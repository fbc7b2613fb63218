// A failure found by random play must come back the same from its seed, and its replay must make
// the scenario driver fail where the game broke the rule.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "tools/autoplay/monkey.h"
#include "tools/autoplay/replay_check.h"
#include "tools/autoplay/replay_log.h"
#include "tools/autoplay/session.h"
#include "tools/autoplay/step_lines.h"

namespace {

using namespace autoplay;

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Replay, OneSeedPlaysOneGame) {
    QTemporaryDir dir;
    QString output;
    QTextStream out(&output);
    for (const char* name : {"/a.scn", "/b.scn"}) {
        MonkeyOptions options;
        options.seed = 11;
        options.actions = 400;
        options.replay = dir.path() + QLatin1String(name);
        EXPECT_EQ(Monkey(options, out).run(), 0) << output.toStdString();
    }
    const QByteArray first = contentOf(dir.path() + QStringLiteral("/a.scn"));
    EXPECT_FALSE(first.isEmpty());
    EXPECT_EQ(first, contentOf(dir.path() + QStringLiteral("/b.scn")));
}

TEST(Replay, AnswersComeBeforeTheirStepAndABrokenRuleFailsTheDriver) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/replay.scn");
    ReplayLog log;
    log.follow(path);
    Session session(dir.path());
    log.startRun(QStringLiteral("# a test"), dir.path());
    session.services().answer = [](const QString&) { return true; };
    auto play = [&](const scenario::Step& step) {
        log.play(step, {true, false});
        ASSERT_FALSE(session.play(step));
        int asked = 0;
        for (const ui::ServiceEvent& e : session.events()) {
            asked += e.kind == ui::MessageKind::Question ? 1 : 0;
        }
        log.played(asked);
    };
    play(clickStep(QStringLiteral("FrmLogin"), QStringLiteral("Command1")));
    play(menuStep(QStringLiteral("Form1"), QStringLiteral("mnuNewGame")));
    EXPECT_TRUE(contentOf(path).contains("answer yes\nmenu Form1.mnuNewGame\n"))
        << contentOf(path).toStdString();
    EXPECT_EQ(playScenario(path).status, 0);

    log.broken({QStringLiteral("a rule"),
                QStringLiteral("what broke"),
                {expectStep(QStringLiteral("Form1"), QStringLiteral("LblMoney"),
                            QStringLiteral("Caption"), QStringLiteral("201"))}});
    const ScenarioResult result = playScenario(path);
    EXPECT_EQ(result.status, 1);
    ASSERT_FALSE(result.failures.isEmpty());
    EXPECT_TRUE(result.failures.front().contains(QStringLiteral("LblMoney")));
}

}  // namespace
