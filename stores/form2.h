#pragma once

#include "stores/store_window.h"

namespace stores {

// "Апгрейд": the hardware store. Processor, memory, modem, hard disk and video card, each a
// ladder; a better part replaces the old one, which the store offers to buy back for half its
// price. A new hard disk is blank and takes all installed software with the old one.
class Form2 : public StoreWindow {
public:
    static constexpr QStringView Name = u"Form2";

    explicit Form2(game::Game& game);

    void queryUnload() override;
    // Label2 warns, while a hard disk is chosen, of the software a new disk would erase.
    void afterEvent() override;

private:
    void buy();
    // Offers to buy the installed part back before `row` replaces it; false if the player
    // declined, which cancels the purchase.
    bool offerBuyBack(int row);
    void eraseSoftware();
    // What a new disk would erase, named, or nothing when no disk is chosen or nothing is
    // installed.
    QString eraseWarning() const;
};

}  // namespace stores
