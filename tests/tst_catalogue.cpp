// SPDX-License-Identifier: GPL-3.0-or-later
// Integrity of the catalogues: the original families and rows where they always were, the rows whose
// exact text or figure is easy to get wrong, and a source for every added row.

#include <QRegularExpression>
#include <QtTest>
#include <string_view>

#include "DriveCatalogue.h"
#include "GraphicsCatalogue.h"
#include "ProcessorCatalogue.h"

using namespace std::string_view_literals;

using Families = std::span<const Family>;
Q_DECLARE_METATYPE(Catalogue)
Q_DECLARE_METATYPE(Families)

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void originalFamiliesFollowTheAdded_data();
    void originalFamiliesFollowTheAdded();
    void namedRows_data();
    void namedRows();
    void everyRowHasTextAndPower();
    void everyRowHasASource_data();
    void everyRowHasASource();
    void memoryAscends();
    void dashesEntries();
};

// Each family list shows the added families, newest first, and then the original
// ones, with their own model lists, in their own order.
void CatalogueTest::originalFamiliesFollowTheAdded_data() {
    QTest::addColumn<Families>("families");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<Catalogue>>("models");
    QTest::newRow("AMD") << Families(amdFamilies)
                         << QStringList{"AMD A-Series",      "AMD Phenom™ II X6", "AMD Phenom™ II X4",
                                        "AMD Phenom™ II X3", "AMD Phenom™ II X2", "AMD Athlon™ II X4",
                                        "AMD Athlon™ II X3", "AMD Athlon™ II X2"}
                         << QList<Catalogue>{amdASeries,    amdPhenomIIX6, amdPhenomIIX4, amdPhenomIIX3,
                                             amdPhenomIIX2, amdAthlonIIX4, amdAthlonIIX3, amdAthlonIIX2};
    QTest::newRow("Intel") << Families(intelFamilies)
                           << QStringList{"Intel Core i7", "Intel Core i5", "Intel Core i3", "Intel Core 2"}
                           << QList<Catalogue>{intelCoreI7, intelCoreI5, intelCoreI3, intelCore2};
    QTest::newRow("NVIDIA") << Families(nvidiaSeries)
                            << QStringList{"Серия 5xx", "Серия 4xx",  "Серия 3xx",  "Серия 2xx",
                                           "Серия 1xx", "Серия 9xxx", "Серия 8xxx", "Серия 7xxx"}
                            << QList<Catalogue>{geForce5xx, geForce4xx,  geForce3xx,  geForce2xx,
                                                geForce1xx, geForce9xxx, geForce8xxx, geForce7xxx};
    QTest::newRow("ATI") << Families(atiSeries) << QStringList{"Серия 6xxx", "Серия 5xxx", "Серия 4xxx",
                                                               "Серия 3xxx", "Серия 2xxx", "Серия 1xxx"}
                         << QList<Catalogue>{radeon6xxx, radeon5xxx, radeon4xxx,
                                             radeon3xxx, radeon2xxx, radeon1xxx};
    QTest::newRow("Intel graphics, all added")
        << Families(intelSeries) << QStringList{} << QList<Catalogue>{};
}

void CatalogueTest::originalFamiliesFollowTheAdded() {
    QFETCH(Families, families);
    QFETCH(QStringList, texts);
    QFETCH(QList<Catalogue>, models);
    QVERIFY(families.size() > std::size_t(texts.size()));
    const std::size_t added = families.size() - std::size_t(texts.size());
    for (std::size_t i = 0; i < families.size(); ++i) {
        const Family& family = families[i];
        const bool original = i >= added;
        if (original) {
            QCOMPARE(Text(family.text), texts[qsizetype(i - added)]);
            QCOMPARE(family.models.data(), models[qsizetype(i - added)].data());
            QCOMPARE(family.models.size(), models[qsizetype(i - added)].size());
        }
        for (const CatalogueRow& row : family.models)
            QVERIFY2((row.basis == Basis::Original) == original, qPrintable(Text(row.text)));
    }
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
    for (const Family& series : intelSeries) check(series.text, series.models, false);
    check("memory", memoryTypes, false);
    check("disks", diskTypes, true);
    check("optical", opticalTypes, true);
}

// Every added row names where its figure was read, or says why it has no such
// page; the original rows name none and keep their meaning.
void CatalogueTest::everyRowHasASource_data() {
    QTest::addColumn<Catalogue>("rows");
    for (Families families : {Families(amdFamilies), Families(intelFamilies), Families(nvidiaSeries),
                              Families(atiSeries), Families(intelSeries)})
        for (const Family& family : families) QTest::newRow(family.text.data()) << family.models;
    QTest::newRow("memory") << Catalogue(memoryTypes);
    QTest::newRow("disks") << Catalogue(diskTypes);
    QTest::newRow("optical") << Catalogue(opticalTypes);
}

void CatalogueTest::everyRowHasASource() {
    QFETCH(Catalogue, rows);
    for (const CatalogueRow& row : rows) {
        QVERIFY2(HasSource(row), qPrintable(Text(row.text)));
        if (row.basis == Basis::Original) continue;
        // An address is one word; a reason says why the maker's page was not read.
        if (Verified(row))
            QVERIFY2(row.source.find(' ') == std::string_view::npos, qPrintable(Text(row.source)));
        else
            QVERIFY2(row.source.size() > unverified.size() + 8, qPrintable(Text(row.source)));
    }
}

// DDR2, then each generation by its speed: the newest types last.
void CatalogueTest::memoryAscends() {
    QPair<int, int> last{0, 0};
    for (const CatalogueRow& row : memoryTypes) {
        static const QRegularExpression type(QStringLiteral("^DDR(\\d)(?: (\\d+)MHz)?\\s*$"));
        const QRegularExpressionMatch match = type.match(Text(row.text));
        QVERIFY2(match.hasMatch(), qPrintable(Text(row.text)));
        const QPair<int, int> generationAndSpeed{match.captured(1).toInt(), match.captured(2).toInt()};
        QVERIFY2(last < generationAndSpeed, qPrintable(Text(row.text)));
        last = generationAndSpeed;
    }
    QCOMPARE(last.first, 5);
}

void CatalogueTest::dashesEntries() {
    QCOMPARE(processorVendors.back(), "----------"sv);
    QCOMPARE(graphicsVendors.back(), "-----------"sv);
    QCOMPARE(graphicsVendors.front(), "ATI\\AMD"sv);
    QCOMPARE(graphicsVendors[2], processorVendors[1]);  // Intel is spelt as the processors spell it
    QCOMPARE(diskTypes.back().text, "--------------------"sv);
    QCOMPARE(diskTypes.back().watts, 0);
    QCOMPARE(opticalTypes.back().text, "--------------------"sv);
}

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
