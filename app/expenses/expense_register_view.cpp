// The controls of the expense register at their designed places. The register is designed
// 980 × 600 and read from the right: the buttons and the group that is open on the right,
// the list beside them and the grand total under the list.
#include "expenses/expense_register.h"

#include "data/expense_book.h"
#include "data/tables.h"
#include "expenses/expense_entry_panel.h"
#include "expenses/expense_filter_panel.h"
#include "expenses/expense_kinds_panel.h"
#include "settings/setting_keys.h"
#include "ui/data_grid.h"
#include "ui/widgets.h"
#include "words/amount_words.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Widgets;

namespace {

constexpr int DesignedWidth = 980;
constexpr int DesignedHeight = 600;
constexpr int SideWidth = 290;
constexpr int PanelTop = 200;

} // namespace

void ExpenseRegister::buildControls()
{
    resize(DesignedWidth, DesignedHeight);

    m_grid = place(named(new DataGrid(this), "DataGrid1"), SideWidth + 20, 10, DesignedWidth - SideWidth - 30, 520);
    m_grid->bind(&m_book->entries(),
                 {ExpenseTable::Number, ExpenseTable::Date, ExpenseTable::Kind, ExpenseTable::Description,
                  ExpenseTable::Amount, ExpenseTable::Remarks},
                 {QStringLiteral("رديف"), QStringLiteral("تاريخ"), QStringLiteral("نوع هزينه"), QStringLiteral("شرح"),
                  QStringLiteral("مبلغ"), QStringLiteral("توضيحات")},
                 {ExpenseTable::Amount});
    m_grid->keepWidthsIn(
        Settings::ExpenseListSection,
        {QStringLiteral("00"), QStringLiteral("11"), QStringLiteral("22"), QStringLiteral("33"), QStringLiteral("44")});
    // The style's least width of a column, fitted to a Persian font's tall line, would widen the number column.
    m_grid->horizontalHeader()->setMinimumSectionSize(24);
    m_grid->setDesignedWidths({44, 88, 110, 186, 110, 96});
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &ExpenseRegister::editEntry);

    buildButtons(this);
    buildTotal(this);

    m_entryPanel = new ExpenseEntryPanel(*m_book, this);
    m_kindsPanel = new ExpenseKindsPanel(*m_book, this);
    m_filterPanel = new ExpenseFilterPanel(*m_book, this);
    for (QWidget* panel : {static_cast<QWidget*>(m_entryPanel), static_cast<QWidget*>(m_kindsPanel),
                           static_cast<QWidget*>(m_filterPanel)}) {
        place(panel, 10, PanelTop, panel->width(), panel->height());
        panel->hide();
    }
}

void ExpenseRegister::buildButtons(QWidget* area)
{
    const struct
    {
        const char* name;
        QString caption;
        QStyle::StandardPixmap icon;
    } buttons[] = {
        {"AeroButton1", QStringLiteral("اضافه كردن "), QStyle::SP_FileIcon},
        {"AeroButton15", QStringLiteral("ويرايش"), QStyle::SP_FileDialogDetailedView},
        {"AeroButton14", QStringLiteral("حذف"), QStyle::SP_TrashIcon},
        {"AeroButton2", QStringLiteral("تعيين نوع هزينه"), QStyle::SP_FileDialogListView},
        {"AeroButton3", QStringLiteral("مرتب سازي ليست"), QStyle::SP_ArrowDown},
        {"AeroButton13", QStringLiteral("نوسازي"), QStyle::SP_BrowserReload},
        {"AeroButton16", QStringLiteral("چاپ"), QStyle::SP_FileDialogContentsView},
        {"AeroButton17", QStringLiteral("بازگشت"), QStyle::SP_DialogCloseButton},
    };
    constexpr int Width = (SideWidth - 10) / 2;
    for (int i = 0; i < 8; ++i) {
        const auto& b = buttons[i];
        place(button(area, b.name, b.caption, Enter::Presses, b.icon), 10 + (i % 2) * (Width + 10), 10 + (i / 2) * 46,
              Width, 38);
    }
    auto clicked = [this](const char* name, void (ExpenseRegister::*slot)()) {
        connect(findChild<QPushButton*>(QString::fromLatin1(name)), &QPushButton::clicked, this, slot);
    };
    clicked("AeroButton1", &ExpenseRegister::newEntry);
    clicked("AeroButton15", &ExpenseRegister::editEntry);
    clicked("AeroButton14", &ExpenseRegister::deleteEntry);
    clicked("AeroButton13", &ExpenseRegister::load);
    clicked("AeroButton16", &ExpenseRegister::print);
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton2")), &QPushButton::clicked, this,
            [this] { showPanel(m_kindsPanel); });
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton3")), &QPushButton::clicked, this,
            [this] { showPanel(m_filterPanel); });
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton17")), &QPushButton::clicked, this,
            &ExpenseRegister::accept);
}

void ExpenseRegister::buildTotal(QWidget* area)
{
    const int right = SideWidth + 20;
    place(fieldLabel(area, "Label9", QStringLiteral("  : جمع كل ")), right, 548, 80, 30);
    m_total = place(readOnlyBox(area, "Text4"), right + 85, 548, 200, 30);
    m_total->setLayoutDirection(Qt::LeftToRight);
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = m_total->font();
    bold.setBold(true);
    m_total->setFont(bold);
    // The total in words is read from the text as it stands, separators and all.
    connect(m_total, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_total->setToolTip(AmountToWords(ExpenseBook::parseAmount(text))); });
}
