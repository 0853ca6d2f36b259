#pragma once

#include <QHash>
#include <QString>
#include <string_view>

class QObject;
class QWidget;

namespace settings {

// The objects of each window by name, from one walk of the window the first
// time it is asked about; the first of a name stands, as with findChild. Build
// one for a pass over many names while no object comes or goes.
class ObjectIndex {
public:
    // The window itself for an empty name; nullptr for no window or no such object.
    QObject* find(QWidget* window, std::string_view name);

private:
    QHash<QWidget*, QHash<QString, QObject*>> m_windows;
};

}  // namespace settings
