#include "tform11.h"
#include "errors.h"
#include "id_conversion.h"
#include "info_widgets.h"
#include "korvant_app.h"
#include "tform1.h"

#include <QBitmap>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace skelvora {

const char* InfoTypeText(int t)
{
    static const char* const texts[kMediaTypeCount] = {
        "DivX", "VideoCD", "DVD", "VHS casette", "Audio CD", "Data CD", "MG casette", "LP desk", "MP3 album"};
    return unsigned(t) < unsigned(kMediaTypeCount) ? texts[t] : "";
}

const char* InfoPictureFile(int t)
{
    static const char* const files[kMediaTypeCount] = {
        "icons/divx.bmp", "icons/vcd3.bmp", "icons/dvd.bmp", "icons/vhs.bmp", "icons/audiocd3.bmp",
        "icons/datacd.bmp", "icons/valkman.bmp", "icons/lp3.bmp", "icons/mp3.bmp"};
    return unsigned(t) < unsigned(kMediaTypeCount) ? files[t] : "";
}

TForm11::TForm11(KorvantApp& a) : SkForm(a, QStringLiteral("Record information"), true)
{
    PageControl1 = new QTabWidget(this);
    auto value = [this] {
        auto* l = new QLabel(this);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setMinimumWidth(240);
        return l;
    };
    Label3 = value(); Label5 = value(); Label7 = value(); Label11 = value();
    Label9 = new QLabel(this);
    Label13 = value(); Label15 = value(); Label17 = value();
    Label4 = new QLabel(this);
    Label6 = new QLabel(this);
    Image3 = new QLabel(this);
    Image3->setFixedSize(33, 33);

    auto* general = new QWidget;
    auto* gv = new QVBoxLayout(general);
    gv->addWidget(MakeHeading(QStringLiteral("Skelvora"), general));
    auto* f = new QFormLayout;
    f->addRow(QStringLiteral("ID:"), Label3);
    f->addRow(Label4, Label5);
    f->addRow(Label6, Label7);
    auto* type = new QHBoxLayout;
    type->addWidget(Image3);
    type->addWidget(Label9, 1);
    f->addRow(QStringLiteral("Type:"), type);
    f->addRow(MakeRule(general));
    f->addRow(QStringLiteral("Current occupier:"), Label11);
    f->addRow(QStringLiteral("Rent time:"), Label13);
    f->addRow(QStringLiteral("Last occupier:"), Label15);
    f->addRow(QStringLiteral("Rent times:"), Label17);
    gv->addLayout(f);
    gv->addStretch();
    PageControl1->addTab(general, QStringLiteral("General"));

    btnOKf11 = new QPushButton(QStringLiteral("&OK"), this);
    auto* v = new QVBoxLayout(this);
    v->addWidget(PageControl1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOKf11);
    v->addLayout(buttons);
    app.reporter.connect(btnOKf11, &QPushButton::clicked, this, [this] { btnOKf11Click(); });
}

void TForm11::LoadPicture(const std::string& path)
{
    QImage img(KorvantApp::pathText(path));
    if (img.isNull())
        throw FileError("Cannot open the picture " + path);
    // The colour of the bottom-left pixel is the picture's background.
    QPixmap pm = QPixmap::fromImage(img.scaled(33, 33, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const QColor background = img.pixelColor(0, img.height() - 1);
    QImage scaled = img.scaled(33, 33, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    pm.setMask(QBitmap::fromImage(scaled.createMaskFromColor(background.rgb(), Qt::MaskInColor)));
    Image3->setPixmap(pm);
}

void TForm1::ToolButton19Click()
{
    auto& cat = app.cat;
    TForm11& w = *app.Form11;
    const std::string& cell = StringGrid1->Cell(0, app.CurrentRow);
    auto id = ConvertId(cell);
    if (!id)
        throw CatalogueError("'" + cell + "' is not a valid record number");
    std::string pictureError;
    // Several records may share the ID: the last one in table order stays shown.
    cat.ForEachWithId(*id, [&](const TCD& rec) {
        const TCD* r = &rec;
        w.Label3->setText(QString::number(r->ID));
        w.Label4->setText(app.ui(StringGrid1->Cell(1, 0)) + ":");
        w.Label5->setText(app.ui(r->PrimaryName));
        w.Label6->setText(app.ui(StringGrid1->Cell(2, 0)) + ":");
        w.Label7->setText(app.ui(r->SecondaryName));
        if (unsigned(r->MediaType) < unsigned(kMediaTypeCount)) {
            w.Label9->setText(QString::fromLatin1(InfoTypeText(r->MediaType)));
            // The text rows are filled even when the picture cannot be read.
            try {
                w.LoadPicture(app.svc.programDir + InfoPictureFile(r->MediaType));
            } catch (const std::exception& e) {
                pictureError = e.what();
                w.Image3->clear();
            }
        }
        if (!IsLent(*r)) {
            w.Label11->setText(QStringLiteral("Film is no lent"));
            w.Label13->setText(QStringLiteral("Film is no lent"));
        } else {
            w.Label11->setText(app.ui(r->Occupier));
            w.Label13->setText(app.ui(RentTimeTextOrEmpty(r->RentTime, app.svc.names)));
        }
        w.Label15->setText(r->RentCount == 0 ? QStringLiteral("Film was not lent yet") : app.ui(r->LastOccupier));
        w.Label17->setText(QString::number(r->RentCount));
    });
    w.ShowModeless();
    if (!pictureError.empty())
        throw FileError(pictureError);
}

} // namespace skelvora
