#include "startup/list_font_window.h"

#include "settings/settings_store.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int LargestSize = 40;
constexpr int SampleWidth = 380;

} // namespace

ListFontWindow::ListFontWindow(const QFont& listFont, QWidget* parent) : QDialog(parent), m_listFont(listFont)
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("انتخاب قلم "));
    setLayoutDirection(Qt::RightToLeft);
    buildControls();

    m_family->setCurrentText(SettingsStore::read(Settings::ListFont));
    m_size->setCurrentText(SettingsStore::read(Settings::ListFontSize));
    showSample();
    connect(m_family, &QComboBox::currentTextChanged, this, &ListFontWindow::showSample);
    connect(m_size, &QComboBox::currentTextChanged, this, &ListFontWindow::showSample);
}

QStringList ListFontWindow::sizes()
{
    return {QStringLiteral("8"),  QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14"),
            QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("20"), QStringLiteral("22"),
            QStringLiteral("24"), QStringLiteral("26"), QStringLiteral("30"), QStringLiteral("32"),
            QStringLiteral("34"), QStringLiteral("36"), QStringLiteral("38"), QStringLiteral("40")};
}

void ListFontWindow::buildControls()
{
    using namespace Widgets;
    m_family = editableComboBox(this, "Combo1");
    m_family->addItems(QFontDatabase::families());
    m_family->setCurrentIndex(-1);
    m_family->setMinimumContentsLength(22);
    m_family->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    m_size = editableComboBox(this, "Combo2");
    m_size->addItems(sizes());
    m_size->setCurrentIndex(-1);
    m_size->setMinimumContentsLength(4);
    m_size->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    // The program's name, in a frame tall enough for the largest size, so that the window
    // does not jump while sizes are tried.
    m_sample = label(this, "Label1", QStringLiteral("کاويرو"));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFrameShape(QFrame::StyledPanel);
    m_sample->setBackgroundRole(QPalette::Base);
    m_sample->setAutoFillBackground(true);
    QFont largest = m_listFont;
    largest.setPointSize(LargestSize);
    m_sample->setFixedSize(SampleWidth, QFontMetrics(largest).height() + 16);

    auto* save = button(this, "AeroButton2", QStringLiteral("ثبت قلم"), Enter::Presses, QStyle::SP_DialogSaveButton);
    auto* back = button(this, "AeroButton1", QStringLiteral("بازگشت"), Enter::Presses, QStyle::SP_DialogCloseButton);
    connect(save, &QPushButton::clicked, this, &ListFontWindow::save);
    connect(back, &QPushButton::clicked, this, &ListFontWindow::reject);

    auto* choices = new QHBoxLayout;
    choices->addWidget(m_family, 1);
    choices->addWidget(m_size);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addLayout(choices);
    layout->addWidget(m_sample);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QFont ListFontWindow::chosenFont() const
{
    QFont font = m_listFont;
    const int position = m_family->findText(m_family->currentText(), Qt::MatchFixedString);
    if (position >= 0)
        font.setFamily(m_family->itemText(position));
    bool isNumber = false;
    const double size = m_size->currentText().trimmed().toDouble(&isNumber);
    if (isNumber && size > 0)
        font.setPointSizeF(size);
    return font;
}

void ListFontWindow::showSample()
{
    m_sample->setFont(chosenFont());
}

void ListFontWindow::save()
{
    QString error;
    if (!SettingsStore::write(
            {{Settings::ListFont, m_family->currentText()}, {Settings::ListFontSize, m_size->currentText()}}, &error))
        Messages::show(this, QStringLiteral("قلم ثبت نشد.\n") + error, Messages::Icon::Critical);
    // The list takes the font for this session even when it could not be kept for the next.
    m_listFont = chosenFont();
    emit fontChanged(m_listFont);
}
