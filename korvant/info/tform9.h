#pragma once
#include "sk_form.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace skelvora {

// "Skelvora Properties": the open catalogue as a file and as a collection.
class TForm9 : public SkForm {
    Q_OBJECT
public:
    explicit TForm9(KorvantApp& app);

    void FormCreate();
    void btnOKf9Click() { Close(); }
    // The "Accessed:" value, written by the reader and by New too.
    void SetAccessed(const QString& text);

    QTabWidget* PageControl1;
    QLabel *Label5, *Label9, *Label10, *Label12, *Label13, *Label25;
    QLabel *Label16, *Label18, *Label20, *Label23;
    QPushButton* btnOKf9;
};

// "K KB (B bytes)" and "F/1999 (P%)".
QString SizeText(long long bytes);
QString FreeCapacityText(int records);

} // namespace skelvora
