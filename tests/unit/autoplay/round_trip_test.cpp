// The save-and-load-back check must pass a sound game and catch a load that brings back another
// one; the saves the computer player writes to reach the internet must load and go online.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "game/form1.h"
#include "game/game.h"
#include "tests/unit/autoplay/session_fixture.h"
#include "tools/autoplay/round_trip.h"
#include "tools/autoplay/save_files.h"

namespace {

using namespace autoplay;

class RoundTripTest : public SessionFixture<RoundTripTest> {
public:
    void play(const scenario::Step& step) {
        const auto problem = session->play(step);
        ASSERT_FALSE(problem) << lineOf(step).toStdString() << ": " << problem->toStdString();
    }
    // Plays the round trip to its end; `meddle` runs once the file is written.
    std::optional<Violation> roundTrip(const std::function<void()>& meddle = {}) {
        RoundTrip trip(QStringLiteral("rt1"));
        while (auto step = trip.next(*session)) {
            const bool loading = step->window == u"Form1" && step->control == u"mnuload";
            if (loading && meddle) {
                meddle();
            }
            if (auto problem = session->play(*step)) {
                return Violation{QStringLiteral("step refused"), *problem, {}};
            }
            if (auto broken = trip.after(*session)) {
                return broken;
            }
        }
        EXPECT_TRUE(trip.done());
        return std::nullopt;
    }
    QString caption(const char* label) {
        return session->game().form1().control(QLatin1String(label)).caption();
    }
};

TEST_F(RoundTripTest, ASoundGameComesBackAsItWas) {
    session->game().form1().control(QStringLiteral("LblMoney")).setCaption(QStringLiteral("62.5"));
    play(waitStep(1500 * 30));
    const auto broken = roundTrip();
    EXPECT_FALSE(broken) << broken->detail.toStdString();
    EXPECT_EQ(caption("LblMoney").toStdString(), "62.5");
}

TEST_F(RoundTripTest, CatchesALoadThatBringsBackAnotherGame) {
    QStringList values(20, QStringLiteral("0"));
    values[0] = QStringLiteral("999");
    values[1] = values[2] = QStringLiteral("50");
    values[19] = QStringLiteral("3");
    const auto broken = roundTrip([&] {
        QFile file(QDir(folder.path()).filePath(QStringLiteral("rt1.sav")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(encodeSave(values));
    });
    ASSERT_TRUE(broken);
    EXPECT_EQ(broken->rule.toStdString(), "a game saved and loaded back shows the same screen");
    EXPECT_TRUE(broken->detail.contains(QStringLiteral("LblMoney \"200\" came back as \"999\"")))
        << broken->detail.toStdString();
}

TEST_F(RoundTripTest, AnOnlineComputerLoadsAndGoesOnline) {
    Dice dice(11);
    for (int i = 0; i < 20; ++i) {
        QFile file(QDir(folder.path()).filePath(QStringLiteral("online.sav")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(onlineSave(dice));
        file.close();
        play(menuStep(QStringLiteral("Form1"), QStringLiteral("mnuload")));
        scenario::Step choose = selectStep(QStringLiteral("Frmload"), QStringLiteral("File1"), 0);
        choose.byText = true;
        choose.text = QStringLiteral("online.sav");
        play(choose);
        play(clickStep(QStringLiteral("Frmload"), QStringLiteral("Command1")));
        ASSERT_EQ(session->game().find(QStringLiteral("Frmload")), nullptr) << "the load failed";
        EXPECT_EQ(caption("Command4").toStdString(), "Войти в интернет");
        play(clickStep(QStringLiteral("Form1"), QStringLiteral("Command4")));
        ASSERT_NE(session->game().find(QStringLiteral("FrmInternet")), nullptr)
            << "the loaded computer cannot go online";
        play(closeStep(QStringLiteral("FrmInternet")));
    }
}

}  // namespace
