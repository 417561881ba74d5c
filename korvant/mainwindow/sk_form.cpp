#include "sk_form.h"
#include "korvant_app.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLayout>

namespace skelvora {

SkForm::SkForm(KorvantApp& a, const QString& caption, bool previewsKeys)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      app(a), previewsKeys_(previewsKeys)
{
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

bool SkForm::FormKeyPress(QWidget*, QKeyEvent*)
{
    return false;
}

void SkForm::ShowModeless()
{
    show();
    raise();
    activateWindow();
}

void SkForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        app.reporter.run([this] {
            if (isActiveWindow())
                FormActivate();
            else
                FormDeactivate();
        });
    }
}

void SkForm::keyPressEvent(QKeyEvent* event)
{
    // A window that does not preview keys sees only those no control took.
    if (!previewsKeys_)
        app.UpdateLockIndicators();
    QWidget::keyPressEvent(event);
}

void SkForm::fixSize()
{
    fixedSize_ = true;
    ensurePolished();
    adjustSize();
    setFixedSize(sizeHint());
}

void SkForm::showEvent(QShowEvent* event)
{
    // Fonts and styles are final only now; the fixed size follows them.
    if (fixedSize_) {
        if (layout())
            layout()->invalidate();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setFixedSize(sizeHint());
    }
    QWidget::showEvent(event);
}

} // namespace skelvora
