#include "window_place.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace settings {

namespace {

// What of the title bar must be seen for it to be dragged back.
constexpr long long kTitleBarHeight = 24;
constexpr long long kVisibleHeight = 10;
constexpr long long kVisibleWidth = 100;

std::vector<QRect> availableScreens()
{
    std::vector<QRect> out;
    for (const QScreen* screen : QGuiApplication::screens())
        out.push_back(screen->availableGeometry());
    return out;
}

// Qt places a window that has no frame yet as if it never would: under a
// window manager that keeps the client where it was asked to be, the frame
// ends up a title bar higher (and a border further left) than asked, and the
// place saved from it creeps on every run. Asked for the frame's corner
// itself just before the window is mapped, the window manager puts the frame
// there. This asks so each time the window is shown, at the place it had when
// it was closed; an outer size is made right once the frame is known.
class FrameKeeper : public QObject {
public:
    static inline const QString kName = QStringLiteral("FrameKeeper");

    explicit FrameKeeper(QWidget* window) : QObject(window), m_window(window)
    {
        setObjectName(kName);
        window->installEventFilter(this);
    }

    void want(QPoint corner, std::optional<QSize> outer)
    {
        m_corner = corner;
        m_outer = outer;
        m_sizePending = outer.has_value();
        // already on its way to the screen: ask now
        if (QWindow* handle = m_window->windowHandle())
            handle->setFramePosition(corner);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Hide:
            // closed (not minimised): shown again, it comes back here
            if (!event->spontaneous())
                m_corner = frameCorner(m_window);
            break;
        case QEvent::Show:
            if (QWindow* handle = m_window->windowHandle(); handle && !event->spontaneous())
                handle->setFramePosition(m_corner);
            break;
        case QEvent::Move:
        case QEvent::Resize:
            settleSize();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // The client made the outer size less the frame, once the frame is known,
    // unless it has been resized since.
    void settleSize()
    {
        const QRect frame = m_window->frameGeometry();
        const QRect client = m_window->geometry();
        if (!m_sizePending || !m_window->isVisible() || frame == client)
            return;
        m_sizePending = false;
        if (client.size() != *m_outer)
            return;
        const QSize inner = (*m_outer - (frame.size() - client.size()))
                                .expandedTo(m_window->minimumSize())
                                .boundedTo(m_window->maximumSize());
        m_window->resize(inner);
    }

    QWidget* m_window;
    QPoint m_corner;
    std::optional<QSize> m_outer;
    bool m_sizePending = false;
};

}  // namespace

QPoint frameCorner(const QWidget* window)
{
    return window->frameGeometry().topLeft();
}

QSize outerSize(const QWidget* window)
{
    return window->frameGeometry().size();
}

bool titleBarOnScreen(long long left, long long top, long long width, const std::vector<QRect>& screens)
{
    for (const QRect& screen : screens) {
        const long long seenLeft = std::max<long long>(left, screen.left());
        const long long seenRight =
            std::min<long long>(left + width, screen.left() + static_cast<long long>(screen.width()));
        const long long seenTop = std::max<long long>(top, screen.top());
        const long long seenBottom =
            std::min<long long>(top + kTitleBarHeight, screen.top() + static_cast<long long>(screen.height()));
        if (seenRight - seenLeft >= std::min(kVisibleWidth, width) && seenBottom - seenTop >= kVisibleHeight)
            return true;
    }
    return false;
}

void placeWindow(QWidget* window, QPoint stored, QPoint fallback, std::optional<QSize> outer)
{
    const std::vector<QRect> screens = availableScreens();
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect primaryArea = primary ? primary->availableGeometry() : QRect(0, 0, 4096, 4096);
    if (outer) {
        // never smaller than usable, never larger than the screen
        outer = QSize(std::clamp(outer->width(), 100, std::max(100, primaryArea.width())),
                      std::clamp(outer->height(), 100, std::max(100, primaryArea.height())));
        window->resize(*outer);
    }
    const int width = outer ? outer->width() : outerSize(window).width();
    QPoint corner = primaryArea.topLeft();
    if (titleBarOnScreen(stored.x(), stored.y(), width, screens))
        corner = stored;
    else if (titleBarOnScreen(fallback.x(), fallback.y(), width, screens))
        corner = fallback;
    window->move(corner);

    auto* keeper =
        static_cast<FrameKeeper*>(window->findChild<QObject*>(FrameKeeper::kName, Qt::FindDirectChildrenOnly));
    if (!keeper)
        keeper = new FrameKeeper(window);
    keeper->want(corner, outer);
}

}  // namespace settings
