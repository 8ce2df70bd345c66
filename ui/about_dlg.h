#pragma once

#include <QDialog>

namespace lomarek {

// The program's icon, name, version and copyright; OK, Esc and the close box end it.
class CAboutDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace lomarek
