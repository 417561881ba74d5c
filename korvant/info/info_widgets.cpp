#include "info_widgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace skelvora {

namespace {
// A small emblem of our own: a disc and a cassette side by side.
QPixmap Emblem()
{
    QPixmap pm(44, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 70, 90), 1.2));
    p.setBrush(QColor(200, 210, 230));
    p.drawEllipse(QRectF(1, 2, 28, 28));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(12, 13, 6, 6));
    p.setBrush(QColor(90, 100, 120));
    p.drawRoundedRect(QRectF(24, 10, 18, 12), 2, 2);
    return pm;
}
} // namespace

QWidget* MakeHeading(const QString& text, QWidget* parent)
{
    auto* w = new QWidget(parent);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 6);
    auto* pic = new QLabel(w);
    pic->setPixmap(Emblem());
    auto* title = new QLabel(text, w);
    QFont f = title->font();
    f.setPointSize(f.pointSize() + 10);
    f.setBold(true);
    f.setItalic(true);
    title->setFont(f);
    title->setStyleSheet(QStringLiteral("color: #2b4a7a;"));
    h->addWidget(pic);
    h->addWidget(title);
    h->addStretch();
    return w;
}

QWidget* MakeRule(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace skelvora
