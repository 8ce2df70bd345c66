#include "main_frame.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>

#include "about_dlg.h"
#include "app_icon.h"
#include "dialogs.h"
#include "lomarek_doc.h"
#include "lomarek_view.h"

namespace lomarek {

CMainFrame::CMainFrame(CLomarekDoc* document, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_document(document),
      m_view(new CLomarekView(this))
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(QStringLiteral("Lomarek"));
    setWindowIcon(LomarekIcon());
    setCentralWidget(m_view);
    BuildMenus();

    // Keys of the frame that no menu item shows. Save is not offered: the
    // document holds nothing, so saving could only empty a file.
    auto* newDocument = new QAction(this);
    newDocument->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newDocument, &QAction::triggered, this, &CMainFrame::OnFileNew);
    auto* openDocument = new QAction(this);
    openDocument->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(openDocument, &QAction::triggered, this, &CMainFrame::OnFileOpen);
    addAction(newDocument);
    addAction(openDocument);
}

void CMainFrame::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("menuFile"));
    QAction* exit = file->addAction(QStringLiteral("アプリケーションの終了(&X)"));
    exit->setObjectName(QStringLiteral("ID_APP_EXIT"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("menuHelp"));
    QAction* about = help->addAction(QStringLiteral("バージョン情報 (&A)..."));
    about->setObjectName(QStringLiteral("ID_APP_ABOUT"));
    connect(about, &QAction::triggered, this, &CMainFrame::OnAppAbout);
    QAction* manual = help->addAction(QStringLiteral("ヘルプ"));
    manual->setObjectName(QStringLiteral("ID_HELP_MANUAL"));
    connect(manual, &QAction::triggered, m_view, &CLomarekView::OnHelpManual);
    QAction* homepage = help->addAction(QStringLiteral("Tessavine のホームページ"));
    homepage->setObjectName(QStringLiteral("ID_HELP_HOMEPAGE"));
    connect(homepage, &QAction::triggered, m_view, &CLomarekView::OnHelpHomepage);
}

void CMainFrame::FitToForm()
{
    setFixedSize(sizeHint().expandedTo(QSize(m_view->width(), m_view->height() + menuBar()->sizeHint().height())));
}

void CMainFrame::OnFileNew()
{
    if (m_document->OnNewDocument())
        m_view->OnInitialUpdate();
}

void CMainFrame::OnFileOpen()
{
    const std::optional<QString> chosen =
        CurrentDialogs().openFile(this, QStringLiteral("Open"), QStringLiteral("All Files (*.*)"));
    if (!chosen)
        return;
    QFile file(*chosen);
    if (!file.open(QIODevice::ReadOnly)) {
        CurrentDialogs().warning(this, QStringLiteral("Unable to open the file %1.").arg(*chosen));
        return;
    }
    m_document->OnOpenDocument(*chosen);
    m_view->OnInitialUpdate();
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg dialog(this);
    dialog.exec();
}

} // namespace lomarek
