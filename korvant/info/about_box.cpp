#include "about_box.h"
#include "info_widgets.h"
#include "korvant_app.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#ifndef SKELVORA_VERSION
#define SKELVORA_VERSION "0.0.0"
#endif

namespace skelvora {

TAboutBox::TAboutBox(KorvantApp& a) : SkForm(a, QStringLiteral("About"), true)
{
    ProductName = new QLabel(QStringLiteral("Skelvora"), this);
    QFont f = ProductName->font();
    f.setPointSize(f.pointSize() + 8);
    f.setBold(true);
    ProductName->setFont(f);
    Version = new QLabel(QStringLiteral("Version " SKELVORA_VERSION), this);
    Copyright = new QLabel(QStringLiteral("Freeware"), this);
    Comments = new QLabel(
        QStringLiteral("<a href=\"mailto:developers@skelvora.example\">The Skelvora developers</a>"), this);
    Comments->setOpenExternalLinks(true);
    OKButton = new QPushButton(QStringLiteral("&OK"), this);

    auto* v = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(MakeHeading(QString(), this));
    auto* texts = new QVBoxLayout;
    texts->addWidget(ProductName);
    texts->addWidget(Version);
    texts->addWidget(Copyright);
    top->addLayout(texts);
    top->addStretch();
    v->addLayout(top);
    v->addWidget(Comments);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addStretch();
    v->addLayout(buttons);
    fixSize();
    app.reporter.connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
}

void TAboutBox::showEvent(QShowEvent* event)
{
    SkForm::showEvent(event);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

} // namespace skelvora
