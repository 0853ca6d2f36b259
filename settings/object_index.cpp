#include "object_index.h"

#include <QWidget>

namespace settings {

QObject* ObjectIndex::find(QWidget* window, std::string_view name)
{
    if (!window || name.empty())
        return window;
    QHash<QString, QObject*>& names = m_windows[window];
    if (names.isEmpty()) {
        const QList<QObject*> children = window->findChildren<QObject*>();
        for (QObject* child : children)
            if (!names.contains(child->objectName()))
                names.insert(child->objectName(), child);
    }
    return names.value(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace settings
