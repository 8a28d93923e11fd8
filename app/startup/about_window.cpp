#include "startup/about_window.h"

#include "build_config.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int TextWidth = 380;
constexpr int IconSize = 48;
constexpr qreal TitleScale = 1.6;
} // namespace

QString AboutWindow::version()
{
    return QStringLiteral(KAVIRO_VERSION);
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("درباره ..."));
    setLayoutDirection(Qt::RightToLeft);

    using namespace Widgets;
    auto* icon = label(this, "aboutIcon", QString());
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(IconSize, IconSize));

    auto* title = label(this, "aboutTitle", QString::fromLatin1(Messages::DefaultTitle));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * TitleScale);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto* name = label(this, "aboutName", QStringLiteral("کاويرو — دفتر چك هاي دريافتي و پرداختي"));
    name->setAlignment(Qt::AlignCenter);
    auto* version = label(this, "aboutVersion", QStringLiteral("نسخه ") + AboutWindow::version());
    version->setAlignment(Qt::AlignCenter);

    auto* description =
        label(this, "aboutDescription",
              QStringLiteral("چك هاي دريافتي و پرداختي را با تاريخ، بانك، مبلغ و شرح نگه مي دارد و جمع مبلغ آنها را "
                             "به عدد و به حروف نشان مي دهد؛ چك هاي سررسيد را يادآوري مي كند، چك هاي پاس يا باطل "
                             "شده را بايگاني و در حساب بانك ثبت مي كند، صورت حساب بانك ها و هزينه هاي سالانه را "
                             "نگه مي دارد، از هر ليست گزارش چاپي مي گيرد، ليست چك ها را به اكسل مي برد و از "
                             "اطلاعات نسخه پشتيبان تهيه مي كند."));
    description->setWordWrap(true);
    description->setFixedWidth(TextWidth);

    auto* closeButton =
        button(this, "closeButton", QStringLiteral("بستن"), Enter::PressesAsDefault, QStyle::SP_DialogCloseButton);
    connect(closeButton, &QPushButton::clicked, this, &AboutWindow::accept);

    auto* heading = new QHBoxLayout;
    heading->addStretch();
    heading->addWidget(icon);
    heading->addSpacing(8);
    heading->addWidget(title);
    heading->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addSpacing(8);
    layout->addWidget(description);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
