#pragma once
#include <QString>
#include <memory>

class QPainter;
class QPrinter;

namespace skelvora {

// What the list layout needs of a printer, in device units (dots).
class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;
    virtual void setTitle(const QString& title) = 0;
    virtual void beginDoc() = 0;
    virtual void endDoc() = 0;
    virtual void newPage() = 0;
    virtual int pageNumber() const = 0;
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    virtual void setPenWidth(int width) = 0;
    // Text with its top-left corner at (x, y).
    virtual void textOut(int x, int y, const QString& text) = 0;
    virtual void hLine(int x1, int x2, int y) = 0;
    // The width a text takes in the canvas's font.
    virtual int textWidth(const QString& text) const = 0;
};

// The real canvas: a QPrinter at 600 dots per inch, origin at the top-left
// corner of the printable area, the printer's default font.
class QtPrintCanvas : public PrintCanvas {
public:
    explicit QtPrintCanvas(QPrinter& printer);
    ~QtPrintCanvas() override;
    void setTitle(const QString& title) override;
    void beginDoc() override;
    void endDoc() override;
    void newPage() override;
    int pageNumber() const override { return page_; }
    int pageWidth() const override;
    int pageHeight() const override;
    void setPenWidth(int width) override;
    void textOut(int x, int y, const QString& text) override;
    void hLine(int x1, int x2, int y) override;
    int textWidth(const QString& text) const override;

private:
    QPrinter& printer_;
    std::unique_ptr<QPainter> painter_;
    int page_ = 0;
};

} // namespace skelvora
