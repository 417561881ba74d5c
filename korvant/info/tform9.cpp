#include "tform9.h"
#include "info_widgets.h"
#include "korvant_app.h"
#include "tform1.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <sys/stat.h>

namespace skelvora {

QString SizeText(long long bytes)
{
    return QString::number(bytes / 1024) + " KB" + " (" + QString::number(bytes) + " bytes)";
}

QString FreeCapacityText(int records)
{
    const int free = kCapacity - records;
    return QString::number(free) + "/1999 (" + QString::number(free * 100 / kCapacity) + "%)";
}

TForm9::TForm9(KorvantApp& a) : SkForm(a, QStringLiteral("Skelvora Properties"), true)
{
    PageControl1 = new QTabWidget(this);
    auto value = [this] {
        auto* l = new QLabel(this);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    Label5 = value(); Label9 = value(); Label10 = value(); Label12 = value();
    Label13 = value(); Label25 = value();
    Label16 = value(); Label18 = value(); Label20 = value(); Label23 = value();

    auto* general = new QWidget;
    auto* gv = new QVBoxLayout(general);
    gv->addWidget(MakeHeading(QStringLiteral("Skelvora"), general));
    auto* gf = new QFormLayout;
    gf->addRow(new QLabel(QStringLiteral("Type of file:              Skelvora file")));
    gf->addRow(QStringLiteral("File name:"), Label5);
    gf->addRow(new QLabel(QStringLiteral("Description:             Skelvora")));
    gf->addRow(MakeRule(general));
    gf->addRow(QStringLiteral("Location:"), Label9);
    gf->addRow(QStringLiteral("Size:"), Label10);
    gf->addRow(MakeRule(general));
    gf->addRow(QStringLiteral("Created:"), Label12);
    gf->addRow(QStringLiteral("Modified:"), Label13);
    gf->addRow(QStringLiteral("Accessed:"), Label25);
    gv->addLayout(gf);
    gv->addStretch();
    PageControl1->addTab(general, QStringLiteral("General"));

    auto* summary = new QWidget;
    auto* sv = new QVBoxLayout(summary);
    sv->addWidget(MakeHeading(QStringLiteral("Skelvora"), summary));
    auto* sf = new QFormLayout;
    sf->addRow(QStringLiteral("Database name:"), Label16);
    sf->addRow(new QLabel(QStringLiteral("Database capacity: 1999 items")));
    sf->addRow(QStringLiteral("Free capacity:"), Label23);
    sf->addRow(MakeRule(summary));
    sf->addRow(QStringLiteral("CD in database:"), Label18);
    sf->addRow(QStringLiteral("Loan CD:"), Label20);
    sv->addLayout(sf);
    sv->addStretch();
    PageControl1->addTab(summary, QStringLiteral("Summary"));

    btnOKf9 = new QPushButton(QStringLiteral("&OK"), this);
    auto* v = new QVBoxLayout(this);
    v->addWidget(PageControl1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOKf9);
    v->addLayout(buttons);
    setMinimumWidth(420);
    app.reporter.connect(btnOKf9, &QPushButton::clicked, this, [this] { btnOKf9Click(); });
}

void TForm9::FormCreate()
{
    if (app.settings.AutoOpen)
        SetAccessed(app.ui(app.nowText(kShortMomentPattern)));
}

void TForm9::SetAccessed(const QString& text)
{
    Label25->setText(text);
}

void TForm1::Properties1Click()
{
    auto& cat = app.cat;
    TForm9& w = *app.Form9;
    struct stat st;
    if (::stat(cat.DatabasePath.c_str(), &st) != 0)
        throw FileError("Cannot read the properties of " + cat.DatabasePath + ": " + std::strerror(errno));
    const long long bytes = st.st_size;
    const int records = StringGrid1->RowCount() - 1;
    auto moment = [&](int32_t packed) {
        // A stamp that is no valid moment shows as nothing; the rest still shows.
        try {
            return app.ui(FormatMoment(UnpackMoment(packed), kShortMomentPattern, app.svc.names));
        } catch (const InvalidMoment&) {
            return QString();
        }
    };
    std::tm tm{};
    localtime_r(&st.st_mtime, &tm);
    const int32_t stamp = PackMoment({tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec});

    w.Label5->setText(KorvantApp::pathText(FileNamePart(cat.DatabasePath)));
    w.Label9->setText(KorvantApp::pathText(DirectoryPart(cat.DatabasePath)));
    w.Label10->setText(SizeText(bytes));
    w.Label12->setText(moment(cat.CreatedTime));
    w.Label13->setText(moment(stamp));
    w.Label16->setText(KorvantApp::pathText(FileNamePart(cat.DatabasePath)));
    w.Label18->setText(QString::number(records));
    w.Label20->setText(QString::number(cat.LentCount));
    w.Label23->setText(FreeCapacityText(records));
    w.ShowModeless();
}

} // namespace skelvora
