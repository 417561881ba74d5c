#pragma once
#include "dialogs.h"
#include "error_report.h"
#include "file_association.h"

#include <QWidget>
#include <string>

namespace halvent {

// The setup utility's main window. It is never shown in normal operation:
// its creation step writes the default settings and the file association.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1(skelvora::Dialogs& dialogs, std::string programDir, std::string registryPath);

    // Returns true when everything was written and the program may end.
    bool FormCreate();

    skelvora::FileAssociation abfFileAssociation1;

private:
    skelvora::ErrorReporter reporter_;
    std::string programDir_;
    std::string registryPath_;
};

} // namespace halvent
