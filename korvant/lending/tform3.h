#pragma once
#include "sk_form.h"

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace skelvora {

class TCD;

// "Rent film": lends one item to an occupier. It also owns the main
// window's 100 ms status timer.
class TForm3 : public SkForm {
    Q_OBJECT
public:
    explicit TForm3(KorvantApp& app);

    void FormCreate();
    void btnOKf3Click();
    void btnADDOCf3Click();
    void btnREMOCCf3Click();
    void RadioButton1Click();
    void RadioButton2Click();
    bool Edit1KeyPress(int key);
    bool ComboBox1KeyPress(int key);
    bool FormKeyPress(QWidget* target, QKeyEvent* event) override;

    // The dialog's target record, remembered until the next Rent command.
    void SetTarget(TCD* record) { target_ = record; }
    TCD* Target() const { return target_; }
    // A record that left the table is no longer the target (null: all went).
    void Forget(const TCD* record);

    // The occupier list: the combo box's entries, kept sorted.
    void LoadOccupiers(const std::string& path);
    std::vector<std::string> OccupierEntries() const;
    void AddOccupier(const std::string& name);
    int PickedIndex() const { return picked_; }

    QRadioButton *RadioButton1, *RadioButton2;
    QLineEdit* Edit1;
    QLabel* Label2;
    QComboBox* ComboBox1;
    QPushButton *btnOKf3, *btnADDOCf3, *btnREMOCCf3;
    QTimer* Timer1;

private:
    void Lend(TCD& record, const std::string& occupier);
    void finish();
    TCD* target_ = nullptr;
    int picked_ = -1;  // the entry last picked from the list
};

} // namespace skelvora
