#include "tolvan_resizer.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

const QSize DesignSize(400, 300);

template <typename W> W* place(W* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

// A window laid out by hand the way the program's resized windows are, with one of each kind of
// widget the resizer treats differently.
std::unique_ptr<QWidget> makeForm()
{
    auto form = std::make_unique<QWidget>();
    QFont font = form->font();
    font.setPointSizeF(10);
    form->setFont(font);
    form->resize(DesignSize);
    QWidget* w = form.get();

    place(new QLabel(QStringLiteral("label"), w), "label", {10, 20, 100, 30});
    place(new QPushButton(QStringLiteral("button"), w), "button", {201, 101, 77, 41});
    auto* group = place(new QGroupBox(w), "group", {20, 150, 190, 100});
    place(new QLineEdit(group), "edit", {10, 30, 101, 25});
    place(new QLabel(QStringLiteral("fixed"), w), "fixed", {300, 10, 60, 20})->setProperty("Tag", QStringLiteral("NO"));
    place(new QFrame(w), "line", {10, 60, 380, 3})->setFrameShape(QFrame::HLine);
    place(new QStatusBar(w), "looseBar", {0, 275, 400, 25});

    auto* tabs = place(new QTabWidget(w), "tabs", {220, 150, 170, 110});
    tabs->addTab(new QWidget, QStringLiteral("one"));
    auto* hiddenPage = new QWidget;
    tabs->addTab(hiddenPage, QStringLiteral("two"));
    place(new QLabel(QStringLiteral("hidden"), hiddenPage), "onHiddenPage", {5, 7, 51, 21});

    auto* boxed = place(new QWidget(w), "boxed", {120, 70, 150, 60});
    auto* layout = new QVBoxLayout(boxed);
    auto* inLayout = new QLabel(QStringLiteral("in layout"));
    inLayout->setObjectName(QStringLiteral("inLayout"));
    layout->addWidget(inLayout);

    // Left framed unless a test says otherwise.
    (new Tolvan_Resizer(w))->setFullscreen(false);
    return form;
}

const char* const PlacedNames[] = {"label", "button",   "group", "edit",         "fixed",
                                   "line",  "looseBar", "tabs",  "onHiddenPage", "boxed"};

// The widgets placed by hand: the inner parts of composite widgets are their own widgets' business.
QHash<QString, QRect> geometries(const QWidget& form)
{
    QHash<QString, QRect> result;
    for (const char* name : PlacedNames)
        result.insert(QLatin1String(name), form.findChild<QWidget*>(QLatin1String(name))->geometry());
    return result;
}

qreal pointSize(const QWidget& form, const char* name)
{
    return form.findChild<QWidget*>(QLatin1String(name))->font().pointSizeF();
}

QRect geometry(const QWidget& form, const char* name)
{
    return form.findChild<QWidget*>(QLatin1String(name))->geometry();
}

QRect scaled(const QRect& r, qreal h, qreal v)
{
    return QRect(qRound(r.x() * h), qRound(r.y() * v), qRound(r.width() * h), qRound(r.height() * v));
}

void resizeAndWait(QWidget& window, const QSize& size)
{
    window.resize(size);
    QCoreApplication::processEvents();
}

bool showAndWait(QWidget& window)
{
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

} // namespace

class TestResizer : public QObject
{
    Q_OBJECT

private slots:
    void scalesFromRecordedLayout_data();
    void scalesFromRecordedLayout();
    void recordsOnlyTheWindowsOwnControls();
    void minimisedWindowIsLeftAlone();
    void resizesDoNotAccumulate();
    void dockedStatusBarIsNotScaled();
    void fullscreenAtLoad_data();
    void fullscreenAtLoad();
    void propertiesRoundTrip();
};

void TestResizer::scalesFromRecordedLayout_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("both doubled") << QSize(800, 600);
    QTest::newRow("width doubled") << QSize(800, 300);
    QTest::newRow("height halved") << QSize(400, 150);
    QTest::newRow("uneven") << QSize(530, 410);
}

void TestResizer::scalesFromRecordedLayout()
{
    QFETCH(QSize, size);
    auto form = makeForm();
    QVERIFY(showAndWait(*form));
    const auto before = geometries(*form);

    resizeAndWait(*form, size);
    QCOMPARE(form->size(), size);
    const qreal h = qreal(size.width()) / DesignSize.width();
    const qreal v = qreal(size.height()) / DesignSize.height();
    const qreal fontRatio = qMin(h, v);

    for (const char* name : {"label", "button", "group", "edit", "line", "looseBar", "tabs", "onHiddenPage", "boxed"})
        QCOMPARE(geometry(*form, name), scaled(before.value(QLatin1String(name)), h, v));
    QCOMPARE(geometry(*form, "fixed"), before.value(QStringLiteral("fixed")));

    for (const char* name : {"label", "edit", "onHiddenPage", "inLayout", "looseBar"})
        QCOMPARE(pointSize(*form, name), 10 * fontRatio);
    QCOMPARE(pointSize(*form, "fixed"), 10.0);
}

void TestResizer::recordsOnlyTheWindowsOwnControls()
{
    auto form = makeForm();
    QVERIFY(showAndWait(*form));
    auto* resizer = form->findChild<Tolvan_Resizer*>(QStringLiteral("Tolvan_Resize"));
    QVERIFY(resizer && resizer->isLoaded());
    // label, button, group, edit, line, looseBar, tabs, both pages, onHiddenPage, boxed, inLayout:
    // neither the tagged label nor the inner parts of the tab widget, line edit and status bar.
    QCOMPARE(resizer->recordCount(), 12);
}

void TestResizer::minimisedWindowIsLeftAlone()
{
    auto form = makeForm();
    QVERIFY(showAndWait(*form));
    const auto recorded = geometries(*form);

    form->showMinimized();
    QTRY_VERIFY(form->isMinimized());
    resizeAndWait(*form, DesignSize * 2);
    QCOMPARE(geometries(*form), recorded);
    QCOMPARE(pointSize(*form, "label"), 10.0);

    // Coming back catches up with the size it was given meanwhile.
    form->showNormal();
    QTRY_VERIFY(!form->isMinimized());
    QCOMPARE(geometry(*form, "button"), scaled(recorded.value(QStringLiteral("button")), 2, 2));
    QCOMPARE(pointSize(*form, "label"), 20.0);

    resizeAndWait(*form, DesignSize);
    QCOMPARE(geometries(*form), recorded);
    QCOMPARE(pointSize(*form, "label"), 10.0);
}

void TestResizer::resizesDoNotAccumulate()
{
    auto form = makeForm();
    QVERIFY(showAndWait(*form));
    const auto recorded = geometries(*form);

    for (const QSize& size : {QSize(413, 297), QSize(587, 333), QSize(401, 299), QSize(777, 555), QSize(333, 211)})
        resizeAndWait(*form, size);
    resizeAndWait(*form, DesignSize);
    QCOMPARE(geometries(*form), recorded);
    QCOMPARE(pointSize(*form, "edit"), 10.0);
}

void TestResizer::dockedStatusBarIsNotScaled()
{
    QMainWindow window;
    QFont font = window.font();
    font.setPointSizeF(10);
    window.setFont(font);
    window.menuBar()->addMenu(QStringLiteral("file"));
    window.statusBar()->showMessage(QStringLiteral("ready"));
    auto* central = new QWidget;
    window.setCentralWidget(central);
    auto* label = new QLabel(QStringLiteral("label"), central);
    label->setGeometry(10, 20, 100, 30);
    auto* resizer = new Tolvan_Resizer(&window);
    resizer->setFullscreen(false);
    window.resize(DesignSize);
    QVERIFY(showAndWait(window));
    const QSize inner = central->size();
    const int barHeight = window.statusBar()->height();

    resizeAndWait(window, DesignSize * 2);
    // The ratios are those of the central area, not of the whole window with its bars.
    const qreal h = qreal(central->width()) / inner.width();
    const qreal v = qreal(central->height()) / inner.height();
    QVERIFY(v > 2);
    QCOMPARE(label->geometry(), scaled(QRect(10, 20, 100, 30), h, v));
    QCOMPARE(label->font().pointSizeF(), 10 * qMin(h, v));
    QCOMPARE(window.statusBar()->font().pointSizeF(), 10.0);
    QCOMPARE(window.statusBar()->height(), barHeight);
    QCOMPARE(window.menuBar()->font().pointSizeF(), 10.0);
}

void TestResizer::fullscreenAtLoad_data()
{
    QTest::addColumn<QVariantMap>("properties");
    QTest::addColumn<bool>("designedMaximised");
    QTest::addColumn<bool>("frameless");
    QTest::addColumn<bool>("maximised");
    QTest::newRow("absent") << QVariantMap() << false << true << true;
    QTest::newRow("absent, designed maximised") << QVariantMap() << true << true << false;
    QTest::newRow("true") << QVariantMap{{"Fullscreen", true}} << false << true << true;
    QTest::newRow("false") << QVariantMap{{"Fullscreen", false}} << false << false << false;
    QTest::newRow("false, designed maximised") << QVariantMap{{"Fullscreen", false}} << true << false << true;
}

void TestResizer::fullscreenAtLoad()
{
    QFETCH(QVariantMap, properties);
    QFETCH(bool, designedMaximised);
    QFETCH(bool, frameless);
    QFETCH(bool, maximised);

    auto form = makeForm();
    form->findChild<Tolvan_Resizer*>()->readProperties(properties);
    if (designedMaximised)
        form->setWindowState(Qt::WindowMaximized);
    QVERIFY(showAndWait(*form));
    QTRY_COMPARE(form->isMaximized(), maximised);
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowFlags().testFlag(Qt::FramelessWindowHint), frameless);

    // Whatever size the window ends at, its controls follow it.
    QTRY_COMPARE(geometry(*form, "label").width(), qRound(100.0 * form->width() / DesignSize.width()));
}

void TestResizer::propertiesRoundTrip()
{
    QWidget window;
    Tolvan_Resizer resizer(&window);
    QCOMPARE(resizer.objectName(), QStringLiteral("Tolvan_Resize"));
    QVERIFY(resizer.setProperty("Fullscreen", false));
    QCOMPARE(resizer.writeProperties(), (QVariantMap{{"Fullscreen", false}}));
}

QTEST_MAIN(TestResizer)
#include "test_resizer.moc"
