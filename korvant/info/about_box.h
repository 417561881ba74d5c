#pragma once
#include "sk_form.h"

class QLabel;
class QPushButton;

namespace skelvora {

// "About": picture, product name, version, "Freeware" and the authors' address.
class TAboutBox : public SkForm {
    Q_OBJECT
public:
    explicit TAboutBox(KorvantApp& app);
    void OKButtonClick() { Close(); }

    QLabel *ProductName, *Version, *Copyright, *Comments;
    QPushButton* OKButton;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace skelvora
