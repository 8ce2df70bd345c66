#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialogs.h"
#include "lomarek_app.h"
#include "lomarek_view.h"
#include "main_frame.h"
#include "temp_dir.h"

namespace lomarek::testing {

// Records what the program asks the desktop to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    std::vector<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

// A fresh program on settings of its own, with the dialogs answered by the test.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(dir.path().string()));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(dir.path().string()));
        saved = CurrentDialogs();
        CurrentDialogs().warning = [this](QWidget*, const QString& text) { warnings.push_back(text); };
        CurrentDialogs().openFile = [this](QWidget*, const QString& title, const QString& filter) {
            fileDialogs.push_back(title + "|" + filter);
            return nextFile;
        };
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &urls, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &urls, "open");
        table = dir.Write("table.txt", "// depth age\n0 0\n1 1\n2 4\n");
    }

    void TearDown() override
    {
        app.reset();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        CurrentDialogs() = saved;
    }

    void Store(const QString& key, const QString& value)
    {
        QSettings settings(QStringLiteral("Tessavine"), QStringLiteral("Lomarek"));
        settings.setValue(QStringLiteral("Settings/") + key, value);
    }

    std::optional<QString> Stored(const QString& key)
    {
        QSettings settings(QStringLiteral("Tessavine"), QStringLiteral("Lomarek"));
        const QString name = QStringLiteral("Settings/") + key;
        if (!settings.contains(name))
            return std::nullopt;
        return settings.value(name).toString();
    }

    void Start()
    {
        app = std::make_unique<CLomarekApp>();
        ASSERT_TRUE(app->InitInstance());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame()));
        frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame()));
    }

    // Closes the window as the close box does.
    void Close()
    {
        frame()->close();
        app.reset();
    }

    CMainFrame* frame() const { return app->mainFrame(); }
    CLomarekView* view() const { return frame()->view(); }
    template <class T>
    T* Control(const char* name) const
    {
        T* control = view()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLineEdit* PathBox() const { return Control<QLineEdit>("IDC_SETTING_FILE"); }
    QComboBox* MethodList() const { return Control<QComboBox>("IDC_METHOD"); }
    QPlainTextEdit* DepthBox() const { return Control<QPlainTextEdit>("IDC_DEPTHS"); }
    QPlainTextEdit* AgeBox() const { return Control<QPlainTextEdit>("IDC_AGES"); }
    void Click(const char* name) const { QTest::mouseClick(Control<QPushButton>(name), Qt::LeftButton); }
    // Chooses a method as a user does, with the keyboard on the closed list.
    void ChooseMethod(const QString& method)
    {
        QComboBox* list = MethodList();
        list->setFocus();
        const int target = list->findText(method);
        while (list->currentIndex() < target)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > target)
            QTest::keyClick(list, Qt::Key_Up);
    }

    TempDir dir;
    Dialogs saved;
    std::vector<QString> warnings;
    std::vector<QString> fileDialogs;
    std::optional<QString> nextFile;
    UrlRecorder urls;
    std::string table;
    std::unique_ptr<CLomarekApp> app;
};

} // namespace lomarek::testing
