// The controls of the archive window at their designed places. The window is designed
// 900 × 620 and read from the right; the resizer scales it from there.
#include "cheques/archive_window.h"

#include "data/archive_queries.h"
#include "data/tables.h"
#include "numtype.h"
#include "settings/setting_keys.h"
#include "ui/data_grid.h"
#include "ui/date_box.h"
#include "ui/enter_path.h"
#include "ui/widgets.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace Widgets;

namespace {

constexpr int DesignedWidth = 900;
constexpr int DesignedHeight = 620;

constexpr int GridTop = 48;
constexpr int GridHeight = 440;

} // namespace

void ArchiveWindow::buildControls()
{
    resize(DesignedWidth, DesignedHeight);

    // Search row.
    place(label(this, "Label1", QStringLiteral("جستجو :")), 10, 12, 55, 26);
    m_searchColumn = place(comboBox(this, "Combo1"), 70, 12, 160, 26);
    m_searchColumn->setPlaceholderText(QStringLiteral("... انتخاب"));
    m_searchColumn->addItems({QStringLiteral("نام بانک"), QStringLiteral("شماره چک"), QStringLiteral("شرح چک"),
                              QStringLiteral("مبلغ چک"), QStringLiteral("وضعيت چک"), QStringLiteral("نــــوع چـــك")});
    m_searchColumn->setCurrentIndex(-1);
    m_searchText = place(textBox(this, "Text1"), 240, 12, 280, 26);
    m_searchText->setClearButtonEnabled(true);

    // The list.
    m_grid = place(named(new DataGrid(this), "DataGrid1"), 10, GridTop, 720, GridHeight);
    m_grid->bind(m_archive, ArchiveQueries::listColumns(), ArchiveQueries::listCaptions(), {ArchiveTable::Amount});
    m_grid->keepWidthsIn(Settings::ArchiveListSection,
                         {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                          QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")});
    m_grid->setDesignedWidths({85, 200, 100, 80, 75, 65, 75});

    // Buttons beside the list; the way back sits level with the foot of the list. Enter presses
    // the focused button alone; in a box it belongs to the box (the date boxes pass it on).
    place(button(this, "AeroButton3", QStringLiteral("حذف"), Enter::Presses, QStyle::SP_TrashIcon,
                 QStringLiteral("حذف سلول انتخابي")),
          740, GridTop, 150, 40);
    place(button(this, "AeroButton4", QStringLiteral("چاپ"), Enter::Presses, QStyle::SP_FileDialogContentsView), 740,
          GridTop + 50, 150, 40);
    place(button(this, "AeroButton1", QStringLiteral("بازگشت"), Enter::Presses, QStyle::SP_ArrowBack), 740,
          GridTop + GridHeight - 40, 150, 40);

    buildRangePanel();
    buildFigures();
}

void ArchiveWindow::buildRangePanel()
{
    // Over the foot of the list, hidden until the pop-up menu opens it.
    m_rangePanel = place(named(new QGroupBox(QStringLiteral("مرتب سازي ليست"), this), "AeroGroupBox1"), 80,
                         GridTop + GridHeight - 100, 580, 70);
    // It lies over the rows; they must not show through it.
    m_rangePanel->setAutoFillBackground(true);
    place(label(m_rangePanel, "Label5", QStringLiteral("جستجو از تاريخ :")), 12, 28, 105, 28);
    m_fromDate = place(dateBox(m_rangePanel, "MaskEdBox1", QStringLiteral("درج تاريخ")), 120, 28, 130, 28);
    place(label(m_rangePanel, "Label6", QStringLiteral("تا :")), 258, 28, 25, 28);
    m_toDate = place(dateBox(m_rangePanel, "MaskEdBox2", QStringLiteral("درج تاريخ")), 286, 28, 130, 28);
    place(button(m_rangePanel, "AeroButton2", QStringLiteral("بازگشت"), Enter::Presses), 440, 27, 120, 30);
    moveFocusOnEnter(m_fromDate, m_toDate);
    m_rangePanel->hide();
}

void ArchiveWindow::buildFigures()
{
    auto* figures = place(named(new QGroupBox(this), "figures"), 10, GridTop + GridHeight + 10, 880, 112);
    place(label(figures, "Label2", QStringLiteral("جمع کل :")), 15, 22, 65, 28);
    m_total = place(named(new NumType(figures), "NumType1"), 85, 22, 190, 28);
    m_total->setLocked(true);
    place(label(figures, "Label4", QStringLiteral(": ريال")), 282, 22, 45, 28);
    place(label(figures, "Label7", QStringLiteral("تعداد چک ها :")), 520, 22, 95, 28);
    m_count = place(label(figures, "Label8", QString()), 620, 22, 80, 28);
    m_count->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    m_totalWords = place(label(figures, "Label3", QStringLiteral("مبلغ")), 15, 62, 850, 34);
    m_totalWords->setWordWrap(true);
    QFont wordsFont = m_totalWords->font();
    wordsFont.setBold(true);
    m_totalWords->setFont(wordsFont);
}

void ArchiveWindow::buildMenu()
{
    // The archive list's pop-up menu, the one menu of a window that is never shown itself.
    m_listMenu = named(new QMenu(QStringLiteral("مرتب كردن"), this), "MMM");
    QAction* range = menuItem(m_listMenu, "SE", QStringLiteral("مرتب سازي ليست"));
    QAction* print = menuItem(m_listMenu, "Delete", QStringLiteral("چاپ ليست"));
    connect(range, &QAction::triggered, this, [this] {
        m_rangePanel->show();
        m_rangePanel->raise();
        m_fromDate->setFocus();
    });
    connect(print, &QAction::triggered, this, &ArchiveWindow::print);
    connect(m_grid, &DataGrid::contextMenuWanted, this, [this](const QPoint& at) { m_listMenu->popup(at); });
}
