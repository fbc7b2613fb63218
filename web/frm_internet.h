#pragma once

#include "ui/window.h"

namespace game {
class Game;
}

namespace web {

// The browser. An address box with its go button, a progress bar and one page area in which
// three nested picture boxes decide the page: Picture2 alone is the home site, Picture3 over it
// the page-not-found page, Picture5 over that the jokes site. Pages load at the modem's pace;
// without an antivirus every loaded page ends in a hacking attack.
class FrmInternet : public ui::Window {
public:
    static constexpr QStringView Name = u"FrmInternet";

    explicit FrmInternet(game::Game& game);

    void load() override;
    void queryUnload() override;

private:
    enum class Page { Blank, Home, NotFound, Jokes };

    void layOutHomePage(ui::Control& area);
    void layOutErrorPage(ui::Control& home);
    void layOutJokesPage(ui::Control& error);

    void goRequest();
    void downloadVexa();
    void loadStep(int theft);
    void hackingAttack(int theft);
    void answer(const QString& address);
    void showPage(Page page);

    game::Game& game_;
};

}  // namespace web
