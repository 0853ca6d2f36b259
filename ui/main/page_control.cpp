#include "page_control.h"

#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <algorithm>

namespace gui {

namespace {

const int kTextPadding = 24;

}  // namespace

MultiRowTabBar::MultiRowTabBar(QWidget* parent) : QTabBar(parent)
{
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setDrawBase(false);
    setExpanding(false);
    setMouseTracking(true);
}

void MultiRowTabBar::setWrapWidth(int width)
{
    m_wrapWidth = width;
    updateGeometry();
    update();
}

int MultiRowTabBar::naturalTabWidth(int index) const
{
    return fontMetrics().horizontalAdvance(tabText(index)) + kTextPadding;
}

int MultiRowTabBar::rowHeight() const
{
    return fontMetrics().height() + 12;
}

void MultiRowTabBar::arrange() const
{
    const int n = count();
    const int width = std::max(m_wrapWidth, 1);
    m_rects.assign(n, QRect());
    m_rowOf.assign(n, 0);

    // greedy rows in tab order
    std::vector<std::pair<int, int>> rows;  // first index, past-the-end index
    int first = 0, used = 0;
    for (int i = 0; i < n; ++i) {
        const int w = naturalTabWidth(i);
        if (i > first && used + w > width) {
            rows.push_back({first, i});
            first = i;
            used = 0;
        }
        used += w;
    }
    if (first < n)
        rows.push_back({first, n});

    // the row of the current tab lies next to the pages, as on a card index
    int currentRow = 0;
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (currentIndex() >= rows[r].first && currentIndex() < rows[r].second)
            currentRow = int(r);
    const int rowCount = int(rows.size());
    const auto place = [&](int r) { return r == currentRow ? rowCount - 1 : r > currentRow ? r - 1 : r; };

    const int h = rowHeight();
    for (int r = 0; r < rowCount; ++r) {
        const auto [from, to] = rows[r];
        int natural = 0;
        for (int i = from; i < to; ++i)
            natural += naturalTabWidth(i);
        // share the spare width out so that the row fills the bar
        int x = 0, spare = std::max(width - natural, 0);
        for (int i = from; i < to; ++i) {
            const int extra = spare / (to - i);
            spare -= extra;
            const int w = naturalTabWidth(i) + extra;
            m_rects[i] = QRect(x, place(r) * h, w, h);
            m_rowOf[i] = r;
            x += w;
        }
    }
    m_rowCount = rowCount;
}

int MultiRowTabBar::rowCount() const
{
    arrange();
    return m_rowCount;
}

QRect MultiRowTabBar::wrappedTabRect(int index) const
{
    arrange();
    return index >= 0 && index < int(m_rects.size()) ? m_rects[index] : QRect();
}

int MultiRowTabBar::wrappedTabAt(const QPoint& pos) const
{
    arrange();
    for (std::size_t i = 0; i < m_rects.size(); ++i)
        if (m_rects[i].contains(pos) && isTabEnabled(int(i)))
            return int(i);
    return -1;
}

QSize MultiRowTabBar::sizeHint() const
{
    return QSize(m_wrapWidth, std::max(rowCount(), 1) * rowHeight());
}

QSize MultiRowTabBar::minimumSizeHint() const
{
    return sizeHint();
}

void MultiRowTabBar::paintEvent(QPaintEvent*)
{
    arrange();
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        option.rect = m_rects[i];
        const bool firstInRow = i == 0 || m_rowOf[i - 1] != m_rowOf[i];
        const bool lastInRow = i == count() - 1 || m_rowOf[i + 1] != m_rowOf[i];
        option.position = firstInRow && lastInRow ? QStyleOptionTab::OnlyOneTab
                          : firstInRow            ? QStyleOptionTab::Beginning
                          : lastInRow             ? QStyleOptionTab::End
                                                  : QStyleOptionTab::Middle;
        option.selectedPosition = QStyleOptionTab::NotAdjacent;
        option.state &= ~(QStyle::State_MouseOver | QStyle::State_Selected | QStyle::State_HasFocus);
        if (i == currentIndex())
            option.state |= QStyle::State_Selected;
        if (i == m_hover)
            option.state |= QStyle::State_MouseOver;
        painter.drawControl(QStyle::CE_TabBarTab, option);
    }
}

void MultiRowTabBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const int index = wrappedTabAt(event->position().toPoint());
    if (index >= 0)
        setCurrentIndex(index);
    event->accept();
}

void MultiRowTabBar::mouseMoveEvent(QMouseEvent* event)
{
    const int hover = wrappedTabAt(event->position().toPoint());
    if (hover != m_hover) {
        m_hover = hover;
        update();
    }
    event->accept();
}

void MultiRowTabBar::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void MultiRowTabBar::leaveEvent(QEvent* event)
{
    m_hover = -1;
    update();
    QTabBar::leaveEvent(event);
}

void MultiRowTabBar::tabLayoutChange()
{
    updateGeometry();
    update();
}

PageControl::PageControl(QWidget* parent) : QTabWidget(parent), m_bar(new MultiRowTabBar(this))
{
    setTabBar(m_bar);
    // the current row moves next to the pages
    connect(m_bar, &QTabBar::currentChanged, m_bar, qOverload<>(&QWidget::update));
}

}  // namespace gui
