#pragma once
#include "sk_form.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace skelvora {

class TCD;

// The add/edit record dialog.
class TForm2 : public SkForm {
    Q_OBJECT
public:
    explicit TForm2(KorvantApp& app);

    void btnOKf2Click();
    void btnCANCELf2Click();
    bool FormKeyPress(QWidget* target, QKeyEvent* event) override;

    // Opens for Edit of record, or for Add when record is null.
    void Open(TCD* record);
    // A record that left the table is no longer the dialog's target
    // (null: the whole catalogue went).
    void Forget(const TCD* record);
    int MediaTypeIndex() const;
    void SetMediaTypeIndex(int index);

    QLabel *Label1, *Label2;
    QLineEdit *Edit1, *Edit2;
    QGroupBox* RadioGroup1;
    QButtonGroup* RadioItems;
    QPushButton *btnOKf2, *btnCANCELf2;

private:
    TCD* target_ = nullptr;
};

} // namespace skelvora
