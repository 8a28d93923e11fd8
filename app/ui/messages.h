#pragma once

#include <QList>
#include <QString>

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

struct Shown
{
    Icon icon;
    QString title;
    QString text;
};

// While one exists, boxes are recorded instead of shown.
class MessageLog
{
public:
    MessageLog();
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    void answer(bool yes) { m_answers << yes; }
    QList<Shown> shown() const { return m_shown; }
    QString lastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }
    int unusedAnswers() const { return static_cast<int>(m_answers.size()); }
    // Questions asked with no answer queued (they were answered No).
    int unansweredQuestions() const { return m_unanswered; }
    void clear();

private:
    friend void show(QWidget*, const QString&, Icon, const QString&);
    friend bool ask(QWidget*, const QString&, const QString&);
    QList<Shown> m_shown;
    QList<bool> m_answers;
    int m_unanswered = 0;
};

} // namespace Messages
