#include "startup/register_window.h"

#include "settings/settings_store.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int HighestPort = 65535;
const QString Title = QStringLiteral("بانک اطلاعاتی دفتر چک");

} // namespace

RegisterWindow::RegisterWindow(Purpose purpose, const RegisterLocation& shown, QWidget* parent)
    : QDialog(parent), m_purpose(purpose), m_shown(shown)
{
    setObjectName(QStringLiteral("frmRegister"));
    setWindowTitle(purpose == Purpose::Choose ? Title : QStringLiteral("انتقال دفتر چک"));
    setLayoutDirection(Qt::RightToLeft);

    using namespace Widgets;
    m_local = radioButton(this, "optLocal", QStringLiteral("فایل همین رایانه (dbase.mdb)"));
    m_server = radioButton(this, "optServer", QStringLiteral("سرور PostgreSQL مشترک چند رایانه"));
    m_host = textBox(this, "txtHost");
    m_port = named(new QSpinBox(this), "txtPort");
    m_port->setRange(1, HighestPort);
    m_database = textBox(this, "txtDatabase");
    m_user = textBox(this, "txtUser");
    // Names of hosts, databases and users are written left to right.
    for (QWidget* box : {static_cast<QWidget*>(m_host), static_cast<QWidget*>(m_port),
                         static_cast<QWidget*>(m_database), static_cast<QWidget*>(m_user)})
        box->setLayoutDirection(Qt::LeftToRight);

    RegisterLocation defaults = shown;
    if (!shown.server)
        defaults.host = QStringLiteral("localhost");
    m_host->setText(defaults.host);
    m_port->setValue(defaults.port);
    m_database->setText(defaults.database);
    m_user->setText(defaults.user);
    (shown.server ? m_server : m_local)->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(labelFor(m_host, "lblHost", QStringLiteral("سرور")), m_host);
    form->addRow(labelFor(m_port, "lblPort", QStringLiteral("درگاه")), m_port);
    form->addRow(labelFor(m_database, "lblDatabase", QStringLiteral("بانک اطلاعاتی")), m_database);
    form->addRow(labelFor(m_user, "lblUser", QStringLiteral("کاربر")), m_user);

    auto* save = button(this, "cmdSave", purpose == Purpose::Choose ? QStringLiteral("ثبت") : QStringLiteral("انتقال"),
                        Enter::PressesAsDefault, QStyle::SP_DialogOkButton);
    auto* back = button(this, "cmdBack", QStringLiteral("بازگشت"), Enter::Presses, QStyle::SP_DialogCloseButton);
    connect(save, &QPushButton::clicked, this, &RegisterWindow::accept);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_server, &QRadioButton::toggled, this, &RegisterWindow::showChoice);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_local);
    layout->addWidget(m_server);
    layout->addLayout(form);
    layout->addLayout(buttons);
    showChoice();
}

void RegisterWindow::showChoice()
{
    for (QWidget* box : {static_cast<QWidget*>(m_host), static_cast<QWidget*>(m_port),
                         static_cast<QWidget*>(m_database), static_cast<QWidget*>(m_user)})
        box->setEnabled(m_server->isChecked());
}

bool RegisterWindow::location(RegisterLocation* chosen, QString* error) const
{
    if (!m_server->isChecked()) {
        *chosen = RegisterLocation::localFile();
        return true;
    }
    RegisterLocation server;
    server.server = true;
    server.host = m_host->text().trimmed();
    server.port = m_port->value();
    server.database = m_database->text().trimmed();
    server.user = m_user->text().trimmed();
    // The options given on the command line or stored before (sslmode...) stay with the server.
    if (m_shown.server)
        server.options = m_shown.options;
    if (server.host.isEmpty() || server.database.isEmpty()) {
        *error = QStringLiteral("نام سرور و نام بانک اطلاعاتی را بنویسید.");
        return false;
    }
    *chosen = server;
    return true;
}

void RegisterWindow::accept()
{
    RegisterLocation chosen;
    QString error;
    if (!location(&chosen, &error)) {
        Messages::show(this, error, Messages::Icon::Warning, Title);
        return;
    }
    if (m_purpose == Purpose::Choose) {
        if (!SettingsStore::write(Settings::RegisterServer, chosen.uri(), &error)) {
            Messages::show(this, error, Messages::Icon::Critical, Title);
            return;
        }
        Messages::show(this,
                       QStringLiteral("بانک اطلاعاتی انتخاب شده از اجرای بعدی برنامه به کار "
                                      "می‌رود."),
                       Messages::Icon::Information, Title);
    }
    QDialog::accept();
}
