// SPDX-License-Identifier: GPL-3.0-or-later
// What the converter accepts as a whole number, and its product.

#include <QtTest>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "Converter.h"
#include "WholeNumber.h"

class ConverterTextTest : public QObject {
    Q_OBJECT

private slots:
    void accepted_data();
    void accepted();
    void rejected_data();
    void rejected();
    void product_data();
    void product();
};

void ConverterTextTest::accepted_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << QByteArray("35") << 35;
    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("minus") << QByteArray("-5") << -5;
    QTest::newRow("plus") << QByteArray("+12") << 12;
    QTest::newRow("blanks around") << QByteArray("  35 \t") << 35;
    QTest::newRow("leading zeros") << QByteArray("007") << 7;
    QTest::newRow("largest") << QByteArray("2147483647") << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << QByteArray("-2147483648") << std::numeric_limits<int>::min();
}

void ConverterTextTest::accepted() {
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QCOMPARE(ParseWholeNumber(text.toStdString()), std::optional<std::int32_t>(value));
}

void ConverterTextTest::rejected_data() {
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("blanks only") << QByteArray("   ");
    QTest::newRow("decimal point") << QByteArray("3.5");
    QTest::newRow("decimal comma") << QByteArray("3,5");
    QTest::newRow("exponent") << QByteArray("1e3");
    QTest::newRow("hexadecimal") << QByteArray("0x10");
    QTest::newRow("trailing letters") << QByteArray("12abc");
    QTest::newRow("unit typed") << QByteArray("35A");
    QTest::newRow("blank inside") << QByteArray("3 5");
    QTest::newRow("sign alone") << QByteArray("+");
    QTest::newRow("minus alone") << QByteArray("-");
    QTest::newRow("two minus signs") << QByteArray("--1");
    QTest::newRow("plus minus") << QByteArray("+-1");
    QTest::newRow("minus plus") << QByteArray("-+1");
    QTest::newRow("one past the largest") << QByteArray("2147483648");
    QTest::newRow("one past the smallest") << QByteArray("-2147483649");
    QTest::newRow("very long") << QByteArray(5000, '9');
    QTest::newRow("arabic-indic digit") << QByteArray("\xd9\xa3");
    QTest::newRow("fullwidth digit") << QByteArray("\xef\xbc\x95");
    QTest::newRow("non-breaking space") << QByteArray(
        "\xc2\xa0"
        "5");
    QTest::newRow("nul inside") << QByteArray(
        "1\0"
        "2",
        3);
}

void ConverterTextTest::rejected() {
    QFETCH(QByteArray, text);
    QCOMPARE(ParseWholeNumber(std::string(text.constData(), std::size_t(text.size()))), std::nullopt);
}

void ConverterTextTest::product_data() {
    QTest::addColumn<int>("amperes");
    QTest::addColumn<int>("volts");
    QTest::addColumn<qint64>("watts");

    constexpr int max = std::numeric_limits<int>::max();
    constexpr int min = std::numeric_limits<int>::min();
    QTest::newRow("the warning's example") << 35 << 12 << qint64(420);
    QTest::newRow("negative current") << -5 << 12 << qint64(-60);
    QTest::newRow("zero") << 0 << 12 << qint64(0);
    QTest::newRow("past 32 bits") << max << 2 << qint64(4294967294);
    QTest::newRow("both smallest") << min << min << qint64(4611686018427387904);
    QTest::newRow("largest by smallest") << max << min << qint64(-4611686016279904256);
}

void ConverterTextTest::product() {
    QFETCH(int, amperes);
    QFETCH(int, volts);
    QTEST(qint64(LinePower(amperes, volts)), "watts");
}

QTEST_APPLESS_MAIN(ConverterTextTest)
#include "tst_converter_text.moc"
