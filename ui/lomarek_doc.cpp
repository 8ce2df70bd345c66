#include "lomarek_doc.h"

namespace lomarek {

bool CLomarekDoc::OnNewDocument()
{
    m_path.clear();
    return true;
}

bool CLomarekDoc::OnOpenDocument(const QString& path)
{
    m_path = path;
    return true;
}

} // namespace lomarek
