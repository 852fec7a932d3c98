// SPDX-License-Identifier: GPL-3.0-or-later
// Every list of the window, driven as a user drives it: the cascades' visibility,
// the figures after each pick, re-picks, and text typed into the lists.

#include <QtTest>

#include "DriveCatalogue.h"
#include "GraphicsCatalogue.h"
#include "PowerState.h"
#include "ProcessorCatalogue.h"
#include "Unit1.h"
#include "UserActions.h"

namespace {

// The lists that the cascades show and hide.
const QList<int> cascadeLists = [] {
    QList<int> lists;
    for (int number = 2; number <= 15; ++number) lists.append(number);
    for (int number = 17; number <= 32; ++number) lists.append(number);
    return lists;
}();

}  // namespace

using Families = std::span<const Family>;
Q_DECLARE_METATYPE(Families)

class SelectionsTest : public WindowFixture {
    Q_OBJECT

public:
    SelectionsTest() : WindowFixture(Make<TForm1>) {}

private slots:

    void scenario_data();
    void scenario();
    void everyModel_data();
    void everyModel();
    void everyDiskAndOpticalType_data();
    void everyDiskAndOpticalType();
    void everyFanCell();
    void cascadeKeepsPicksWhileHidden();
    void onlyTheChangedCategoryIsRewritten();

private:
    void WalkModels(const Family& family, TComboBox* list, const char* figure);
};

void SelectionsTest::scenario_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QList<int>>("shown");  // the cascade lists visible afterwards
    QTest::addColumn<QString>("expected");  // control=text pairs, separated by ';'

    const QStringList x6 = {"pick 1 0", "pick 2 AMD Phenom™ II X6", "pick 5 0"};
    QTest::newRow("AMD, Phenom X6, 1100T") << x6 << QList<int>{2, 5} << "Label1=125Вт;Label6=205Вт";
    QTest::newRow("overclock truncates 6.25 to 6")
        << x6 + QStringList{"pick 67 10"} << QList<int>{2, 5} << "Label1=141Вт;Label6=221Вт";
    const QStringList i7 = x6 + QStringList{"pick 67 10", "pick 1 1"};
    QTest::newRow("vendor INTEL stores nothing") << i7 << QList<int>{3} << "Label1=141Вт;Label6=221Вт";
    QTest::newRow("family shows its models only")
        << i7 + QStringList{"pick 3 Intel Core i7"} << QList<int>{3, 12} << "Label1=141Вт;Label6=221Вт";
    const QStringList x990 = i7 + QStringList{"pick 3 Intel Core i7", "pick 12 0"};
    QTest::newRow("990X at 10 %") << x990 << QList<int>{3, 12} << "Label1=146Вт;Label6=226Вт";
    QTest::newRow("processor dashes: no processor, overclock list back to its prompt")
        << x990 + QStringList{"pick 1 2"} << QList<int>{} << "Label1=0Вт;Label6=80Вт;ComboBox67=Разгон %";
    QTest::newRow("back to AMD: family list keeps its pick, no model list")
        << x990 + QStringList{"pick 1 2", "pick 1 0"} << QList<int>{2}
        << "Label1=0Вт;Label6=80Вт;ComboBox2=AMD Phenom™ II X6";
    QTest::newRow("family switch shows the model list's own pick")
        << x990 + QStringList{"pick 1 2", "pick 1 0", "pick 2 AMD Phenom™ II X4", "pick 2 AMD Phenom™ II X6"}
        << QList<int>{2, 5} << "Label1=0Вт;Label6=80Вт;ComboBox5=1100T";
    QTest::newRow("re-pick after the dashes entry counts again")
        << x990 + QStringList{"pick 1 2", "pick 1 0", "pick 2 AMD Phenom™ II X6", "pick 5 0"}
        << QList<int>{2, 5} << "Label1=125Вт;Label6=205Вт;ComboBox67=Разгон %";
    QTest::newRow("re-pick of the overclock after the dashes entry")
        << x990 + QStringList{"pick 1 2", "pick 1 0", "pick 2 AMD Phenom™ II X6", "pick 5 0", "pick 67 10"}
        << QList<int>{2, 5} << "Label1=141Вт;Label6=221Вт";
    QTest::newRow("typed overclock means none, never -1")
        << x6 + QStringList{"type 67 5"} << QList<int>{2, 5} << "Label1=125Вт;Label6=205Вт";
    QTest::newRow("typed overclock with no processor")
        << QStringList{"type 67 x"} << QList<int>{} << "Label1=0Вт;Label6=80Вт";
    QTest::newRow("typed model keeps the watts and refreshes")
        << QStringList{"pick 1 0", "pick 2 AMD Athlon™ II X2", "type 11 x"} << QList<int>{2, 11}
        << "Label1=0Вт;Label6=80Вт";
    QTest::newRow("typed model after a pick keeps that pick's watts")
        << x6 + QStringList{"type 5 1090T"} << QList<int>{2, 5} << "Label1=125Вт;Label6=205Вт";
    QTest::newRow("0 % with no processor")
        << QStringList{"pick 67 0"} << QList<int>{} << "Label1=0Вт;Label6=80Вт";
    QTest::newRow("largest processor: QX9775 at 20 %")
        << QStringList{"pick 1 1", "pick 3 Intel Core 2", "pick 15 1", "pick 67 20"} << QList<int>{3, 15}
        << "Label1=185Вт;Label6=265Вт";
    QTest::newRow("typed vendor hides the models, keeps the family, refreshes nothing")
        << QStringList{"pick 1 0", "pick 2 AMD Phenom™ II X6", "type 1 x"} << QList<int>{2}
        << "Label1=0Вт;Label6=0Вт";
    QTest::newRow("typed family changes nothing")
        << QStringList{"pick 1 0", "pick 2 AMD Phenom™ II X6", "type 2 x"} << QList<int>{2, 5}
        << "Label6=0Вт";

    const QStringList gtx580 = {"pick 16 1", "pick 17 Серия 5xx", "pick 19 0"};
    QTest::newRow("one card until the count is used")
        << gtx580 << QList<int>{17, 19} << "Label2=365Вт;Label6=445Вт";
    QTest::newRow("four cards at 20 %") << gtx580 + QStringList{"pick 33 3", "pick 69 20"}
                                        << QList<int>{17, 19} << "Label2=1752Вт;Label6=1832Вт";
    QTest::newRow("count and overclock before a model")
        << QStringList{"pick 33 1", "pick 69 10"} << QList<int>{} << "Label2=0Вт;Label6=80Вт";
    QTest::newRow("then GTX 480") << QStringList{"pick 33 1", "pick 69 10", "pick 16 1", "pick 17 Серия 4xx",
                                                 "pick 20 0"}
                                  << QList<int>{17, 20} << "Label2=550Вт;Label6=630Вт";
    QTest::newRow("graphics dashes: one card again, count list back to its prompt")
        << gtx580 + QStringList{"pick 33 3", "pick 69 20", "pick 16 -----------"} << QList<int>{}
        << "Label2=0Вт;Label6=80Вт;ComboBox33=Количество;ComboBox69=20 %";
    QTest::newRow("after the dashes entry a model counts one card at the kept overclock")
        << gtx580 + QStringList{"pick 33 3", "pick 69 20",        "pick 16 -----------",
                                "pick 16 1", "pick 17 Серия 5xx", "pick 19 0"}
        << QList<int>{17, 19} << "Label2=438Вт;Label6=518Вт;ComboBox33=Количество";
    QTest::newRow("vendor switch keeps counting the card")
        << gtx580 + QStringList{"pick 16 0", "pick 34 0"} << QList<int>{18}
        << "Label2=365Вт;Label3=5Вт;Label6=450Вт";
    QTest::newRow("series switch shows the other model list")
        << QStringList{"pick 16 1", "pick 17 Серия 5xx", "pick 17 Серия 4xx"} << QList<int>{17, 20}
        << "ComboBox20=Серия 4xx";
    QTest::newRow("NVIDIA, ATI and back: series kept, no model list")
        << gtx580 + QStringList{"pick 16 0", "pick 16 1"} << QList<int>{17}
        << "ComboBox17=Серия 5xx;Label2=365Вт";
    QTest::newRow("typed count stores 0")
        << gtx580 + QStringList{"type 33 x"} << QList<int>{17, 19} << "Label2=0Вт;Label6=80Вт";
    QTest::newRow("typed graphics overclock means none")
        << gtx580 + QStringList{"type 69 x"} << QList<int>{17, 19} << "Label2=365Вт;Label6=445Вт";

    QTest::newRow("SSD in disk row 1")
        << QStringList{"pick 36 8"} << QList<int>{} << "Label4=1Вт;Label6=81Вт";
    QTest::newRow("four SSDs") << QStringList{"pick 36 8", "pick 37 3"} << QList<int>{}
                               << "Label4=4Вт;Label6=84Вт";
    QTest::newRow("disk dashes keep the count")
        << QStringList{"pick 36 8", "pick 37 3", "pick 36 --------------------"} << QList<int>{}
        << "Label4=0Вт;Label6=80Вт";
    QTest::newRow("then SATA counts four")
        << QStringList{"pick 36 8", "pick 37 3", "pick 36 --------------------", "pick 36 5"} << QList<int>{}
        << "Label4=40Вт;Label6=120Вт";
    QTest::newRow("two rows") << QStringList{"pick 36 4", "pick 37 1", "pick 41 7"} << QList<int>{}
                              << "Label4=69Вт";
    // The list numbers do not follow the rows; distinct figures show any crossed wire.
    QTest::newRow("each disk count multiplies its own row")
        << QStringList{"pick 36 5", "pick 40 8", "pick 41 7", "pick 42 0",
                       "pick 37 1", "pick 43 2", "pick 44 3", "pick 45 0"}
        << QList<int>{} << "Label4=68Вт;Label6=148Вт";
    QTest::newRow("each optical count multiplies its own row")
        << QStringList{"pick 38 0", "pick 46 1", "pick 47 2", "pick 48 3",
                       "pick 39 1", "pick 49 2", "pick 50 3", "pick 51 0"}
        << QList<int>{} << "Label5=200Вт;Label6=280Вт";
    QTest::newRow("typed disk type keeps the watts")
        << QStringList{"pick 42 5", "type 42 x"} << QList<int>{} << "Label4=10Вт;Label6=90Вт";
    QTest::newRow("typed disk count stores 0")
        << QStringList{"pick 45 1", "pick 42 5", "type 45 x"} << QList<int>{} << "Label4=0Вт;Label6=80Вт";
    QTest::newRow("memory DDR3 1600, two, 10 %")
        << QStringList{"pick 34 4", "pick 35 1", "pick 68 10"} << QList<int>{} << "Label3=24Вт;Label6=104Вт";
    QTest::newRow("memory count and overclock before a type")
        << QStringList{"pick 35 1", "pick 68 10"} << QList<int>{} << "Label3=0Вт;Label6=80Вт";
    QTest::newRow("typed memory overclock means none")
        << QStringList{"pick 34 7", "pick 35 3", "pick 68 20", "type 68 x"} << QList<int>{}
        << "Label3=140Вт;Label6=220Вт";
    QTest::newRow("optical rows 2 and 3") << QStringList{"pick 46 1", "pick 49 2", "pick 47 0", "pick 50 1"}
                                          << QList<int>{} << "Label5=111Вт;Label6=191Вт";

    QTest::newRow("one plain 120 mm fan")
        << QStringList{"pick 58 1"} << QList<int>{} << "Label15=5Вт;Label6=85Вт";
    QTest::newRow("two 200 mm coolers") << QStringList{"pick 66 2"} << QList<int>{} << "Label15=58Вт";
    QTest::newRow("size first, then kind")
        << QStringList{"pick 53 3", "pick 57 1"} << QList<int>{} << "Label15=17Вт";
    QTest::newRow("back to 0 removes that cell")
        << QStringList{"pick 53 3", "pick 57 1", "pick 53 0"} << QList<int>{} << "Label15=8Вт;Label6=88Вт";
    QTest::newRow("typed fan count means no fans, never -1")
        << QStringList{"pick 66 2", "type 66 x"} << QList<int>{} << "Label15=0Вт;Label6=80Вт";
}

void SelectionsTest::scenario() {
    QFETCH(QStringList, actions);
    QFETCH(QList<int>, shown);
    QFETCH(QString, expected);

    for (const QString& action : actions) {
        Perform(form.get(), action);
        if (QTest::currentTestFailed()) return;
    }
    for (int number : cascadeLists)
        QVERIFY2(List(form.get(), number)->isVisible() == shown.contains(number),
                 qPrintable(QStringLiteral("ComboBox%1").arg(number)));
    // The lists added since: Intel's series list, and the model lists made so far.
    for (const TComboBox* list : form->findChildren<TComboBox*>())
        if (list->objectName().mid(8).toInt() >= 70)
            QVERIFY2(!list->isVisible(), qPrintable(list->objectName()));
    for (const QString& pair : expected.split(';')) {
        const QString name = pair.section('=', 0, 0);
        const QString text = pair.section('=', 1);
        if (auto* list = qobject_cast<TComboBox*>(Control(form.get(), name)))
            QCOMPARE(ShownText(list), text);
        else
            QCOMPARE(Caption(form.get(), name), text);
    }
}

// Steps down the list with the arrow key, one pick per press, and checks that each
// entry reads and counts as its catalogue row says.
void SelectionsTest::WalkModels(const Family& family, TComboBox* list, const char* figure) {
    QVERIFY(list->isVisible());
    list->setFocus();
    for (const CatalogueRow& row : family.models) {
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(ShownText(list), QString::fromUtf8(row.text.data(), qsizetype(row.text.size())));
        QCOMPARE(Caption(form.get(), figure), QStringLiteral("%1Вт").arg(row.watts));
    }
    QCOMPARE(list->count(), qsizetype(family.models.size()));
}

void SelectionsTest::everyModel_data() {
    QTest::addColumn<int>("vendorList");
    QTest::addColumn<int>("vendor");
    QTest::addColumn<int>("familyList");
    QTest::addColumn<Families>("families");
    QTest::addColumn<QList<int>>("originalModelLists");  // those of the last families
    QTest::addColumn<QString>("figure");

    QTest::newRow("AMD processors") << 1 << 0 << 2 << Families(amdFamilies)
                                    << QList<int>{4, 5, 6, 7, 8, 9, 10, 11} << "Label1";
    QTest::newRow("Intel processors")
        << 1 << 1 << 3 << Families(intelFamilies) << QList<int>{12, 13, 14, 15} << "Label1";
    QTest::newRow("NVIDIA cards") << 16 << 1 << 17 << Families(nvidiaSeries)
                                  << QList<int>{19, 20, 21, 22, 23, 24, 25, 26} << "Label2";
    QTest::newRow("ATI cards") << 16 << 0 << 18 << Families(atiSeries) << QList<int>{27, 28, 29, 30, 31, 32}
                               << "Label2";
    QTest::newRow("Intel cards") << 16 << 2 << 70 << Families(intelSeries) << QList<int>{} << "Label2";
}

// Each family entry brings its own model list into view, alone in the place the
// model lists share: an original family the list it always had, an added one a
// list of its own numbered after the window description's 70.
void SelectionsTest::everyModel() {
    QFETCH(int, vendorList);
    QFETCH(int, vendor);
    QFETCH(int, familyList);
    QFETCH(Families, families);
    QFETCH(QList<int>, originalModelLists);
    QFETCH(QString, figure);

    Pick(List(form.get(), vendorList), vendor);
    TComboBox* familiesList = List(form.get(), familyList);
    QVERIFY(familiesList->isVisible());
    const std::size_t added = families.size() - std::size_t(originalModelLists.size());
    QSet<QString> made;
    for (std::size_t i = 0; i < families.size(); ++i) {
        Pick(familiesList, int(i));
        QList<TComboBox*> shown;
        for (TComboBox* list : familiesList->parentWidget()->findChildren<TComboBox*>())
            if (list->isVisible() && list != familiesList && list->y() == familiesList->y() + 24)
                shown.append(list);
        QCOMPARE(shown.size(), 1);
        TComboBox* models = shown.front();
        const QString text = QString::fromUtf8(families[i].text.data(), qsizetype(families[i].text.size()));
        if (i >= added) {
            QCOMPARE(models->objectName(),
                     QStringLiteral("ComboBox%1").arg(originalModelLists[qsizetype(i - added)]));
        } else {
            QVERIFY(models->objectName().mid(8).toInt() > 70);
            QVERIFY2(!made.contains(models->objectName()), qPrintable(models->objectName()));
            made.insert(models->objectName());
            QCOMPARE(ShownText(models), text);
        }
        WalkModels(families[i], models, qPrintable(figure));
        if (QTest::currentTestFailed()) return;
    }
}

void SelectionsTest::everyDiskAndOpticalType_data() {
    QTest::addColumn<int>("list");
    QTest::addColumn<Catalogue>("rows");
    QTest::addColumn<QString>("figure");
    QTest::newRow("memory") << 34 << Catalogue(memoryTypes) << "Label3";
    for (int number : {36, 40, 41, 42})
        QTest::addRow("disk list %d", number) << number << Catalogue(diskTypes) << "Label4";
    for (int number : {38, 46, 47, 48})
        QTest::addRow("optical list %d", number) << number << Catalogue(opticalTypes) << "Label5";
}

void SelectionsTest::everyDiskAndOpticalType() {
    QFETCH(int, list);
    QFETCH(Catalogue, rows);
    QFETCH(QString, figure);
    WalkModels(Family{"", rows}, List(form.get(), list), qPrintable(figure));
}

void SelectionsTest::everyFanCell() {
    for (int cell = 0; cell < fanCells; ++cell) {
        TComboBox* list = List(form.get(), 52 + cell);
        Pick(list, 1);
        QCOMPARE(Caption(form.get(), "Label15"), QStringLiteral("%1Вт").arg(fanWatts[std::size_t(cell)]));
        Pick(list, 0);
        QCOMPARE(Caption(form.get(), "Label15"), "0Вт");
    }
}

void SelectionsTest::cascadeKeepsPicksWhileHidden() {
    Pick(List(form.get(), 16), 0);
    Pick(List(form.get(), 18), "Серия 5xxx");
    Pick(List(form.get(), 28), 11);
    Pick(List(form.get(), 16), 1);
    Pick(List(form.get(), 16), 0);
    Pick(List(form.get(), 18), "Серия 5xxx");
    QCOMPARE(ShownText(List(form.get(), 28)), "Radeon HD 5450");
    QCOMPARE(ShownText(List(form.get(), 18)), "Серия 5xxx");
    QCOMPARE(Caption(form.get(), "Label2"), "20Вт");
}

void SelectionsTest::onlyTheChangedCategoryIsRewritten() {
    Pick(List(form.get(), 34), 7);
    Pick(List(form.get(), 36), 5);
    QCOMPARE(Caption(form.get(), "Label3"), "35Вт");
    QCOMPARE(Caption(form.get(), "Label4"), "10Вт");
    QCOMPARE(Caption(form.get(), "Label6"), "125Вт");
    // Picking a family stores nothing and rewrites no label.
    Pick(List(form.get(), 1), 0);
    Pick(List(form.get(), 2), "AMD A-Series");
    QCOMPARE(Caption(form.get(), "Label1"), "0Вт");
    QCOMPARE(Caption(form.get(), "Label6"), "125Вт");
}

QTEST_MAIN(SelectionsTest)
#include "tst_selections.moc"
