#pragma once

#include <QString>

namespace web {

// The in-game web's addresses. They are compared exactly as typed: another letter case or a
// blank too many is another page.
QString homeSiteAddress();
QString downloadAddress();  // the in-game system's archive on the home site
QString jokesSiteAddress();

// What the pages say.
QString homePageText();
QString jokesPageText();

}  // namespace web
