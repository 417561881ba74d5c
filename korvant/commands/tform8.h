#pragma once
#include "sk_form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace skelvora {

// "New database": the two column titles of a new catalogue.
class TForm8 : public SkForm {
    Q_OBJECT
public:
    explicit TForm8(KorvantApp& app);

    void btnOKf8Click();
    void btnCancelf8Click();
    bool FormKeyPress(QWidget* target, QKeyEvent* event) override;

    QLabel *Label1, *Label2;
    QLineEdit *Edit1, *Edit2;
    QPushButton *btnOKf8, *btnCancelf8;
};

} // namespace skelvora
