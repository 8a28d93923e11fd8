// The controls of the main window at their designed places. The window is designed
// 1000 × 640 and read from the right; the resizer scales it from there.
#include "cheques/main_window.h"

#include "data/cheque_queries.h"
#include "data/tables.h"
#include "numtype.h"
#include "settings/setting_keys.h"
#include "ui/data_grid.h"
#include "ui/date_box.h"
#include "ui/enter_path.h"
#include "ui/widgets.h"
#include "words/amount_words.h"
#include "words/number_format.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {

constexpr int DesignedWidth = 1000;
constexpr int DesignedHeight = 640;

} // namespace

using namespace Widgets;

QSize MainWindow::designedSize()
{
    return {DesignedWidth, DesignedHeight};
}

void MainWindow::buildControls()
{
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("area"));
    area->resize(DesignedWidth, DesignedHeight);
    setCentralWidget(area);

    // Search row.
    place(label(area, "Label1", QStringLiteral("جستجو :")), 10, 12, 55, 26);
    m_searchColumn = place(comboBox(area, "Combo1"), 70, 12, 160, 26);
    m_searchColumn->setPlaceholderText(QStringLiteral("... انتخاب"));
    m_searchColumn->addItems({QStringLiteral("تاريخ چک"), QStringLiteral("نام بانک"), QStringLiteral("شماره چک"),
                              QStringLiteral("مبلغ"), QStringLiteral("شرح"), QStringLiteral("وضعيت"),
                              QStringLiteral("نوع"), QStringLiteral("توضيحات"),
                              QStringLiteral("...از تاريخ تا تاريخ ")});
    m_searchColumn->setCurrentIndex(-1);
    m_searchText = place(textBox(area, "Text1"), 240, 12, 280, 26);
    m_searchText->setClearButtonEnabled(true);
    m_fromLabel = place(label(area, "Label9", QStringLiteral("از")), 240, 12, 20, 26);
    const QString dateExample = QStringLiteral("نمونه تاريخ : 11391/01/01");
    m_fromDate = place(dateBox(area, "MaskEdBox1", dateExample), 262, 12, 120, 26);
    m_toLabel = place(label(area, "Label10", QStringLiteral("تا")), 390, 12, 20, 26);
    m_toDate = place(dateBox(area, "MaskEdBox2", dateExample), 412, 12, 120, 26);
    for (QWidget* widget : {static_cast<QWidget*>(m_fromDate), static_cast<QWidget*>(m_toDate),
                            static_cast<QWidget*>(m_fromLabel), static_cast<QWidget*>(m_toLabel)})
        widget->hide();
    m_quickFilter = place(comboBox(area, "Combo2"), 840, 12, 150, 26);
    m_quickFilter->setPlaceholderText(QStringLiteral("مرتب سازي"));
    m_quickFilter->addItems({QStringLiteral("همه"), QStringLiteral("امروز"), QStringLiteral("نوع")});
    m_quickFilter->setCurrentIndex(-1);

    // The list.
    m_grid = place(named(new DataGrid(area), "DataGrid1"), 10, 48, 820, 462);
    m_grid->bind(m_cheques, ChequeQueries::listColumns(), ChequeQueries::listCaptions(), {ChequeTable::Amount});
    m_grid->keepWidthsIn(Settings::MainListSection,
                         {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                          QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                          QStringLiteral("8"), QStringLiteral("9")});
    m_grid->keepRowHeightIn(Settings::MainListRowHeight.section, Settings::MainListRowHeight.key);
    // Designed widths; the bank key is there but hidden.
    m_grid->setDesignedWidths({0, 60, 85, 85, 95, 110, 170, 85, 70, 140});
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &MainWindow::editCheque);

    // Buttons beside the list.
    const struct
    {
        const char* name;
        QString caption;
        QString tip;
        QStyle::StandardPixmap icon;
    } buttons[] = {
        {"AeroButton1", QStringLiteral("اضافه کردن"), QStringLiteral("اضافه کردن چک جديد"), QStyle::SP_FileIcon},
        {"AeroButton2", QStringLiteral("ويرايش"), QStringLiteral("  ويرايش "), QStyle::SP_FileDialogDetailedView},
        {"AeroButton3", QStringLiteral("حذف"), QStringLiteral("حذف سلول انتخابي"), QStyle::SP_TrashIcon},
        {"AeroButton13", QStringLiteral("امكانات"), QStringLiteral("پاس و باطل كردن چك"), QStyle::SP_DialogApplyButton},
        {"AeroButton4", QStringLiteral("بايگاني"), QStringLiteral("  ليست بايگاني   "), QStyle::SP_DirIcon},
        {"AeroButton6", QStringLiteral("بانک"), QStringLiteral("انجام امور بانکي"), QStyle::SP_ComputerIcon},
        {"AeroButton5", QStringLiteral("چاپ"), QStringLiteral("مشاهد و چاپ اطلاعات"),
         QStyle::SP_FileDialogContentsView},
    };
    int top = 48;
    for (const auto& b : buttons) {
        place(button(area, b.name, b.caption, Enter::Presses, b.icon, b.tip), 840, top, 150, 40);
        top += 50;
    }
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton1")), &QPushButton::clicked, this,
            &MainWindow::addCheque);
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton2")), &QPushButton::clicked, this,
            &MainWindow::editCheque);
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton3")), &QPushButton::clicked, this,
            [this] { deleteCheque(false); });
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton5")), &QPushButton::clicked, this,
            &MainWindow::printList);
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton4")), &QPushButton::clicked, this,
            &MainWindow::openArchive);
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton6")), &QPushButton::clicked, this,
            &MainWindow::openBanks);

    // Figures under the list.
    auto* figures = place(named(new QGroupBox(area), "AeroGroupBox1"), 10, 520, 980, 110);
    place(label(figures, "Label2", QStringLiteral("جمع کل مبلغ چک :")), 15, 22, 120, 28);
    m_total = place(named(new NumType(figures), "NumType1"), 140, 22, 190, 28);
    m_total->setLocked(true);
    place(label(figures, "Label3", QStringLiteral(" :ريال ")), 335, 22, 45, 28);
    place(label(figures, "Label5", QStringLiteral("تعداد چک ها :")), 560, 22, 95, 28);
    m_count = place(label(figures, "Label6", QStringLiteral("0")), 660, 22, 80, 28);
    m_totalText = place(readOnlyBox(figures, "Text2"), 790, 22, 175, 28);
    m_totalText->setLayoutDirection(Qt::LeftToRight);
    m_totalWords = place(label(figures, "Label4", QStringLiteral("صفر")), 15, 62, 950, 34);
    m_totalWords->setWordWrap(true);
    QFont wordsFont = m_totalWords->font();
    wordsFont.setBold(true);
    m_totalWords->setFont(wordsFont);
    connect(m_total, &NumType::Change, this, [this] {
        m_totalWords->setText(AmountToWords(m_total->value()));
        m_totalText->setText(GroupedNumber(m_total->value()));
    });
}

void MainWindow::buildPanels()
{
    QWidget* area = centralWidget();

    // Status panel, over the lower part of the list.
    m_statusPanel = place(named(new QGroupBox(area), "AeroGroupBox4"), 600, 290, 220, 210);
    const struct
    {
        const char* name;
        QString caption;
        QString tip;
    } statusButtons[] = {
        {"AeroButton9", QStringLiteral("پاس "), QStringLiteral("پاس کردن چک")},
        {"AeroButton8", QStringLiteral("ابطال"), QStringLiteral("باطل کردن")},
        {"AeroButton7", QStringLiteral("معمولي"), QStringLiteral("بازگشت به حالت اوليه چک")},
        {"AeroButton11", QStringLiteral("اختياري"),
         QStringLiteral("با انتخاب اين گزينه در فيلد وضعبت مي توان به صورت دلخواه متني را اضافه نمود")},
        {"AeroButton12", QStringLiteral("بستن"), QStringLiteral("بستن منو")},
    };
    int top = 14;
    for (const auto& b : statusButtons) {
        place(button(m_statusPanel, b.name, b.caption, Enter::Presses, NoIcon, b.tip), 15, top, 190, 32);
        top += 38;
    }
    m_statusPanel->hide();
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton9")), &QPushButton::clicked, this,
            &MainWindow::passCheque);
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton8")), &QPushButton::clicked, this,
            &MainWindow::voidCheque);
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton7")), &QPushButton::clicked, this,
            &MainWindow::resetCheque);
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton13")), &QPushButton::clicked, m_statusPanel,
            &QWidget::show);
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton12")), &QPushButton::clicked, m_statusPanel,
            &QWidget::hide);

    // Custom status, beside the status panel.
    m_customPanel = place(named(new QGroupBox(area), "AeroGroupBox3"), 370, 380, 220, 120);
    place(label(m_customPanel, "Label8", QStringLiteral("وضعيت")), 15, 18, 190, 24);
    m_customText = place(textBox(m_customPanel, "Text3"), 15, 46, 190, 28);
    auto* store = place(button(m_customPanel, "Command1", QStringLiteral("ثبت و بازگشت"), Enter::Presses, NoIcon,
                               QStringLiteral("ثبت و بازگشت")),
                        15, 80, 190, 30);
    moveFocusOnEnter(m_customText, store);
    connect(store, &QPushButton::clicked, this, &MainWindow::storeCustomStatus);
    m_customPanel->hide();
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton11")), &QPushButton::clicked, this, [this] {
        m_customPanel->show();
        m_customText->setFocus();
    });

    // Sort panel, over the top of the list.
    m_sortPanel =
        place(named(new QGroupBox(QStringLiteral("مرتب سازي ليست "), area), "AeroGroupBox2"), 600, 60, 220, 230);
    const QString captions[] = {QStringLiteral("تاريخ چک"), QStringLiteral("نوع چک"),        QStringLiteral("نام بانک"),
                                QStringLiteral("مبلغ"),     QStringLiteral("تاريخ ورود چک"), QStringLiteral("وضعيت")};
    top = 26;
    for (int i = 0; i < 6; ++i) {
        auto* option = place(radioButton(m_sortPanel, QStringLiteral("AeroOptionButton%1").arg(i + 1),
                                         QStringLiteral(" ") + captions[i] + QStringLiteral(" ")),
                             20, top, 180, 24);
        m_sortOptions << option;
        top += 28;
    }
    m_sortOptions.first()->setChecked(true);
    auto* sort =
        place(button(m_sortPanel, "AeroButton10", QStringLiteral("مرتب کردن"), Enter::Presses), 20, top + 4, 180, 30);
    connect(sort, &QPushButton::clicked, this, &MainWindow::sortFromPanel);
    m_sortPanel->hide();

    // The panels stand over the list: the rows must not show through their captions and options.
    for (QGroupBox* panel : {m_statusPanel, m_customPanel, m_sortPanel}) {
        panel->setAutoFillBackground(true);
        panel->raise();
    }
}

void MainWindow::buildMenu()
{
    m_listMenu = named(new QMenu(this), "t");
    QMenu* menu = m_listMenu;
    connect(menuItem(menu, "E", QStringLiteral("اضافه کردن چک جديد")), &QAction::triggered, this,
            &MainWindow::addCheque);
    connect(menuItem(menu, "v", QStringLiteral("ويرايش")), &QAction::triggered, this, &MainWindow::editCheque);
    connect(menuItem(menu, "h", QStringLiteral("حذف")), &QAction::triggered, this, [this] { deleteCheque(true); });
    named(menu->addSeparator(), "aaa");
    connect(menuItem(menu, "Bay", QStringLiteral("اضافه به ليست بايگاني")), &QAction::triggered, this,
            &MainWindow::archiveCheque);
    named(menu->addSeparator(), "bbbb");
    connect(menuItem(menu, "Sort", QStringLiteral("مرتب سازي ليست اطلاعات")), &QAction::triggered, m_sortPanel,
            &QWidget::show);
    connect(m_grid, &DataGrid::contextMenuWanted, this, [this](const QPoint& at) { m_listMenu->popup(at); });
}
