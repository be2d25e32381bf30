#include "alertengine/alertreader.h"

#include "alerttestutil.h"
#include "readerloader.h"

#include <QDir>
#include <QtTest>

#include <memory>

namespace {

struct RecordDeleter
{
    void operator()(AlertRecord *record) const { freeAlertRecord(record); }
};
using Record = std::unique_ptr<AlertRecord, RecordDeleter>;
using File = std::unique_ptr<FILE, int (*)(FILE *)>;

QStringList rawLines(const AlertRecord *record)
{
    QStringList lines;
    for (char **line = record->log; line && *line; ++line)
        lines << QString::fromUtf8(*line);
    return lines;
}

// What the reader made of a block, "-" for none; raw lines as count:first..last.
QString describe(const AlertRecord *r)
{
    if (!r)
        return "-";
    const QStringList raw = rawLines(r);
    return QStringLiteral("%1 %2 %3 '%4' %5:%6..%7")
        .arg(r->alertId)
        .arg(r->rule)
        .arg(r->level)
        .arg(r->comment)
        .arg(raw.size())
        .arg(raw.value(0), raw.value(raw.size() - 1));
}

// Every block of the stream until its end.
QStringList readAll(FILE *stream)
{
    QStringList blocks;
    do
        blocks << describe(Record(readAlertBlock(stream)).get());
    while (!readerloader::atEnd(stream));
    return blocks;
}

File openFile(const QString &path)
{
    return File(fopen(qPrintable(path), "r"), fclose);
}

QByteArray block(const QByteArray &id, const QByteArray &ruleLine, const QByteArrayList &raw = { "raw" })
{
    TestAlert alert;
    alert.id = id;
    alert.dateLine = "2024 Mar 05 10:11:12 host->file";
    alert.ruleLine = ruleLine;
    alert.raw = raw;
    return alertBlock(alert);
}

const QByteArray RULE = "Rule: 1 (level 12) -> 'x'";

} // namespace

class TestAlertReader : public QObject
{
    Q_OBJECT

private slots:
    void readsTheDataFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("LF") << dataFile("two_blocks.log");
        QTest::newRow("CRLF") << dataFile("two_blocks_crlf.log");
    }

    void readsTheDataFiles()
    {
        QFETCH(QString, file);
        File stream = openFile(file);
        Record first(readAlertBlock(stream.get()));
        QVERIFY(first);
        QCOMPARE(QStringList({ first->date, first->location, first->srcIp, first->dstIp, first->user }),
            QStringList({ "2024 Mar 05 10:11:12", "zorva-pc->/var/log/auth.log", "10.0.0.7", "192.168.1.10",
                "root" }));
        QCOMPARE(QList<int>({ first->srcPort, first->dstPort }), QList<int>({ 52211, 22 }));
        QVERIFY(!first->group);
        QCOMPARE(readAll(stream.get()),
            QStringList({ "1709633532.1002 31103 15 'SQL injection attempt.' 3:Mar  5 10:12:12 GET "
                          "/index.php?id=1%27+OR+1=1.." }));
    }

    void blocks_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("blocks");
        const QByteArray next = block("2", RULE);
        QTest::newRow("empty file") << QByteArray() << QStringList { "-" };
        QTest::newRow("unfinished last block")
            << block("1", RULE) + block("2", RULE).chopped(1) << QStringList { "1 1 12 'x' 2:raw..", "-" };
        QTest::newRow("noise before the header")
            << "noise\n** Alert without colon\n** Alert\n** Alert 1: first\n" + next
            << QStringList { "2 1 12 'x' 2:raw.." };
        QTest::newRow("date line without colon")
            << "** Alert 1: x\n2024 Mar 05 host\nraw\n\n" + next << QStringList { "-", "2 1 12 'x' 2:raw.." };
        QTest::newRow("date line without location") << "** Alert 1: x\n2024 Mar 05 10:11:12\nraw\n\n" + next
                                                    << QStringList { "-", "2 1 12 'x' 2:raw.." };
        QTest::newRow("inner apostrophe") << block("1", "Rule: 31101 (level 12) -> 'It's a test'")
                                          << QStringList { "1 31101 12 'It's a test' 2:raw.." };
        QTest::newRow("empty comment")
            << block("1", "Rule: 7 (level 3) -> ''") << QStringList { "1 7 3 '' 2:raw.." };
        // Numbers are stored in 32 bits whatever their size.
        QTest::newRow("huge numbers") << block("1", "Rule: 99999999999 (level 4294967308) -> 'x'")
                                      << QStringList { "1 1215752191 12 'x' 2:raw.." };
        for (const char *rule :
            { "Rule: 3 (level 12) -> 'open", "Rule: 3 (level 12) -> text", "Rule: 3", "Rule: 3 (level" })
            QTest::newRow(rule) << block("1", rule) << QStringList { "-", "-" };
        // A header with a NUL byte after its colon closes the block before and
        // is handed back whole, or the block it opens would be lost.
        QTest::newRow("NUL bytes") << block("1", RULE, { QByteArray("ab\0cd", 5) })
                + QByteArray("** Alert 2: gr\0oup\n", 19) + "2024 Mar 05 10:11:12 host->x\n" + RULE
                + "\nraw\n\n" << QStringList { "1 1 12 'x' 2:ab..", "2 1 12 'x' 2:raw.." };
        // At the end of the file the separator is the 151st raw line, past the
        // ones kept; the block is complete all the same.
        QByteArrayList lines;
        for (int i = 0; i < 150; ++i)
            lines << "line " + QByteArray::number(i);
        QTest::newRow("150 raw lines")
            << block("1", RULE, lines) << QStringList { "1 1 12 'x' 100:line 0..line 99" };
        QTest::newRow("150 raw lines, unfinished")
            << block("1", RULE, lines).chopped(1) << QStringList { "-" };
    }

    void blocks()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, blocks);
        QTemporaryDir dir;
        File stream = openFile(writeTestFile(dir, "log", content));
        QCOMPARE(readAll(stream.get()), blocks);
    }

    void numbersAndRepeatedFields()
    {
        // Ports read as strtol does; a repeated field keeps its last value.
        QTemporaryDir dir;
        for (const char *port : { "abc", "  42x", "-7", "4294967297", "-99999999999999999999999", "" }) {
            File stream = openFile(writeTestFile(dir, "log",
                block("1", RULE,
                    { QByteArray("Src Port: ") + port, QByteArray("Dst Port: ") + port, "User: first",
                        "User: second", "Src IP: a", "Src IP: b" })));
            Record record(readAlertBlock(stream.get()));
            QVERIFY(record);
            const int32_t expected = static_cast<int32_t>(strtol(port, nullptr, 10));
            QCOMPARE(QList<int>({ record->srcPort, record->dstPort }), QList<int>({ expected, expected }));
            QCOMPARE(QStringList({ record->user, record->srcIp }), QStringList({ "second", "b" }));
        }
    }

    void aGrowingBlockIsReadOnceComplete()
    {
        // The failed attempt must clear the end-of-file state.
        QTemporaryDir dir;
        const QString path = writeTestFile(dir, "log", block("7", RULE).chopped(1));
        File stream = openFile(path);
        QVERIFY(!Record(readAlertBlock(stream.get())));
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append) && file.write("\n") == 1);
        file.close();
        fseek(stream.get(), 0, SEEK_SET);
        QCOMPARE(readAll(stream.get()), QStringList { "7 1 12 'x' 2:raw.." });
    }

    void dropsTheRestOfOverlongLines()
    {
        // Log lines carry attacker-written text; what runs past the buffer must
        // not read as a Rule, address or header line of its own.
        const QByteArray pad(ALERT_LINE_MAX - 1, 'x');
        QTemporaryDir dir;
        File stream = openFile(writeTestFile(dir, "log",
            block("1", "Rule: 100 (level 15) -> 'real'",
                { "Src IP: 10.0.0.7", "User: " + pad, pad + "Rule: 1 (level 3) -> 'hidden'",
                    pad + "Src IP: 6.6.6.6", pad + "** Alert 9: forged", pad, "last" })
                + block("2", RULE) + "** Alert 3: " + pad + "\n2024 Mar 05 10:11:12 h->f\n\n"));
        Record record(readAlertBlock(stream.get()));
        QVERIFY(record);
        QCOMPARE(describe(record.get()), "1 100 15 'real' 6:" + pad + "..");
        QCOMPARE(record->srcIp, "10.0.0.7");
        QCOMPARE(strlen(record->user), size_t(ALERT_LINE_MAX - 1 - 6));
        // Each long line keeps its first bytes; the line feed right after does
        // not become an empty line either.
        QCOMPARE(rawLines(record.get()).mid(3), QStringList({ pad, "last", "" }));
        // A closing header that is itself overlong is handed back whole.
        QCOMPARE(readAll(stream.get()), QStringList({ "2 1 12 'x' 2:raw..", "3 0 0 '' 1:.." }));
    }

    void pipeCannotHandBackAHeader()
    {
        int fds[2];
        QCOMPARE(pipe(fds), 0);
        const QByteArray content = block("1", RULE) + block("2", RULE) + block("3", RULE);
        QCOMPARE(write(fds[1], content.constData(), size_t(content.size())), ssize_t(content.size()));
        close(fds[1]);
        // The first block ends at a header that cannot be pushed back, which costs
        // the second block its header too; the last one ends with the data.
        File stream(fdopen(fds[0], "r"), fclose);
        QCOMPARE(readAll(stream.get()), QStringList({ "-", "3 1 12 'x' 2:raw.." }));
    }

    void queue()
    {
        AlertFileQueue queue = {};
        setAlertQueueFileName(&queue);
        QCOMPARE(queue.fileName, "/var/log/tarvix/logs/alerts/alerts.log");
        // A stream queue without a stream and without READ_ALL is not available.
        QCOMPARE(openAlertQueue(&queue, ALERT_QUEUE_STREAM), 0);

        QTemporaryDir dir;
        const QString savedDir = QDir::currentPath();
        QDir::setCurrent(dir.path()); // no "<stdin>" file here
        const QString path
            = writeTestFile(dir, "log", block("1", RULE) + block("2", RULE) + block("3", RULE));
        queue.stream = fopen(qPrintable(path), "r");
        QVERIFY(Record(readAlertBlock(queue.stream)));
        time_t now = 1709633472;
        struct tm t;
        localtime_r(&now, &t);
        QCOMPARE(initAlertQueue(&queue, &t, ALERT_QUEUE_READ_ALL | ALERT_QUEUE_STREAM), 0);
        QCOMPARE(QStringList({ queue.fileName, queue.month }), QStringList({ "<stdin>", "Mar" }));
        QCOMPARE(queue.year, 2024);
        QCOMPARE(queue.lastChange, QFileInfo(path).lastModified().toSecsSinceEpoch());
        QStringList read;
        for (int i = 0; i < 3; ++i)
            read << describe(Record(nextAlertFromQueue(&queue, &t, 1)).get());
        QCOMPARE(read, QStringList({ "2 1 12 'x' 2:raw..", "3 1 12 'x' 2:raw..", "-" }));
        // Once the reader gives none the queue reopens by name, closing its stream.
        QVERIFY(!queue.stream);
        QDir::setCurrent(savedDir);

        int fds[2];
        QCOMPARE(pipe(fds), 0);
        queue.stream = fdopen(fds[0], "r");
        const QByteArray written
            = captureStream(1, [&] { QCOMPARE(initAlertQueue(&queue, &t, ALERT_QUEUE_STREAM), -1); });
        QCOMPARE(written, QByteArray("Seek error: <stdin> 29 Illegal seek\n"));
        QVERIFY(!queue.stream);
        close(fds[1]);
    }
};

QTEST_GUILESS_MAIN(TestAlertReader)
#include "tst_alertreader.moc"
