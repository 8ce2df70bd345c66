#pragma once

#include <QIcon>

namespace lomarek {

// The program's icon in all its drawn sizes.
QIcon LomarekIcon();

} // namespace lomarek
