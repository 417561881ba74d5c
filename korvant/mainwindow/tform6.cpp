#include "tform6.h"
#include "korvant_app.h"
#include "tform1.h"
#include "tform4.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace skelvora {

TForm6::TForm6(KorvantApp& a) : SkForm(a, QStringLiteral("Settings"), false)
{
    CheckBox1 = new QCheckBox(QStringLiteral("Auto save database"), this);
    CSpinEdit1 = new QSpinBox(this);
    CSpinEdit1->setRange(1, 60);
    CSpinEdit1->setValue(10);
    CSpinEdit1->setEnabled(false);
    MinutesLabel = new QLabel(QStringLiteral("minutes"), this);
    CheckBox4 = new QCheckBox(QStringLiteral("Auto open last used database"), this);
    CheckBox2 = new QCheckBox(QStringLiteral("Show hint"), this);
    CheckBox3 = new QCheckBox(QStringLiteral("Show hint with shortcut"), this);
    CheckBox3->setEnabled(false);
    RadioGroup1 = new QGroupBox(QStringLiteral("Change color"), this);
    BackgroundItem = new QRadioButton(QStringLiteral("Background Color"), RadioGroup1);
    ForegroundItem = new QRadioButton(QStringLiteral("Foreground Color"), RadioGroup1);
    BackgroundItem->setChecked(true);
    btnChangef6 = new QPushButton(QStringLiteral("Change"), RadioGroup1);
    btnOKf6 = new QPushButton(QStringLiteral("&OK"), this);
    btnCANCELf6 = new QPushButton(QStringLiteral("&Cancel"), this);
    for (QWidget* w : {static_cast<QWidget*>(CheckBox1), static_cast<QWidget*>(CheckBox2),
                       static_cast<QWidget*>(CheckBox3), static_cast<QWidget*>(CheckBox4)})
        w->setToolTip(static_cast<QCheckBox*>(w)->text());
    RadioGroup1->setToolTip(RadioGroup1->title());

    auto* v = new QVBoxLayout(this);
    auto* save = new QHBoxLayout;
    save->addWidget(CheckBox1);
    save->addStretch();
    save->addWidget(CSpinEdit1);
    save->addWidget(MinutesLabel);
    v->addLayout(save);
    v->addWidget(CheckBox4);
    v->addWidget(CheckBox2);
    v->addWidget(CheckBox3);
    auto* rg = new QGridLayout(RadioGroup1);
    rg->addWidget(BackgroundItem, 0, 0);
    rg->addWidget(ForegroundItem, 1, 0);
    rg->addWidget(btnChangef6, 0, 1, 2, 1, Qt::AlignVCenter);
    v->addWidget(RadioGroup1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOKf6);
    buttons->addWidget(btnCANCELf6);
    v->addLayout(buttons);
    fixSize();

    Timer1 = new QTimer(this);
    auto& rep = app.reporter;
    rep.connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    rep.connect(CheckBox2, &QCheckBox::clicked, this, [this] { CheckBox2Click(); });
    rep.connect(btnChangef6, &QPushButton::clicked, this, [this] { btnChangef6Click(); });
    rep.connect(btnOKf6, &QPushButton::clicked, this, [this] { btnOKf6Click(); });
    rep.connect(btnCANCELf6, &QPushButton::clicked, this, [this] { btnCANCELf6Click(); });
    // The autosave reports its own failures, once per streak.
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

void TForm6::FormCreate()
{
    const Settings& s = app.settings;
    if (s.AutoSave) {
        CSpinEdit1->setEnabled(true);
        CheckBox1->setChecked(true);
        Timer1->setInterval(s.Time * 60000);
        CSpinEdit1->setValue(s.Time);
        Timer1->start();
    }
    app.Form1->ApplyHints(s.Hint, s.ShortCut);
    CheckBox3->setChecked(s.ShortCut);
    if (s.Hint) {
        CheckBox2->setChecked(true);
        CheckBox3->setEnabled(true);
    }
    if (s.LastUsed.empty())
        CheckBox4->setEnabled(false);
    else
        CheckBox4->setChecked(s.AutoOpen);
}

void TForm6::CheckBox1Click()
{
    CSpinEdit1->setEnabled(CheckBox1->isChecked());
}

void TForm6::CheckBox2Click()
{
    CheckBox3->setEnabled(CheckBox2->isChecked());
}

void TForm6::btnChangef6Click()
{
    auto& cat = app.cat;
    const bool background = BackgroundItem->isChecked();
    QColor initial = ColorFromWindows(background ? cat.GridColor : cat.FontColor);
    auto chosen = app.svc.dialogs.chooseColor(this, initial);
    if (!chosen)
        return;
    (background ? cat.GridColor : cat.FontColor) = ColorToWindows(*chosen);
    // Without a catalogue there is nothing a colour change could make unsaved.
    if (cat.DatabaseOpen)
        cat.Modified = true;
}

void TForm6::btnOKf6Click()
{
    Settings& s = app.settings;
    s.AutoSave = CheckBox1->isChecked();
    s.Time = CSpinEdit1->value();
    s.Hint = CheckBox2->isChecked();
    s.ShortCut = CheckBox3->isChecked();
    s.AutoOpen = CheckBox4->isChecked();
    Timer1->setInterval(s.Time * 60000);
    if (s.AutoSave)
        Timer1->start();
    else
        Timer1->stop();
    Close();
    app.Form1->StringGrid1->SetColors(app.cat.GridColor, app.cat.FontColor);
    app.Form4->StringGrid1->SetColors(app.cat.GridColor, app.cat.FontColor);
    app.Form1->ApplyHints(s.Hint, s.ShortCut);
    app.Form1->setPanel(4, s.AutoSave ? "Autosave is active" : "Autosave is not active");
}

void TForm6::btnCANCELf6Click()
{
    Close();
}

void TForm6::Timer1Timer()
{
    if (!app.cat.DatabaseOpen)
        return;
    // Written on every tick, changed or not. A failure is shown once until a
    // tick succeeds again, not every few minutes.
    const bool modifiedBefore = app.cat.Modified;
    try {
        app.Form1->WriteCatalogue();
        autosaveFailing_ = false;
    } catch (const std::exception& e) {
        app.cat.Modified = modifiedBefore || app.cat.Modified;
        if (!autosaveFailing_)
            app.reporter.report(QString::fromUtf8(e.what()));
        autosaveFailing_ = true;
    }
}

} // namespace skelvora

namespace skelvora {

void TForm1::Settings1Click()
{
    TForm6& dlg = *app.Form6;
    dlg.CSpinEdit1->setEnabled(app.settings.AutoSave);
    app.cat.GridColor = StringGrid1->GridColor();
    app.cat.FontColor = StringGrid1->FontColor();
    dlg.ShowModeless();
}

} // namespace skelvora
