#include "cheques/cheque_entry_dialog.h"
#include "data/cheque_queries.h"
#include "data/clock.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/failure_text.h"
#include "numtype.h"
#include "ui/date_box.h"
#include "ui/jalali_picker.h"
#include "ui/messages.h"
#include "ui/record_mode.h"
#include "words/amount_words.h"
#include "words/number_format.h"

#include "testing.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const QString Today = QStringLiteral("1403/03/26"); // the clock below
const QString EmptyDate = QStringLiteral("____/__/__");
const QString Passed = QStringLiteral("پاس شد");
const QString Paid = QStringLiteral("پرداخت");

void typeEach(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A data folder with two banks, the main list bound to T1 and the dialog over them.
struct Desk
{
    Desk() : db(dir.path()), cheques(db)
    {
        QVERIFY(db.open() != Database::OpenResult::Failed);
        TableWriter banks(db, BankTable::Name);
        for (const QString& name : {QStringLiteral("ملت"), QStringLiteral("صادرات")}) {
            qint64 id = 0;
            QVERIFY(banks.insert({{BankTable::BankName, name}}, &id));
            bankIds << id;
        }
        cheques.setRecordSource(ChequeQueries::all());
        QVERIFY(cheques.refresh());
    }

    ChequeEntryDialog* open(bool newRecord)
    {
        NewRecordMode = newRecord;
        dialog = std::make_unique<ChequeEntryDialog>(db, cheques);
        if (!newRecord)
            dialog->fillFromCurrent();
        dialog->show();
        if (!QTest::qWaitForWindowActive(dialog.get()))
            return nullptr;
        QCoreApplication::processEvents();
        return dialog.get();
    }

    template <typename T> T* find(QAnyStringView name) const { return control<T>(dialog.get(), name); }

    void save() const { find<QPushButton>("AeroButton2")->click(); }

    // The rows of T1 in the order written, as a map per row.
    QList<QVariantMap> rows() const
    {
        QList<QVariantMap> all;
        QSqlQuery query(db.connection());
        query.exec(
            QStringLiteral("SELECT rowid, PD, TV, TCH, Num, NBank, Mab, SH, Prd, V, Shh FROM T1 ORDER BY rowid"));
        while (query.next()) {
            QVariantMap row;
            for (const char* column : {"rowid", "PD", "TV", "TCH", "Num", "NBank", "Mab", "SH", "Prd", "V", "Shh"})
                row.insert(QString::fromLatin1(column), query.value(QString::fromLatin1(column)));
            all << row;
        }
        return all;
    }

    QTemporaryDir dir;
    Database db;
    DataControl cheques;
    QList<qint64> bankIds;
    std::unique_ptr<ChequeEntryDialog> dialog;
};

} // namespace

class TestChequeEntry : public QObject
{
    Q_OBJECT

    TestEnvironment m_environment;

private slots:
    void initTestCase() { qApp->setLayoutDirection(Qt::RightToLeft); }

    void init() { Clock::set(QDateTime(QDate(2024, 6, 15), QTime(10, 0))); }

    void cleanup() { Clock::set(QDateTime()); }

    void untouchedNewChequeStoresTheDefaults()
    {
        Desk desk;
        QVERIFY(desk.open(true));
        QCOMPARE(desk.dialog->objectName(), QStringLiteral("Form2"));
        QCOMPARE(desk.find<QLabel>("Label6")->text(), QStringLiteral("صفر"));
        desk.save();

        const QList<QVariantMap> rows = desk.rows();
        QCOMPARE(rows.size(), 1);
        const QVariantMap& row = rows.first();
        QCOMPARE(row["TV"].toString(), Today);
        QCOMPARE(row["TCH"].toString(), EmptyDate);
        for (const char* empty : {"Num", "NBank", "SH", "Shh"}) {
            QVERIFY2(!row[empty].isNull(), empty);
            QCOMPARE(row[empty].toString(), QString());
        }
        QCOMPARE(row["Prd"].toString(), QStringLiteral("نوع چک"));
        QCOMPARE(row["Mab"].toLongLong(), 0);
        QCOMPARE(row["V"].toString(), QStringLiteral("----"));
        QVERIFY(row["PD"].isNull());
        QCOMPARE(desk.cheques.recordCount(), 1);
    }

    void secondChequeKeepsDatesAndType()
    {
        Desk desk;
        QVERIFY(desk.open(true));
        auto* chequeDate = desk.find<DateBox>("MaskEdBox1");
        chequeDate->edit()->setCursorPosition(0);
        QTest::keyClicks(chequeDate->edit(), "14030401");
        QTest::keyClicks(desk.find<QLineEdit>("Text3"), " 0042 ");
        typeEach(desk.find<QComboBox>("Combo1")->lineEdit(), QStringLiteral("ملت"));
        desk.find<QComboBox>("Combo2")->setCurrentIndex(1);
        QTest::keyClicks(control<QLineEdit>(desk.find<NumType>("NumType1"), "txtUse"), "2500000");
        QCOMPARE(desk.find<QLabel>("Label6")->text(), AmountToWords(2500000) + QStringLiteral("     : ريال"));
        typeEach(desk.find<QLineEdit>("Text2"), QStringLiteral(" علی "));
        typeEach(desk.find<QLineEdit>("Text4"), QStringLiteral("بابت اجاره"));
        desk.save();

        QCOMPARE(desk.find<QLineEdit>("Text2")->text(), QString());
        QCOMPARE(desk.find<QLineEdit>("Text3")->text(), QString());
        QCOMPARE(desk.find<QLineEdit>("Text4")->text(), QString());
        QCOMPARE(desk.find<QComboBox>("Combo1")->currentText(), QString());
        QCOMPARE(desk.find<NumType>("NumType1")->value(), 0.0);
        QCOMPARE(desk.find<QLabel>("Label6")->text(), QStringLiteral("صفر"));
        QCOMPARE(desk.find<QComboBox>("Combo2")->currentText(), Paid);
        auto* entryDate = desk.find<DateBox>("MaskEdBox2");
        QTRY_VERIFY(entryDate->edit()->hasFocus());
        QTRY_COMPARE(entryDate->edit()->selectedText().size(), 10);
        desk.save();

        const QList<QVariantMap> rows = desk.rows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0]["Num"].toString(), QStringLiteral(" 0042 "));
        QCOMPARE(rows[0]["NBank"].toString(), QStringLiteral("ملت"));
        QCOMPARE(rows[0]["PD"].toLongLong(), desk.bankIds[0]);
        QCOMPARE(rows[0]["Mab"].toLongLong(), 2500000);
        QCOMPARE(rows[0]["SH"].toString(), QStringLiteral("علی"));
        QCOMPARE(rows[0]["Shh"].toString(), QStringLiteral("بابت اجاره"));
        for (const QVariantMap& row : rows) {
            QCOMPARE(row["TV"].toString(), Today);
            QCOMPARE(row["TCH"].toString(), QStringLiteral("1403/04/01"));
            QCOMPARE(row["Prd"].toString(), Paid);
            QCOMPARE(row["V"].toString(), QStringLiteral("----"));
        }
        for (const char* empty : {"Num", "NBank", "SH", "Shh"}) {
            QVERIFY2(!rows[1][empty].isNull(), empty);
            QCOMPARE(rows[1][empty].toString(), QString());
        }
        QVERIFY(rows[1]["PD"].isNull());
        QCOMPARE(rows[1]["Mab"].toLongLong(), 0);
        QCOMPARE(desk.cheques.recordCount(), 2);
        QCOMPARE(desk.cheques.currentRow(), 1);
    }

    void bankKey_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<int>("bank");
        // The list is in alphabetical order: صادرات, added second, comes first.
        QTest::newRow("chosen from the list") << QString() << 0 << 1;
        QTest::newRow("typed with blanks") << QStringLiteral(" ملت ") << -1 << 0;
        QTest::newRow("unknown name") << QStringLiteral("آینده") << -1 << -1;
        QTest::newRow("Persian yeh is another name") << QStringLiteral("صادرات ی") << -1 << -1;
    }

    void bankKey()
    {
        QFETCH(QString, typed);
        QFETCH(int, listIndex);
        QFETCH(int, bank);
        Desk desk;
        QVERIFY(desk.open(true));
        auto* combo = desk.find<QComboBox>("Combo1");
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("صادرات"));
        if (listIndex >= 0)
            combo->setCurrentIndex(listIndex);
        else
            typeEach(combo->lineEdit(), typed);
        desk.save();
        const QVariantMap row = desk.rows().value(0);
        if (bank < 0) {
            QVERIFY(row["PD"].isNull());
        } else {
            QCOMPARE(row["PD"].toLongLong(), desk.bankIds[bank]);
            QCOMPARE(row["NBank"].toString(), bank == 0 ? QStringLiteral("ملت") : QStringLiteral("صادرات"));
        }
    }

    void editKeepsStatusAndAlwaysWritesTheSameCheque()
    {
        Desk desk;
        QVERIFY(desk.cheques.addRow({{"PD", desk.bankIds[0]},
                                     {"TV", "1403/01/10"},
                                     {"TCH", "1403/05/01"},
                                     {"Num", "777"},
                                     {"NBank", "ملت"},
                                     {"Prd", "دريافت"},
                                     {"Mab", 900},
                                     {"SH", "رضا"},
                                     {"V", Passed},
                                     {"Shh", "قدیمی"}}));
        QVERIFY(desk.cheques.addRow({{"TCH", "1403/02/01"}, {"SH", "other"}, {"V", "----"}}));
        QVERIFY(desk.cheques.refresh());
        desk.cheques.setCurrentRow(0);
        const qint64 target = desk.cheques.currentId();

        QVERIFY(desk.open(false));
        QCOMPARE(desk.find<DateBox>("MaskEdBox1")->text(), QStringLiteral("1403/05/01"));
        QCOMPARE(desk.find<DateBox>("MaskEdBox2")->text(), QStringLiteral("1403/01/10"));
        QCOMPARE(desk.find<QComboBox>("Combo1")->currentText(), QStringLiteral("ملت"));
        QCOMPARE(desk.find<QComboBox>("Combo2")->currentText(), QStringLiteral("دريافت"));
        QCOMPARE(desk.find<NumType>("NumType1")->value(), 900.0);
        QCOMPARE(desk.find<QLabel>("Label6")->text(), AmountToWords(900));
        auto* amount = desk.find<NumType>("NumType1");
        amount->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(amount->selText(), QStringLiteral("900"));

        // A name that is no bank keeps the cheque's bank key.
        auto* combo = desk.find<QComboBox>("Combo1");
        combo->lineEdit()->selectAll();
        typeEach(combo->lineEdit(), QStringLiteral("ناشناس"));
        desk.find<QLineEdit>("Text2")->setText(QStringLiteral("رضا رضایی"));
        desk.save();
        QVERIFY(desk.dialog->isVisible());

        desk.cheques.setCurrentRow(1); // the list moves; the dialog's cheque does not
        desk.find<QLineEdit>("Text4")->setText(QStringLiteral("دوباره"));
        desk.save();

        const QList<QVariantMap> rows = desk.rows();
        QCOMPARE(rows.size(), 2);
        const QVariantMap edited = rows[0]["rowid"].toLongLong() == target ? rows[0] : rows[1];
        const QVariantMap other = rows[0]["rowid"].toLongLong() == target ? rows[1] : rows[0];
        QCOMPARE(edited["V"].toString(), Passed);
        QCOMPARE(edited["PD"].toLongLong(), desk.bankIds[0]);
        QCOMPARE(edited["NBank"].toString(), QStringLiteral("ناشناس"));
        QCOMPARE(edited["SH"].toString(), QStringLiteral("رضا رضایی"));
        QCOMPARE(edited["Shh"].toString(), QStringLiteral("دوباره"));
        QCOMPARE(edited["Mab"].toLongLong(), 900);
        QCOMPARE(edited["TV"].toString(), QStringLiteral("1403/01/10"));
        QCOMPARE(other["SH"].toString(), QStringLiteral("other"));
        QCOMPARE(other["V"].toString(), QStringLiteral("----"));

        // Choosing a bank on edit writes its key (صادرات, first in the list).
        combo->setCurrentIndex(0);
        desk.save();
        QCOMPARE(desk.rows()[edited == rows[0] ? 0 : 1]["PD"].toLongLong(), desk.bankIds[1]);
    }

    void enterWalksTheBoxesAndSaves()
    {
        Desk desk;
        QVERIFY(desk.open(true));
        // The dropped list of a combo box is a window of its own, still a child of the box.
        auto focusIsIn = [&desk](const char* name) {
            const QWidget* box = desk.find<QWidget>(name);
            for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget())
                if (widget == box)
                    return true;
            return false;
        };
        auto enter = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); };

        QTRY_VERIFY(focusIsIn("MaskEdBox2"));
        enter();
        QVERIFY(focusIsIn("MaskEdBox1"));
        enter();
        QVERIFY(focusIsIn("Text3"));
        QTest::keyClicks(QApplication::focusWidget(), "55");
        enter();
        QVERIFY(focusIsIn("Combo1"));
        // Reached from the keyboard, a combo box drops its list; Enter with no item
        // highlighted closes it and goes on.
        auto* banks = desk.find<QComboBox>("Combo1");
        QTRY_VERIFY(banks->view()->isVisible());
        QTest::keyClick(banks->view(), Qt::Key_Return);
        QVERIFY(!banks->view()->isVisible());
        QVERIFY(focusIsIn("Combo2"));
        auto* types = desk.find<QComboBox>("Combo2");
        QTRY_VERIFY(types->view()->isVisible());
        QTest::keyClick(types->view(), Qt::Key_Return);
        QTRY_VERIFY(focusIsIn("NumType1"));
        QTest::keyClicks(QApplication::focusWidget(), "120");
        enter();
        QVERIFY(focusIsIn("Text2"));
        enter();
        QVERIFY(focusIsIn("Text4"));
        enter();
        QVERIFY(focusIsIn("AeroButton2"));
        enter();

        const QList<QVariantMap> rows = desk.rows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0]["Num"].toString(), QStringLiteral("55"));
        QCOMPARE(rows[0]["Mab"].toLongLong(), 120);
        // Enter in a list the user did not move in keeps the typed text: no bank, the prompt as type.
        QCOMPARE(rows[0]["NBank"].toString(), QString());
        QCOMPARE(rows[0]["Prd"].toString(), QStringLiteral("نوع چک"));
    }

    void droppedListTakesTypingAndTheItemMovedTo()
    {
        Desk desk;
        QVERIFY(desk.open(true));
        auto* banks = desk.find<QComboBox>("Combo1");
        auto dropFromNumber = [&desk, banks] {
            desk.find<QLineEdit>("Text3")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            return QTest::qWaitFor([banks] { return banks->view()->isVisible(); });
        };
        QVERIFY(dropFromNumber());
        typeEach(banks->view(), QStringLiteral("سپه"));
        QVERIFY(!banks->view()->isVisible());
        QCOMPARE(banks->currentText(), QStringLiteral("سپه"));

        QVERIFY(dropFromNumber());
        QTest::keyClick(banks->view(), Qt::Key_Down);
        const int moved = banks->view()->currentIndex().row();
        QVERIFY(moved >= 0);
        QTest::keyClick(banks->view(), Qt::Key_Return);
        QVERIFY(!banks->view()->isVisible());
        QCOMPARE(banks->currentText(), banks->itemText(moved));
        QVERIFY(banks->hasFocus());
    }

    void downFromNothingChosenPicksTheFirstItemAndEnterTakesIt()
    {
        Desk desk;
        QVERIFY(desk.open(true));
        auto* banks = desk.find<QComboBox>("Combo1");
        desk.find<QLineEdit>("Text3")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(banks->view()->isVisible());
        // Nothing is chosen, so nothing is highlighted: what Enter would take is what is seen.
        QVERIFY(!banks->view()->currentIndex().isValid());
        QTest::keyClick(banks->view(), Qt::Key_Down);
        QCOMPARE(banks->view()->currentIndex().row(), 0);
        QTest::keyClick(banks->view(), Qt::Key_Return);
        QVERIFY(!banks->view()->isVisible());
        QCOMPARE(banks->currentText(), banks->itemText(0));

        // The type the same way, then on along the Enter path to the save: the cheque has both.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        auto* types = desk.find<QComboBox>("Combo2");
        QTRY_VERIFY(types->view()->isVisible());
        QTest::keyClick(types->view(), Qt::Key_Down);
        QTest::keyClick(types->view(), Qt::Key_Down);
        QTest::keyClick(types->view(), Qt::Key_Return);
        QCOMPARE(types->currentText(), Paid);
        // The closed list goes on with Enter.
        QVERIFY(types->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(desk.find<NumType>("NumType1")->isAncestorOf(QApplication::focusWidget()));
        desk.save();
        const QList<QVariantMap> rows = desk.rows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0]["NBank"].toString(), banks->itemText(0));
        QCOMPARE(rows[0]["PD"].toLongLong(), desk.bankIds.at(banks->itemText(0) == QStringLiteral("ملت") ? 0 : 1));
        QCOMPARE(rows[0]["Prd"].toString(), Paid);
    }

    void enterOnAChosenItemGoesOn()
    {
        Desk desk;
        QVERIFY(desk.open(true));
        auto* banks = desk.find<QComboBox>("Combo1");
        auto* types = desk.find<QComboBox>("Combo2");
        types->setCurrentIndex(1);
        desk.find<QLineEdit>("Text3")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(banks->view()->isVisible());
        // Nothing highlighted in the banks: Enter goes on to the type, whose list shows its choice.
        QTest::keyClick(banks->view(), Qt::Key_Return);
        QTRY_VERIFY(types->view()->isVisible());
        QCOMPARE(types->view()->currentIndex().row(), 1);
        QTest::keyClick(types->view(), Qt::Key_Return);
        QVERIFY(!types->view()->isVisible());
        QCOMPARE(types->currentIndex(), 1);
        QTRY_VERIFY(desk.find<NumType>("NumType1")->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(banks->currentText(), QString());
    }

    // Text typed right after the focus moved is never selected and replaced by the next key.
    void typeAheadKeepsEveryLetter()
    {
        Desk desk;
        QVERIFY(desk.open(true));
        auto* amount = desk.find<NumType>("NumType1");
        amount->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(amount->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClicks(QApplication::focusWidget(), "75");
        // Enter moves on to the description; the first letter comes before the event loop turns.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        typeEach(QApplication::focusWidget(), QStringLiteral("ف"));
        QCoreApplication::processEvents();
        typeEach(QApplication::focusWidget(), QStringLiteral("روشگاه نور"));
        QCOMPARE(desk.find<QLineEdit>("Text2")->text(), QStringLiteral("فروشگاه نور"));

        // The same in the amount box, which its host selects on the focus.
        amount->setValue(4);
        desk.find<QLineEdit>("Text3")->setFocus(Qt::TabFocusReason);
        amount->setFocus(Qt::TabFocusReason);
        QCOMPARE(amount->selText(), QStringLiteral("4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
        QCoreApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
        QCOMPARE(amount->value(), 12.0);

        // A box reached again still has its old text selected, so that typing replaces it.
        auto* number = desk.find<QLineEdit>("Text3");
        number->setText(QStringLiteral("998"));
        number->setFocus(Qt::TabFocusReason);
        QCOMPARE(number->selectedText(), QStringLiteral("998"));
        typeEach(number, QStringLiteral("7"));
        QCoreApplication::processEvents();
        typeEach(number, QStringLiteral("1"));
        QCOMPARE(number->text(), QStringLiteral("71"));
    }

    void chequeNumberIsStoredInAsciiDigits()
    {
        Desk desk;
        QVERIFY(desk.open(true));
        auto* number = desk.find<QLineEdit>("Text3");
        number->setFocus(Qt::TabFocusReason);
        typeEach(number, QStringLiteral("۱۲۳٤٥-a۶"));
        QCOMPARE(number->text(), QStringLiteral("12345-a6"));
        number->selectAll();
        number->insert(QStringLiteral("٠٩۸۷"));
        QCOMPARE(number->text(), QStringLiteral("0987"));
        desk.save();
        QCOMPARE(desk.rows().value(0)["Num"].toString(), QStringLiteral("0987"));
    }

    void anEditWritesAnOldPersianNumberInAscii()
    {
        Desk desk;
        QVERIFY(TableWriter(desk.db, ChequeTable::Name).insert({{ChequeTable::Number, QStringLiteral("۴۰۱۲")}}));
        QVERIFY(desk.cheques.refresh());
        desk.cheques.setCurrentRow(0);
        QVERIFY(desk.open(false));
        desk.save();
        QCOMPARE(desk.rows().value(0)["Num"].toString(), QStringLiteral("4012"));
    }

    void pastedAmountsAreTheNumberTheyShow_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<qlonglong>("stored");
        QTest::newRow("twenty digits refused") << "12345678901234567890" << 0LL;
        QTest::newRow("sixteen digits with commas refused") << "1,234,567,890,123,456" << 0LL;
        QTest::newRow("fifteen digits") << "999999999999999" << 999999999999999LL;
        QTest::newRow("grouping commas") << "1,250,000" << 1250000LL;
        QTest::newRow("persian digits") << QStringLiteral("۱۲۳۴") << 1234LL;
        QTest::newRow("arabic-indic digits and separator") << QStringLiteral("١٬٢٥٠") << 1250LL;
        QTest::newRow("blanks") << QStringLiteral(" 1 250 000 ") << 1250000LL;
        QTest::newRow("words after the number") << QStringLiteral("۵۰۰ ريال") << 500LL;
    }

    void pastedAmountsAreTheNumberTheyShow()
    {
        QFETCH(QString, pasted);
        QFETCH(qlonglong, stored);
        Desk desk;
        QVERIFY(desk.open(true));
        auto* amount = desk.find<NumType>("NumType1");
        auto* edit = control<QLineEdit>(amount, "txtUse");
        amount->setFocus(Qt::TabFocusReason);
        const QString before = edit->text();
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(amount->value(), double(stored));
        // Refused, the box shows what it showed before.
        QCOMPARE(edit->text(), stored == 0 ? before : GroupedNumber(double(stored)));
        desk.save();
        QCOMPARE(desk.rows().value(0)["Mab"].toLongLong(), stored);
    }

    void chequeDateFromTodayAndFromTheCalendar()
    {
        Desk desk;
        QVERIFY(desk.open(true));
        auto* chequeDate = desk.find<DateBox>("MaskEdBox1");
        auto* number = desk.find<QLineEdit>("Text3");
        desk.find<QPushButton>("Command1")->click();
        QCOMPARE(chequeDate->text(), Today);
        QTRY_VERIFY(number->hasFocus());

        desk.find<QPushButton>("AeroButton1")->setFocus();
        auto* calendar = desk.find<JalaliPicker>("MBCalendar1");
        chequeDate->showPicker();
        QVERIFY(calendar->isVisible());
        QTest::mouseClick(calendar->dayButton(9), Qt::LeftButton);
        QCOMPARE(chequeDate->text(), QStringLiteral("1403/03/09"));
        QTRY_VERIFY(number->hasFocus());
    }

    void saveIntoAVanishedFileSaysSoAndKeepsTheBoxes()
    {
        Desk desk;
        QVERIFY(desk.open(true));
        QTest::keyClicks(desk.find<QLineEdit>("Text3"), "991");
        QVERIFY(QFile::remove(desk.db.filePath()));
        Messages::MessageLog log;
        desk.save();
        QCOMPARE(log.shown().size(), 1);
        QCOMPARE(log.shown().first().icon, Messages::Icon::Critical);
        // A Persian sentence that names the file; the reason follows as a detail.
        QVERIFY(log.lastText().startsWith(
            QStringLiteral("چک در بانک اطلاعاتی %1 ذخیره نشد.").arg(FailureText::quotedPath(desk.db.filePath()))));
        QCOMPARE(desk.find<QLineEdit>("Text3")->text(), QStringLiteral("991"));
        QVERIFY(desk.rows().isEmpty());
    }
};

QTEST_MAIN(TestChequeEntry)
#include "test_cheque_entry.moc"
