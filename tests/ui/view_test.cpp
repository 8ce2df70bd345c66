#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QStatusBar>
#include <QTextCursor>

#include <filesystem>
#include <fstream>

#include "lomarek/plot_surface.h"
#include "ui_fixture.h"

namespace lomarek::testing {
namespace {

using ViewTest = ProgramTest;

TEST_F(ViewTest, FirstStartWithNothingStored)
{
    Start();
    EXPECT_EQ(MethodList()->currentText(), "linear");
    EXPECT_EQ(MethodList()->count(), 2);
    EXPECT_EQ(MethodList()->itemText(0), "cubic spline");
    EXPECT_EQ(MethodList()->itemText(1), "linear");
    EXPECT_FALSE(MethodList()->isEditable());
    EXPECT_EQ(PathBox()->text(), "");
    EXPECT_FALSE(view()->table().m_bTableLoaded);
    EXPECT_TRUE(warnings.empty());

    Close();
    EXPECT_EQ(Stored("InterpolationMethod"), QString("linear"));
    EXPECT_EQ(Stored("DepthAgeFile"), QString(""));
}

TEST_F(ViewTest, StoredPathAndMethodComeBackBeforeTheFirstLoad)
{
    Store("InterpolationMethod", "CUBIC");
    Store("DepthAgeFile", QString::fromStdString(table));
    Start();
    EXPECT_EQ(MethodList()->currentText(), "cubic spline");
    EXPECT_EQ(view()->methodText(), "cubic spline");
    EXPECT_EQ(PathBox()->text().toStdString(), table);
    EXPECT_TRUE(view()->table().m_bTableLoaded);
    EXPECT_EQ(view()->table().m_nPoints, 3u);
    Close();
    EXPECT_EQ(Stored("InterpolationMethod"), QString("cubic spline"));
}

TEST_F(ViewTest, StoredMethodsThatMatchNoItemOrAreEmpty)
{
    for (const QString& stored : {QString("quadratic"), QString("")}) {
        Store("InterpolationMethod", stored);
        Start();
        EXPECT_EQ(MethodList()->currentIndex(), -1) << stored.toStdString();
        EXPECT_EQ(view()->methodText(), "");
        Close();
        EXPECT_EQ(Stored("InterpolationMethod"), QString(""));
    }
}

TEST_F(ViewTest, TypingAPathLoadsAsSoonAsItNamesATable)
{
    Start();
    const QString path = QString::fromStdString(table);
    PathBox()->setFocus();
    QTest::keyClicks(PathBox(), path.left(path.size() - 1));
    EXPECT_FALSE(view()->table().m_bTableLoaded);
    QTest::keyClicks(PathBox(), path.right(1));
    EXPECT_TRUE(view()->table().m_bTableLoaded);
    QTest::keyClick(PathBox(), Qt::Key_Backspace);
    EXPECT_FALSE(view()->table().m_bTableLoaded);
    PathBox()->clear();
    EXPECT_FALSE(view()->table().m_bTableLoaded);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(ViewTest, ConvertsBothWaysWithBothMethods)
{
    Store("DepthAgeFile", QString::fromStdString(table));
    Start();
    DepthBox()->setPlainText("0.5\n1.5\n\n2.5");
    AgeBox()->setPlainText("typed before");
    Click("IDC_DEPTH_TO_AGE");
    EXPECT_EQ(AgeBox()->toPlainText(), "0.500000\n2.500000\nerror\n");
    EXPECT_EQ(view()->agesText(), "0.500000\r\n2.500000\r\nerror\r\n");

    ChooseMethod("cubic spline");
    EXPECT_EQ(view()->methodText(), "cubic spline");
    Click("IDC_DEPTH_TO_AGE");
    EXPECT_EQ(AgeBox()->toPlainText(), "0.437500\n2.437500\nerror\n");

    AgeBox()->setPlainText("2\n4");
    Click("IDC_AGE_TO_DEPTH");
    EXPECT_EQ(DepthBox()->toPlainText(), "1.425926\n2.000000\n");
    ChooseMethod("linear");
    Click("IDC_AGE_TO_DEPTH");
    EXPECT_EQ(DepthBox()->toPlainText(), "1.333333\n2.000000\n");

    DepthBox()->clear();
    Click("IDC_DEPTH_TO_AGE");
    EXPECT_EQ(AgeBox()->toPlainText(), "");
    EXPECT_TRUE(warnings.empty());
}

TEST_F(ViewTest, ConvertWithoutTableOrMethod)
{
    Start();
    DepthBox()->setPlainText("1");
    AgeBox()->setPlainText("kept");
    Click("IDC_DEPTH_TO_AGE");
    Click("IDC_AGE_TO_DEPTH");
    EXPECT_EQ(warnings, (std::vector<QString>{"Depth-Age Setting File Error", "Depth-Age Setting File Error"}));
    EXPECT_EQ(AgeBox()->toPlainText(), "kept");
    EXPECT_EQ(DepthBox()->toPlainText(), "1");

    // A table that was loaded and then lost is no table.
    PathBox()->setText(QString::fromStdString(table));
    EXPECT_TRUE(view()->table().m_bTableLoaded);
    PathBox()->setText(QString::fromStdString(table) + ".missing");
    Click("IDC_DEPTH_TO_AGE");
    EXPECT_EQ(warnings.size(), 3u);

    // Nothing selected: the output box only empties.
    PathBox()->setText(QString::fromStdString(table));
    MethodList()->setCurrentIndex(-1);
    Click("IDC_DEPTH_TO_AGE");
    EXPECT_EQ(AgeBox()->toPlainText(), "");
    EXPECT_EQ(warnings.size(), 3u);
}

TEST_F(ViewTest, BrowseSetsThePathAndReloadsOnlyOnOk)
{
    Start();
    nextFile = std::nullopt;
    Click("IDC_BROWSE");
    EXPECT_EQ(fileDialogs, (std::vector<QString>{"|text file(*.txt)"}));
    EXPECT_EQ(PathBox()->text(), "");

    nextFile = QString::fromStdString(table);
    Click("IDC_BROWSE");
    EXPECT_EQ(PathBox()->text(), *nextFile);
    EXPECT_EQ(view()->table().m_nPoints, 3u);

    // The same file again is read again.
    dir.Write("table.txt", "0 0\n1 1\n2 4\n3 9\n");
    Click("IDC_BROWSE");
    EXPECT_EQ(view()->table().m_nPoints, 4u);

    nextFile = std::nullopt;
    Click("IDC_BROWSE");
    EXPECT_EQ(view()->table().m_nPoints, 4u);
    EXPECT_EQ(PathBox()->text().toStdString(), table);
}

// Texts of 256 characters or more are written back by every push: a long
// path reloads its table after each conversion, a short one does not.
TEST_F(ViewTest, LongTextsAreWrittenBackByEveryPush)
{
    const std::string folder = (dir.path() / std::string(250, 'd')).string();
    std::filesystem::create_directories(folder);
    const std::string longPath = folder + "/table.txt";
    ASSERT_GE(longPath.size(), 256u);
    for (const std::string& path : {table, longPath}) {
        std::ofstream(path) << "0 0\n1 1\n2 4\n";
        Start();
        PathBox()->setText(QString::fromStdString(path));
        ASSERT_EQ(view()->table().m_nPoints, 3u);
        std::ofstream(path, std::ios::app) << "3 9\n";
        QString depths;
        for (int k = 0; k < 60; ++k)
            depths += "1.25\n";
        DepthBox()->setPlainText(depths);
        DepthBox()->moveCursor(QTextCursor::End);
        Click("IDC_DEPTH_TO_AGE");
        const bool longOne = path == longPath;
        EXPECT_EQ(view()->table().m_nPoints, longOne ? 4u : 3u);
        EXPECT_EQ(DepthBox()->toPlainText(), depths);
        EXPECT_EQ(DepthBox()->textCursor().position(), 0); // 300 characters: written back
        EXPECT_TRUE(AgeBox()->toPlainText().startsWith("1.750000\n")); // the reload keeps the results
        Close();
    }
}

TEST_F(ViewTest, SettingsAreWrittenAtExitOnly)
{
    Start();
    PathBox()->setText(QString::fromStdString(table));
    ChooseMethod("cubic spline");
    EXPECT_EQ(Stored("DepthAgeFile"), std::nullopt);
    frame()->findChild<QAction*>("ID_APP_EXIT")->trigger();
    EXPECT_FALSE(frame()->isVisible());
    app.reset();
    EXPECT_EQ(Stored("InterpolationMethod"), QString("cubic spline"));
    EXPECT_EQ(Stored("DepthAgeFile"), QString::fromStdString(table));
}

TEST_F(ViewTest, NewDocumentRevertsPathAndMethod)
{
    Store("InterpolationMethod", "linear");
    Start();
    PathBox()->setText(QString::fromStdString(table));
    ChooseMethod("cubic spline");
    DepthBox()->setPlainText("typed since the last pull");
    QTest::keyClick(frame(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(PathBox()->text(), "");
    EXPECT_EQ(MethodList()->currentText(), "linear");
    EXPECT_FALSE(view()->table().m_bTableLoaded);
    EXPECT_EQ(DepthBox()->toPlainText(), "");
    EXPECT_EQ(frame()->windowTitle(), "Lomarek");

    nextFile = QString::fromStdString(table);
    QTest::keyClick(frame(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(fileDialogs.back(), "Open|All Files (*.*)");
    EXPECT_EQ(frame()->windowTitle(), "Lomarek");
    EXPECT_EQ(PathBox()->text(), "");
}

TEST_F(ViewTest, ClipboardKeysWorkInTheBoxes)
{
    Store("DepthAgeFile", QString::fromStdString(table));
    Start();
    DepthBox()->setPlainText("1.5");
    Click("IDC_DEPTH_TO_AGE");
    AgeBox()->setFocus();
    QTest::keyClick(AgeBox(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(AgeBox(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "2.500000\n");

    QGuiApplication::clipboard()->setText("0.25\n0.75\n");
    DepthBox()->setFocus();
    QTest::keyClick(DepthBox(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(DepthBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(DepthBox()->toPlainText(), "0.25\n0.75\n");
    QTest::keyClick(DepthBox(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(DepthBox()->toPlainText(), "1.5");
    QTest::keyClick(DepthBox(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(DepthBox(), Qt::Key_Return);
    EXPECT_EQ(DepthBox()->toPlainText(), "1.5\n");
}

TEST_F(ViewTest, HelpAndHomePageOpenOnce)
{
    Start();
    DepthBox()->setFocus();
    QTest::keyClick(DepthBox(), Qt::Key_F1);
    ASSERT_EQ(urls.opened.size(), 1u);
    EXPECT_TRUE(urls.opened[0].isLocalFile());
    EXPECT_TRUE(urls.opened[0].toLocalFile().endsWith("/Lomarek.html"));
    frame()->findChild<QAction*>("ID_HELP_MANUAL")->trigger();
    EXPECT_EQ(urls.opened.size(), 2u);
    EXPECT_EQ(urls.opened[1], urls.opened[0]);
    frame()->findChild<QAction*>("ID_HELP_HOMEPAGE")->trigger();
    ASSERT_EQ(urls.opened.size(), 3u);
    EXPECT_EQ(urls.opened[2], QUrl(CLomarekView::kHomePage));
    EXPECT_TRUE(warnings.empty());
}

TEST_F(ViewTest, FormLayout)
{
    Start();
    EXPECT_EQ(frame()->minimumSize(), frame()->maximumSize());
    EXPECT_FALSE(frame()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(frame()->windowTitle(), "Lomarek");
    EXPECT_EQ(frame()->findChild<QStatusBar*>(), nullptr);
    EXPECT_EQ(view()->plot()->geometry(), QRect(10, 85, 350, 350));
    EXPECT_GT(DepthBox()->geometry().left(), view()->plot()->geometry().right());
    EXPECT_LE(view()->plot()->geometry().bottom(), view()->height());
    EXPECT_LE(AgeBox()->geometry().right(), view()->width());
    EXPECT_EQ(QFontInfo(view()->font()).family(), "IPAPGothic");
    EXPECT_EQ(DepthBox()->lineWrapMode(), QPlainTextEdit::NoWrap);

    // The Tab key goes through the seven stops in the form's order.
    PathBox()->setFocus();
    QWidget* focus = PathBox();
    std::vector<QString> visited;
    for (int step = 0; step < 7; ++step) {
        visited.push_back(focus->objectName());
        focus = focus->nextInFocusChain();
        while (!(focus->focusPolicy() & Qt::TabFocus) || !focus->isVisible())
            focus = focus->nextInFocusChain();
    }
    EXPECT_EQ(visited, (std::vector<QString>{"IDC_SETTING_FILE", "IDC_BROWSE", "IDC_METHOD", "IDC_DEPTH_TO_AGE",
                                            "IDC_AGE_TO_DEPTH", "IDC_DEPTHS", "IDC_AGES"}));
}

} // namespace
} // namespace lomarek::testing
