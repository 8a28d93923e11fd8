#include "testing.h"
#include "ui/translations.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// Qt's own dialogs in Persian: the buttons of a message box, the file chooser, the page setup.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Before: Qt's own English.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        QVERIFY(Translations::installQtPersian(*QCoreApplication::instance()));
        // Once is enough; a second call neither fails nor loads it twice.
        QVERIFY(Translations::installQtPersian(*QCoreApplication::instance()));
    }

    void messageBoxButtons()
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("KAVIRO . 5.1"), QStringLiteral("؟"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("بله"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("نه"));
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("تأیید"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("انصراف"));
    }

    void fileChooser()
    {
        QFileDialog chooser;
        chooser.setOption(QFileDialog::DontUseNativeDialog);
        chooser.setAcceptMode(QFileDialog::AcceptSave);
        QStringList texts;
        for (const QPushButton* button : chooser.findChildren<QPushButton*>())
            texts << button->text().remove(QLatin1Char('&'));
        QVERIFY2(texts.contains(QStringLiteral("ذخیره")), qPrintable(texts.join(QLatin1Char(','))));
        QVERIFY(texts.contains(QStringLiteral("انصراف")));
    }

    void pageSetup()
    {
        QPrinter printer;
        QPageSetupDialog dialog(&printer);
        const auto* portrait = dialog.findChild<QRadioButton*>(QStringLiteral("portrait"));
        const auto* landscape = dialog.findChild<QRadioButton*>(QStringLiteral("landscape"));
        QVERIFY(portrait && landscape);
        QCOMPARE(portrait->text().remove(QLatin1Char('&')), QStringLiteral("عمودی"));
        QCOMPARE(landscape->text().remove(QLatin1Char('&')), QStringLiteral("افقی"));
    }

private:
    TestEnvironment m_env;
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
