#include "app/maker_site.h"

namespace MakerSite {

QString homePage = QStringLiteral("qrc:/html/more.html");

} // namespace MakerSite
