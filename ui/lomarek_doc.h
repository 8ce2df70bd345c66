#pragma once

#include <QString>

namespace lomarek {

// The document holds no data: all of the program's state lives in the view.
class CLomarekDoc final {
public:
    bool OnNewDocument();
    // Reads nothing from the file; only its path is kept.
    bool OnOpenDocument(const QString& path);

    const QString& path() const { return m_path; }

private:
    QString m_path;
};

} // namespace lomarek
