#pragma once

#include <QImage>

namespace art {

// The pictures of the in-game web: the home site's banner and its offer of the in-game system,
// the page-not-found picture and the download window's icon. Each is drawn at the size of the
// control that shows it.
QImage drawSiteBanner();    // 584 x 120
QImage drawVexaOffer();     // 160 x 120
QImage drawMissingPage();   // 96 x 96
QImage drawDownloadIcon();  // 48 x 48

}  // namespace art
