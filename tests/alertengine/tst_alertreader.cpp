// The block reader, and the snapshot scanner held to the plain loader built on it (readerloader.h).

#include "alertengine/alertreader.h"

#include "alerttestutil.h"
#include "readerloader.h"

#include <QtTest>

#include <memory>
#include <random>

namespace {

using Record = std::unique_ptr<AlertRecord, void (*)(AlertRecord *)>;
using File = std::unique_ptr<FILE, int (*)(FILE *)>;

Record read(FILE *stream)
{
    return Record(readAlertBlock(stream), freeAlertRecord);
}

QStringList rawLines(const AlertRecord *record)
{
    QStringList lines;
    for (char **line = record->log; line && *line; ++line)
        lines << QString::fromUtf8(*line);
    return lines;
}

// What the reader made of every block until the end: "id rule level
// 'comment' raw-count:first..last", "-" for a failed block.
QStringList readAll(FILE *stream)
{
    QStringList blocks;
    do {
        const Record r = read(stream);
        const QStringList raw = r ? rawLines(r.get()) : QStringList();
        blocks << (r ? QString::asprintf("%s %d %d '%s' %d:", r->alertId, r->rule, r->level,
                           r->comment ? r->comment : "", int(raw.size()))
                    + raw.value(0) + ".." + raw.value(raw.size() - 1)
                     : "-");
    } while (!readerloader::atEnd(stream));
    return blocks;
}

File openFile(const QString &path)
{
    return File(fopen(qPrintable(path), "r"), fclose);
}

// The messages and list of the scanner, or of the plain loader, as one text.
QByteArray loaded(const std::string &path, bool scanner)
{
    std::vector<loginfo> list;
    const QByteArray messages = captureStream(2, [&] {
        if (scanner) {
            loadAlertLog(path, list);
            return;
        }
        File file = openFile(QString::fromStdString(path));
        readerloader::load(file.get(), path, list);
    });
    // perror adds the text of whatever errno holds; only the message counts.
    QByteArray text
        = QString::fromLatin1(messages)
              .replace(QRegularExpression("^(Date or location already set|Invalid date or location): .*$",
                           QRegularExpression::MultilineOption),
                  "\\1")
              .toLatin1();
    for (const loginfo &alert : list)
        text += QByteArray::fromStdString(readerloader::describe(alert)) + '\n';
    return text;
}

// Empty when the scanner and the plain loader agree on content, else where they part.
QByteArray loaderDifference(const QByteArray &content)
{
    QTemporaryDir dir;
    const std::string path = writeTestFile(dir, "compared.log", content).toStdString();
    const QByteArray scanned = loaded(path, true), read = loaded(path, false);
    const int at = int(
        std::mismatch(scanned.begin(), scanned.end(), read.begin(), read.end()).first - scanned.begin());
    return scanned == read ? QByteArray() : scanned.mid(at, 300) + " <> " + read.mid(at, 300);
}

// Edits of the kinds that break blocks: stray line ends, NUL bytes, cut or repeated stretches, lines around
// the buffer's size whose rest poses as a field or a header, a truncated end, an inserted block.
QByteArray mutate(QByteArray content, std::mt19937 &random)
{
    static const char bytes[] = { '\n', '\0', '\r', ' ', ':', '\'', '-', '7' };
    static const char *const rests[]
        = { "Rule: 1 (level 3) -> 'x'\n", "Src IP: 6.6.6.6\n", "** Alert 9: forged\n", "\n", "" };
    for (int edits = 1 + int(random() % 6); edits > 0 && !content.isEmpty(); --edits) {
        const int at = int(random() % uint32_t(content.size()));
        const int kind = int(random() % 6);
        if (kind == 0)
            content[at] = bytes[random() % sizeof(bytes)];
        else if (kind == 1)
            content.remove(at, 1 + int(random() % 200));
        else if (kind == 2)
            content.insert(
                at, content.mid(int(random() % uint32_t(content.size())), 1 + int(random() % 400)));
        else if (kind == 3)
            content.insert(content.lastIndexOf('\n', at) + 1,
                QByteArray(ALERT_LINE_MAX - 3 + int(random() % 5), 'p') + rests[random() % 5]);
        else if (kind == 4)
            content.truncate(at);
        else
            content.insert(at, "\n" + block("5.5", "2024 Mar 05 10:11:12", "Rule: 3 (level 13) -> 'y'"));
    }
    return content;
}

const QByteArray DATE = "2024 Mar 05 10:11:12";
const QByteArray RULE = "Rule: 1 (level 12) -> 'x'";

} // namespace

class TestAlertReader : public QObject
{
    Q_OBJECT

private slots:
    void blocks_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("blocks");
        const QByteArray next = block("2", DATE, RULE);
        const QString read = "2 1 12 'x' 2:raw..";
        QByteArrayList lines;
        for (int i = 0; i < 150; ++i)
            lines << "line " + QByteArray::number(i);
        const QList<QPair<QByteArray, QStringList>> rows = { { QByteArray(), { "-" } },
            { block("1", DATE, RULE) + next.chopped(1),
                { "1 1 12 'x' 2:raw..", "-" } }, // still being written
            { "noise\n** Alert without colon\n** Alert\n** Alert 1: first\n" + next, { read } },
            { "** Alert 1: x\n2024 Mar 05 host\nraw\n\n" + next, { "-", read } },
            { "** Alert 1: x\n2024 Mar 05 10:11:12\nraw\n\n" + next, { "-", read } },
            { block("1", DATE, "Rule: 31101 (level 12) -> 'It's a test'"),
                { "1 31101 12 'It's a test' 2:raw.." } },
            { block("1", DATE, "Rule: 7 (level 3) -> ''"), { "1 7 3 '' 2:raw.." } },
            // Numbers are stored in 32 bits whatever their size.
            { block("1", DATE, "Rule: 99999999999 (level 4294967308) -> 'x'"),
                { "1 1215752191 12 'x' 2:raw.." } },
            { block("1", DATE, "Rule: 3 (level 12) -> 'open"), { "-", "-" } },
            { block("1", DATE, "Rule: 3 (level 12) -> text"), { "-", "-" } },
            { block("1", DATE, "Rule: 3"), { "-", "-" } },
            { block("1", DATE, "Rule: 3 (level"), { "-", "-" } },
            // A header with a NUL byte after its colon closes the block before
            // and is handed back whole, or the block it opens would be lost.
            { block("1", DATE, RULE, { QByteArray("ab\0cd", 5) }) + QByteArray("** Alert 2: gr\0oup\n", 19)
                    + next.mid(next.indexOf('\n') + 1),
                { "1 1 12 'x' 2:ab..", read } },
            // At the end the separator is the 151st raw line, past the ones kept: complete all the same.
            { block("1", DATE, RULE, lines), { "1 1 12 'x' 100:line 0..line 99" } },
            { block("1", DATE, RULE, lines).chopped(1), { "-" } } };
        int number = 0;
        for (const auto &row : rows)
            QTest::addRow("%d", number++) << row.first << row.second;
    }

    void blocks()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, blocks);
        QTemporaryDir dir;
        File stream = openFile(writeTestFile(dir, "log", content));
        QCOMPARE(readAll(stream.get()), blocks);
        QCOMPARE(loaderDifference(content), QByteArray());
    }

    void readsTheDataFiles()
    {
        for (const char *name : { "two_blocks.log", "two_blocks_crlf.log" }) {
            File stream = openFile(dataFile(name));
            const Record first = read(stream.get());
            QVERIFY(first);
            QCOMPARE(QStringList({ first->date, first->location, first->srcIp, first->dstIp, first->user }),
                QStringList({ DATE, "zorva-pc->/var/log/auth.log", "10.0.0.7", "192.168.1.10", "root" }));
            QCOMPARE(QList<int>({ first->srcPort, first->dstPort, first->group ? 1 : 0 }),
                QList<int>({ 52211, 22, 0 }));
            QCOMPARE(readAll(stream.get()),
                QStringList("1709633532.1002 31103 15 'SQL injection attempt.' 3:Mar  5 10:12:12 GET "
                            "/index.php?id=1%27+OR+1=1.."));
        }
    }

    void numbersAndRepeatedFields()
    {
        // Ports read as strtol does, stored in 32 bits; a repeated field keeps its last value.
        QTemporaryDir dir;
        for (const char *port :
            { "abc", "  42x", "-7", "+8", "4294967297", "-99999999999999999999999", "" }) {
            File stream = openFile(writeTestFile(dir, "log",
                block("1", DATE, RULE,
                    { QByteArray("Src Port: ") + port, QByteArray("Dst Port: ") + port, "User: a",
                        "User: b" })));
            const Record record = read(stream.get());
            const int expected = int(strtol(port, nullptr, 10));
            QCOMPARE(QList<int>({ record->srcPort, record->dstPort }), QList<int>({ expected, expected }));
            QCOMPARE(record->user, "b");
        }
    }

    void aGrowingBlockIsReadOnceComplete()
    {
        // The failed attempt must clear the end-of-file state.
        QTemporaryDir dir;
        const QString path = writeTestFile(dir, "log", block("7", DATE, RULE).chopped(1));
        File stream = openFile(path);
        QVERIFY(!read(stream.get()) && !feof(stream.get()));
        writeTestFile(dir, "log", block("7", DATE, RULE)); // the same file, now complete
        fseek(stream.get(), 0, SEEK_SET);
        QCOMPARE(readAll(stream.get()), QStringList("7 1 12 'x' 2:raw.."));
    }

    void dropsTheRestOfOverlongLines()
    {
        // Attacker-written text that runs past the buffer must not read as a line of its own.
        const QByteArray pad(ALERT_LINE_MAX - 1, 'x');
        const QByteArray content
            = block("1", DATE, "Rule: 100 (level 15) -> 'real'",
                  { "Src IP: 10.0.0.7", "User: " + pad, pad + "Rule: 1 (level 3) -> 'hidden'",
                      pad + "Src IP: 6.6.6.6", pad + "** Alert 9: forged", pad, "last" })
            + block("2", DATE, RULE) + "** Alert 3: " + pad + "\n" + DATE + " h->f\n\n";
        QTemporaryDir dir;
        File stream = openFile(writeTestFile(dir, "log", content));
        const Record record = read(stream.get());
        QVERIFY(record);
        QCOMPARE(QStringList({ record->comment, record->srcIp }), QStringList({ "real", "10.0.0.7" }));
        QCOMPARE(record->level, 15);
        QCOMPARE(strlen(record->user), size_t(ALERT_LINE_MAX - 1 - 6));
        // Each long line keeps its first bytes; the line feed after it is no empty line.
        QCOMPARE(rawLines(record.get()), QStringList({ pad, pad, pad, pad, "last", "" }));
        // A closing header that is itself overlong is handed back whole.
        QCOMPARE(readAll(stream.get()), QStringList({ "2 1 12 'x' 2:raw..", "3 0 0 '' 1:.." }));
        QCOMPARE(loaderDifference(content), QByteArray());
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
        const QString path = writeTestFile(
            dir, "log", block("1", DATE, RULE) + block("2", DATE, RULE) + block("3", DATE, RULE));
        queue.stream = fopen(qPrintable(path), "r");
        QVERIFY(read(queue.stream));
        const time_t now = 1709633472;
        struct tm t;
        localtime_r(&now, &t);
        QCOMPARE(initAlertQueue(&queue, &t, ALERT_QUEUE_READ_ALL | ALERT_QUEUE_STREAM), 0);
        QCOMPARE(QStringList({ queue.fileName, queue.month }), QStringList({ "<stdin>", "Mar" }));
        QCOMPARE(QList<qint64>({ queue.year, queue.lastChange }),
            QList<qint64>({ 2024, QFileInfo(path).lastModified().toSecsSinceEpoch() }));
        QList<bool> read;
        for (int i = 0; i < 3; ++i)
            read << Record(nextAlertFromQueue(&queue, &t, 1), freeAlertRecord).operator bool();
        QCOMPARE(read, QList<bool>({ true, true, false }));
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

    // The scanner and the plain loader agree on every data file and on
    // generated and mutated logs; a malformed block costs only itself.
    void scannerMatchesTheReader()
    {
        std::vector<QByteArray> logs;
        for (const QFileInfo &file : QDir(TARVIX_TEST_DATA_DIR "/alerts").entryInfoList(QDir::Files))
            logs.push_back(readTestFile(file.filePath()));
        const QByteArray mixed = generatedLog({ "--count", "300", "--days", "30", "--seed", "11" });
        const QByteArray kept
            = generatedLog({ "--count", "300", "--days", "30", "--seed", "12", "--min-level", "12" });
        // A dozen scanner reads, each cutting a line, and a line running on over several into a Rule.
        logs.insert(logs.end(),
            { mixed, kept, generatedLog({ "--count", "3000", "--days", "30", "--seed", "13" }),
                QByteArray(kept).insert(kept.indexOf("\nRule: ", 100000) + 1, QByteArray(300000, 'q')) });
        std::mt19937 random(42);
        for (int i = 0; i < 400; ++i)
            logs.push_back(mutate(i % 2 ? mixed : kept, random));
        for (size_t i = 0; i < logs.size(); ++i) {
            const QByteArray difference = loaderDifference(logs[i]);
            QVERIFY2(
                difference.isEmpty(), qPrintable("log " + QByteArray::number(int(i)) + ": " + difference));
        }

        // A copy: the snapshot checks refuse a checkout others may write.
        QTemporaryDir dir;
        const std::string path
            = writeTestFile(dir, "malformed.log", readTestFile(dataFile("malformed_middle.log")))
                  .toStdString();
        std::vector<loginfo> list;
        const QByteArray message = captureStream(2, [&] { loadAlertLog(path, list); });
        QCOMPARE(list.size(), size_t(2));
        QCOMPARE(QStringList({ list[0].alertId.c_str(), list[1].alertId.c_str() }),
            QStringList({ "1709633472.1001", "1709633532.1002" }));
        QVERIFY2(message.contains("Skipped a malformed alert block in " + QByteArray(path.c_str())), message);
    }
};

QTEST_GUILESS_MAIN(TestAlertReader)
#include "tst_alertreader.moc"
