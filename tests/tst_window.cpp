// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the user first sees it, the developers panel, and how figures are written.

#include <QAction>
#include <QGroupBox>
#include <QtTest>
#include <climits>

#include "DesignedFace.h"
#include "ProjectContact.h"
#include "ShowWatts.h"
#include "Unit1.h"
#include "UserActions.h"

#ifdef Q_OS_WIN
#include <windows.h>
static bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"); }
#else
static bool UnderWine() { return false; }
#endif

class WindowTest : public WindowFixture {
    Q_OBJECT

public:
    WindowTest() : WindowFixture(Make<TForm1>) {}

private slots:

    void window();
    void controls_data();
    void controls();
    void everyListShowsItsPromptWithNothingSelected();
    void everyFigureStartsAtZero();
    void everyShownListIsComplete();
    void fonts_data();
    void fonts();
    void background_data();
    void background();
    void textsFitTheirLabels_data();
    void textsFitTheirLabels();
    void tabOrder();
    void aClickedListKeepsItsPlaceInTheTabOrder();
    void developersPanelToggles();
    void showWatts_data();
    void showWatts();
    void figureGrowsToTheRight();

private:
};

void WindowTest::window() {
    QCOMPARE(form->objectName(), "Form1");
    QCOMPARE(form->windowTitle(), "Ostrel");
    QCOMPARE(form->pos(), QPoint(191, 112));
    QCOMPARE(form->size(), QSize(657, 673));
    // Every control lies inside the client rectangle from (8, 8) to (633, 632); the
    // context menu is a window of its own.
    for (const QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        const QRect area = child->geometry();
        QVERIFY2(area.left() >= 8 && area.top() >= 8 && area.right() < 633 && area.bottom() < 632,
                 qPrintable(child->objectName()));
    }
}

void WindowTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shown");

    QTest::newRow("processor group") << "GroupBox1"
                                     << "Form1" << QRect(8, 8, 177, 145) << "Процессор" << true;
    QTest::newRow("total group") << "GroupBox6"
                                 << "Form1" << QRect(360, 408, 273, 89)
                                 << "Общее максимальное энэргопотребление" << true;
    QTest::newRow("developers panel") << "GroupBox11"
                                      << "Form1" << QRect(360, 160, 273, 241) << "Разработчики" << false;
    // The address is the build's OSTREL_CONTACT, the package's maintainer.
    QTest::newRow("developers' address")
        << "Label22"
        << "GroupBox11" << QRect(8, 72, 161, 20) << QString::fromUtf8(projectContactAddress) << true;
    QTest::newRow("fan kind, Cyrillic С") << "GroupBox9"
                                          << "GroupBox7" << QRect(152, 16, 89, 137) << "С LED" << true;
    QTest::newRow("processor vendor") << "ComboBox1"
                                      << "GroupBox1" << QRect(8, 16, 161, 21) << "Процессор" << true;
    QTest::newRow("Intel family") << "ComboBox3"
                                  << "GroupBox1" << QRect(8, 40, 161, 21) << "Intel" << false;
    QTest::newRow("Phenom X6 models") << "ComboBox5"
                                      << "GroupBox1" << QRect(8, 64, 161, 21) << "AMD Phenom™ II X6" << false;
    QTest::newRow("Core 2 models") << "ComboBox15"
                                   << "GroupBox1" << QRect(8, 64, 161, 21) << "Intel Core 2" << false;
    QTest::newRow("ATI series") << "ComboBox18"
                                << "GroupBox2" << QRect(8, 40, 145, 21) << "ATI\\AMD" << false;
    QTest::newRow("Intel series") << "ComboBox70"
                                  << "GroupBox2" << QRect(8, 40, 145, 21) << "INTEL" << false;
    QTest::newRow("Radeon 6xxx models") << "ComboBox27"
                                        << "GroupBox2" << QRect(8, 64, 145, 21) << "Серия 6xxx" << false;
    QTest::newRow("graphics overclock") << "ComboBox69"
                                        << "GroupBox2" << QRect(8, 112, 145, 21) << "Разгон %" << true;
    QTest::newRow("module count") << "ComboBox35"
                                  << "GroupBox3" << QRect(8, 40, 145, 21) << "Количество планок" << true;
    QTest::newRow("disk row 2 type") << "ComboBox40"
                                     << "GroupBox4" << QRect(8, 40, 113, 21) << "Тип" << true;
    QTest::newRow("disk row 4 count") << "ComboBox45"
                                      << "GroupBox4" << QRect(120, 88, 49, 21) << "Количество" << true;
    QTest::newRow("optical row 3 count") << "ComboBox50"
                                         << "GroupBox5" << QRect(208, 64, 49, 21) << "Количество" << true;
    QTest::newRow("200 mm cooler fans") << "ComboBox66"
                                        << "GroupBox10" << QRect(0, 112, 89, 21) << "Количество" << true;
    QTest::newRow("fan figure") << "Label15"
                                << "GroupBox7" << QRect(8, 152, 32, 24) << "0Вт" << true;
    QTest::newRow("grand total") << "Label6"
                                 << "GroupBox6" << QRect(8, 17, 32, 24) << "0Вт" << true;
    QTest::newRow("total footnote") << "Label9"
                                    << "GroupBox6" << QRect(8, 72, 225, 13)
                                    << "подключеных через слоты PCI и USB порты." << true;
    QTest::newRow("warning, first line")
        << "Label19"
        << "GroupBox12" << QRect(8, 16, 613, 13)
        << "Стоит учитывать что практически вся нагрузка создаеться на линию "
           "12В!!! В информации о блоке питания часто пишут "
        << true;
    QTest::newRow("warning, two spaces")
        << "Label24"
        << "GroupBox12" << QRect(8, 32, 608, 13)
        << "в амперах выдаваемый ток. Например 35А по 12В.  в следующей форме "
           "вы можете посчитать сколько это будет ватт."
        << true;
    QTest::newRow("current field") << "Edit1"
                                   << "GroupBox12" << QRect(8, 48, 49, 21) << "" << true;
    QTest::newRow("ampere letter") << "Label25"
                                   << "GroupBox12" << QRect(64, 48, 13, 20) << "А" << true;
    QTest::newRow("convert button") << "Button1"
                                    << "GroupBox12" << QRect(200, 48, 33, 25) << "=" << true;
    QTest::newRow("converter result") << "Label28"
                                      << "GroupBox12" << QRect(240, 49, 33, 20) << "0Вт" << true;
    QTest::newRow("reserve") << "Label23"
                             << "GroupBox12" << QRect(8, 88, 77, 13) << "минимум 50Вт." << true;
    QTest::newRow("version") << "Label29"
                             << "Form1" << QRect(8, 616, 33, 13) << "v. 0.71" << true;
    QTest::newRow("corner mark") << "Label16"
                                 << "Form1" << QRect(584, 616, 48, 16) << "Noxel™" << true;
}

void WindowTest::controls() {
    QFETCH(QString, name);
    QWidget* control = Control(form.get(), name);
    QVERIFY(control);
    QTEST(control->parentWidget()->objectName(), "parent");
    QTEST(control->geometry(), "geometry");
    QTEST(!control->isHidden(), "shown");

    QString text;
    if (auto* box = qobject_cast<QGroupBox*>(control))
        text = box->title();
    else if (auto* label = qobject_cast<QLabel*>(control))
        text = label->text();
    else if (auto* list = qobject_cast<TComboBox*>(control))
        text = ShownText(list);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        text = edit->text();
    else if (auto* button = qobject_cast<QPushButton*>(control))
        text = button->text();
    QTEST(text, "text");
}

void WindowTest::everyListShowsItsPromptWithNothingSelected() {
    for (int number = 1; number <= 70; ++number) {
        TComboBox* list = List(form.get(), number);
        QVERIFY(list);
        QCOMPARE(list->ItemIndex(), -1);
        QVERIFY2(!list->Prompt().isEmpty(), qPrintable(list->objectName()));
    }
}

void WindowTest::everyFigureStartsAtZero() {
    for (const char* name :
         {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label15", "Label28"})
        QCOMPARE(Caption(form.get(), name), "0Вт");
}

// A list is a complete editable list from the moment the user can see it, the
// ones hidden at the start included: its field shows the prompt from its first
// letter, and its drop-down holds its entries.
void WindowTest::everyShownListIsComplete() {
    for (int number = 1; number <= 70; ++number) {
        TComboBox* list = List(form.get(), number);
        QVERIFY(list);
        list->show();
        QVERIFY2(list->isEditable(), qPrintable(list->objectName()));
        QCOMPARE(list->lineEdit()->text(), list->Prompt());
        QCOMPARE(list->lineEdit()->cursorPosition(), 0);
        QVERIFY2(list->count() > 0, qPrintable(list->objectName()));
        QCOMPARE(list->currentIndex(), -1);
        QVERIFY2(!list->lineEdit()->completer(), qPrintable(list->objectName()));
    }
}

void WindowTest::fonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixelHeight");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("red");

    QTest::newRow("form font") << "Label8" << 11 << false << false;
    QTest::newRow("lists take the form font") << "ComboBox1" << 11 << false << false;
    QTest::newRow("figure") << "Label6" << 19 << false << true;
    QTest::newRow("fan figure") << "Label15" << 19 << false << true;
    QTest::newRow("converter result") << "Label28" << 16 << true << true;
    QTest::newRow("fan size") << "Label12" << 16 << false << false;
    QTest::newRow("emphasis") << "Label27" << 16 << true << false;
    QTest::newRow("corner mark") << "Label16" << 13 << false << false;
}

void WindowTest::fonts() {
    QFETCH(QString, name);
    QWidget* control = Control(form.get(), name);
    QVERIFY(control);
    const QFontInfo font(control->font());
    QCOMPARE(font.family(), DesignedFace());
    // Asked for by name: a search for the designed face would find nothing, slowly.
    QCOMPARE(control->font().families(), QStringList{DesignedFace()});
    QCOMPARE(control->font().hintingPreference(), QFont::PreferFullHinting);
    QFETCH(int, pixelHeight);
    if (UnderWine() && pixelHeight > 16)
        QEXPECT_FAIL("", "Wine's \"MS Sans Serif\" stops at 12 points; Windows' own goes on to 24", Continue);
    QCOMPARE(font.pixelSize(), pixelHeight);
    QTEST(font.bold(), "bold");
    // Red, in the shade of it that stands out from the window's background.
    QTEST(control->palette().color(QPalette::WindowText).hsvHue() == 0, "red");
}

// Qt's own 3D-light (#cacaca) is too light for pure red: it takes the nearest
// darker red with a contrast of 3. A dark desktop's takes a lighter red.
void WindowTest::background_data() {
    QTest::addColumn<QPalette>("desktop");
    QTest::addColumn<QColor>("figure");
    // Set outright, so that each row means the same on every platform's theme.
    QPalette qtOwn = QApplication::palette();
    qtOwn.setColor(QPalette::Midlight, QColor(0xca, 0xca, 0xca));
    QPalette windows = QApplication::palette();
    windows.setColor(QPalette::Midlight, QColor(227, 227, 227));
    QTest::newRow("Qt's own light colours") << qtOwn << QColor(227, 0, 0);
    QTest::newRow("dark") << QPalette(QColor(50, 50, 50)) << QColor(255, 57, 57);
    QTest::newRow("Windows' 3D-light") << windows << QColor(Qt::red);
}

// The window is drawn in the desktop's 3D-light, and follows it when the desktop's
// colours change; the lists, the fields and the button keep the desktop's own.
void WindowTest::background() {
    QFETCH(QPalette, desktop);
    QFETCH(QColor, figure);
    const QPalette before = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
    QApplication::setPalette(desktop);
    QCoreApplication::sendPostedEvents();  // Qt tells the windows through its event queue
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(form->palette().color(group, QPalette::Window), desktop.color(group, QPalette::Midlight));
    const QImage grab = form->grab().toImage();
    // A corner of the window, and the empty right of the total's group.
    for (QPoint bare : {QPoint(645, 660), QPoint(600, 440)})
        QCOMPARE(grab.pixel(bare), desktop.color(QPalette::Midlight).rgb());
    for (const char* name : {"Label6", "Label28"})
        QCOMPARE(Control(form.get(), name)->palette().color(QPalette::WindowText), figure);
    for (const char* name : {"ComboBox1", "Edit1", "Button1"})
        QCOMPARE(Control(form.get(), name)->palette().color(QPalette::Base), desktop.color(QPalette::Base));
}

// The window is laid out for the original face; the substitute must be as narrow.
void WindowTest::textsFitTheirLabels_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"Label19", "Label24", "Label20", "Label8", "Label9", "Label17", "Label26", "Label22"})
        QTest::newRow(name) << name;
}

void WindowTest::textsFitTheirLabels() {
    QFETCH(QString, name);
    auto* label = Control<QLabel>(form.get(), name);
    QVERIFY(label);
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    QVERIFY2(needed <= label->width() * 103 / 100, qPrintable(QString::number(needed)));
}

void WindowTest::tabOrder() {
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    List(form.get(), 1)->setFocus();
    const auto focused = [] {
        QWidget* widget = QApplication::focusWidget();
        while (widget && widget->objectName().isEmpty()) widget = widget->parentWidget();
        return widget ? widget->objectName() : QString();
    };
    const QStringList expected{
        "ComboBox1",  "ComboBox67", "ComboBox16", "ComboBox33", "ComboBox69", "ComboBox34", "ComboBox35",
        "ComboBox68", "ComboBox36", "ComboBox37", "ComboBox43", "ComboBox44", "ComboBox45", "ComboBox40",
        "ComboBox41", "ComboBox42", "ComboBox38", "ComboBox39", "ComboBox46", "ComboBox47", "ComboBox48",
        "ComboBox49", "ComboBox50", "ComboBox51", "ComboBox52", "ComboBox55", "ComboBox58", "ComboBox61",
        "ComboBox64", "ComboBox53", "ComboBox56", "ComboBox59", "ComboBox62", "ComboBox65", "ComboBox54",
        "ComboBox57", "ComboBox60", "ComboBox63", "ComboBox66", "Edit1",      "Edit2",      "Button1",
        "ComboBox1"};
    QStringList walked{focused()};
    for (int step = 1; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.append(focused());
    }
    QCOMPARE(walked, expected);
}

// A list clicked with the mouse answers Tab and Shift+Tab from its place in the window.
void WindowTest::aClickedListKeepsItsPlaceInTheTabOrder() {
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    TComboBox* memory = List(form.get(), 34);
    QTest::mouseMove(memory, memory->rect().center());
    Click(memory->childAt(memory->rect().center()));
    QCOMPARE(QApplication::focusWidget(), memory);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), List(form.get(), 35));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), List(form.get(), 69));
}

// The context menu's "Разработчики" is checked while the panel shows, however it
// was shown.
void WindowTest::developersPanelToggles() {
    QWidget* panel = Control(form.get(), "GroupBox11");
    QWidget* mark = Control(form.get(), "Label16");
    QVERIFY(panel && mark);
    QAction* entry = nullptr;
    for (QAction* action : form->findChildren<QAction*>())
        if (action->text() == "Разработчики") entry = action;
    QVERIFY(entry);
    QVERIFY(!panel->isVisible());
    QVERIFY(!entry->isChecked());
    for (const bool shown : {true, false, true}) {
        Click(mark);
        QCOMPARE(panel->isVisible(), shown);
        QCOMPARE(entry->isChecked(), shown);
    }
    QCOMPARE(Caption(form.get(), "Label6"), "0Вт");
}

void WindowTest::showWatts_data() {
    QTest::addColumn<qint64>("watts");
    QTest::addColumn<QString>("caption");

    QTest::newRow("zero") << qint64(0) << "0Вт";
    QTest::newRow("base") << qint64(80) << "80Вт";
    QTest::newRow("negative") << qint64(-1) << "-1Вт";
    QTest::newRow("thousands without separator") << qint64(1832) << "1832Вт";
    QTest::newRow("largest 32-bit") << qint64(INT_MAX) << "2147483647Вт";
    QTest::newRow("smallest 32-bit") << qint64(INT_MIN) << "-2147483648Вт";
    QTest::newRow("converter product") << qint64(4611686018427387904) << "4611686018427387904Вт";
}

void WindowTest::showWatts() {
    QFETCH(qint64, watts);
    // A locale with group separators must not reach the figures.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TLabel label;
    ShowWatts(&label, watts);
    QLocale::setDefault(QLocale::c());
    QTEST(label.text(), "caption");
}

void WindowTest::figureGrowsToTheRight() {
    auto* total = Control<TLabel>(form.get(), "Label6");
    QVERIFY(total);
    const QRect before = total->geometry();
    ShowWatts(total, 1234567);
    QCOMPARE(total->pos(), before.topLeft());
    QCOMPARE(total->height(), before.height());
    QVERIFY(total->width() > before.width());
    QVERIFY(total->width() >= total->fontMetrics().horizontalAdvance(total->text()));
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
