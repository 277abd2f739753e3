#include "app/maker_site.h"

namespace MakerSite {

QString homePage = QStringLiteral("qrc:/html/more.html");
QString versionFile = QStringLiteral("https://www.vexmora.com/software/KESP_VERSION");

} // namespace MakerSite
