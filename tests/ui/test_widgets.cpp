#include "ui/date_box.h"
#include "ui/widgets.h"

#include "testing.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace Widgets;

Q_DECLARE_METATYPE(Widgets::Enter)

namespace {

void typeEach(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

    TestEnvironment m_environment;

private slots:
    void initTestCase() { qApp->setLayoutDirection(Qt::RightToLeft); }

    void enterOnAFocusedButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Widgets::Enter>("enter");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<bool>("defaultPressed");
        QTest::newRow("dialog, presses") << "dialog" << Enter::Presses << int(Qt::Key_Return) << true << false;
        QTest::newRow("dialog, keypad Enter presses")
            << "dialog" << Enter::Presses << int(Qt::Key_Enter) << true << false;
        QTest::newRow("dialog, passes on to the default button")
            << "dialog" << Enter::PassesOn << int(Qt::Key_Return) << false << true;
        QTest::newRow("plain window, presses") << "plain" << Enter::Presses << int(Qt::Key_Return) << true << false;
        QTest::newRow("plain window, passes on to nothing")
            << "plain" << Enter::PassesOn << int(Qt::Key_Return) << false << false;
        // A group built on its own and put into a dialog afterwards keeps what its buttons say.
        QTest::newRow("group moved into a dialog, passes on")
            << "moved" << Enter::PassesOn << int(Qt::Key_Return) << false << true;
        QTest::newRow("group moved into a dialog, presses")
            << "moved" << Enter::Presses << int(Qt::Key_Return) << true << false;
    }

    void enterOnAFocusedButton()
    {
        QFETCH(QString, window);
        QFETCH(Widgets::Enter, enter);
        QFETCH(int, key);
        QFETCH(bool, pressed);
        QFETCH(bool, defaultPressed);
        std::unique_ptr<QWidget> top(window == QLatin1String("plain") ? new QWidget : new QDialog);
        QPushButton* fallback = nullptr;
        if (window != QLatin1String("plain"))
            fallback = button(top.get(), "fallback", QStringLiteral("ثبت"), Enter::PressesAsDefault);
        auto* group = new QWidget(window == QLatin1String("moved") ? nullptr : top.get());
        QPushButton* tested = button(group, "tested", QStringLiteral("بازگشت"), enter);
        auto* layout = new QHBoxLayout(top.get());
        if (fallback)
            layout->addWidget(fallback);
        layout->addWidget(group);
        new QHBoxLayout(group);
        group->layout()->addWidget(tested);
        top->show();
        QVERIFY(QTest::qWaitForWindowActive(top.get()));

        QSignalSpy testedClicks(tested, &QPushButton::clicked);
        std::unique_ptr<QSignalSpy> fallbackClicks;
        if (fallback)
            fallbackClicks = std::make_unique<QSignalSpy>(fallback, &QPushButton::clicked);
        tested->setFocus();
        QTRY_VERIFY(tested->hasFocus());
        QTest::keyClick(tested, Qt::Key(key));
        QCOMPARE(testedClicks.count(), pressed ? 1 : 0);
        QCOMPARE(fallbackClicks ? int(fallbackClicks->count()) : 0, defaultPressed ? 1 : 0);
    }

    void theDefaultButtonTakesEnterFromABox()
    {
        QDialog dialog;
        auto* box = textBox(&dialog, "Text1");
        auto* other = button(&dialog, "other", QStringLiteral("ديگر"), Enter::Presses);
        auto* save =
            button(&dialog, "save", QStringLiteral("ثبت"), Enter::PressesAsDefault, QStyle::SP_DialogSaveButton);
        auto* layout = new QHBoxLayout(&dialog);
        for (QWidget* widget : {static_cast<QWidget*>(box), static_cast<QWidget*>(other), static_cast<QWidget*>(save)})
            layout->addWidget(widget);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QSignalSpy saves(save, &QPushButton::clicked);
        QSignalSpy others(other, &QPushButton::clicked);
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(saves.count(), 1);
        QCOMPARE(others.count(), 0);
        QVERIFY(save->isDefault());
        QVERIFY(!save->icon().isNull());
        QVERIFY(other->icon().isNull());
    }

    void namesAndTexts()
    {
        QWidget window;
        auto* push = button(&window, "AeroButton9", QStringLiteral("پاس "), Enter::PassesOn, NoIcon,
                            QStringLiteral("پاس کردن چک"));
        QCOMPARE(push->objectName(), QStringLiteral("AeroButton9"));
        QCOMPARE(push->text(), QStringLiteral("پاس "));
        QCOMPARE(push->toolTip(), QStringLiteral("پاس کردن چک"));
        QCOMPARE(push->parentWidget(), &window);
        QCOMPARE(control<QPushButton>(window, "AeroButton9"), push);
        // Names made at run time, such as the options of a list.
        auto* option = radioButton(&window, QStringLiteral("Option%1").arg(7), QStringLiteral("نوع"));
        QCOMPARE(control<QWidget>(window, "Option7"), option);

        auto* inGroup = new QWidget(&window);
        auto* box = textBox(inGroup, "Text4", QStringLiteral("رمز"));
        QLabel* caption = labelFor(box, "Label4", QStringLiteral(" : رمز عبور"));
        QCOMPARE(caption->buddy(), box);
        QCOMPARE(caption->parentWidget(), inGroup);
        QCOMPARE(caption->text(), QStringLiteral(" : رمز عبور"));
        QCOMPARE(box->toolTip(), QStringLiteral("رمز"));
    }

    void readOnlyBoxesTakeNoTyping()
    {
        QWidget window;
        QLineEdit* shown = readOnlyBox(&window, "Text2");
        QLineEdit* path = pathBox(&window, "Text1");
        path->setText(QStringLiteral("/tmp/نسخه/14050916.bak"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (QLineEdit* box : {shown, path}) {
            box->setFocus();
            typeEach(box, QStringLiteral("ab"));
            QCOMPARE(box->text(), box == path ? QStringLiteral("/tmp/نسخه/14050916.bak") : QString());
        }
        // A path keeps its separators in place in a right-to-left window.
        QCOMPARE(path->layoutDirection(), Qt::LeftToRight);
    }

    void anEditableListKeepsWhatIsTypedOutOfItsItems()
    {
        QWidget window;
        QComboBox* banks = editableComboBox(&window, "Combo1");
        banks->addItems({QStringLiteral("ملت"), QStringLiteral("صادرات")});
        banks->setCurrentIndex(-1);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        typeEach(banks->lineEdit(), QStringLiteral("سپه"));
        QTest::keyClick(banks->lineEdit(), Qt::Key_Return);
        QCOMPARE(banks->currentText(), QStringLiteral("سپه"));
        QCOMPARE(banks->count(), 2);
        QVERIFY(!comboBox(&window, "Combo2")->isEditable());
    }

    void placeMeasuresFromTheRightEdge()
    {
        QWidget window;
        window.resize(300, 200);
        QLabel* caption = place(label(&window, "Label1", QStringLiteral("جستجو :")), 10, 12, 55, 26);
        QCOMPARE(caption->geometry(), QRect(235, 12, 55, 26));
        QPushButton* push =
            place(button(&window, "AeroButton1", QStringLiteral("اضافه"), Enter::PassesOn), 0, 0, 300, 40);
        QCOMPARE(push->geometry(), QRect(0, 0, 300, 40));
    }

    void aDateBoxShowsItsTipOverTheLineToo()
    {
        QWidget window;
        DateBox* date = dateBox(&window, "MaskEdBox1", QStringLiteral("درج تاريخ"));
        QCOMPARE(date->objectName(), QStringLiteral("MaskEdBox1"));
        QCOMPARE(date->toolTip(), QStringLiteral("درج تاريخ"));
        QCOMPARE(date->edit()->toolTip(), QStringLiteral("درج تاريخ"));
        QCOMPARE(date->text(), QStringLiteral("____/__/__"));
    }

    void aHiddenControlKeepsItsPlace()
    {
        QWidget window;
        auto* layout = new QHBoxLayout(&window);
        QLabel* kept = label(&window, "kept", QStringLiteral("گروه"));
        QLabel* neighbour = label(&window, "neighbour", QStringLiteral("همسايه"));
        keepPlaceWhenHidden(kept);
        layout->addWidget(kept);
        layout->addWidget(neighbour);
        window.resize(400, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect before = neighbour->geometry();
        kept->hide();
        layout->activate();
        QCOMPARE(neighbour->geometry(), before);
    }
};

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
