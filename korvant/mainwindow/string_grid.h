#pragma once
#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace skelvora {

class CodePage;

// Windows colour values (0x00BBGGRR, or 0xFF0000nn for a system colour).
QColor ColorFromWindows(int32_t value);
int32_t ColorToWindows(const QColor& color);

// Cell texts by (column, row) as code-page bytes; row 0 is the title row.
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    StringGridModel(const CodePage& codePage, int columns, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int gridRowCount() const { return int(rows_.size()); }
    void setGridRowCount(int rows);
    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);
    void setColors(const QColor& background, const QColor& text);
    // Column 0 drawn like the title row, as a fixed column.
    void setFixedFirstColumn(bool fixed) { fixedFirstColumn_ = fixed; }
    // Cell changes between these two are announced once, at the end.
    void beginUpdate() { ++batch_; }
    void endUpdate();

private:
    using Row = std::vector<std::string>;
    const CodePage& codePage_;
    int columns_;
    std::vector<Row> rows_;
    QColor background_ = Qt::white, text_ = Qt::black;
    int batch_ = 0;
    bool fixedFirstColumn_ = false;
    bool pending_ = false;
};

// The string grid of the catalogue windows: a fixed title row shown as the
// header, read-only cells, one selection event.
class StringGrid : public QTableView {
    Q_OBJECT
public:
    StringGrid(const CodePage& codePage, int columns, QWidget* parent = nullptr);

    int RowCount() const { return model_->gridRowCount(); }
    void SetRowCount(int rows) { model_->setGridRowCount(rows); }
    const std::string& Cell(int column, int row) const { return model_->cell(column, row); }
    void SetCell(int column, int row, std::string text) { model_->setCell(column, row, std::move(text)); }
    void BeginUpdate() { model_->beginUpdate(); }
    void EndUpdate() { model_->endUpdate(); }

    void SetColors(int32_t gridColor, int32_t fontColor);
    int32_t GridColor() const { return gridColor_; }
    int32_t FontColor() const { return fontColor_; }
    // Moves the selection to a data row without announcing it.
    void SelectQuietly(int column, int row);
    // The selected cell as the user would pick it (announced like a click).
    void SelectCell(int column, int row);
    StringGridModel* gridModel() const { return model_; }

signals:
    void cellSelected(int column, int row);

private:
    StringGridModel* model_;
    int32_t gridColor_ = 0x00FFFFFF;
    int32_t fontColor_ = int32_t(0xFF000008u);
    bool quiet_ = false;
};

} // namespace skelvora
