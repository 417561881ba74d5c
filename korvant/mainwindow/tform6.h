#pragma once
#include "sk_form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;

namespace skelvora {

// "Settings": autosave, hints, auto open and the grid colours. It owns the
// autosave timer. It does not preview keys.
class TForm6 : public SkForm {
    Q_OBJECT
public:
    explicit TForm6(KorvantApp& app);

    void FormCreate();
    void CheckBox1Click();
    void CheckBox2Click();
    void btnChangef6Click();
    void btnOKf6Click();
    void btnCANCELf6Click();
    void Timer1Timer();

    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4;
    QSpinBox* CSpinEdit1;
    QLabel* MinutesLabel;
    QGroupBox* RadioGroup1;
    QRadioButton *BackgroundItem, *ForegroundItem;
    QPushButton *btnChangef6, *btnOKf6, *btnCANCELf6;
    QTimer* Timer1;

private:
    bool autosaveFailing_ = false;
};

} // namespace skelvora
