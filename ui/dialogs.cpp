#include "dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace lomarek {

Dialogs& CurrentDialogs()
{
    static Dialogs dialogs{
        [](QWidget* parent, const QString& text) {
            QMessageBox::warning(parent, QStringLiteral("Lomarek"), text, QMessageBox::Ok);
        },
        [](QWidget* parent, const QString& title, const QString& filter) -> std::optional<QString> {
            const QString path = QFileDialog::getOpenFileName(parent, title, QString(), filter);
            if (path.isEmpty())
                return std::nullopt;
            return path;
        },
    };
    return dialogs;
}

} // namespace lomarek
