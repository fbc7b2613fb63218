// The beep queue with a stand-in player: beeps asked in a row are played one by one, each after
// the one before has been played out and a short silence.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "ui/qt/beep_queue.h"

namespace {

class StandInPlayer : public ui::qt::BeepPlayer {
public:
    State state() const override { return state_; }
    void play() override {
        ++plays;
        playing = true;
    }

    State state_ = State::Loading;
    int plays = 0;
    bool playing = false;
};

class BeepQueue : public ::testing::Test {
protected:
    // The stand-in plays its beep out.
    void finish() {
        ASSERT_TRUE(player.playing);
        player.playing = false;
        queue.playerFinished();
    }

    StandInPlayer player;
    ui::qt::BeepQueue queue{player};
};

TEST_F(BeepQueue, ThreeBeepsAreThreeSoundsOneAfterAnother) {
    player.state_ = StandInPlayer::State::Ready;
    queue.beep();
    queue.beep();
    queue.beep();
    EXPECT_EQ(player.plays, 1) << "beeps played over each other sound as one";
    QElapsedTimer silence;
    silence.start();
    finish();
    EXPECT_EQ(player.plays, 1) << "no silence between two beeps";
    ASSERT_TRUE(QTest::qWaitFor([this] { return player.plays == 2; }, 1000));
    EXPECT_GE(silence.elapsed(), ui::qt::BeepQueue::GapMs - 5);
    finish();
    ASSERT_TRUE(QTest::qWaitFor([this] { return player.plays == 3; }, 1000));
    finish();
    EXPECT_FALSE(queue.idle()) << "the last silence is still part of the beeps";
    ASSERT_TRUE(QTest::qWaitFor([this] { return queue.idle(); }, 1000));
    EXPECT_EQ(player.plays, 3);
}

TEST_F(BeepQueue, BeepsAskedWhileTheSoundLoadsAreHeardOnceItIsReady) {
    queue.beep();
    queue.beep();
    EXPECT_EQ(player.plays, 0);
    EXPECT_FALSE(queue.idle());
    player.state_ = StandInPlayer::State::Ready;
    queue.playerReady();
    EXPECT_EQ(player.plays, 1);
    finish();
    ASSERT_TRUE(QTest::qWaitFor([this] { return player.plays == 2; }, 1000));
}

TEST_F(BeepQueue, WithoutAnAudioDeviceBeepsAreDroppedAndNothingWaits) {
    queue.beep();
    player.state_ = StandInPlayer::State::Failed;
    queue.playerFailed();
    EXPECT_TRUE(queue.idle());
    queue.beep();
    EXPECT_EQ(player.plays, 0);
    EXPECT_TRUE(queue.idle()) << "the end of the program would wait for a sound that never comes";
}

// A script of the in-game system can beep in every line of a file: the queue keeps a few
// seconds' worth and drops the rest, so the game is not left beeping for hours.
TEST_F(BeepQueue, ABeepingScriptQueuesAFewSecondsAndNoMore) {
    for (int i = 0; i < 1000; ++i) {
        queue.beep();
    }
    player.state_ = StandInPlayer::State::Ready;
    queue.playerReady();
    int played = 1;
    while (played < 100) {
        finish();
        if (!QTest::qWaitFor([this, played] { return player.plays > played || queue.idle(); },
                             1000) ||
            queue.idle()) {
            break;
        }
        ++played;
    }
    EXPECT_EQ(player.plays, ui::qt::BeepQueue::MaxWaiting);
    EXPECT_LT(player.plays, 40) << "far more than a few seconds of beeps were kept";
}

}  // namespace
