#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "tools/autoplay/session.h"
#include "tools/autoplay/step_lines.h"

// A computer player's session in a game folder of its own, every question answered Yes, started
// past the name window by the test's own `play`, which says what a step must pass.
template <class Derived>
class SessionFixture : public ::testing::Test {
protected:
    void SetUp() override {
        session = std::make_unique<autoplay::Session>(folder.path());
        session->services().answer = [](const QString&) { return true; };
        static_cast<Derived*>(this)->play(
            autoplay::clickStep(QStringLiteral("FrmLogin"), QStringLiteral("Command1")));
    }

    QTemporaryDir folder;
    std::unique_ptr<autoplay::Session> session;
};
