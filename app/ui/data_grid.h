#pragma once

#include <QStringList>
#include <QTableView>

class DataControl;
class ColumnProxy;

// The program's data grid: shows chosen columns of a data control's rows by field name
// with their captions, groups amounts in threes, keeps the current row of the data
// control in step with the selection, and keeps its column widths and row height in the
// settings store (in twips, as they have always been stored).
class DataGrid : public QTableView
{
    Q_OBJECT

public:
    explicit DataGrid(QWidget* parent = nullptr);

    // Fields shown, in order, with their captions. Amount fields are shown grouped.
    void bind(DataControl* control, const QStringList& fields, const QStringList& captions,
              const QStringList& amountFields = {});
    QString fieldOf(int column) const;

    // Column i's width is kept under section/keys[i] (an empty key keeps none); the row height
    // under section/rowKey.
    void keepWidthsIn(const QString& section, const QStringList& keys);
    void keepRowHeightIn(const QString& section, const QString& key);
    // Widths the window is designed with; they are not written to the settings.
    void setDesignedWidths(const QList<int>& widths);
    // For captions indented with blanks from their leading edge (see indented()): they keep to
    // that edge, so that it stays put, and a column may be as narrow as three digits. Qt would
    // otherwise take the widest letter of the font, and a Persian font has very wide ones.
    void useDesignedHeader();
    static QString indented(int blanks, const QString& caption);
    // For a list scaled with its window by the resizer: from now on the widths are those of the
    // grid's present width, the designed one, and each column follows the grid as it grows or
    // shrinks. The widths kept in the settings stay those of the designed width.
    void scaleColumnsWithWidth();
    // A missing or unreadable setting leaves the width or height as it is.
    void restoreWidths();
    void restoreRowHeight();

signals:
    void headerClicked(int column);
    void contextMenuWanted(const QPoint& globalPosition);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void saveWidths();
    void saveRowHeight(int height);
    void followControl();
    // Reads the list again after another PC wrote to the register, keeping its current row.
    void followElsewhere();
    friend class GridDelegate;
    // An amount column drawn too narrow for a text of textWidth pixels is widened to it, and never
    // made narrower again in that font, unless it is hidden (0).
    void widenFor(int column, int textWidth);
    double widthFactor() const;
    int designedWidth(int column) const;
    // Sets column's width from its designed width, scaled and widened as above.
    void showWidth(int column, int designed);
    void applyWidths();
    void userResized(int column, int size);

    DataControl* m_control = nullptr;
    ColumnProxy* m_proxy = nullptr;
    QString m_widthSection;
    QStringList m_widthKeys;
    QString m_rowSection;
    QString m_rowKey;
    bool m_restoring = false;
    bool m_changedElsewhere = false;
    int m_baseWidth = 0;
    // The width of each column at the designed width of the grid; -1 where none was given.
    QList<int> m_designed;
    // The width each amount column needs for the widest amount drawn in it so far.
    QList<int> m_fit;
};
