#pragma once

#include <QStringList>

#include "stores/store_window.h"

namespace stores {

// The software store's ladders.
enum class ProgramKind { System, Antivirus, Browser };

// The names the store lists for a ladder's programs: level n at row n - 1.
QStringList programNames(ProgramKind kind);

// "ПО": the software store. Operating systems, antivirus programs and browsers, each a ladder;
// a system needs hardware, the other programs need a system, and every program takes disk space.
// Its second button moves on to the programming-language store.
class Form3 : public StoreWindow {
public:
    explicit Form3(game::Game& game);

    void queryUnload() override;

private:
    void buy();
    void toLanguageStore();
};

}  // namespace stores
