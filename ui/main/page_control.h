#pragma once

#include <QTabBar>
#include <QTabWidget>
#include <vector>

namespace gui {

// A tab bar whose tabs wrap to further rows when they do not fit the wrap
// width; every row is stretched to the full width.
class MultiRowTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit MultiRowTabBar(QWidget* parent = nullptr);

    void setWrapWidth(int width);
    int wrapWidth() const { return m_wrapWidth; }
    int rowCount() const;
    // The tab's rectangle in the wrapped arrangement; the row of the current
    // tab is the lowest.
    QRect wrappedTabRect(int index) const;
    int wrappedTabAt(const QPoint& pos) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void tabLayoutChange() override;

private:
    int naturalTabWidth(int index) const;
    int rowHeight() const;
    void arrange() const;

    int m_wrapWidth = 0;
    int m_hover = -1;
    mutable std::vector<QRect> m_rects;
    mutable std::vector<int> m_rowOf;
    mutable int m_rowCount = 0;
};

// A page control whose tabs wrap to several rows and light up under the mouse.
class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);
    MultiRowTabBar* rows() const { return m_bar; }

private:
    MultiRowTabBar* m_bar;
};

}  // namespace gui
