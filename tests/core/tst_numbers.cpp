// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/ItalianNumber.h"
#include "common/NumberFormat.h"

#include <QTest>

class NumbersTest : public QObject
{
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void toFloat_data();
    void toFloat();
    void toFloatIgnoresSystemLocale();
};

void NumbersTest::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");

    QTest::newRow("### plain") << 14.0 << "###" << "14";
    QTest::newRow("### zero is empty") << 0.0 << "###" << "";
    QTest::newRow("### keeps whole digits") << 2744.0 << "###" << "2744";
    QTest::newRow("#### zero is empty") << 0.0 << "####" << "";
    QTest::newRow("#### whole") << 125.0 << "####" << "125";
    QTest::newRow("###0 zero") << 0.0 << "###0" << "0";
    QTest::newRow("###0 five digits") << 12345.0 << "###0" << "12345";
    QTest::newRow("####0 zero") << 0.0 << "####0" << "0";
    QTest::newRow("####0 counter max") << 32767.0 << "####0" << "32767";
    QTest::newRow("###.## one decimal") << 3.5 << "###.##" << "3,5";
    QTest::newRow("###.## no leading zero") << 0.5 << "###.##" << ",5";
    QTest::newRow("###.## rounds up to whole") << 2.999 << "###.##" << "3,";
    QTest::newRow("###.## two decimals") << 12.345678 << "###.##" << "12,35";
    QTest::newRow("###.## float 17.3") << double(17.3f) << "###.##" << "17,3";
    QTest::newRow("###.## float 1.7") << double(1.7f) << "###.##" << "1,7";
    QTest::newRow("###.## float 14.9") << double(14.9f) << "###.##" << "14,9";
    QTest::newRow("###.## tiny rounds to comma") << 0.001 << "###.##" << ",";
    QTest::newRow("0.00 keeps zeros") << 0.5 << "0.00" << "0,50";
    QTest::newRow("negative") << -3.25 << "###.##" << "-3,25";
    QTest::newRow("negative zero after rounding") << -0.001 << "###.##" << ",";
}

void NumbersTest::format()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(NumberFormat::format(value, pattern), text);
}

void NumbersTest::toFloat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("reads");
    QTest::addColumn<float>("value");

    QTest::newRow("whole") << "125" << true << 125.0f;
    QTest::newRow("leading zeros") << "007" << true << 7.0f;
    QTest::newRow("decimal comma") << "12,5" << true << 12.5f;
    QTest::newRow("17,3 is the float 17.3") << "17,3" << true << 17.3f;
    QTest::newRow("17,30 is the float 17.3") << "17,30" << true << 17.3f;
    QTest::newRow("leading comma") << ",5" << true << 0.5f;
    QTest::newRow("zero") << "0" << true << 0.0f;
    QTest::newRow("largest five digits") << "99999" << true << 99999.0f;
    QTest::newRow("two commas") << "1,2,3" << false << 0.0f;
    QTest::newRow("lone comma") << "," << false << 0.0f;
    QTest::newRow("double comma") << ",," << false << 0.0f;
    QTest::newRow("empty") << "" << false << 0.0f;
    QTest::newRow("full stop is no decimal point") << "12.5" << false << 0.0f;
    QTest::newRow("letters") << "1a" << false << 0.0f;
    QTest::newRow("past float range") << QString(60, u'9') << false << 0.0f;
}

void NumbersTest::toFloat()
{
    QFETCH(QString, text);
    QFETCH(bool, reads);
    QFETCH(float, value);

    const std::optional<float> read = ItalianNumber::toFloat(text);
    QCOMPARE(read.has_value(), reads);
    if (reads)
        QCOMPARE(*read, value); // exact: the check compares floats for equality
}

void NumbersTest::toFloatIgnoresSystemLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::optional<float> read = ItalianNumber::toFloat(QStringLiteral("12,5"));
    const QString written = NumberFormat::format(0.5, u"###.##");
    QLocale::setDefault(before);

    QVERIFY(read.has_value());
    QCOMPARE(*read, 12.5f);
    QCOMPARE(written, QStringLiteral(",5"));
}

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
