#include "editor_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace gui {

namespace {

constexpr int kSize = 32;  // drawn at 32 px, scaled down by the tool bar

void page(QPainter& p, const QRectF& r)
{
    p.setBrush(Qt::white);
    p.drawRect(r);
    for (qreal y = r.top() + 6; y < r.bottom() - 3; y += 5)
        p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4, y));
}

void draw(QPainter& p, EditorIcon which)
{
    p.setPen(QPen(QColor(40, 40, 40), 2));
    switch (which) {
    case EditorIcon::Open: {
        p.setBrush(QColor(230, 190, 80));
        p.drawRect(QRectF(3, 9, 26, 19));
        p.setBrush(QColor(250, 215, 110));
        QPainterPath flap;
        flap.moveTo(3, 28);
        flap.lineTo(9, 15);
        flap.lineTo(30, 15);
        flap.lineTo(26, 28);
        flap.closeSubpath();
        p.drawPath(flap);
        break;
    }
    case EditorIcon::Save:
        p.setBrush(QColor(60, 100, 170));
        p.drawRect(QRectF(4, 4, 24, 24));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(8, 18, 16, 10));
        break;
    case EditorIcon::Copy:
        page(p, QRectF(3, 3, 16, 20));
        page(p, QRectF(12, 9, 16, 20));
        break;
    case EditorIcon::Cut:
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(4, 20, 9, 9));
        p.drawEllipse(QRectF(19, 20, 9, 9));
        p.drawLine(QPointF(11, 21), QPointF(22, 3));
        p.drawLine(QPointF(21, 21), QPointF(10, 3));
        break;
    case EditorIcon::Paste:
        p.setBrush(QColor(180, 130, 70));
        p.drawRect(QRectF(4, 5, 20, 24));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(9, 2, 10, 6));
        page(p, QRectF(13, 12, 15, 18));
        break;
    case EditorIcon::Help: {
        p.setBrush(QColor(50, 110, 200));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(20);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
}

const char* themeName(EditorIcon which)
{
    switch (which) {
    case EditorIcon::Open:
        return "document-open";
    case EditorIcon::Save:
        return "document-save";
    case EditorIcon::Copy:
        return "edit-copy";
    case EditorIcon::Cut:
        return "edit-cut";
    case EditorIcon::Paste:
        return "edit-paste";
    case EditorIcon::Help:
        return "help-contents";
    }
    return "";
}

}  // namespace

QIcon editorIcon(EditorIcon which)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, which);
    }
    return QIcon::fromTheme(QString::fromLatin1(themeName(which)), QIcon(pixmap));
}

}  // namespace gui
