#include "about_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "app_icon.h"
#include "form_units.h"

namespace lomarek {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("CAboutDlg"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setModal(true);
    QFont dialogFont(QStringLiteral("MS UI Gothic"));
    dialogFont.setPointSize(9);
    setFont(dialogFont);
    const FormUnits units(dialogFont);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    const QRect iconBox = units.Map(11, 17, 20, 20);
    icon->setPixmap(LomarekIcon().pixmap(32, 32));
    icon->setGeometry(iconBox.x(), iconBox.y(), std::max(iconBox.width(), 32), std::max(iconBox.height(), 32));
    auto* name = new QLabel(QStringLiteral("Lomarek Version 1.0"), this);
    name->setObjectName(QStringLiteral("version"));
    name->setTextFormat(Qt::PlainText);
    name->setGeometry(units.Map(40, 16, 103, 8).adjusted(0, 0, 0, 4));
    auto* copyright = new QLabel(QStringLiteral("Copyright (C) 2026 Tessavine"), this);
    copyright->setObjectName(QStringLiteral("copyright"));
    copyright->setTextFormat(Qt::PlainText);
    copyright->setGeometry(units.Map(40, 32, 132, 8).adjusted(0, 0, 0, 4));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("IDOK"));
    ok->setDefault(true);
    ok->setGeometry(units.Map(181, 20, 40, 15));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(units.X(235), units.Y(55));
}

} // namespace lomarek
