#include "ui/data_grid.h"

#include "data/data_control.h"
#include "data/database.h"
#include "settings/settings_store.h"
#include "words/number_format.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QPointer>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {

// Lengths are stored in twips; the screen has 15 of them to a pixel at 96 dots per inch.
constexpr double TwipsPerPixel = 15.0;

} // namespace

// Shows a text with no letter of its own (a date, a half-typed date "1403/0_/__", the empty date
// "____/__/__") left to right in its own order, where the column would have it: in a
// right-to-left list its blanks and separators are otherwise read from the right, and the empty
// date shows mirrored as "__/__/____". An amount drawn in a column too narrow for it widens its
// column, so that no amount is ever shown cut ("…,250,000,000" reads as a smaller number).
class GridDelegate : public QStyledItemDelegate
{
public:
    explicit GridDelegate(DataGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionViewItem shown = option;
        initStyleOption(&shown, index);
        m_grid->widenFor(index.column(), shown.fontMetrics.horizontalAdvance(shown.text));
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->direction != Qt::RightToLeft || option->text.isEmpty())
            return;
        for (const QChar c : option->text) {
            if (c.isLetter())
                return;
        }
        option->displayAlignment =
            QStyle::visualAlignment(Qt::RightToLeft, option->displayAlignment) | Qt::AlignAbsolute;
        option->direction = Qt::LeftToRight;
    }

private:
    DataGrid* m_grid;
};

// Maps the grid's columns onto fields of the data control's model by name.
class ColumnProxy : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    void setColumns(const QStringList& fields, const QStringList& captions, const QStringList& amounts)
    {
        beginResetModel();
        m_fields = fields;
        m_captions = captions;
        m_amounts = amounts;
        endResetModel();
    }
    bool isAmount(int column) const { return m_amounts.contains(field(column), Qt::CaseInsensitive); }
    QString field(int column) const
    {
        return column >= 0 && column < m_fields.size() ? m_fields.at(column) : QString();
    }

    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_fields.size());
    }
    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override
    {
        if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return {};
        return createIndex(row, column);
    }
    QModelIndex parent(const QModelIndex&) const override { return {}; }
    QModelIndex mapToSource(const QModelIndex& proxy) const override
    {
        if (!proxy.isValid() || !sourceModel())
            return {};
        return sourceModel()->index(proxy.row(), sourceColumn(proxy.column()));
    }
    QModelIndex mapFromSource(const QModelIndex& source) const override
    {
        if (!source.isValid())
            return {};
        for (int c = 0; c < m_fields.size(); ++c) {
            if (sourceColumn(c) == source.column())
                return index(source.row(), c);
        }
        return {};
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const bool amount = m_amounts.contains(field(index.column()), Qt::CaseInsensitive);
        if (role == Qt::TextAlignmentRole && amount)
            return QVariant(Qt::AlignCenter);
        const QModelIndex source = mapToSource(index);
        if (!source.isValid())
            return {};
        const QVariant value = source.data(role);
        if (role == Qt::DisplayRole && amount && !value.isNull()) {
            bool ok = false;
            const double number = value.toDouble(&ok);
            return ok ? GroupedNumber(number) : value;
        }
        return value;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return section >= 0 && section < m_captions.size() ? QVariant(m_captions.at(section)) : QVariant();
        return QIdentityProxyModel::headerData(section, orientation, role);
    }

private:
    int sourceColumn(int column) const
    {
        const auto* rows = qobject_cast<const RowModel*>(sourceModel());
        return rows ? rows->fieldIndex(field(column)) : -1;
    }

    QStringList m_fields;
    QStringList m_captions;
    QStringList m_amounts;
};

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), m_proxy(new ColumnProxy(this))
{
    setItemDelegate(new GridDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    // Qt's own floor is the widest glyph of the font, which for the Persian fonts is near a
    // hundred pixels: no designed or stored width below it would be kept, nor a hidden column.
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setFixedWidth(18);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DataGrid::headerClicked);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int size) { userResized(column, size); });
    connect(verticalHeader(), &QHeaderView::sectionResized, this, [this](int, int, int size) {
        if (m_restoring)
            return;
        // Every row takes the height the user gave one, as the list has always done.
        m_restoring = true;
        verticalHeader()->setDefaultSectionSize(size);
        m_restoring = false;
        saveRowHeight(size);
    });
}

void DataGrid::bind(DataControl* control, const QStringList& fields, const QStringList& captions,
                    const QStringList& amountFields)
{
    m_control = control;
    m_proxy->setSourceModel(control->model());
    m_proxy->setColumns(fields, captions, amountFields);
    setModel(m_proxy);
    connect(control, &DataControl::refreshed, this, &DataGrid::followControl);
    connect(control, &DataControl::currentRowChanged, this, &DataGrid::followControl);
    connect(&control->database().changes(), &ChangeWatcher::changedElsewhere, this, [this] {
        m_changedElsewhere = true;
        followElsewhere();
    });
    followControl();
}

void DataGrid::followElsewhere()
{
    if (!m_changedElsewhere || !m_control)
        return;
    // While a question or a dialog of another window is open, the row it is about stays the
    // current row as shown; the list follows once it is closed.
    constexpr int RetryMs = 300;
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != window()) {
        QTimer::singleShot(RetryMs, this, &DataGrid::followElsewhere);
        return;
    }
    m_changedElsewhere = false;
    m_control->reread();
}

QString DataGrid::fieldOf(int column) const
{
    return m_proxy->field(column);
}

void DataGrid::followControl()
{
    if (!m_control || !selectionModel())
        return;
    const int row = m_control->currentRow();
    if (row == currentIndex().row())
        return;
    if (row < 0) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex target = m_proxy->index(row, std::max(0, currentIndex().column()));
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (m_control && current.isValid())
        m_control->setCurrentRow(current.row());
}

void DataGrid::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex at = indexAt(viewport()->mapFromGlobal(event->globalPos()));
    if (at.isValid())
        setCurrentIndex(at);
    emit contextMenuWanted(event->globalPos());
}

void DataGrid::keepWidthsIn(const QString& section, const QStringList& keys)
{
    m_widthSection = section;
    m_widthKeys = keys;
}

void DataGrid::keepRowHeightIn(const QString& section, const QString& key)
{
    m_rowSection = section;
    m_rowKey = key;
}

void DataGrid::setDesignedWidths(const QList<int>& widths)
{
    m_restoring = true;
    for (int column = 0; column < widths.size(); ++column)
        showWidth(column, widths.at(column));
    m_restoring = false;
}

void DataGrid::scaleColumnsWithWidth()
{
    m_baseWidth = width();
    const int columns = model() ? model()->columnCount() : 0;
    for (int column = 0; column < columns; ++column) {
        if (column >= m_designed.size())
            m_designed << columnWidth(column);
        else if (m_designed.at(column) < 0)
            m_designed[column] = columnWidth(column);
    }
}

int DataGrid::designedWidth(int column) const
{
    if (column < m_designed.size() && m_designed.at(column) >= 0)
        return m_designed.at(column);
    return qRound(columnWidth(column) / widthFactor());
}

void DataGrid::widenFor(int column, int textWidth)
{
    if (!m_proxy->isAmount(column) || textWidth <= 0)
        return;
    // The cell's margins on both sides, as the style draws them, and the grid line.
    const int needed = textWidth + 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 3;
    while (m_fit.size() <= column)
        m_fit << 0;
    if (needed <= m_fit.at(column))
        return;
    m_fit[column] = needed;
    if (needed <= columnWidth(column))
        return;
    // Widened after the painting that found it too narrow.
    QPointer<DataGrid> grid = this;
    QTimer::singleShot(0, this, [grid, column] {
        if (grid)
            grid->showWidth(column, grid->designedWidth(column));
    });
}

double DataGrid::widthFactor() const
{
    return m_baseWidth > 0 && width() > 0 ? double(width()) / m_baseWidth : 1.0;
}

void DataGrid::showWidth(int column, int designed)
{
    if (column < 0)
        return;
    while (m_designed.size() <= column)
        m_designed << -1;
    m_designed[column] = designed;
    int shown = qRound(designed * widthFactor());
    if (shown > 0 && column < m_fit.size())
        shown = std::max(shown, m_fit.at(column));
    const bool wasRestoring = m_restoring;
    m_restoring = true;
    setColumnWidth(column, shown);
    m_restoring = wasRestoring;
}

void DataGrid::applyWidths()
{
    for (int column = 0; column < m_designed.size(); ++column) {
        if (m_designed.at(column) >= 0)
            showWidth(column, m_designed.at(column));
    }
}

void DataGrid::userResized(int column, int size)
{
    if (m_restoring)
        return;
    while (m_designed.size() <= column)
        m_designed << -1;
    m_designed[column] = qRound(size / widthFactor());
    if (size > 0 && column < m_fit.size() && size < m_fit.at(column))
        showWidth(column, m_designed.at(column));
    saveWidths();
}

void DataGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    if (m_baseWidth > 0)
        applyWidths();
}

void DataGrid::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    // The amounts are measured again in the new font (the resizer's, or the user's) as they are drawn.
    if (event->type() == QEvent::FontChange) {
        m_fit.clear();
        applyWidths();
    }
}

void DataGrid::useDesignedHeader()
{
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    horizontalHeader()->setMinimumSectionSize(
        horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("000")));
}

QString DataGrid::indented(int blanks, const QString& caption)
{
    return QString(blanks, QLatin1Char(' ')) + caption;
}

void DataGrid::restoreWidths()
{
    m_restoring = true;
    for (int column = 0; column < m_widthKeys.size(); ++column) {
        double twips = 0;
        if (!m_widthKeys.at(column).isEmpty() &&
            SettingsStore::readDouble(m_widthSection, m_widthKeys.at(column), twips) && twips >= 0)
            showWidth(column, qRound(twips / TwipsPerPixel));
    }
    m_restoring = false;
}

void DataGrid::restoreRowHeight()
{
    double twips = 0;
    if (m_rowKey.isEmpty() || !SettingsStore::readDouble(m_rowSection, m_rowKey, twips) || twips < 1)
        return;
    m_restoring = true;
    verticalHeader()->setDefaultSectionSize(
        std::max(verticalHeader()->minimumSectionSize(), qRound(twips / TwipsPerPixel)));
    m_restoring = false;
}

void DataGrid::saveWidths()
{
    // One write for all the columns: a drag of a column's edge saves at every step.
    QList<SettingsStore::Value> widths;
    for (int column = 0; column < m_widthKeys.size(); ++column) {
        if (!m_widthKeys.at(column).isEmpty())
            widths.append(
                {m_widthSection, m_widthKeys.at(column), QString::number(designedWidth(column) * TwipsPerPixel)});
    }
    SettingsStore::write(widths);
}

void DataGrid::saveRowHeight(int height)
{
    if (!m_rowKey.isEmpty())
        SettingsStore::write(m_rowSection, m_rowKey, QString::number(height * TwipsPerPixel));
}
