#include "expenses/expense_kinds_panel.h"

#include "data/database.h"
#include "data/failure_text.h"
#include "ui/enter_path.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Widgets;

namespace {

const QString NotAdded = QStringLiteral("نوع هزینه در بانک اطلاعاتی %1 ذخیره نشد.");
const QString NotRemoved = QStringLiteral("نوع هزینه از بانک اطلاعاتی %1 حذف نشد.");

} // namespace

ExpenseKindsPanel::ExpenseKindsPanel(ExpenseBook& book, QWidget* parent)
    : QGroupBox(QStringLiteral("اضافه كردن نوع هزينه"), parent), m_book(book)
{
    setObjectName(QStringLiteral("AeroGroupBox1"));
    resize(290, 330);

    m_list = place(named(new QListWidget(this), "List1"), 12, 30, 266, 130);
    auto* add = place(button(this, "AeroButton6", QStringLiteral("اضافه"), Enter::Presses, QStyle::SP_FileIcon), 12,
                      168, 76, 32);
    auto* remove =
        place(button(this, "AeroButton7", QStringLiteral("حذف از ليست"), Enter::Presses, QStyle::SP_TrashIcon), 94, 168,
              108, 32);
    auto* back = place(button(this, "AeroButton8", QStringLiteral("بازگشت"), Enter::Presses), 208, 168, 70, 32);

    m_addBox = place(named(new QGroupBox(this), "AeroGroupBox2"), 12, 210, 266, 108);
    place(label(m_addBox, "Label1", QStringLiteral("نام هزينه :")), 10, 14, 72, 30);
    m_name = place(textBox(m_addBox, "Text1"), 86, 14, 170, 30);
    auto* save =
        place(button(m_addBox, "AeroButton4", QStringLiteral("ثبت "), Enter::Presses, QStyle::SP_DialogSaveButton), 86,
              58, 82, 34);
    auto* close = place(button(m_addBox, "AeroButton5", QStringLiteral("بازگشت"), Enter::Presses), 174, 58, 82, 34);
    m_addBox->hide();

    moveFocusOnEnter(m_name, save);
    connect(add, &QPushButton::clicked, this, &ExpenseKindsPanel::openAddBox);
    connect(remove, &QPushButton::clicked, this, &ExpenseKindsPanel::removeKind);
    connect(back, &QPushButton::clicked, this, &QWidget::hide);
    connect(save, &QPushButton::clicked, this, &ExpenseKindsPanel::saveKind);
    connect(close, &QPushButton::clicked, m_addBox, &QWidget::hide);
}

void ExpenseKindsPanel::setKinds(const QList<ExpenseBook::Kind>& kinds)
{
    m_list->clear();
    for (const ExpenseBook::Kind& kind : kinds)
        addItem(kind);
}

void ExpenseKindsPanel::addItem(const ExpenseBook::Kind& kind)
{
    // Each item knows its own row, so that of two kinds of one name only the chosen one goes.
    auto* item = new QListWidgetItem(kind.name, m_list);
    item->setData(Qt::UserRole, kind.id);
}

void ExpenseKindsPanel::openAddBox()
{
    m_addBox->show();
    m_name->setFocus(Qt::OtherFocusReason);
}

void ExpenseKindsPanel::saveKind()
{
    // A name of blanks alone would be stored as an empty kind.
    if (m_name->text().trimmed().isEmpty()) {
        Messages::show(this, QStringLiteral(" .نوع هزينه وارد نشده است "), Messages::Icon::Information,
                       QStringLiteral("Varsin"));
        m_name->clear();
        m_name->setFocus(Qt::OtherFocusReason);
        return;
    }
    ExpenseBook::Kind added;
    if (!m_book.addKind(m_name->text(), &added)) {
        Messages::show(this, FailureText::about(NotAdded, m_book.database().filePath(), m_book.errorText()),
                       Messages::Icon::Critical);
        return;
    }
    addItem(added);
    m_name->clear();
    m_name->setFocus(Qt::OtherFocusReason);
}

void ExpenseKindsPanel::removeKind()
{
    m_addBox->hide();
    QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected())
        return;
    if (!Messages::ask(this, QStringLiteral(" آيا مطمئن به حذف اين گزينه از ليست هستيد؟ "), QStringLiteral("Delete")))
        return;
    if (!m_book.removeKind(item->data(Qt::UserRole).toLongLong())) {
        // The kind is still in the book, so it stays in the list.
        Messages::show(this, FailureText::about(NotRemoved, m_book.database().filePath(), m_book.errorText()),
                       Messages::Icon::Critical);
        return;
    }
    delete item;
}
