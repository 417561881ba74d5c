#include "tform3.h"
#include "id_conversion.h"
#include "korvant_app.h"
#include "occupier_file.h"
#include "tform1.h"

#include <QCollator>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace skelvora {

namespace {
const QString kPlaceholder = QStringLiteral("Enter occupier");
}

TForm3::TForm3(KorvantApp& a) : SkForm(a, QStringLiteral("Rent film"), true)
{
    RadioButton1 = new QRadioButton(QStringLiteral("Rent film: "), this);
    RadioButton2 = new QRadioButton(QStringLiteral("Enter ID for CD to rent"), this);
    RadioButton2->setChecked(true);
    Edit1 = new QLineEdit(this);
    Edit1->setMaxLength(4);
    Edit1->setFixedWidth(70);
    Label2 = new QLabel(QStringLiteral("Occupier name"), this);
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMinimumWidth(330);
    ComboBox1->setEditText(kPlaceholder);
    btnOKf3 = new QPushButton(QStringLiteral("R&ent film"), this);
    btnADDOCf3 = new QPushButton(QStringLiteral("&Add occ"), this);
    btnREMOCCf3 = new QPushButton(QStringLiteral("&Remove occ"), this);

    auto* v = new QVBoxLayout(this);
    v->addWidget(RadioButton1);
    auto* idRow = new QHBoxLayout;
    idRow->addWidget(RadioButton2);
    idRow->addWidget(Edit1);
    idRow->addStretch();
    v->addLayout(idRow);
    v->addSpacing(6);
    v->addWidget(Label2);
    v->addWidget(ComboBox1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnOKf3);
    buttons->addStretch();
    buttons->addWidget(btnADDOCf3);
    buttons->addWidget(btnREMOCCf3);
    v->addLayout(buttons);
    fixSize();

    auto& rep = app.reporter;
    rep.connect(btnOKf3, &QPushButton::clicked, this, [this] { btnOKf3Click(); });
    rep.connect(btnADDOCf3, &QPushButton::clicked, this, [this] { btnADDOCf3Click(); });
    rep.connect(btnREMOCCf3, &QPushButton::clicked, this, [this] { btnREMOCCf3Click(); });
    rep.connect(RadioButton1, &QRadioButton::clicked, this, [this] { RadioButton1Click(); });
    rep.connect(RadioButton2, &QRadioButton::clicked, this, [this] { RadioButton2Click(); });
    connect(ComboBox1, &QComboBox::activated, this, [this](int index) { picked_ = index; });

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    rep.connect(Timer1, &QTimer::timeout, this, [this] { app.Form1->StatusTimerStep(); });
    Timer1->start();
}

void TForm3::FormCreate()
{
    LoadOccupiers(app.occupierFilePath());
}

void TForm3::Forget(const TCD* record)
{
    if (!record || target_ == record)
        target_ = nullptr;
}

void TForm3::LoadOccupiers(const std::string& path)
{
    auto entries = LoadOccupierFile(path);
    const QString text = ComboBox1->currentText();
    ComboBox1->clear();
    picked_ = -1;
    for (const auto& e : entries)
        AddOccupier(e);
    picked_ = -1;
    ComboBox1->setEditText(text);
}

void TForm3::AddOccupier(const std::string& name)
{
    // The list sorts itself the way the user's language sorts, without
    // regard to case; equal names go after those already there.
    static QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const QString shown = app.ui(name);
    int at = ComboBox1->count();
    for (int i = 0; i < ComboBox1->count(); ++i)
        if (collator.compare(shown, ComboBox1->itemText(i)) < 0) {
            at = i;
            break;
        }
    const QString text = ComboBox1->currentText();
    ComboBox1->insertItem(at, shown, QByteArray::fromStdString(name));
    if (picked_ >= at)
        ++picked_;
    ComboBox1->setEditText(text);
}

std::vector<std::string> TForm3::OccupierEntries() const
{
    std::vector<std::string> out;
    for (int i = 0; i < ComboBox1->count(); ++i)
        out.push_back(ComboBox1->itemData(i).toByteArray().toStdString());
    return out;
}

void TForm3::RadioButton1Click()
{
    Edit1->setEnabled(false);
}

void TForm3::RadioButton2Click()
{
    Edit1->setEnabled(true);
}

void TForm3::Lend(TCD& r, const std::string& occupier)
{
    r.Occupier = occupier;
    r.RentTime = PackMoment(app.svc.clock.now());
    r.RentCount += 1;
    r.LastOccupier = occupier;
    app.cat.LentCount += 1;
}

void TForm3::finish()
{
    app.Form1->RefreshGrid();
    Edit1->clear();
    Close();
    app.Form1->StringGrid1->setFocus();
}

void TForm3::btnOKf3Click()
{
    auto& cat = app.cat;
    auto& dialogs = app.svc.dialogs;
    const QString typed = ComboBox1->currentText();
    // An empty occupier would count a loan that does not exist.
    if (typed == kPlaceholder || typed.isEmpty() || typed == QLatin1String(" ")) {
        dialogs.notify(this, QStringLiteral("No occupier selected"), QStringLiteral("Rent CD"), MsgIcon::Stop);
        app.Form1->StringGrid1->setFocus();
        return;
    }
    auto occupier = app.storableText(this, typed, QStringLiteral("The occupier name"));
    if (!occupier)
        return;

    if (RadioButton1->isChecked()) {
        if (cat.DatabaseOpen && cat.Shows(target_))
            Lend(*target_, *occupier);
    } else if (auto id = ConvertId(Edit1->text().toStdString())) {
        const int found = cat.ForEachWithId(*id, [&](TCD& r) {
            if (!IsLent(r))
                Lend(r, *occupier);
            else
                dialogs.notify(this, QStringLiteral("CD is rent"), QStringLiteral("Rent CD"), MsgIcon::Stop);
        });
        if (found == 0)
            dialogs.notify(this, QStringLiteral("No enter ID for CD or ID is not used"),
                           QStringLiteral("Rent CD"), MsgIcon::Stop);
    } else {
        dialogs.notify(this, QStringLiteral("Invalid format ID for CD"), QStringLiteral("Rent CD"),
                       MsgIcon::Stop);
    }
    finish();
}

void TForm3::btnADDOCf3Click()
{
    const QString typed = ComboBox1->currentText();
    if (typed == kPlaceholder) {
        app.svc.dialogs.notify(this, QStringLiteral("No occupier to save."), kPlaceholder,
                               MsgIcon::Information);
        return;
    }
    auto name = app.storableText(this, typed, QStringLiteral("The occupier name"));
    if (!name)
        return;
    AddOccupier(*name);
    SaveOccupierFile(app.occupierFilePath(), OccupierEntries());
}

void TForm3::btnREMOCCf3Click()
{
    if (ComboBox1->currentText() == kPlaceholder) {
        app.svc.dialogs.notify(this, QStringLiteral("No occupier selected"), kPlaceholder,
                               MsgIcon::Information);
        return;
    }
    if (picked_ < 0 || picked_ >= ComboBox1->count())
        return;
    const QString text = ComboBox1->currentText();
    ComboBox1->removeItem(picked_);
    picked_ = -1;
    ComboBox1->setEditText(text);
}

bool TForm3::Edit1KeyPress(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ComboBox1->setFocus();
        return true;
    }
    if (key == Qt::Key_Escape) {
        Close();
        return true;
    }
    return false;
}

bool TForm3::ComboBox1KeyPress(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        btnOKf3Click();
        return true;
    }
    return false;
}

bool TForm3::FormKeyPress(QWidget* target, QKeyEvent* event)
{
    QWidget* focus = target;
    if (focus == Edit1)
        return Edit1KeyPress(event->key());
    if (focus == ComboBox1 || (focus && ComboBox1->isAncestorOf(focus)))
        return ComboBox1KeyPress(event->key());
    return false;
}

} // namespace skelvora
