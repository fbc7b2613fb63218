#pragma once

#include "stores/store_window.h"

namespace stores {

// "Языки программирования": one ladder of nine languages, reached from the software store.
// Each needs a new enough system, money and disk space; the ladder is worth 45 points in all.
class FrmPL : public StoreWindow {
public:
    static constexpr QStringView Name = u"FrmPL";

    explicit FrmPL(game::Game& game);

    void unload() override;

private:
    void buy();
};

}  // namespace stores
