#include "ui/messages.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace Messages {

namespace {

MessageLog* activeLog = nullptr;

void endProgram(const QString& message)
{
    qFatal("%s", qPrintable(message));
}

MessageLog::Complaint complaintHandler = endProgram;

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

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString describe(const Shown& box)
{
    return quoted(box.title) + QStringLiteral(": ") + quoted(box.text);
}

} // namespace

class Recorder
{
public:
    static MessageLog* log() { return activeLog; }

    static void record(const Shown& box) { activeLog->m_shown << box; }

    static bool takeAnswer(const Shown& box)
    {
        record(box);
        if (activeLog->m_answers.isEmpty()) {
            complaintHandler(QStringLiteral("A question was asked with no answer queued (taken as No): ") +
                             describe(box));
            return false;
        }
        return activeLog->m_answers.takeFirst();
    }

    static QString takeText(const Shown& box, const char* kind)
    {
        record(box);
        if (activeLog->m_texts.isEmpty()) {
            complaintHandler(
                QStringLiteral("A %1 was opened with no text queued (taken as Cancel): ").arg(QLatin1String(kind)) +
                describe(box));
            return QString();
        }
        return activeLog->m_texts.takeFirst();
    }

    static QString leftOver(const MessageLog& log)
    {
        QStringList answers;
        for (bool yes : log.m_answers)
            answers << (yes ? QStringLiteral("Yes") : QStringLiteral("No"));
        for (const QString& text : log.m_texts)
            answers << (text.isNull() ? QStringLiteral("Cancel") : quoted(text));
        QStringList boxes;
        for (const Shown& box : log.m_shown)
            boxes << describe(box);
        return QStringLiteral("Answers were queued that no box asked for: ") + answers.join(QStringLiteral(", ")) +
               QStringLiteral(". Boxes shown: ") +
               (boxes.isEmpty() ? QStringLiteral("none") : boxes.join(QStringLiteral("; ")));
    }
};

void MessageLog::setComplaintHandler(Complaint handler)
{
    complaintHandler = handler ? handler : endProgram;
}

MessageLog::MessageLog() : m_outer(activeLog)
{
    activeLog = this;
}

MessageLog::~MessageLog()
{
    if (activeLog == this)
        activeLog = m_outer;
    if (unusedAnswers() > 0)
        complaintHandler(Recorder::leftOver(*this));
}

void show(QWidget* parent, const QString& text, Icon icon, const QString& title)
{
    if (Recorder::log()) {
        Recorder::record({icon, titleOr(title), text});
        return;
    }
    QMessageBox box(boxIcon(icon), titleOr(title), text, QMessageBox::Ok, parent);
    box.exec();
}

bool ask(QWidget* parent, const QString& text, const QString& title)
{
    if (Recorder::log())
        return Recorder::takeAnswer({Icon::Question, titleOr(title), text});
    QMessageBox box(QMessageBox::Question, titleOr(title), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString input(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText)
{
    if (Recorder::log())
        return Recorder::takeText({Icon::None, title, prompt}, "input box");
    bool ok = false;
    const QString text = QInputDialog::getText(parent, titleOr(title), prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QString password(QWidget* parent, const QString& prompt, const QString& title)
{
    if (Recorder::log())
        return Recorder::takeText({Icon::None, title, prompt}, "password box");
    bool ok = false;
    const QString text = QInputDialog::getText(parent, titleOr(title), prompt, QLineEdit::Password, QString(), &ok);
    return ok ? text : QString();
}

QString saveFileName(QWidget* parent, const QString& title, const QString& suggestedPath, const QString& filter)
{
    if (Recorder::log())
        return Recorder::takeText({Icon::None, title, suggestedPath}, "file chooser");
    return QFileDialog::getSaveFileName(parent, titleOr(title), suggestedPath, filter);
}

QString openFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    if (Recorder::log())
        return Recorder::takeText({Icon::None, title, folder}, "file chooser");
    return QFileDialog::getOpenFileName(parent, titleOr(title), folder, filter);
}

QColor chooseColor(QWidget* parent, const QColor& initial)
{
    if (Recorder::log()) {
        const QString name = Recorder::takeText({Icon::None, QString(), QStringLiteral("colour")}, "colour chooser");
        return name.isNull() ? QColor() : QColor(name);
    }
    return QColorDialog::getColor(initial, parent);
}

} // namespace Messages
