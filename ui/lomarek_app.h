#pragma once

#include <memory>

namespace lomarek {

class CLomarekDoc;
class CMainFrame;

// Start-up: the settings' home, the one document, the frame and its view.
class CLomarekApp final {
public:
    CLomarekApp();
    ~CLomarekApp();

    // Needs a QApplication. Arguments change nothing: the program always
    // starts on a new, empty document.
    bool InitInstance();

    CMainFrame* mainFrame() const { return m_frame.get(); }

    // The whole program: refuses plainly without a display, then runs.
    static int Run(int argc, char** argv);

private:
    std::unique_ptr<CLomarekDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace lomarek
