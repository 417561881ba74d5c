#include "korvant_app.h"
#include "korvant_application.h"
#include "sk_form.h"
#include "about_box.h"
#include "print_canvas.h"
#include "tform1.h"
#include "tform10.h"
#include "tform11.h"
#include "tform2.h"
#include "tform3.h"
#include "tform4.h"
#include "tform6.h"
#include "tform7.h"
#include "tform8.h"
#include "tform9.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPrinter>

namespace skelvora {

KorvantApp::KorvantApp(Services services) : svc(std::move(services)), reporter(svc.dialogs)
{
    if (auto* a = dynamic_cast<KorvantApplication*>(QCoreApplication::instance()))
        a->program = this;
}

KorvantApp::~KorvantApp()
{
    if (auto* a = dynamic_cast<KorvantApplication*>(QCoreApplication::instance()); a && a->program == this)
        a->program = nullptr;
    // Windows go in the reverse order of their creation.
    Form11.reset();
    Form10.reset();
    Form9.reset();
    Form8.reset();
    AboutBox.reset();
    Form7.reset();
    Form6.reset();
    Form4.reset();
    Form3.reset();
    Form2.reset();
    Form1.reset();
}

void KorvantApp::CreateWindows()
{
    // Each window's creation step is reported on failure; the window stays.
    Form1 = std::make_unique<TForm1>(*this);
    reporter.run([this] { Form1->FormCreate(); });
    Form2 = std::make_unique<TForm2>(*this);
    Form3 = std::make_unique<TForm3>(*this);
    reporter.run([this] { Form3->FormCreate(); });
    Form4 = std::make_unique<TForm4>(*this);
    reporter.run([this] { Form4->FormCreate(); });
    Form6 = std::make_unique<TForm6>(*this);
    reporter.run([this] { Form6->FormCreate(); });
    Form7 = std::make_unique<TForm7>(*this);
    AboutBox = std::make_unique<TAboutBox>(*this);
    Form8 = std::make_unique<TForm8>(*this);
    Form9 = std::make_unique<TForm9>(*this);
    reporter.run([this] { Form9->FormCreate(); });
    Form10 = std::make_unique<TForm10>(*this);
    Form11 = std::make_unique<TForm11>(*this);
}

QPrinter& KorvantApp::printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setResolution(600);
    }
    return *printer_;
}

std::unique_ptr<PrintCanvas> KorvantApp::makeCanvas(QPrinter& p)
{
    if (canvasFactory)
        return canvasFactory(p);
    return std::make_unique<QtPrintCanvas>(p);
}

std::optional<std::string> KorvantApp::storableText(QWidget* parent, const QString& text, const QString& what)
{
    auto bytes = svc.codePage.fromUnicode(text);
    if (!bytes) {
        svc.dialogs.notify(parent,
                           what + " holds the character \"" + svc.codePage.firstUnrepresentable(text) +
                               "\", which a catalogue in the code page " +
                               QString::fromStdString(svc.codePage.name()) +
                               " cannot hold. Please change the text.",
                           QStringLiteral("Skelvora"), MsgIcon::Stop);
        return std::nullopt;
    }
    if (!CanStoreText(*bytes)) {
        svc.dialogs.notify(parent,
                           what + " holds the sign \u00A4 standing alone as a word. A catalogue file "
                                  "uses it to separate its fields, so it cannot be stored that way. "
                                  "Please change the text.",
                           QStringLiteral("Skelvora"), MsgIcon::Stop);
        return std::nullopt;
    }
    return bytes;
}

QString KorvantApp::pathText(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string KorvantApp::pathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

std::string KorvantApp::nowText(std::string_view pattern) const
{
    return FormatMoment(svc.clock.now(), pattern, svc.names);
}

void KorvantApp::UpdateLockIndicators()
{
    if (!Form1)
        return;
    const LockState s = svc.lockKeys.state();
    Form1->setPanel(6, s.num ? QStringLiteral("123") : QString());
    Form1->setPanel(5, s.caps ? QStringLiteral("ABC") : QString());
    Form1->setPanel(7, s.scroll ? QStringLiteral("SCRL") : QString());
}

bool KorvantApp::preview(QObject* receiver, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        // "Show hint" off: no tool tip anywhere in the program.
        return !ShowHints;
    case QEvent::ShortcutOverride: {
        // Alt+A and Alt+E belong to the record commands, not to the menu
        // bar's mnemonics of "&Action" and "&Edit": taking the override here
        // lets the key arrive as a key press below.
        auto* ke = static_cast<QKeyEvent*>(event);
        if (Form1 && ke->modifiers() == Qt::AltModifier &&
            (ke->key() == Qt::Key_A || ke->key() == Qt::Key_E)) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto* w = qobject_cast<QWidget*>(receiver);
        if (!w || !Form1)
            return false;
        auto* ke = static_cast<QKeyEvent*>(event);
        QWidget* win = w->window();
        if (ke->modifiers() == Qt::AltModifier && (ke->key() == Qt::Key_A || ke->key() == Qt::Key_E)) {
            UpdateLockIndicators();
            QAction* a = ke->key() == Qt::Key_A ? Form1->InsertItem1 : Form1->EditRecond1;
            if (a->isEnabled())
                a->trigger();
            return true;
        }
        if (win == Form1.get()) {
            UpdateLockIndicators();
            return false;
        }
        auto* form = qobject_cast<SkForm*>(win);
        if (!form || !form->previewsKeys())
            return false;
        UpdateLockIndicators();
        bool used = false;
        reporter.run([&] { used = form->FormKeyPress(w, ke); });
        return used;
    }
    default:
        return false;
    }
}

} // namespace skelvora
