// ReadNumber: the header numbers and the plain samples.
#include "model/LoadPuzzle.h"

#include <QtTest>

using namespace grizzet;

class TestReadNumber : public QObject {
    Q_OBJECT

private slots:
    void numbers_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("next");  // the byte left after the number, -1 at the end

        QTest::newRow("digits, ended by a space") << QByteArray("42 x") << 42 << int('x');
        QTest::newRow("the ending byte is consumed") << QByteArray("7\n\n") << 7 << int('\n');
        QTest::newRow("stray bytes before") << QByteArray("x,;7y") << 7 << -1;
        QTest::newRow("a minus sign is skipped") << QByteArray("-5 ") << 5 << -1;
        QTest::newRow("end of file ends a number") << QByteArray("12") << 12 << -1;
        QTest::newRow("leading zeros") << QByteArray("0032767 ") << 32767 << -1;
        QTest::newRow("comment before") << QByteArray("#c 99\n42 ") << 42 << -1;
        QTest::newRow("comment inside a number") << QByteArray("1#c\n2 3") << 12 << int('3');
        QTest::newRow("CR LF after a comment ends the number")
            << QByteArray("4#c\r\n2") << 4 << int('2');
        QTest::newRow("comment up to the end of file") << QByteArray("12#no line end") << 12 << -1;
        QTest::newRow("high bytes are separators") << QByteArray("\xff\x80" "9\xfe" "1") << 9
                                                   << int('1');
    }

    void numbers()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, value);
        QFETCH(int, next);
        const std::string text = bytes.toStdString();
        MemorySource source(text);
        QCOMPARE(int(ReadNumber(source)), value);
        QCOMPARE(source.Next(), next);
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("only a comment") << QByteArray("# 12\n");
        QTest::newRow("32768") << QByteArray("32768 ");
        QTest::newRow("65536 would wrap to 0") << QByteArray("65536 ");
        QTest::newRow("many digits") << QByteArray("123456789012345678901234567890");
        QTest::newRow("too large across a comment") << QByteArray("327#c\n68 ");
    }

    void failures()
    {
        QFETCH(QByteArray, bytes);
        const std::string text = bytes.toStdString();
        MemorySource source(text);
        QVERIFY_THROWS_EXCEPTION(RunTimeFailure, ReadNumber(source));
    }

    void longRunsStayCheap()
    {
        // Megabytes of zeros, of a comment, or of digits: one pass, no growth.
        const std::string zeros = std::string(8 << 20, '0') + "3 ";
        MemorySource zeroSource(zeros);
        QCOMPARE(int(ReadNumber(zeroSource)), 3);

        const std::string comment = "#" + std::string(8 << 20, 'c') + "\n5 ";
        MemorySource commentSource(comment);
        QCOMPARE(int(ReadNumber(commentSource)), 5);

        const std::string nines(8 << 20, '9');
        MemorySource nineSource(nines);
        QVERIFY_THROWS_EXCEPTION(RunTimeFailure, ReadNumber(nineSource));
    }
};

QTEST_APPLESS_MAIN(TestReadNumber)
#include "tst_readnumber.moc"
