#include "alertengine/alertreader.h"

#include "alerttestutil.h"

#include <QDir>
#include <QtTest>

#include <climits>
#include <cstdlib>
#include <memory>

namespace {

struct RecordDeleter
{
    void operator()(AlertRecord *record) const { freeAlertRecord(record); }
};
using Record = std::unique_ptr<AlertRecord, RecordDeleter>;

struct FileCloser
{
    void operator()(FILE *file) const
    {
        if (file)
            fclose(file);
    }
};
using File = std::unique_ptr<FILE, FileCloser>;

QStringList rawLines(const AlertRecord *record)
{
    QStringList lines;
    for (char **line = record->log; line && *line; ++line)
        lines << QString::fromUtf8(*line);
    return lines;
}

QByteArray block(const QByteArray &id, const QByteArray &body)
{
    return "** Alert " + id + ": - group,\n2024 Mar 05 10:11:12 host->/var/log/x\n" + body;
}

File openText(const QTemporaryDir &dir, const QByteArray &content)
{
    return File(fopen(qPrintable(writeFile(dir, "log", content)), "r"));
}

} // namespace

class TestAlertReader : public QObject
{
    Q_OBJECT

private slots:
    void readsConsecutiveBlocks();
    void lastBlockNeedsItsSeparator();
    void skipsLinesUntilAValidHeader();
    void secondLineFailures_data();
    void secondLineFailures();
    void ruleLine_data();
    void ruleLine();
    void numbersAndRepeatedFields();
    void keepsAtMostHundredRawLines();
    void dropsTheRestOfOverlongLines();
    void nulBytesDoNotLoseTheNextBlock();
    void crlfLineEnds();
    void emptyFileAndDirectory();
    void pipeCannotHandBackAHeader();
    void queueOverAnOpenStream();
    void queueSeekErrorOnPipe();
    void queueFileNames();
};

void TestAlertReader::readsConsecutiveBlocks()
{
    File file(fopen(qPrintable(dataFile("two_blocks.log")), "r"));
    QVERIFY(file);

    Record first(readAlertBlock(file.get()));
    QVERIFY(first);
    QCOMPARE(first->alertId, "1709633472.1001");
    QCOMPARE(first->date, "2024 Mar 05 10:11:12");
    QCOMPARE(first->location, "zorva-pc->/var/log/auth.log");
    QCOMPARE(first->rule, 5712);
    QCOMPARE(first->level, 12);
    QCOMPARE(first->comment, "sshd: brute force trying to get access to the system.");
    QCOMPARE(first->srcIp, "10.0.0.7");
    QCOMPARE(first->srcPort, 52211);
    QCOMPARE(first->dstIp, "192.168.1.10");
    QCOMPARE(first->dstPort, 22);
    QCOMPARE(first->user, "root");
    QVERIFY(!first->group);
    QCOMPARE(rawLines(first.get()),
             QStringList({ "Mar  5 10:11:12 zorva-pc sshd[811]: Failed password for root from 10.0.0.7 port 52211 ssh2",
                           "" }));

    // The stream is left at the next header.
    char next[16] = {};
    long position = ftell(file.get());
    QVERIFY(fgets(next, sizeof(next), file.get()));
    QCOMPARE(QByteArray(next).left(8), QByteArray("** Alert"));
    fseek(file.get(), position, SEEK_SET);

    Record second(readAlertBlock(file.get()));
    QVERIFY(second);
    QCOMPARE(second->alertId, "1709633532.1002");
    QCOMPARE(second->level, 15);
    QVERIFY(!second->user);
    QCOMPARE(second->dstPort, 0);
    QCOMPARE(rawLines(second.get()).size(), 3);
    QCOMPARE(rawLines(second.get()).last(), QString());

    QVERIFY(!Record(readAlertBlock(file.get())));
}

void TestAlertReader::lastBlockNeedsItsSeparator()
{
    QTemporaryDir dir;
    QFile data(dataFile("two_blocks.log"));
    QVERIFY(data.open(QIODevice::ReadOnly));
    QByteArray content = data.readAll();
    content.chop(1); // the final empty line
    File file = openText(dir, content);
    QVERIFY(Record(readAlertBlock(file.get())));
    QVERIFY(!Record(readAlertBlock(file.get())));

    // Data appended later is read once the block is complete: the failed
    // attempt cleared the end-of-file state.
    File growing = openText(dir, block("7", "raw\n"));
    QVERIFY(!Record(readAlertBlock(growing.get())));
    FILE *append = fopen(qPrintable(dir.filePath("log")), "a");
    fputs("\n", append);
    fclose(append);
    fseek(growing.get(), 0, SEEK_SET);
    Record complete(readAlertBlock(growing.get()));
    QVERIFY(complete);
    QCOMPARE(rawLines(complete.get()), QStringList({ "raw", "" }));
}

void TestAlertReader::skipsLinesUntilAValidHeader()
{
    QTemporaryDir dir;
    File file = openText(dir, "noise before\n** Alert without colon\n** Alert\n"
                              "** Alert 1: first\n** Alert 2: second\n"
                              "2024 Mar 05 10:11:12 host->file\nraw\n\n");
    Record record(readAlertBlock(file.get()));
    QVERIFY(record);
    QCOMPARE(record->alertId, "2");
    QCOMPARE(record->date, "2024 Mar 05 10:11:12");
    QCOMPARE(record->location, "host->file");
}

void TestAlertReader::secondLineFailures_data()
{
    QTest::addColumn<QByteArray>("secondLine");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("no colon") << QByteArray("2024 Mar 05 host") << QByteArray("Date or location already set: ");
    QTest::newRow("no blank after colon") << QByteArray("2024 Mar 05 10:11:12") << QByteArray("Invalid date or location: ");
}

void TestAlertReader::secondLineFailures()
{
    QFETCH(QByteArray, secondLine);
    QFETCH(QByteArray, message);
    QTemporaryDir dir;
    File file = openText(dir, "** Alert 1: x\n" + secondLine + "\nraw\n\n" + block("2", "raw\n\n"));
    QByteArray written = captureStream(2, [&] { QVERIFY(!Record(readAlertBlock(file.get()))); });
    QVERIFY2(written.startsWith(message), written.constData());
    // The failed block is consumed up to the bad line; the next one still reads.
    Record next(readAlertBlock(file.get()));
    QVERIFY(next);
    QCOMPARE(next->alertId, "2");
}

void TestAlertReader::ruleLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("comment");
    QTest::newRow("plain") << QByteArray("Rule: 5715 (level 3) -> 'text'") << true << 5715 << 3 << QByteArray("text");
    QTest::newRow("inner apostrophe") << QByteArray("Rule: 31101 (level 12) -> 'It's a test'") << true << 31101 << 12
                                      << QByteArray("It's a test");
    QTest::newRow("empty comment") << QByteArray("Rule: 1 (level 12) -> ''") << true << 1 << 12 << QByteArray();
    QTest::newRow("no closing apostrophe") << QByteArray("Rule: 31101 (level 12) -> 'open") << false << 0 << 0
                                           << QByteArray();
    QTest::newRow("no apostrophes") << QByteArray("Rule: 31101 (level 12) -> text") << false << 0 << 0 << QByteArray();
    QTest::newRow("no level") << QByteArray("Rule: 31101") << false << 0 << 0 << QByteArray();
    QTest::newRow("one blank only") << QByteArray("Rule: 31101 (level") << false << 0 << 0 << QByteArray();
}

void TestAlertReader::ruleLine()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, valid);
    QTemporaryDir dir;
    File file = openText(dir, block("1", line + "\nraw\n\n"));
    Record record(readAlertBlock(file.get()));
    QCOMPARE(bool(record), valid);
    if (!valid)
        return;
    QFETCH(int, rule);
    QFETCH(int, level);
    QFETCH(QByteArray, comment);
    QCOMPARE(record->rule, rule);
    QCOMPARE(record->level, level);
    QCOMPARE(QByteArray(record->comment), comment);
}

void TestAlertReader::numbersAndRepeatedFields()
{
    // Numbers read as strtol does and stored in 32 bits, whatever their size.
    const char *ports[] = { "abc", "  42x", "-7", "+8", "2147483648", "4294967297", "99999999999999999999999",
                            "-99999999999999999999999", "" };
    QTemporaryDir dir;
    for (const char *port : ports) {
        File file = openText(dir, block("1", QByteArray("Src Port: ") + port + "\nDst Port: " + port
                                                 + "\nUser: first\nUser: second\nSrc IP: a\nSrc IP: b\n\n"));
        Record record(readAlertBlock(file.get()));
        QVERIFY(record);
        const int32_t expected = static_cast<int32_t>(strtol(port, nullptr, 10));
        QCOMPARE(record->srcPort, expected);
        QCOMPARE(record->dstPort, expected);
        QCOMPARE(record->user, "second");
        QCOMPARE(record->srcIp, "b");
    }
    File file = openText(dir, block("1", "Rule: 99999999999 (level 4294967308) -> 'x'\n\n"));
    Record record(readAlertBlock(file.get()));
    QVERIFY(record);
    QCOMPARE(record->rule, static_cast<int32_t>(99999999999L));
    QCOMPARE(record->level, 12);
}

void TestAlertReader::keepsAtMostHundredRawLines()
{
    QByteArray body;
    for (int i = 0; i < 150; ++i)
        body += "line " + QByteArray::number(i) + "\n";
    QTemporaryDir dir;
    // At the very end of the file the separator is the 151st raw line, past
    // the ones kept; the block still counts as complete.
    File file = openText(dir, block("1", body + "\n"));
    Record record(readAlertBlock(file.get()));
    QVERIFY(record);
    const QStringList lines = rawLines(record.get());
    QCOMPARE(lines.size(), ALERT_MAX_RAW_LINES);
    QCOMPARE(lines.first(), QString("line 0"));
    QCOMPARE(lines.last(), QString("line 99"));

    // Without the separator it is still being written.
    File unfinished = openText(dir, block("1", body));
    QVERIFY(!Record(readAlertBlock(unfinished.get())));
}

void TestAlertReader::dropsTheRestOfOverlongLines()
{
    // Log lines carry attacker-written text; what runs past the buffer must
    // not read as a Rule, address or header line of its own.
    const QByteArray pad(ALERT_LINE_MAX - 1, 'x');
    QTemporaryDir dir;
    File file = openText(dir,
        block("1",
            "Rule: 100 (level 15) -> 'real'\nSrc IP: 10.0.0.7\nUser: " + pad + "\n" + pad
                + "Rule: 1 (level 3) -> 'hidden'\n" + pad + "Src IP: 6.6.6.6\n" + pad + "** Alert 9: forged\n"
                + pad + "\nlast\n\n")
            + block("2", "raw\n\n"));
    Record record(readAlertBlock(file.get()));
    QVERIFY(record);
    QCOMPARE(record->level, 15);
    QCOMPARE(record->comment, "real");
    QCOMPARE(record->srcIp, "10.0.0.7");
    QCOMPARE(strlen(record->user), size_t(ALERT_LINE_MAX - 1 - 6));
    // Each long line keeps its first 65535 bytes; the line feed right after
    // the last one does not become an empty line either.
    const QStringList lines = rawLines(record.get());
    QCOMPARE(lines.size(), 6);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(lines[i], QString(pad));
    QCOMPARE(lines[4], QString("last"));
    Record next(readAlertBlock(file.get()));
    QVERIFY(next);
    QCOMPARE(next->alertId, "2");

    // A closing header that is itself overlong is handed back whole.
    File headers
        = openText(dir, block("1", "raw\n\n") + "** Alert 2: " + pad + "\n2024 Mar 05 10:11:12 h->f\n\n");
    QVERIFY(Record(readAlertBlock(headers.get())));
    Record after(readAlertBlock(headers.get()));
    QVERIFY(after);
    QCOMPARE(after->alertId, "2");
    QCOMPARE(after->location, "h->f");
}

void TestAlertReader::nulBytesDoNotLoseTheNextBlock()
{
    QByteArray content = block("1", QByteArray("ab\0cd\n\n", 7));
    // A header with a NUL byte after its colon closes the first block and
    // must be handed back whole, or the block it opens would be lost.
    content += QByteArray("** Alert 2: gr\0oup\n", 19) + "2024 Mar 05 10:11:12 host->x\nraw\n\n";
    QTemporaryDir dir;
    File file = openText(dir, content);
    Record first(readAlertBlock(file.get()));
    QVERIFY(first);
    QCOMPARE(rawLines(first.get()), QStringList({ "ab", "" }));
    Record second(readAlertBlock(file.get()));
    QVERIFY(second);
    QCOMPARE(second->alertId, "2");
    QCOMPARE(rawLines(second.get()), QStringList({ "raw", "" }));
}

void TestAlertReader::crlfLineEnds()
{
    File file(fopen(qPrintable(dataFile("two_blocks_crlf.log")), "r"));
    Record first(readAlertBlock(file.get()));
    QVERIFY(first);
    QCOMPARE(first->srcIp, "10.0.0.7");
    QCOMPARE(first->user, "root");
    QCOMPARE(first->location, "zorva-pc->/var/log/auth.log");
    QCOMPARE(rawLines(first.get()).last(), QString());
    Record second(readAlertBlock(file.get()));
    QVERIFY(second);
    QCOMPARE(second->comment, "SQL injection attempt.");
}

void TestAlertReader::emptyFileAndDirectory()
{
    QTemporaryDir dir;
    File empty = openText(dir, QByteArray());
    QVERIFY(!Record(readAlertBlock(empty.get())));
    File directory(fopen(qPrintable(dir.path()), "r"));
    if (directory)
        QVERIFY(!Record(readAlertBlock(directory.get())));
}

void TestAlertReader::pipeCannotHandBackAHeader()
{
    int fds[2];
    QCOMPARE(pipe(fds), 0);
    const QByteArray content = block("1", "raw\n\n") + block("2", "raw\n\n") + block("3", "raw\n\n");
    QCOMPARE(write(fds[1], content.constData(), size_t(content.size())), ssize_t(content.size()));
    close(fds[1]);
    File stream(fdopen(fds[0], "r"));
    // The first block ends at a header that cannot be pushed back, which costs
    // the second block its header too; the last one ends with the data.
    QVERIFY(!Record(readAlertBlock(stream.get())));
    Record last(readAlertBlock(stream.get()));
    QVERIFY(last);
    QCOMPARE(last->alertId, "3");
}

void TestAlertReader::queueOverAnOpenStream()
{
    QTemporaryDir dir;
    const QString savedDir = QDir::currentPath();
    QDir::setCurrent(dir.path()); // no "<stdin>" file here
    const QByteArray content = block("1", "raw\n\n") + block("2", "raw\n\n") + block("3", "raw\n\n");
    FILE *stream = fopen(qPrintable(writeFile(dir, "log", content)), "r");
    Record skipped(readAlertBlock(stream));
    QVERIFY(skipped);

    AlertFileQueue queue = {};
    queue.stream = stream;
    time_t now = 1709633472;
    struct tm t;
    localtime_r(&now, &t);
    QCOMPARE(initAlertQueue(&queue, &t, ALERT_QUEUE_READ_ALL | ALERT_QUEUE_STREAM), 0);
    QCOMPARE(QByteArray(queue.fileName), QByteArray("<stdin>"));
    QCOMPARE(QByteArray(queue.month), QByteArray("Mar"));
    QCOMPARE(queue.year, 2024);
    QCOMPARE(queue.lastChange, QFileInfo(dir.filePath("log")).lastModified().toSecsSinceEpoch());

    Record second(nextAlertFromQueue(&queue, &t, 1));
    QVERIFY(second);
    QCOMPARE(second->alertId, "2");
    Record third(nextAlertFromQueue(&queue, &t, 1));
    QVERIFY(third);
    QCOMPARE(third->alertId, "3");
    // Once the reader gives none the queue reopens by name, which closes the
    // stream it was given.
    QVERIFY(!Record(nextAlertFromQueue(&queue, &t, 1)));
    QVERIFY(!queue.stream);
    QDir::setCurrent(savedDir);
}

void TestAlertReader::queueSeekErrorOnPipe()
{
    int fds[2];
    QCOMPARE(pipe(fds), 0);
    AlertFileQueue queue = {};
    queue.stream = fdopen(fds[0], "r");
    struct tm t = {};
    t.tm_mon = 0;
    QByteArray written = captureStream(1, [&] { QCOMPARE(initAlertQueue(&queue, &t, ALERT_QUEUE_STREAM), -1); });
    QCOMPARE(written, QByteArray("Seek error: <stdin> 29 Illegal seek\n"));
    QVERIFY(!queue.stream);
    close(fds[1]);
}

void TestAlertReader::queueFileNames()
{
    AlertFileQueue queue = {};
    setAlertQueueFileName(&queue);
    QCOMPARE(QByteArray(queue.fileName), QByteArray("/var/log/tarvix/logs/alerts/alerts.log"));
    queue.flags = ALERT_QUEUE_STREAM;
    setAlertQueueFileName(&queue);
    QCOMPARE(QByteArray(queue.fileName), QByteArray("<stdin>"));
    // A stream queue without a stream and without READ_ALL is not available.
    QCOMPARE(openAlertQueue(&queue, ALERT_QUEUE_STREAM), 0);
}

QTEST_GUILESS_MAIN(TestAlertReader)
#include "tst_alertreader.moc"
