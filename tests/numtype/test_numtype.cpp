#include "numtype.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A shown box in a window of the program's reading direction, driven through its line edit.
struct Box
{
    Box()
    {
        window.setLayout(new QVBoxLayout);
        window.layout()->addWidget(other);
        window.layout()->addWidget(box);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("window not exposed");
        edit = box->findChild<QLineEdit*>(QStringLiteral("txtUse"));
    }

    // '\b' is backspace; every other character is the key that types it.
    void type(const QString& keys) const
    {
        for (const QChar c : keys) {
            if (c == QLatin1Char('\b'))
                QTest::keyClick(edit, Qt::Key_Backspace);
            else
                QTest::keyClick(edit, c.toLatin1());
        }
    }

    bool caretAtEnd() const { return edit->cursorPosition() == edit->text().size() && !edit->hasSelectedText(); }

    QWidget window;
    QLineEdit* other = new QLineEdit;
    NumType* box = new NumType;
    QLineEdit* edit = nullptr;
};

} // namespace

class TestNumType : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setLayoutDirection(Qt::RightToLeft); }

    void typing_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("changes");
        QTest::newRow("fourth digit groups") << "1234"
                                             << "1,234" << 1234.0 << 4;
        QTest::newRow("backspace ungroups") << "1234\b"
                                            << "123" << 123.0 << 5;
        QTest::newRow("leading zero vanishes") << "05"
                                               << "5" << 5.0 << 2;
        QTest::newRow("non-digits discarded") << "1a-.,2 Z"
                                              << "12" << 12.0 << 2;
        QTest::newRow("deleting everything leaves 0") << "12\b\b"
                                                      << "0" << 0.0 << 4;
        QTest::newRow("sixteenth digit refused") << "1234567890123456"
                                                 << "123,456,789,012,345" << 123456789012345.0 << 15;
    }

    void typing()
    {
        QFETCH(QString, keys);
        Box b;
        QStringList seenAtChange;
        connect(b.box, &NumType::Change, b.box, [&] {
            QVERIFY(b.caretAtEnd());
            seenAtChange << b.edit->text();
        });
        int keyPresses = 0;
        connect(b.box, &NumType::KeyPress, b.box, [&](short&) { ++keyPresses; });

        b.type(keys);

        QTEST(b.edit->text(), "text");
        QTEST(b.box->value(), "value");
        QTEST(int(seenAtChange.size()), "changes");
        QCOMPARE(seenAtChange.last(), b.edit->text());
        QVERIFY(b.caretAtEnd());
        QCOMPARE(keyPresses, keys.size());
    }

    // The digit row of a Persian layout types Persian digits; an input method commits text.
    void otherInputTypesAsciiDigits_data()
    {
        QTest::addColumn<bool>("inputMethod");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("changes");
        QTest::newRow("Persian digit keys") << false << QString::fromUtf8("\u06F1\u06F2\u06F3\u06F4") << "1,234" << 4;
        QTest::newRow("Arabic-Indic digit key") << false << QString::fromUtf8("\u0667") << "7" << 1;
        QTest::newRow("Persian letter key") << false << QString::fromUtf8("\u0634") << "" << 0;
        QTest::newRow("input method commit") << true << QString::fromUtf8("12a\u06F3") << "123" << 3;
    }

    void otherInputTypesAsciiDigits()
    {
        QFETCH(bool, inputMethod);
        QFETCH(QString, typed);
        Box b;
        QSignalSpy changes(b.box, &NumType::Change);
        if (inputMethod) {
            QInputMethodEvent commit;
            commit.setCommitString(typed);
            QApplication::sendEvent(b.edit, &commit);
        } else {
            for (const QChar c : typed)
                QTest::sendKeyEvent(QTest::Click, b.edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTEST(b.edit->text(), "text");
        QTEST(int(changes.size()), "changes");
    }

    void typingInTheMiddleMovesCaretToEnd()
    {
        Box b;
        b.type("234");
        QTest::keyClick(b.edit, Qt::Key_Home);
        b.type("1");
        QCOMPARE(b.edit->text(), "1,234");
        QVERIFY(b.caretAtEnd());
    }

    void hostChangesKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("replacement"); // -1 leaves the key as it is
        QTest::addColumn<int>("seen");
        QTest::addColumn<QString>("text");
        QTest::newRow("digit to digit") << int(Qt::Key_3) << int('7') << int('3') << "127";
        QTest::newRow("letter to digit") << int(Qt::Key_A) << int('4') << int('a') << "124";
        QTest::newRow("digit to Enter") << int(Qt::Key_3) << 13 << int('3') << "12";
        QTest::newRow("digit cancelled") << int(Qt::Key_3) << 0 << int('3') << "12";
        QTest::newRow("Enter discarded") << int(Qt::Key_Return) << -1 << 13 << "12";
        QTest::newRow("Enter to digit") << int(Qt::Key_Return) << int('5') << 13 << "125";
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << -1 << 8 << "1";
        QTest::newRow("digit to backspace") << int(Qt::Key_9) << 8 << int('9') << "1";
    }

    void hostChangesKey()
    {
        QFETCH(int, key);
        QFETCH(int, replacement);
        Box b;
        b.box->setValue(12);
        int seen = -1;
        connect(b.box, &NumType::KeyPress, b.box, [&](short& keyAscii) {
            seen = keyAscii;
            if (replacement >= 0)
                keyAscii = short(replacement);
        });
        QTest::keyClick(b.edit, Qt::Key(key));
        QTEST(seen, "seen");
        QTEST(b.edit->text(), "text");
    }

    void keyDownCanTakeTheKey()
    {
        Box b;
        b.box->setValue(123);
        int keyPresses = 0;
        connect(b.box, &NumType::KeyPress, b.box, [&](short&) { ++keyPresses; });
        int downCode = -1;
        connect(b.box, &NumType::KeyDown, b.box, [&](short& keyCode, short&) {
            downCode = keyCode;
            keyCode = 0;
        });
        QTest::keyClick(b.edit, Qt::Key_Backspace);
        QCOMPARE(downCode, 8);
        QCOMPARE(keyPresses, 0);
        QCOMPARE(b.edit->text(), "123");
    }

    void lockedBoxTypesNothing()
    {
        Box b;
        b.box->setValue(12);
        b.box->setProperty("IsLocked", true);
        int keyPresses = 0;
        connect(b.box, &NumType::KeyPress, b.box, [&](short&) { ++keyPresses; });
        b.type("3\b");
        QCOMPARE(b.edit->text(), "12");
        QCOMPARE(keyPresses, 2);
    }

    void assigningValue_data()
    {
        QTest::addColumn<QVariant>("assigned");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("letters after digits") << QVariant("12abc") << 12.0 << "12";
        QTest::newRow("grouped text") << QVariant("1,234") << 1234.0 << "1,234";
        QTest::newRow("negative fraction") << QVariant(-1234.9) << 1234.0 << "1,234";
        QTest::newRow("null") << QVariant() << 0.0 << "0";
        QTest::newRow("empty text") << QVariant("") << 0.0 << "0";
        QTest::newRow("signed grouped fraction text") << QVariant("-1,250.75") << 1250.0 << "1,250";
        QTest::newRow("second point ends the number") << QVariant("1.2.3") << 1.0 << "1";
        QTest::newRow("integer") << QVariant(qlonglong(1234567)) << 1234567.0 << "1,234,567";
        QTest::newRow("fifteen digits") << QVariant(999999999999999.0) << 999999999999999.0 << "999,999,999,999,999";
        QTest::newRow("large double read in plain notation") << QVariant(1e20) << 1e20 << "100,000,000,000,000,000,000";
    }

    void assigningValue()
    {
        QFETCH(QVariant, assigned);
        Box b;
        b.box->setValue(777);
        QSignalSpy changes(b.box, &NumType::Change);
        QVERIFY(b.box->setProperty("value", assigned));
        QTEST(b.box->property("value").toDouble(), "value");
        QTEST(b.edit->text(), "text");
        QCOMPARE(changes.size(), 0);
    }

    void pasteKeepsLeadingNumber_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("context menu") << false;
        QTest::newRow("Ctrl+V") << true;
    }

    void pasteKeepsLeadingNumber()
    {
        QFETCH(bool, byKeyboard);
        Box b;
        b.box->setValue(QVariant());
        QApplication::clipboard()->setText("12abc");
        QSignalSpy changes(b.box, &NumType::Change);
        if (byKeyboard)
            QTest::keyClick(b.edit, Qt::Key_V, Qt::ControlModifier);
        else
            b.edit->paste();
        QCOMPARE(b.edit->text(), "12"); // "0" and the paste: "012abc"
        QCOMPARE(b.box->value(), 12.0);
        QCOMPARE(changes.size(), 1);
    }

    // A paste is read as the number a person sees in it; one that would be longer than fifteen
    // digits, alone or with the digits already there, is refused and leaves the box as it was.
    void pastedNumbers_data()
    {
        QTest::addColumn<double>("before");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("changes");
        QTest::newRow("twenty digits") << 1234.0 << "12345678901234567890"
                                       << "1,234" << 0;
        QTest::newRow("sixteen with the digits there") << 1234.0 << "123456789012"
                                                       << "1,234" << 0;
        QTest::newRow("fifteen with the digits there") << 1234.0 << "12345678901"
                                                       << "123,412,345,678,901" << 1;
        QTest::newRow("persian digits") << 0.0 << QString::fromUtf8("\u06F1\u06F2\u06F3\u06F4") << "1,234" << 1;
        QTest::newRow("arabic-indic digits")
            << 0.0 << QString::fromUtf8("\u0661\u066C\u0662\u0665\u0660") << "1,250" << 1;
        QTest::newRow("commas and blanks") << 0.0 << " 1,250, 000\u00A0"
                                           << "1,250,000" << 1;
        QTest::newRow("direction marks") << 0.0 << QString::fromUtf8("\u200F1\u200C250") << "1,250" << 1;
    }

    void pastedNumbers()
    {
        QFETCH(double, before);
        QFETCH(QString, pasted);
        Box b;
        b.box->setValue(before);
        b.edit->setFocus();
        b.edit->end(false);
        QApplication::clipboard()->setText(pasted);
        QSignalSpy changes(b.box, &NumType::Change);
        QTest::keyClick(b.edit, Qt::Key_V, Qt::ControlModifier);
        QTEST(b.edit->text(), "text");
        QTEST(int(changes.size()), "changes");
        QCOMPARE(b.box->value(), QString(b.edit->text()).remove(QLatin1Char(',')).toDouble());
        QVERIFY(b.box->value() < 1e15);
    }

    void digitOverSelectionAtFifteenDigits()
    {
        Box b;
        b.box->setValue(123456789012345.0);
        b.box->setSelStart(b.edit->text().size() - 1);
        b.box->setSelLength(1);
        b.type("9");
        QCOMPARE(b.edit->text(), "123,456,789,012,349");
        // A selected comma frees no digit.
        b.box->setSelStart(3);
        b.box->setSelLength(1);
        QCOMPARE(b.box->selText(), ",");
        b.type("9");
        QCOMPARE(b.edit->text(), "123,456,789,012,349");
    }

    void selectionProperties()
    {
        Box b;
        b.box->setValue(1234);
        b.box->setProperty("SelStart", 0);
        b.box->setProperty("SelLength", 5);
        QCOMPARE(b.box->property("SelText").toString(), "1,234");
        b.box->setProperty("SelStart", 2);
        QCOMPARE(b.box->selLength(), 0);
        QCOMPARE(b.box->selStart(), 2);

        QSignalSpy changes(b.box, &NumType::Change);
        b.box->setProperty("SelText", "9");
        QCOMPARE(b.edit->text(), "19,234");
        QCOMPARE(changes.size(), 1);
        QVERIFY(b.caretAtEnd());
    }

    void persistedDefaults()
    {
        Box b;
        b.box->setForeColorValue(0x0000FF);
        b.box->setBoxFont(QFont("Serif", 31));
        b.box->setAlignment(2);
        b.box->readProperties({});
        QCOMPARE(b.edit->text(), "0");
        QVERIFY(!b.box->isLocked());
        QVERIFY(b.box->isBoxEnabled());
        QCOMPARE(b.box->foreColor(), QApplication::palette(b.edit).color(QPalette::Text));
        QCOMPARE(b.box->backColor(), QApplication::palette(b.edit).color(QPalette::Base));
        QCOMPARE(b.box->boxFont(), b.box->font());
        QCOMPARE(b.box->alignment(), short(0));
        QCOMPARE(b.box->writeProperties(), (QVariantMap{{"valuOcx", 0.0}}));
    }

    void persistedRoundTrip()
    {
        const QFont font("Serif", 14);
        Box b;
        b.box->readProperties({{"valuOcx", "1,234,567"},
                               {"IsLocked", true},
                               {"Enabled", false},
                               {"ForeColor", quint32(0x0000FF)},
                               {"Font", font},
                               {"BackColor", QColor(Qt::yellow)},
                               {"Alignment", 2},
                               {"SelStart", 3}});
        QCOMPARE(b.edit->text(), "1,234,567");
        QVERIFY(b.edit->isReadOnly());
        QVERIFY(!b.edit->isEnabled());
        QCOMPARE(b.box->foreColor(), QColor(Qt::red));
        QCOMPARE(b.box->backColorValue(), quint32(0x00FFFF));
        QCOMPARE(b.edit->font(), font);
        QCOMPARE(b.edit->cursorPosition(), 3);

        const QVariantMap written = b.box->writeProperties();
        QCOMPARE(written, (QVariantMap{{"valuOcx", 1234567.0},
                                       {"IsLocked", true},
                                       {"Enabled", false},
                                       {"ForeColor", quint32(0x0000FF)},
                                       {"Font", font},
                                       {"BackColor", quint32(0x00FFFF)},
                                       {"Alignment", 2},
                                       {"SelStart", 3}}));
        Box again;
        again.box->readProperties(written);
        QCOMPARE(again.box->writeProperties(), written);
    }

    void rightToLeftWindow()
    {
        Box b;
        b.box->setValue(1234);
        QCOMPARE(b.box->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(b.edit->layoutDirection(), Qt::LeftToRight);
        QCOMPARE(b.edit->text(), "1,234");
        const auto visual = [&b] { return b.edit->alignment() & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter); };
        QCOMPARE(visual(), Qt::AlignRight);
        b.box->setAlignment(1);
        QCOMPARE(visual(), Qt::AlignLeft);
        b.box->setLayoutDirection(Qt::LeftToRight);
        QCOMPARE(visual(), Qt::AlignRight);

        b.box->resize(300, 41);
        QCOMPARE(b.edit->geometry(), b.box->rect());
    }

    void mouseAndFocusEvents()
    {
        Box b;
        b.box->setValue(1234);
        b.other->setFocus();
        QStringList events;
        connect(b.box, &NumType::MouseDown, b.box,
                [&](short& button, short&, float&, float&) { events << QStringLiteral("down %1").arg(button); });
        connect(b.box, &NumType::MouseUp, b.box,
                [&](short& button, short&, float&, float&) { events << QStringLiteral("up %1").arg(button); });
        connect(b.box, &NumType::Click, b.box, [&] { events << "click"; });
        connect(b.box, &NumType::DblClick, b.box, [&] { events << "double"; });
        // The host selects everything when the box takes the focus; the click that gave the
        // focus must not undo it.
        connect(b.box, &NumType::GotFocus, b.box, [&] {
            b.box->setSelStart(0);
            b.box->setSelLength(b.edit->text().size());
        });
        QApplication::setActiveWindow(&b.window);
        QVERIFY(QTest::qWaitForWindowActive(&b.window));

        QTest::mouseClick(b.edit, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTRY_VERIFY(b.edit->hasFocus());
        QTRY_COMPARE(b.box->selText(), "1,234");
        QCOMPARE(events, QStringList({"down 1", "up 1", "click"}));

        events.clear();
        // The second press of a double click comes as a press and a double click.
        const QPoint at(5, 5);
        QTest::mouseClick(b.edit, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mousePress(b.edit, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(b.edit, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(b.edit, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseClick(b.edit, Qt::RightButton, Qt::NoModifier, at);
        QCOMPARE(events, QStringList({"down 1", "up 1", "click", "down 1", "double", "up 1", "down 2", "up 2"}));
    }
};

QTEST_MAIN(TestNumType)
#include "test_numtype.moc"
