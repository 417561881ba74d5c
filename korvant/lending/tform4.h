#pragma once
#include "sk_form.h"

#include <functional>

class QPushButton;

namespace skelvora {

class StringGrid;
class TCD;

// The lent-list window. Its table is also the working table from which the
// print-list dialog prints lent lists; hidden, it is always in its rest state
// (the title row and one empty data row).
class TForm4 : public SkForm {
    Q_OBJECT
public:
    explicit TForm4(KorvantApp& app);

    void FormCreate();
    void btnPrintf4Click();
    void btnClosef4Click();

    // Title row from the main grid, then one row per record taken, in table order.
    // Returns the number of rows appended.
    int Fill(const std::function<bool(const TCD&)>& take);
    void RestState();
    bool InRestState() const;

    // Set while a print job of this window runs: the print dialog over it
    // does not close it.
    bool HoldOpen = false;

    StringGrid* StringGrid1;
    QPushButton *btnPrintf4, *btnClosef4;

protected:
    void FormActivate() override;
    void FormDeactivate() override;
    void hideEvent(QHideEvent* event) override;

private:
    bool closing_ = false;
};

} // namespace skelvora
