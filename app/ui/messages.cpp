#include "ui/messages.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace Messages {

namespace {

MessageLog* activeLog = nullptr;

QString titleOr(const QString& title)
{
    return title.isEmpty() ? QString::fromLatin1(DefaultTitle) : title;
}

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageLog::MessageLog()
{
    activeLog = this;
}

MessageLog::~MessageLog()
{
    if (activeLog == this)
        activeLog = nullptr;
}

void MessageLog::clear()
{
    m_shown.clear();
    m_answers.clear();
    m_texts.clear();
    m_unanswered = 0;
}

void show(QWidget* parent, const QString& text, Icon icon, const QString& title)
{
    if (activeLog) {
        activeLog->m_shown << Shown{icon, titleOr(title), text};
        return;
    }
    QMessageBox box(boxIcon(icon), titleOr(title), text, QMessageBox::Ok, parent);
    box.exec();
}

bool ask(QWidget* parent, const QString& text, const QString& title)
{
    if (activeLog) {
        activeLog->m_shown << Shown{Icon::Question, titleOr(title), text};
        if (activeLog->m_answers.isEmpty()) {
            ++activeLog->m_unanswered;
            return false;
        }
        return activeLog->m_answers.takeFirst();
    }
    QMessageBox box(QMessageBox::Question, titleOr(title), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString takeText(const QString& title, const QString& prompt)
{
    activeLog->m_shown << Shown{Icon::None, title, prompt};
    if (activeLog->m_texts.isEmpty()) {
        ++activeLog->m_unanswered;
        return QString();
    }
    return activeLog->m_texts.takeFirst();
}

QString input(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText)
{
    if (activeLog)
        return takeText(title, prompt);
    bool ok = false;
    const QString text = QInputDialog::getText(parent, titleOr(title), prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QString saveFileName(QWidget* parent, const QString& title, const QString& suggestedPath, const QString& filter)
{
    if (activeLog)
        return takeText(title, suggestedPath);
    return QFileDialog::getSaveFileName(parent, titleOr(title), suggestedPath, filter);
}

QString openFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    if (activeLog)
        return takeText(title, folder);
    return QFileDialog::getOpenFileName(parent, titleOr(title), folder, filter);
}

QColor chooseColor(QWidget* parent, const QColor& initial)
{
    if (activeLog) {
        const QString name = takeText(QString(), QStringLiteral("colour"));
        return name.isNull() ? QColor() : QColor(name);
    }
    return QColorDialog::getColor(initial, parent);
}

} // namespace Messages
