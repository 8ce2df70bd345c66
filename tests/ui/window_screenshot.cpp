// Saves a picture of the window with the bundled example loaded and its
// sample depths converted: lomarek-screenshot OUTPUT.png
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSurfaceFormat>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include "lomarek_app.h"
#include "lomarek_view.h"
#include "main_frame.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: lomarek-screenshot OUTPUT.png\n");
        return 2;
    }
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    QSurfaceFormat::setDefaultFormat(format);
    QApplication application(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    {
        QSettings stored(QStringLiteral("Tessavine"), QStringLiteral("Lomarek"));
        stored.setValue(QStringLiteral("Settings/InterpolationMethod"), QStringLiteral("cubic spline"));
        stored.setValue(QStringLiteral("Settings/DepthAgeFile"),
                        QStringLiteral(LOMAREK_EXAMPLES_DIR "/lk07-depth-age.txt"));
    }
    lomarek::CLomarekApp app;
    app.InitInstance();
    lomarek::CMainFrame* frame = app.mainFrame();
    if (!QTest::qWaitForWindowExposed(frame))
        return 1;
    QFile depths(QStringLiteral(LOMAREK_EXAMPLES_DIR "/lk07-sample-depths.txt"));
    if (!depths.open(QIODevice::ReadOnly))
        return 1;
    auto* view = frame->view();
    view->findChild<QPlainTextEdit*>(QStringLiteral("IDC_DEPTHS"))->setPlainText(QString::fromUtf8(depths.readAll()));
    QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("IDC_DEPTH_TO_AGE")), Qt::LeftButton);
    QTest::qWait(300);
    return frame->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
