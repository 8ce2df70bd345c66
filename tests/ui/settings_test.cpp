#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ui_fixture.h"

namespace lomarek::testing {
namespace {

using SettingsTest = ProgramTest;

// Whatever is wrong with the stored settings, the program starts on the
// defaults without a word and ends cleanly.
TEST_F(SettingsTest, CorruptSettingsFile)
{
    const QString folder = QString::fromStdString((dir.path() / "Tessavine").string());
    QDir().mkpath(folder);
    QFile file(folder + "/Lomarek.conf");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\xff\xfe[Sett\x00ings\n=\n[[[\nInterpolationMethod\n\x01\x02", 42));
    file.close();
    Start();
    EXPECT_EQ(MethodList()->currentText(), "linear");
    EXPECT_EQ(PathBox()->text(), "");
    Close();
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(Stored("InterpolationMethod"), QString("linear"));
}

TEST_F(SettingsTest, SettingsFileIsADirectory)
{
    const QString path = QString::fromStdString((dir.path() / "Tessavine" / "Lomarek.conf").string());
    ASSERT_TRUE(QDir().mkpath(path));
    Start();
    EXPECT_EQ(MethodList()->currentText(), "linear");
    PathBox()->setText(QString::fromStdString(table));
    Close();
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_TRUE(warnings.empty());
}

TEST_F(SettingsTest, SettingsFolderCannotBeMade)
{
    const std::string blocker = dir.Write("not-a-folder", "x");
    const QString below = QString::fromStdString(blocker) + "/settings";
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, below);
    Start();
    EXPECT_EQ(MethodList()->currentText(), "linear");
    Close();
    EXPECT_TRUE(QFileInfo(QString::fromStdString(blocker)).isFile());
    EXPECT_TRUE(warnings.empty());
}

TEST_F(SettingsTest, FolderReplacedByAFileWhileRunning)
{
    Store("InterpolationMethod", "cubic spline");
    Store("DepthAgeFile", QString::fromStdString(table));
    Start();
    const QString folder = QString::fromStdString((dir.path() / "Tessavine").string());
    const QString moved = folder + ".kept";
    ASSERT_TRUE(QDir().rename(folder, moved));
    ASSERT_TRUE(QFile(moved).exists());
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder was
    blocker.close();
    PathBox()->clear();
    Close();
    QSettings kept(moved + "/Lomarek.conf", QSettings::IniFormat);
    EXPECT_EQ(kept.value("Settings/InterpolationMethod").toString(), "cubic spline");
    EXPECT_EQ(kept.value("Settings/DepthAgeFile").toString().toStdString(), table);
    EXPECT_TRUE(warnings.empty());
}

} // namespace
} // namespace lomarek::testing
