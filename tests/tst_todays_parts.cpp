// SPDX-License-Identifier: GPL-3.0-or-later
// The parts added since the original catalogue, as a builder meets them in the
// window: today's machine at its makers' figures, the working that says which
// figure each is, every entry readable, and the lists made for the added families
// in the place, the name and the tab order of their siblings.

#include <QAbstractItemView>
#include <QClipboard>
#include <QtTest>
#include <algorithm>

#include "DriveCatalogue.h"
#include "GraphicsCatalogue.h"
#include "ProcessorCatalogue.h"
#include "Unit1.h"
#include "UserActions.h"

using Families = std::span<const Family>;
Q_DECLARE_METATYPE(Families)

namespace {

// The one model list in view under a family list: at the place the model lists share.
TComboBox* ShownModels(const TComboBox* familyList) {
    TComboBox* shown = nullptr;
    for (TComboBox* list : familyList->parentWidget()->findChildren<TComboBox*>())
        if (list->isVisible() && list->y() == familyList->y() + 24) {
            if (shown) return nullptr;
            shown = list;
        }
    return shown;
}

}  // namespace

class TodaysPartsTest : public WindowFixture {
    Q_OBJECT

public:
    TodaysPartsTest() : WindowFixture(Make<TForm1>) {}

private slots:
    void onePart_data();
    void onePart();
    void todaysMachine();
    void noListMadeBeforeItsFamilyIsPicked();
    void madeListsSitWithTheirSiblings_data();
    void madeListsSitWithTheirSiblings();
    void intelGraphics();
    void everyEntryReadable_data();
    void everyEntryReadable();

private:
    TComboBox* PickFamily(int vendorList, const QString& vendor, int familyList, const QString& family);
    void CheckReadable(TComboBox* list, bool inTheField = true);
};

TComboBox* TodaysPartsTest::PickFamily(int vendorList, const QString& vendor, int familyList,
                                       const QString& family) {
    Pick(List(form.get(), vendorList), vendor);
    Pick(List(form.get(), familyList), family);
    return ShownModels(List(form.get(), familyList));
}

// Each part at the figure its maker gives, by the rule (the expected figures are
// worked out here from the makers', as in tst_catalogue), and its working, the
// figure's tooltip, says which of the maker's figures it is.
void TodaysPartsTest::onePart_data() {
    QTest::addColumn<QStringList>("path");  // vendor list, vendor, family list, family; or the type list
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("figure");
    QTest::addColumn<int>("watts");
    QTest::addColumn<QString>("basis");
    QTest::newRow("GeForce RTX 5090") << QStringList{"16", "NVIDIA", "17", "Серия RTX 50"} << "RTX 5090"
                                      << "Label2" << 575 << "мощность видеокарты, TGP";
    QTest::newRow("Core Ultra 9 285K")
        << QStringList{"1", "INTEL", "3", "Intel Core Ultra 200S"} << "Ultra 9 285K"
        << "Label1" << 250 << "Intel Maximum Turbo Power";
    // AM5: the socket power limit is 1.35 times the TDP, here 120 W.
    QTest::newRow("Ryzen 7 9800X3D") << QStringList{"1", "AMD", "2", "AMD Ryzen 9000"} << "Ryzen 7 9800X3D"
                                     << "Label1" << 120 * 135 / 100 << "AMD PPT";
    // A series that came after the others had their lists: its list is made too.
    QTest::newRow("TITAN RTX") << QStringList{"16", "NVIDIA", "17", "Серия TITAN"} << "TITAN RTX"
                               << "Label2" << 280 << "полная мощность платы, TBP";
    QTest::newRow("DDR5") << QStringList{"34"} << "DDR5 6000MHz"
                          << "Label3" << 5 << "на модуль, по данным производителя";
    QTest::newRow("PCIe 5.0 NVMe SSD") << QStringList{"36"} << "NVMe PCIe 5.0"
                                       << "Label4" << 11 << "на накопитель, по данным производителя";
}

void TodaysPartsTest::onePart() {
    QFETCH(QStringList, path);
    QFETCH(QString, part);
    QFETCH(QString, figure);
    QFETCH(int, watts);
    QFETCH(QString, basis);
    TComboBox* list = path.size() == 1 ? List(form.get(), path[0].toInt())
                                       : PickFamily(path[0].toInt(), path[1], path[2].toInt(), path[3]);
    QVERIFY(list);
    Pick(list, part);
    QCOMPARE(Caption(form.get(), figure), QStringLiteral("%1Вт").arg(watts));
    QCOMPARE(Caption(form.get(), "Label6"), QStringLiteral("%1Вт").arg(80 + watts));
    const QString working = Control<QLabel>(form.get(), figure)->toolTip();
    QVERIFY2(working.startsWith(part + " (") && working.contains(basis), qPrintable(working));
}

// Today's machine, picked as a builder picks it: the total, the supply it calls
// for, and a report that names what each figure is.
void TodaysPartsTest::todaysMachine() {
    Pick(PickFamily(1, "INTEL", 3, "Intel Core Ultra 200S"), "Ultra 9 285K");
    Pick(PickFamily(16, "NVIDIA", 17, "Серия RTX 50"), "RTX 5090");
    Pick(List(form.get(), 34), "DDR5 6000MHz");
    Pick(List(form.get(), 35), "2");
    Pick(List(form.get(), 36), "NVMe PCIe 5.0");
    if (QTest::currentTestFailed()) return;
    // 80 W base + 250 W + 575 W + 2 × 5 W + 11 W
    QCOMPARE(Caption(form.get(), "Label6"), "926Вт");
    const QString total = Control<QLabel>(form.get(), "Label6")->toolTip();
    QVERIFY2(total.contains("926 + 50 Вт запаса = 976 Вт → 1000 Вт"), qPrintable(total));
    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString report = QGuiApplication::clipboard()->text();
    for (const char* line :
         {"Процессор: Ultra 9 285K (наибольшая мощность по умолчанию, Intel Maximum Turbo Power",
          "Видеокарта: RTX 5090 (мощность видеокарты, TGP",
          "Оперативная память: DDR5 6000MHz (на модуль, по данным производителя)",
          "HDD, SSD: NVMe PCIe 5.0 (на накопитель, по данным производителя"})
        QVERIFY2(report.contains(QString::fromUtf8(line)), qPrintable(report));
}

// The window opens with the lists of its description only: the catalogue's size
// costs its start-up nothing.
void TodaysPartsTest::noListMadeBeforeItsFamilyIsPicked() {
    QCOMPARE(form->findChildren<TComboBox*>().size(), 70);
    QVERIFY(PickFamily(1, "AMD", 2, "AMD Ryzen 9000"));
    QCOMPARE(form->findChildren<TComboBox*>().size(), 71);
    // Picked again, the family shows the same list, with its pick.
    Pick(ShownModels(List(form.get(), 2)), "Ryzen 7 9800X3D");
    Pick(List(form.get(), 2), "AMD Phenom™ II X6");
    TComboBox* again = PickFamily(1, "AMD", 2, "AMD Ryzen 9000");
    QCOMPARE(form->findChildren<TComboBox*>().size(), 71);
    QCOMPARE(ShownText(again), "Ryzen 7 9800X3D");
}

void TodaysPartsTest::madeListsSitWithTheirSiblings_data() {
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<int>("sibling");  // a model list of the window description
    QTest::addColumn<int>("next");     // the list Tab reaches after the model list
    QTest::newRow("an AMD processor family") << QStringList{"1", "AMD", "2", "AMD FX"} << 4 << 67;
    QTest::newRow("an Intel processor family")
        << QStringList{"1", "INTEL", "3", "Intel Core 14th Gen"} << 12 << 67;
    QTest::newRow("a GeForce series") << QStringList{"16", "NVIDIA", "17", "Серия GTX 10"} << 19 << 33;
    QTest::newRow("a Radeon series") << QStringList{"16", "ATI\\AMD", "18", "Серия RX 7000"} << 27 << 33;
    QTest::newRow("an Arc series") << QStringList{"16", "INTEL", "70", "Серия Arc B"} << 19 << 33;
}

// One model list in view, where its siblings are, named as they are for a screen
// reader, showing its family until the first pick, and between its family list
// and the next list in the tab order.
void TodaysPartsTest::madeListsSitWithTheirSiblings() {
    QFETCH(QStringList, path);
    QFETCH(int, sibling);
    QFETCH(int, next);
    TComboBox* models = PickFamily(path[0].toInt(), path[1], path[2].toInt(), path[3]);
    QVERIFY(models);
    const TComboBox* original = List(form.get(), sibling);
    QVERIFY(models->objectName().mid(8).toInt() > 70);
    QCOMPARE(models->parentWidget(), original->parentWidget());
    QCOMPARE(models->geometry(), original->geometry());
    QCOMPARE(models->accessibleName(), original->accessibleName());
    QCOMPARE(models->font(), original->font());
    QCOMPARE(ShownText(models), path[3]);
    QCOMPARE(models->Prompt(), path[3]);
    QCOMPARE(models->ItemIndex(), -1);

    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    List(form.get(), path[2].toInt())->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), models);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), List(form.get(), next));
}

// Intel's cards are reached as NVIDIA's and ATI's are; the dashes entry, still the
// last, clears the card and returns the count to its prompt.
void TodaysPartsTest::intelGraphics() {
    TComboBox* vendors = List(form.get(), 16);
    Pick(vendors, 1);
    Pick(List(form.get(), 17), 0);
    TComboBox* arc = PickFamily(16, "INTEL", 70, "Серия Arc B");
    QVERIFY(arc);
    for (int hidden : {17, 18}) QVERIFY(!List(form.get(), hidden)->isVisible());
    QCOMPARE(vendors->itemText(vendors->count() - 1), "-----------");
    Pick(arc, 0);
    Pick(List(form.get(), 33), "2");
    QVERIFY(Caption(form.get(), "Label2") != "0Вт");
    Pick(vendors, vendors->count() - 1);
    for (int hidden : {17, 18, 70}) QVERIFY(!List(form.get(), hidden)->isVisible());
    QVERIFY(!arc->isVisible());
    QCOMPARE(Caption(form.get(), "Label2"), "0Вт");
    QCOMPARE(ShownText(List(form.get(), 33)), "Количество");
}

// Every entry can be read whole: in the list's field once picked, and in the
// drop-down, which may be wider than the field.
void TodaysPartsTest::CheckReadable(TComboBox* list, bool inTheField) {
    QVERIFY(list && list->isVisible());
    const QLineEdit* field = list->lineEdit();
    // Qt's field keeps two pixels clear each side of its text, and one for the cursor.
    const int room = field->contentsRect().width() - 2 * 2 - 1;
    QStringList cut;
    for (int entry = 0; inTheField && entry < list->count(); ++entry) {
        const int needed = field->fontMetrics().horizontalAdvance(list->itemText(entry));
        if (needed > room)
            cut << QStringLiteral("\"%1\" %2 > %3").arg(list->itemText(entry)).arg(needed).arg(room);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(list->objectName() + ": " + cut.join(", ")));
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    const int widest = view->sizeHintForColumn(0);
    const int shown = view->viewport()->width();
    QTest::keyClick(view, Qt::Key_Escape);
    QTRY_VERIFY(!view->isVisible());
    QVERIFY2(
        widest <= shown,
        qPrintable(QStringLiteral("%1 drop-down: %2 > %3").arg(list->objectName()).arg(widest).arg(shown)));
}

void TodaysPartsTest::everyEntryReadable_data() {
    QTest::addColumn<int>("vendorList");
    QTest::addColumn<int>("vendor");
    QTest::addColumn<int>("familyList");
    QTest::addColumn<Families>("families");
    QTest::newRow("AMD processors") << 1 << 0 << 2 << Families(amdFamilies);
    QTest::newRow("Intel processors") << 1 << 1 << 3 << Families(intelFamilies);
    QTest::newRow("ATI and AMD cards") << 16 << 0 << 18 << Families(atiSeries);
    QTest::newRow("NVIDIA cards") << 16 << 1 << 17 << Families(nvidiaSeries);
    QTest::newRow("Intel cards") << 16 << 2 << 70 << Families(intelSeries);
    QTest::newRow("memory and disks") << 0 << 0 << 0 << Families{};
}

void TodaysPartsTest::everyEntryReadable() {
    QFETCH(int, vendorList);
    QFETCH(int, vendor);
    QFETCH(int, familyList);
    QFETCH(Families, families);
    if (families.empty()) {
        for (int list : {34, 36}) CheckReadable(List(form.get(), list));
        return;
    }
    CheckReadable(List(form.get(), vendorList));
    Pick(List(form.get(), vendorList), vendor);
    TComboBox* familiesList = List(form.get(), familyList);
    CheckReadable(familiesList);
    // The original model lists keep their entries and their fields as they always
    // were: only the added entries are held to the field here.
    const std::size_t added =
        std::size_t(std::count_if(families.begin(), families.end(),
                                  [](const Family& f) { return f.models.front().basis != Basis::Original; }));
    for (std::size_t family = 0; family < families.size(); ++family) {
        Pick(familiesList, int(family));
        CheckReadable(ShownModels(familiesList), family < added);
    }
}

QTEST_MAIN(TodaysPartsTest)
#include "tst_todays_parts.moc"
