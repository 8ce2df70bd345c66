#include "app_icon.h"

namespace lomarek {

QIcon LomarekIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/lomarek-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace lomarek
