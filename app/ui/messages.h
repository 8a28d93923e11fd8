#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// Every message box of the program goes through here. In the running program these are
// real QMessageBoxes; a test installs a MessageLog, which records what would have been
// shown and answers from a queue instead of waiting for a click.
namespace Messages {

inline constexpr const char* DefaultTitle = "KAVIRO . 5.1";

enum class Icon
{
    None,
    Information,
    Warning,
    Critical,
    Question
};

// A box with an OK button. An empty title means the program's title.
void show(QWidget* parent, const QString& text, Icon icon = Icon::Information, const QString& title = QString());
// A question with Yes and No; true for Yes.
bool ask(QWidget* parent, const QString& text, const QString& title = QString());

// An input box with OK and Cancel. Returns the text, or a null QString when cancelled.
QString input(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText = QString());
// The same with the typed letters hidden, for a password.
QString password(QWidget* parent, const QString& prompt, const QString& title);
// A file chooser for saving. Returns the chosen path, or an empty string when cancelled.
QString saveFileName(QWidget* parent, const QString& title, const QString& suggestedPath, const QString& filter);
// A file chooser for opening an existing file. Empty when cancelled.
QString openFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter);

// The colour chooser. Returns an invalid colour when cancelled.
QColor chooseColor(QWidget* parent, const QColor& initial);

struct Shown
{
    Icon icon;
    QString title;
    QString text;
};

// While one exists, boxes are recorded instead of shown. Logs may nest; the newest one records.
//
// Every question and every input box must find its answer queued, and every answer queued
// must be taken: a question taken as No without anyone saying so, or an answer nobody asked
// for, means the code ran another way than its caller meant. Either is a complaint, made
// with the text of the box (a question with no answer is then answered No, an input box
// cancelled, so that the caller still ends).
class MessageLog
{
public:
    // Receives a complaint. The default ends the program with the message; a test harness
    // makes it fail the running test instead.
    using Complaint = void (*)(const QString& message);
    static void setComplaintHandler(Complaint handler);

    MessageLog();
    // Complains about answers still queued.
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    void answer(bool yes) { m_answers << yes; }
    // The next input box, file chooser or colour chooser (a colour name such as "#00ff00")
    // returns text; a null QString stands for Cancel.
    void answerText(const QString& text) { m_texts << text; }
    QList<Shown> shown() const { return m_shown; }
    QString lastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }
    int unusedAnswers() const { return static_cast<int>(m_answers.size() + m_texts.size()); }
    // Forgets the boxes shown so far. Answers still queued stay owed.
    void clear() { m_shown.clear(); }

private:
    // The boxes' side of the log, in messages.cpp.
    friend class Recorder;

    QList<Shown> m_shown;
    QList<bool> m_answers;
    QStringList m_texts;
    MessageLog* m_outer;
};

} // namespace Messages
