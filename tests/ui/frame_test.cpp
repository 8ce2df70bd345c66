#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QTimer>

#include "about_dlg.h"
#include "ui_fixture.h"

namespace lomarek::testing {
namespace {

using FrameTest = ProgramTest;

TEST_F(FrameTest, MenusInTheirOrder)
{
    Start();
    QStringList menus;
    for (QAction* menu : frame()->menuBar()->actions()) {
        menus << menu->text();
        for (QAction* item : menu->menu()->actions())
            menus << "  " + item->text();
    }
    EXPECT_EQ(menus, (QStringList{"ファイル(&F)", "  アプリケーションの終了(&X)", "ヘルプ(&H)", "  バージョン情報 (&A)...",
                                  "  ヘルプ", "  Tessavine のホームページ"}));
}

TEST_F(FrameTest, AboutBox)
{
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "バージョン情報");
    EXPECT_TRUE(about.isModal());
    EXPECT_EQ(about.findChild<QLabel*>("version")->text(), "Lomarek Version 1.0");
    EXPECT_TRUE(about.findChild<QLabel*>("copyright")->text().contains("Tessavine"));
    EXPECT_FALSE(about.findChild<QLabel*>("icon")->pixmap().isNull());

    for (const bool escape : {true, false}) {
        CAboutDlg dialog;
        QTimer::singleShot(0, &dialog, [&dialog, escape] {
            if (escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                QTest::mouseClick(dialog.findChild<QPushButton*>("IDOK"), Qt::LeftButton);
        });
        dialog.exec();
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(FrameTest, WithoutADisplayTheProgramSaysSoAndFails)
{
    const QString program = QCoreApplication::applicationDirPath() + "/../ui/lomarek";
    for (const char* display : {"", ":4242"}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        if (*display)
            environment.insert("DISPLAY", display);
        else
            environment.remove("DISPLAY");
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString(dir.path().string()));
        process.setProcessEnvironment(environment);
        process.start(program, {"--any", "file.txt"});
        ASSERT_TRUE(process.waitForFinished(20000)) << display;
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << display;
        EXPECT_EQ(process.exitCode(), 1) << display;
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_TRUE(err.startsWith("lomarek: ")) << err.toStdString();
        EXPECT_TRUE(err.contains("display")) << err.toStdString();
    }
}

} // namespace
} // namespace lomarek::testing
