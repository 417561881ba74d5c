#pragma once
#include "sk_form.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace skelvora {

// "Record information": everything the catalogue knows about one record.
class TForm11 : public SkForm {
    Q_OBJECT
public:
    explicit TForm11(KorvantApp& app);

    void btnOKf11Click() { Close(); }
    // Loads the media-type picture; a missing or unreadable file throws.
    void LoadPicture(const std::string& path);

    QTabWidget* PageControl1;
    QLabel *Label3, *Label4, *Label5, *Label6, *Label7, *Label9, *Label11, *Label13, *Label15, *Label17;
    QLabel* Image3;
    QPushButton* btnOKf11;
};

// The media-type texts and picture files of this window, by MediaType.
const char* InfoTypeText(int mediaType);
const char* InfoPictureFile(int mediaType);

} // namespace skelvora
