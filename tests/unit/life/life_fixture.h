#pragma once

#include <map>

#include "support/game_fixture.h"

namespace life_tests {

// A game past the name window, with helpers to reach the everyday-life windows the way a
// player does: through the main window's buttons.
class LifeFixture : public testing_support::GameFixture {
protected:
    static constexpr int Hour = 1500;  // one game hour at the starting speed

    // Clicks the main window's button that opens the window.
    void open(const QString& windowName) {
        static const std::map<QString, QString> buttons = {{"FrmMagazine", "Command6"},
                                                           {"FrmRazvl", "Command5"},
                                                           {"FrmTeach", "Command7"},
                                                           {"Form4", "Command3"}};
        click("Form1", buttons.at(windowName));
        ASSERT_NE(game->find(windowName), nullptr) << windowName.toStdString();
    }
    void closeBox(const QString& windowName) {
        ASSERT_TRUE(game->requestClose(window(windowName))) << windowName.toStdString();
    }
    void selectRow(const QString& windowName, const QString& list, int row) {
        ASSERT_TRUE(game->select(control(windowName, list), row));
    }
    // The main window's state that the life windows may change, to prove a refusal left it be.
    struct Snapshot {
        QString money, satiety, mood, points, work, school, english, university;
        int jobLevel, salary, schoolPoints, englishPoints, universityPoints;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot snapshot() {
        const auto& v = game->globals;
        return {caption("LblMoney"), caption("LblEda"), caption("LblRazvl"), caption("LblCoint"),
                caption("LblWork"),  caption("Lbl1"),   caption("Lbl2"),     caption("Lbl3"),
                v.JobLevel,          v.Salary,          v.SchoolPoints,      v.EnglishPoints,
                v.UniversityPoints};
    }
};

}  // namespace life_tests
