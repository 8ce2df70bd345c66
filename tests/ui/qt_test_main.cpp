#include <QApplication>
#include <QSurfaceFormat>

#include <gtest/gtest.h>

#include <cstring>

#include "form_units.h"

int main(int argc, char** argv)
{
    // Listing the tests needs no window system, so the build can do it anywhere.
    for (int a = 1; a < argc; ++a) {
        if (std::strcmp(argv[a], "--gtest_list_tests") == 0) {
            testing::InitGoogleTest(&argc, argv);
            return RUN_ALL_TESTS();
        }
    }
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    QSurfaceFormat::setDefaultFormat(format);
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tessavine"));
    QCoreApplication::setApplicationName(QStringLiteral("Lomarek"));
    lomarek::RegisterJapaneseFontSubstitutes();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
