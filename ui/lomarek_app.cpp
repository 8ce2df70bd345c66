#include "lomarek_app.h"

#include <QApplication>
#include <QSurfaceFormat>

#include <cstdio>
#include <cstdlib>

#include "form_units.h"
#include "lomarek_doc.h"
#include "lomarek_view.h"
#include "main_frame.h"

namespace lomarek {
namespace {

bool DisplayNamed()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
#if defined(_WIN32) || defined(__APPLE__)
    return true;
#else
    return false;
#endif
}

QByteArray& FirstStartMessage()
{
    static QByteArray message;
    return message;
}

// Qt ends the process with an abort when no display can be reached; a user
// gets one plain line and a failure status instead.
void ReportFatal(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (FirstStartMessage().isEmpty())
        FirstStartMessage() = message.toLocal8Bit();
    if (type != QtFatalMsg)
        return;
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, "lomarek: cannot open the window on display %s: %s\n", display ? display : "(none)",
                 FirstStartMessage().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

CLomarekApp::CLomarekApp() = default;
CLomarekApp::~CLomarekApp() = default;

bool CLomarekApp::InitInstance()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tessavine"));
    QCoreApplication::setApplicationName(QStringLiteral("Lomarek"));
    RegisterJapaneseFontSubstitutes();
    m_document = std::make_unique<CLomarekDoc>();
    m_document->OnNewDocument();
    m_frame = std::make_unique<CMainFrame>(m_document.get());
    // The surface's context exists once the window is shown; the initial
    // update then sets up the plot and draws the first frame.
    m_frame->show();
    m_frame->view()->OnInitialUpdate();
    m_frame->update();
    return true;
}

int CLomarekApp::Run(int argc, char** argv)
{
    if (!DisplayNamed()) {
        std::fprintf(stderr, "lomarek: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)\n");
        return 1;
    }
    qInstallMessageHandler(ReportFatal);
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    QSurfaceFormat::setDefaultFormat(format);
    // Arguments change nothing, not even Qt's own options such as -platform.
    int noArguments = 1;
    char* programOnly[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    QApplication application(noArguments, programOnly);
    qInstallMessageHandler(nullptr);
    CLomarekApp app;
    if (!app.InitInstance())
        return 1;
    return QApplication::exec();
}

} // namespace lomarek
