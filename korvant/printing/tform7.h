#pragma once
#include "sk_form.h"

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace skelvora {

// "Print list": the whole catalogue, all lent items or one occupier's items.
class TForm7 : public SkForm {
    Q_OBJECT
public:
    explicit TForm7(KorvantApp& app);

    void RadioButton1Click();
    void RadioButton2Click();
    void btnPrintf7Click();
    void btnClosef7Click() { Close(); }

    QGroupBox* GroupBox1;
    QRadioButton *RadioButton3, *RadioButton1, *RadioButton2;
    QComboBox* ComboBox1;
    QPushButton *btnPrintf7, *btnClosef7;

private:
    void PrintCatalogueList();
};

} // namespace skelvora
