#include "assets/assets.h"

namespace trevalo::assets {

QString speed_bar(int lit) { return QStringLiteral(":/pictures/bar_green_%1.bmp").arg(lit); }
QString incline_bar(int lit) { return QStringLiteral(":/pictures/bar_red_%1.bmp").arg(lit); }

}  // namespace trevalo::assets
