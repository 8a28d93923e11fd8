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

// While one exists, boxes are recorded instead of shown.
class MessageLog
{
public:
    MessageLog();
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
    // Questions asked with no answer queued (they were answered No).
    int unansweredQuestions() const { return m_unanswered; }
    void clear();

private:
    friend void show(QWidget*, const QString&, Icon, const QString&);
    friend bool ask(QWidget*, const QString&, const QString&);
    friend QString takeText(const QString&, const QString&);
    QList<Shown> m_shown;
    QList<bool> m_answers;
    QStringList m_texts;
    int m_unanswered = 0;
};

// Records an input box or chooser in the active log and takes its queued text.
QString takeText(const QString& title, const QString& prompt);

} // namespace Messages
