#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

class QWidget;

// Where a window stands, as the settings keep it: the corner and the size of
// its outer frame, title bar and borders included, the way the window manager
// reports them.
namespace settings {

// The outer frame's corner; for a window not shown yet, where it will go.
QPoint frameCorner(const QWidget* window);
// The outer size; for a window not shown yet, the size it will have.
QSize outerSize(const QWidget* window);

// Whether a frame with its corner at (left, top) and that width shows enough
// of its title bar on one of the screens (available areas) to be dragged.
// Any int values, however far off, are safe.
bool titleBarOnScreen(long long left, long long top, long long width, const std::vector<QRect>& screens);

// Puts the window's outer frame corner at (left, top), or at the default
// corner when that title bar would be on no screen now (at the primary
// screen's corner when neither is); with an outer size, sizes it too,
// within the primary screen. A window the window manager has not framed yet
// is placed as if it had no frame and moved once its frame is known, each
// time it is shown again as well.
void placeWindow(QWidget* window, QPoint stored, QPoint fallback, std::optional<QSize> outer);

}  // namespace settings
