#pragma once

#include "stores/store_window.h"

namespace stores {

// "ПО": the software store. Operating systems, antivirus programs and browsers, each a ladder;
// a system needs hardware, the other programs need a system, and every program takes disk space.
// Its second button moves on to the programming-language store.
class Form3 : public StoreWindow {
public:
    static constexpr QStringView Name = u"Form3";

    explicit Form3(game::Game& game);

    void queryUnload() override;

private:
    void buy();
    void toLanguageStore();
};

}  // namespace stores
