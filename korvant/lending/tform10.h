#pragma once
#include "sk_form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace skelvora {

// "Revert CD": returns an item named by its ID.
class TForm10 : public SkForm {
    Q_OBJECT
public:
    explicit TForm10(KorvantApp& app);

    void btnOKf10Click();
    void btnCANCELf10Click();
    bool FormKeyPress(QWidget* target, QKeyEvent* event) override;

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton *btnOKf10, *btnCANCELf10;
};

} // namespace skelvora
