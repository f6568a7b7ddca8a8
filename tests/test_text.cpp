// Code pages, capitals and decimal texts.
#include <iconv.h>

#include "support/TestSupport.h"
#include "text/CodePage.h"
#include "text/DecimalText.h"

using namespace d7;

namespace {

// What glibc makes of one byte, or QChar() when it refuses the byte.
QChar iconvByte(const char *codePage, unsigned char byte) {
    iconv_t cd = iconv_open("UTF-16LE", codePage);
    char in[1] = {char(byte)};
    char out[4] = {};
    char *pin = in, *pout = out;
    size_t inLeft = 1, outLeft = sizeof out;
    const size_t rc = iconv(cd, &pin, &inLeft, &pout, &outLeft);
    iconv_close(cd);
    if (rc == size_t(-1) || outLeft != 2)
        return QChar();
    return QChar(char16_t((unsigned char)out[0] | ((unsigned char)out[1] << 8)));
}

}  // namespace

class TextTest : public QObject {
    Q_OBJECT
private slots:
    void codePagesAgreeWithGlibc_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("iconvName");
        QTest::newRow("1253") << int(CodePage::Windows1253) << "CP1253";
        QTest::newRow("8859-7") << int(CodePage::Iso8859_7) << "ISO-8859-7";
    }
    void codePagesAgreeWithGlibc() {
        QFETCH(int, page);
        QFETCH(QString, iconvName);
        const QByteArray name = iconvName.toLatin1();
        for (int b = 1; b < 256; ++b) {
            const QChar ours = DecodeByte(CodePage(page), (unsigned char)b);
            const QChar theirs = iconvByte(name.constData(), (unsigned char)b);
            QVERIFY2(ours == theirs, qPrintable(QStringLiteral("byte %1: %2 against %3")
                                                    .arg(b, 2, 16)
                                                    .arg(ours.unicode(), 4, 16)
                                                    .arg(theirs.unicode(), 4, 16)));
            if (!ours.isNull())
                QCOMPARE(EncodeChar(CodePage(page), ours), b);
        }
    }

    void onlyCapitalAlphaWithTonosDiffersBetweenThePages() {
        for (int b = 0xC1; b <= 0xFE; ++b)
            if (b != 0xD2)
                QCOMPARE(DecodeByte(CodePage::Windows1253, b), DecodeByte(CodePage::Iso8859_7, b));
        QCOMPARE(EncodeChar(CodePage::Windows1253, QChar(0x0386)), 0xA2);
        QCOMPARE(EncodeChar(CodePage::Iso8859_7, QChar(0x0386)), 0xB6);
    }

    void markupKeepsWhatTheCodePageLacks() {
        QCOMPARE(EncodeForMarkup(CodePage::Iso8859_7, QStringLiteral("Α€Ω")),
                 QByteArray("\xC1\xA4\xD9"));
        QCOMPARE(EncodeForMarkup(CodePage::Windows1253, QStringLiteral("Ω中")), QByteArray("\xD9&#20013;"));
        QCOMPARE(EncodeForMarkup(CodePage::Windows1253, QString::fromUcs4(U"\U0001F600")),
                 QByteArray("&#128512;"));
    }

    void upperCaseKeepsTheTonosAndLettersWithoutACapital() {
        auto upper = [](const QString &s) {
            return DecodeText(CodePage::Windows1253, UpperCp1253(EncodeForMarkup(CodePage::Windows1253, s)));
        };
        QCOMPARE(upper(QStringLiteral("οδός")), QStringLiteral("ΟΔΌΣ"));
        QCOMPARE(upper(QStringLiteral("άέήίόύώ")), QStringLiteral("ΆΈΉΊΌΎΏ"));
        QCOMPARE(upper(QStringLiteral("ϊϋ")), QStringLiteral("ΪΫ"));
        QCOMPARE(upper(QStringLiteral("ΐΰ abc 12µ")), QStringLiteral("ΐΰ ABC 12µ"));
        QCOMPARE(upper(QStringLiteral("ΑΒΓ")), QStringLiteral("ΑΒΓ"));
    }

    void aDecimalFieldIsNormalisedToItsPattern_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        const QString two = QStringLiteral("0.##"), five = QStringLiteral("0.#####");
        QTest::newRow("trailing zero") << "12,50" << two << "12,5";
        QTest::newRow("zero decimals") << "12,00" << two << "12";
        QTest::newRow("leading zeros") << "007" << two << "7";
        QTest::newRow("round up") << "3,456" << two << "3,46";
        QTest::newRow("round down") << "3,454" << two << "3,45";
        QTest::newRow("exact half rounds away") << "3,455" << two << "3,46";
        QTest::newRow("half of 0,005") << "0,005" << two << "0,01";
        QTest::newRow("carry into whole") << "9,999" << two << "10";
        QTest::newRow("one digit") << "5" << two << "5";
        QTest::newRow("lone comma") << "," << two << ",";
        QTest::newRow("empty") << "" << two << "";
        QTest::newRow("trailing comma") << "12," << two << "12";
        QTest::newRow("leading comma") << ",5" << two << "0,5";
        QTest::newRow("seven decimals") << "1,1234567" << five << "1,12346";
        QTest::newRow("five kept") << "99,99999" << five << "99,99999";
        QTest::newRow("zero") << "0,00" << two << "0";
        QTest::newRow("pasted letters stay") << "12a" << two << "12a";
        QTest::newRow("pasted point stays") << "1.5" << two << "1.5";
        QTest::newRow("two commas stay") << "1,2,3" << two << "1,2,3";
        QTest::newRow("sign stays") << "-12" << two << "-12";
    }
    void aDecimalFieldIsNormalisedToItsPattern() {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(NormaliseDecimalText(text, pattern), expected);
    }

    void numbersAreReadOnlyInTheFormsTheFieldsAllow() {
        QCOMPARE(ReadDecimal(QStringLiteral("100,0001")).value(), 100.0001);
        QCOMPARE(ReadDecimal(QStringLiteral(",5")).value(), 0.5);
        QCOMPARE(ReadDecimal(QStringLiteral("12,")).value(), 12.0);
        QVERIFY(!ReadDecimal(QStringLiteral(",")));
        QVERIFY(!ReadDecimal(QString()));
        QVERIFY(!ReadDecimal(QStringLiteral("1.5")));
        QCOMPARE(ReadWholeNumber(QStringLiteral("01")).value(), 1);
        QVERIFY(!ReadWholeNumber(QStringLiteral("Υ")));
        QVERIFY(!ReadWholeNumber(QStringLiteral("19 8")));
    }
};

D7_TEST_MAIN(TextTest)
#include "test_text.moc"
