#pragma once

#include <QMainWindow>

namespace lomarek {

class CLomarekView;
class CLomarekDoc;

// The main window: title "Lomarek", a menu, no status bar or toolbar, and a
// size fixed to the form; it can be moved and minimised, not resized.
class CMainFrame final : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame(CLomarekDoc* document, QWidget* parent = nullptr);

    CLomarekView* view() const { return m_view; }
    // Shrinks the window to hold exactly the form.
    void FitToForm();

    // The document commands of Ctrl+N and Ctrl+O.
    void OnFileNew();
    void OnFileOpen();
    void OnAppAbout();

private:
    void BuildMenus();

    CLomarekDoc* m_document;
    CLomarekView* m_view;
};

} // namespace lomarek
