#include "ui/messages.h"

#include "testing.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

namespace {

QStringList complaints;

void keepComplaint(const QString& message)
{
    complaints << message;
}

} // namespace

class TestMessages : public QObject
{
    Q_OBJECT

    TestEnvironment m_environment;

private slots:
    void init() { complaints.clear(); }
    // The handler of the test environment again, for the tests that see it fail a test.
    void cleanup() { Messages::MessageLog::setComplaintHandler(failRunningTest); }

    void boxesAreRecordedAndAnsweredInTurn()
    {
        Messages::MessageLog::setComplaintHandler(keepComplaint);
        Messages::MessageLog log;
        log.answer(false);
        log.answer(true);
        log.answerText(QStringLiteral("نسخه"));
        log.answerText(QString());
        Messages::show(nullptr, QStringLiteral("ثبت شد"), Messages::Icon::None);
        QVERIFY(!Messages::ask(nullptr, QStringLiteral("حذف شود؟"), QStringLiteral("Delete")));
        QVERIFY(Messages::ask(nullptr, QStringLiteral("دوباره؟")));
        QCOMPARE(Messages::input(nullptr, QStringLiteral("نام"), QStringLiteral("پوشه")), QStringLiteral("نسخه"));
        QVERIFY(Messages::saveFileName(nullptr, QString(), QStringLiteral("/tmp/a.xlsx"), QString()).isNull());
        QCOMPARE(log.shown().size(), 5);
        QCOMPARE(log.shown().at(0).title, QString::fromLatin1(Messages::DefaultTitle));
        QCOMPARE(log.shown().at(1).title, QStringLiteral("Delete"));
        QCOMPARE(log.shown().at(1).icon, Messages::Icon::Question);
        QCOMPARE(log.shown().at(4).text, QStringLiteral("/tmp/a.xlsx"));
        QCOMPARE(log.unusedAnswers(), 0);
        QVERIFY(complaints.isEmpty());
    }

    void aBoxWithNoAnswerQueuedIsAComplaintWithItsText()
    {
        Messages::MessageLog::setComplaintHandler(keepComplaint);
        Messages::MessageLog log;
        // A text queued does not answer a question, nor a Yes an input box.
        log.answerText(QStringLiteral("x"));
        QVERIFY(!Messages::ask(nullptr, QStringLiteral("پاس شود؟"), QStringLiteral("کالا")));
        QCOMPARE(complaints.size(), 1);
        QVERIFY2(complaints.first().contains(QStringLiteral("\"کالا\": \"پاس شود؟\"")), qPrintable(complaints.first()));
        QCOMPARE(Messages::input(nullptr, QStringLiteral("نام"), QStringLiteral("پوشه")), QStringLiteral("x"));
        QVERIFY(!Messages::chooseColor(nullptr, Qt::red).isValid());
        QCOMPARE(complaints.size(), 2);
        QVERIFY2(complaints.last().contains(QStringLiteral("colour chooser")), qPrintable(complaints.last()));
        // Both boxes are still on record, so the test can say what it expected instead.
        QCOMPARE(log.shown().size(), 3);
    }

    void answersLeftOverAreAComplaintNamingThemAndTheBoxes()
    {
        Messages::MessageLog::setComplaintHandler(keepComplaint);
        {
            Messages::MessageLog log;
            log.answer(true);
            log.answer(false);
            log.answerText(QStringLiteral("#00ff00"));
            log.answerText(QString());
            QVERIFY(Messages::ask(nullptr, QStringLiteral("بايگاني شود؟")));
            // Forgetting what was shown does not forgive what is still queued.
            log.clear();
            Messages::show(nullptr, QStringLiteral("انجام شد"));
            QVERIFY(complaints.isEmpty());
        }
        QCOMPARE(complaints.size(), 1);
        const QString& message = complaints.first();
        QVERIFY2(message.contains(QStringLiteral("No, \"#00ff00\", Cancel")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("انجام شد")), qPrintable(message));
        QVERIFY2(!message.contains(QStringLiteral("بايگاني")), qPrintable(message));
    }

    void anInnerLogHandsTheBoxesBackToTheOuterOne()
    {
        Messages::MessageLog outer;
        {
            Messages::MessageLog inner;
            Messages::show(nullptr, QStringLiteral("inner"));
            QCOMPARE(inner.shown().size(), 1);
        }
        // Were no log active now, a real box would wait for a click.
        Messages::show(nullptr, QStringLiteral("outer"));
        QCOMPARE(outer.shown().size(), 1);
        QCOMPARE(outer.lastText(), QStringLiteral("outer"));
    }

    void aQuestionWithNoAnswerFailsTheTest()
    {
        Messages::MessageLog log;
        QEXPECT_FAIL("", "the question finds no answer queued", Continue);
        QVERIFY(!Messages::ask(nullptr, QStringLiteral("حذف شود؟")));
        QCOMPARE(log.shown().size(), 1);
    }

    void anAnswerLeftUnusedFailsTheTest()
    {
        QEXPECT_FAIL("", "the Yes is never asked for", Continue);
        Messages::MessageLog log;
        log.answer(true);
    }

    void modalHelperGivesUpOnAWindowThatNeverOpens()
    {
        QDialog other;
        other.setObjectName(QStringLiteral("Other"));
        bool ran = false;
        whenModal([&ran](QWidget*) { ran = true; }, QStringLiteral("Awaited"), 200);
        // Should the helper not close the window, the test ends it, too late to pass.
        QTimer::singleShot(3000, &other, &QDialog::reject);
        QElapsedTimer held;
        held.start();
        QEXPECT_FAIL("", "the awaited window never opens; another one is open instead", Continue);
        other.exec();
        QVERIFY(!ran);
        QVERIFY2(held.elapsed() < 2500, "the window that is open instead was not closed");
    }

    void modalHelperFailsAnActionThatLeavesItsWindowOpen()
    {
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("Left"));
        QWidget* seen = nullptr;
        whenModal([&seen](QWidget* modal) { seen = modal; }, QStringLiteral("Left"));
        QTimer::singleShot(3000, &dialog, &QDialog::reject);
        QElapsedTimer held;
        held.start();
        QEXPECT_FAIL("", "the action does not close its window", Continue);
        dialog.exec();
        QCOMPARE(seen, &dialog);
        QVERIFY2(held.elapsed() < 2500, "the window left open was not closed");
    }
};

QTEST_MAIN(TestMessages)
#include "test_messages.moc"
