// SPDX-License-Identifier: GPL-3.0-or-later
// Integrity of the catalogues: the sizes no static_assert pins, and the rows whose exact text or figure is
// easy to get wrong.

#include <QtTest>
#include <string_view>

#include "DriveCatalogue.h"
#include "GraphicsCatalogue.h"
#include "ProcessorCatalogue.h"

using namespace std::string_view_literals;

Q_DECLARE_METATYPE(Catalogue)

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void namedRows_data();
    void namedRows();
    void everyRowHasTextAndPower();
    void dashesEntries();
};

void CatalogueTest::sizes_data() {
    QTest::addColumn<int>("actual");
    QTest::addColumn<int>("expected");
    QTest::newRow("AMD families") << int(amdFamilies.size()) << 8;
    QTest::newRow("Intel families") << int(intelFamilies.size()) << 4;
}

void CatalogueTest::sizes() {
    QFETCH(int, actual);
    QTEST(actual, "expected");
}

void CatalogueTest::namedRows_data() {
    QTest::addColumn<Catalogue>("rows");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("watts");

    QTest::newRow("1100T") << Catalogue(amdPhenomIIX6) << 0 << "1100T" << 125;
    QTest::newRow("705e, the only X3") << Catalogue(amdPhenomIIX3) << 0 << "705e" << 65;
    QTest::newRow("2600K") << Catalogue(intelCoreI7) << 13 << "2600K" << 95;
    QTest::newRow("QX9775") << Catalogue(intelCore2) << 1 << "QX9775" << 150;
    QTest::newRow("E4300, last of 50") << Catalogue(intelCore2) << 49 << "E4300" << 65;
    QTest::newRow("160u") << Catalogue(amdAthlonIIX2) << 15 << "160u" << 20;
    QTest::newRow("GTX 580") << Catalogue(geForce5xx) << 0 << "GeForce GTX 580" << 365;
    QTest::newRow("GTX 560 above the Ti") << Catalogue(geForce5xx) << 3 << "GeForce GTX 560" << 280;
    QTest::newRow("HD 6990") << Catalogue(radeon6xxx) << 0 << "Radeon HD 6990" << 375;
    QTest::newRow("HD 5870 X2") << Catalogue(radeon5xxx) << 1 << "Radeon HD 5870 X2" << 375;
    QTest::newRow("X1800XL") << Catalogue(radeon1xxx) << 2 << "Radeon X1800XL" << 70;
    QTest::newRow("DDR3 800 keeps its six blanks") << Catalogue(memoryTypes) << 1 << "DDR3 800MHz      " << 3;
    QTest::newRow("DDR3 2400") << Catalogue(memoryTypes) << 7 << "DDR3 2400MHz" << 35;
    QTest::newRow("IDE 5400 draws more than 7200") << Catalogue(diskTypes) << 0 << "IDE 5400rpm" << 17;
    QTest::newRow("SSD") << Catalogue(diskTypes) << 8 << "SSD" << 1;
    QTest::newRow("Blue-Ray combo") << Catalogue(opticalTypes) << 7 << "BR-RE/DVD/CD (Blue-Ray Combo)" << 23;
}

void CatalogueTest::namedRows() {
    QFETCH(Catalogue, rows);
    QFETCH(int, index);
    const CatalogueRow& row = rows[std::size_t(index)];
    QTEST(QString::fromUtf8(row.text.data(), qsizetype(row.text.size())), "text");
    QTEST(int(row.watts), "watts");
}

void CatalogueTest::everyRowHasTextAndPower() {
    const auto check = [](std::string_view where, Catalogue rows, bool endsWithDashes) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const bool dashes = endsWithDashes && i + 1 == rows.size();
            QVERIFY2(!rows[i].text.empty(), where.data());
            QVERIFY2(dashes ? rows[i].watts == 0 : rows[i].watts > 0, where.data());
        }
    };
    for (const Family& family : amdFamilies) check(family.text, family.models, false);
    for (const Family& family : intelFamilies) check(family.text, family.models, false);
    for (const Family& series : nvidiaSeries) check(series.text, series.models, false);
    for (const Family& series : atiSeries) check(series.text, series.models, false);
    check("memory", memoryTypes, false);
    check("disks", diskTypes, true);
    check("optical", opticalTypes, true);
}

void CatalogueTest::dashesEntries() {
    QCOMPARE(processorVendors.back(), "----------"sv);
    QCOMPARE(graphicsVendors.back(), "-----------"sv);
    QCOMPARE(graphicsVendors.front(), "ATI\\AMD"sv);
    QCOMPARE(diskTypes.back().text, "--------------------"sv);
    QCOMPARE(opticalTypes.back().text, "--------------------"sv);
}

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
