#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace lomarek {

// The modal dialogs that the program opens, behind a seam so that tests can
// answer them without a person.
struct Dialogs {
    // A warning message box titled "Lomarek" with an OK button.
    std::function<void(QWidget* parent, const QString& text)> warning;
    // An open-file dialog; the chosen path, or nothing when cancelled.
    std::function<std::optional<QString>(QWidget* parent, const QString& title, const QString& filter)> openFile;
};

// The dialogs in use; replaceable as a whole.
Dialogs& CurrentDialogs();

} // namespace lomarek
