#pragma once

#include <QStringList>
#include <map>

#include "support/game_fixture.h"

namespace store_tests {

// A game past the name window with helpers to shop the way a player does: open a store from
// the main window, pick a row, press "Купить".
class StoreFixture : public testing_support::GameFixture {
protected:
    void open(const QString& store) {
        if (store == "FrmPL") {
            open("Form3");
            click("Form3", "Command2");
        } else {
            static const std::map<QString, QString> buttons = {{"Form2", "Command1"},
                                                               {"Form3", "Command2"}};
            click("Form1", buttons.at(store));
        }
        ASSERT_NE(game->find(store), nullptr) << store.toStdString();
    }
    // Row -1 presses "Купить" with nothing chosen.
    void buy(const QString& store, int row) {
        if (row >= 0) {
            ASSERT_TRUE(game->select(control(store, "List1"), row)) << row;
        }
        click(store, "Command1");
    }
    void setMoney(double rubles) { game->setNumber("LblMoney", rubles); }

    // Every caption and shared variable a store could touch, to prove a refusal left them be.
    QStringList snapshot() {
        QStringList state;
        for (const char* label : {"LblMoney", "LblCoint", "LblCPU", "LblRam", "LblModem", "LblHD",
                                  "LblVideo", "LblOS", "LblAV", "LblIB", "LblPL", "LblHDF"}) {
            state << caption(label);
        }
        for (const char* name : {"CpuLevel", "RamLevel", "ModemLevel", "ModemSpeed", "DiskLevel",
                                 "VideoLevel", "OsLevel", "AntivirusLevel", "BrowserLevel",
                                 "LanguageLevel", "FreeDiskMb", "OfferPrice"}) {
            state << game::readGlobal(globals(), name).value_or("?");
        }
        return state;
    }

    // One refused purchase: exactly the one message and no change at all.
    void expectRefusal(const QString& store, int row, ui::MessageKind kind, const QString& text) {
        const QStringList before = snapshot();
        buy(store, row);
        expectMessage(kind, text);
        expectQuiet();
        EXPECT_EQ(snapshot(), before) << "row " << row;
    }
};

}  // namespace store_tests
