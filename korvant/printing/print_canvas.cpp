#include "print_canvas.h"
#include "errors.h"

#include <QPainter>
#include <QPrinter>

namespace skelvora {

QtPrintCanvas::QtPrintCanvas(QPrinter& printer) : printer_(printer) {}

QtPrintCanvas::~QtPrintCanvas()
{
    if (painter_ && painter_->isActive())
        painter_->end();
}

void QtPrintCanvas::setTitle(const QString& title)
{
    printer_.setDocName(title);
}

void QtPrintCanvas::beginDoc()
{
    printer_.setResolution(600);
    printer_.setFullPage(false);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_))
        throw FileError("The printer could not start the print job");
    page_ = 1;
    QPen pen = painter_->pen();
    pen.setWidth(1);
    painter_->setPen(pen);
}

void QtPrintCanvas::endDoc()
{
    if (painter_ && !painter_->end())
        throw FileError("The print job could not be finished");
}

void QtPrintCanvas::newPage()
{
    if (!printer_.newPage())
        throw FileError("The printer could not start a new page");
    ++page_;
}

int QtPrintCanvas::pageWidth() const
{
    return printer_.width();
}

int QtPrintCanvas::pageHeight() const
{
    return printer_.height();
}

void QtPrintCanvas::setPenWidth(int width)
{
    QPen pen = painter_->pen();
    pen.setWidth(width);
    painter_->setPen(pen);
}

void QtPrintCanvas::textOut(int x, int y, const QString& text)
{
    painter_->drawText(x, y + painter_->fontMetrics().ascent(), text);
}

void QtPrintCanvas::hLine(int x1, int x2, int y)
{
    painter_->drawLine(x1, y, x2, y);
}

int QtPrintCanvas::textWidth(const QString& text) const
{
    return painter_ ? painter_->fontMetrics().horizontalAdvance(text) : 0;
}

} // namespace skelvora
