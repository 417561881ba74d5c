#include "string_grid.h"
#include "code_page.h"

#include <QApplication>
#include <QHeaderView>
#include <QPalette>

namespace skelvora {

QColor ColorFromWindows(int32_t value)
{
    uint32_t v = uint32_t(value);
    if ((v >> 24) == 0xFF) {
        // System colours: the few a catalogue is likely to hold.
        const QPalette pal = QApplication::palette();
        switch (v & 0xFF) {
        case 5: return pal.color(QPalette::Base);            // window background
        case 8: return pal.color(QPalette::Text);            // window text
        case 15: return pal.color(QPalette::Button);         // button face
        case 18: return pal.color(QPalette::ButtonText);
        case 13: return pal.color(QPalette::Highlight);
        case 14: return pal.color(QPalette::HighlightedText);
        default: return pal.color(QPalette::Text);
        }
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

int32_t ColorToWindows(const QColor& c)
{
    return int32_t(uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16);
}

StringGridModel::StringGridModel(const CodePage& codePage, int columns, QObject* parent)
    : QAbstractTableModel(parent), codePage_(codePage), columns_(columns),
      rows_(2, Row(size_t(columns)))
{
}

int StringGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size()) - 1;
}

int StringGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return codePage_.toUnicode(rows_[size_t(index.row()) + 1][size_t(index.column())]);
    case Qt::BackgroundRole:
        return fixedFirstColumn_ && index.column() == 0 ? QApplication::palette().color(QPalette::Button)
                                                        : background_;
    case Qt::ForegroundRole:
        return fixedFirstColumn_ && index.column() == 0 ? QApplication::palette().color(QPalette::ButtonText)
                                                        : text_;
    default: return {};
    }
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columns_)
        return codePage_.toUnicode(rows_[0][size_t(section)]);
    return {};
}

void StringGridModel::setGridRowCount(int rows)
{
    rows = std::max(rows, 1);
    int shown = int(rows_.size()) - 1, want = rows - 1;
    if (want > shown) {
        beginInsertRows({}, shown, want - 1);
        rows_.resize(size_t(rows), Row(size_t(columns_)));
        endInsertRows();
    } else if (want < shown) {
        beginRemoveRows({}, want, shown - 1);
        rows_.resize(size_t(rows));
        endRemoveRows();
    }
}

const std::string& StringGridModel::cell(int column, int row) const
{
    static const std::string empty;
    if (row < 0 || row >= int(rows_.size()) || column < 0 || column >= columns_)
        return empty;
    return rows_[size_t(row)][size_t(column)];
}

void StringGridModel::setCell(int column, int row, std::string text)
{
    if (row < 0 || row >= int(rows_.size()) || column < 0 || column >= columns_)
        return;
    std::string& c = rows_[size_t(row)][size_t(column)];
    if (c == text)
        return;
    c = std::move(text);
    if (batch_) {
        pending_ = true;
    } else if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, column, column);
    } else {
        QModelIndex i = index(row - 1, column);
        emit dataChanged(i, i);
    }
}

void StringGridModel::setColors(const QColor& background, const QColor& text)
{
    background_ = background;
    text_ = text;
    if (rows_.size() > 1)
        emit dataChanged(index(0, 0), index(int(rows_.size()) - 2, columns_ - 1));
}

void StringGridModel::endUpdate()
{
    if (--batch_ > 0 || !pending_)
        return;
    pending_ = false;
    emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
    if (rows_.size() > 1)
        emit dataChanged(index(0, 0), index(int(rows_.size()) - 2, columns_ - 1));
}

StringGrid::StringGrid(const CodePage& codePage, int columns, QWidget* parent)
    : QTableView(parent), model_(new StringGridModel(codePage, columns, this))
{
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setWordWrap(false);
    SetColors(gridColor_, fontColor_);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (!quiet_ && current.isValid())
                    emit cellSelected(current.column(), current.row() + 1);
            });
}

void StringGrid::SetColors(int32_t gridColor, int32_t fontColor)
{
    gridColor_ = gridColor;
    fontColor_ = fontColor;
    QColor bg = ColorFromWindows(gridColor), fg = ColorFromWindows(fontColor);
    model_->setColors(bg, fg);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, bg);
    pal.setColor(QPalette::Text, fg);
    setPalette(pal);
}

void StringGrid::SelectQuietly(int column, int row)
{
    quiet_ = true;
    setCurrentIndex(model_->index(row - 1, column));
    quiet_ = false;
}

void StringGrid::SelectCell(int column, int row)
{
    QModelIndex i = model_->index(row - 1, column);
    if (currentIndex() == i)
        emit cellSelected(column, row);
    else
        setCurrentIndex(i);
}

} // namespace skelvora
