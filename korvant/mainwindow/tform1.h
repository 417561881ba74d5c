#pragma once
#include "string_grid.h"

#include <QMainWindow>
#include <array>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;

namespace skelvora {

class KorvantApp;

enum class ReadMode { Open, StartUp };

// The main window: the catalogue grid, its menus, tool bar and status bar.
// Its commands are defined beside the subsystem they belong to.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(KorvantApp& app);

    // Lifecycle.
    void FormCreate();
    void FormActivate();
    void FormDeactivate();
    bool FormCloseQuery();
    void FormClose();
    void Exit1Click();
    void About1Click();

    // The grid and the status bar.
    void RefreshGrid();
    void StringGrid1SelectCell(int column, int row);
    void StatusTimerStep();
    void SetCatalogueCommands(bool enabled);
    void PopupMenu1Popup();
    void ShowPosition();
    void ApplyHints(bool hints, bool withShortcuts);

    // The catalogue file with the window steps around the codec.
    void ReadCatalogue(ReadMode mode);
    void WriteCatalogue();

    // File commands.
    void Newdatabase1Click();
    void Open1Click();
    void Closedatabase1Click();
    bool CloseStep();
    void Save1Click();
    void SaveAs1Click();
    // Record commands.
    void InsertItem1Click();
    void EditRecond1Click();
    void RemoveRecord1Click();
    void ByOrigName1Click();
    void BySlovakName1Click();
    void ByOccupier1Click();
    // Lending.
    void Rent1Click();
    void Revert1Click();
    void Alllent1Click();
    void Occupierslist1Click();
    // Information, printing, settings.
    void ToolButton19Click();
    void Properties1Click();
    void Printlist1Click();
    void PrintLentList();
    void PrintSetup1Click();
    void Settings1Click();

    QString panel(int index) const;
    void setPanel(int index, const QString& text);

    StringGrid* StringGrid1;
    QProgressBar* ProgressBar1;
    QLabel* ProgressLabel;
    std::array<QLabel*, 10> Panels{};

    QMenu *File1, *Database1, *RentRevert1, *Program1, *SortTitle1, *ViewLentFilms1;
    QAction *New1, *Open1, *Closedatabase1, *Save1, *SaveAs1, *Printlist1, *PrintSetup1,
        *Properties1, *Exit1;
    QAction *InsertItem1, *EditRecond1, *RemoveRecord1, *ByOrigName1, *BySlovakName1,
        *ByOccupier1, *Alllent1, *Occupierslist1, *Recordinformation1;
    QAction *Rent1, *Revert1, *Settings1, *About1;

    QMenu *PopupMenu1, *SortTitle3, *Viewlentfilms2;
    QAction *AddRecond1, *EditRecord1, *RemoveRecord3, *ByOrigName2, *BySlovakName2, *ByID2,
        *Rent3, *Revert3, *Alllentflims1, *Occupierslist2, *Recordinformation2;

    QToolBar* ToolBar1;
    QAction *ToolButton11, *ToolButton12, *ToolButton1, *ToolButton2, *ToolButton10,
        *ToolButton14, *ToolButton5, *ToolButton7, *ToolButton9, *ToolButton15, *ToolButton16,
        *ToolButton3, *ToolButton19;

    // The pop-up menu opens by itself only while the main window is active.
    bool PopupAutoPopup = false;
    // The save dialog remembers the name it last held.
    QString SaveDialog1FileName;
    // Counts the catalogue files written, so a caller can tell which step of
    // a failed write failed.
    unsigned CataloguesWritten = 0;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void showPopup(const QPoint& globalPos);
    void clampCurrentRow();
    void RowSort(int key);

    KorvantApp& app;
    std::vector<QAction*> catalogueCommands_;
    std::vector<std::pair<QAction*, QAction*>> toolHints_;  // tool button, menu twin
};

} // namespace skelvora
