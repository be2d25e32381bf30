#include "reportdata/reportpdf.h"
#include "logging/logcategories.h"

#include "reportdata/alertfields.h"
#include "reportdata/alerttext.h"
#include "reportdata/exporttarget.h"

#include <QDebug>
#include <QGlyphRun>
#include <QHash>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>

#include <functional>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

namespace {

const int RESOLUTION = 800;
const int ROW_HEIGHT = 200;
const int FIRST_ROW = 400;
const int SOURCE_WIDTH = 5300 - 3600 - 100; // up to the time column
const char *const FONT_FAMILY = "Noto Sans CJK SC";
const size_t TEXT_CACHE_MAX = 4096;

QFont reportFont(int pointSize, int weight)
{
    QFont font(FONT_FAMILY, pointSize, weight);
    // Shaped, the font's digits come out as alternate glyphs that a PDF reader
    // cannot turn back into text: copied or searched, they would be missing.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

bool isRadical(uint code)
{
    return code >= 0x2E80 && code <= 0x2FDF;
}

// The font draws a Kangxi radical (U+2F00 to U+2FDF) or a supplementary
// radical (U+2E80 to U+2EFF) and the ideograph it looks like with one glyph,
// and the map from glyphs back to text that the PDF carries names the lowest
// code point of a glyph: copied or searched, 文 would come out as the radical
// ⽂. Each such radical is mapped to the ideograph that the report holds.
class RadicalMending
{
public:
    RadicalMending()
        : m_used(0x10000, false)
    {
    }

    void note(const QString &text)
    {
        for (QChar c : text) {
            if (c.unicode() >= 0x2E80)
                m_used[c.unicode()] = true;
        }
    }

    // Radical to ideograph, for the glyphs the report drew.
    QHash<ushort, ushort> table(const QFont &font) const
    {
        QHash<ushort, ushort> replacements;
        QString used;
        for (uint code = 0x2E80; code < 0x10000; ++code) {
            if (m_used[code] && !isRadical(code) && !QChar::isSurrogate(code))
                used += QChar(code);
        }
        if (used.isEmpty())
            return replacements;
        const QRawFont raw = QRawFont::fromFont(font);
        const QVector<quint32> usedGlyphs = raw.glyphIndexesForString(used);
        QHash<quint32, ushort> byGlyph;
        for (int i = 0; i < used.size() && i < usedGlyphs.size(); ++i) {
            if (usedGlyphs[i] != 0)
                byGlyph.insert(usedGlyphs[i], used[i].unicode());
        }
        QString radicals;
        for (uint code = 0x2E80; code <= 0x2FDF; ++code)
            radicals += QChar(code);
        const QVector<quint32> radicalGlyphs = raw.glyphIndexesForString(radicals);
        for (int i = 0; i < radicals.size(); ++i) {
            const ushort radical = radicals[i].unicode();
            const QString decomposed = radicals[i].decomposition();
            if (decomposed.size() == 1 && m_used[decomposed[0].unicode()])
                replacements.insert(radical, decomposed[0].unicode());
            else if (i < radicalGlyphs.size() && byGlyph.contains(radicalGlyphs[i]))
                replacements.insert(radical, byGlyph.value(radicalGlyphs[i]));
        }
        return replacements;
    }

private:
    std::vector<bool> m_used;
};

// Passes the PDF on to the export file, rewriting the code points of the
// glyph-to-text maps (begincmap to endcmap) with the table, each "<XXXX>" by
// one of the same length, so that every offset in the file stays right.
class ToUnicodeMending : public QIODevice
{
public:
    explicit ToUnicodeMending(QIODevice *target)
        : m_target(target)
    {
        QIODevice::open(QIODevice::WriteOnly);
    }

    void setTable(const QHash<ushort, ushort> &table) { m_table = table; }
    bool isSequential() const override { return true; }

    bool finish()
    {
        const bool written = forward(m_pending.size());
        m_pending.clear();
        return written;
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        m_pending.append(data, int(size));
        for (;;) {
            if (!m_inMap) {
                const int begin = m_pending.indexOf(BEGIN);
                if (begin < 0) {
                    // Keep what could be the start of a marker cut by this write.
                    if (!forward(qMax(0, m_pending.size() - int(qstrlen(BEGIN)) + 1)))
                        return -1;
                    return size;
                }
                if (!forward(begin))
                    return -1;
                m_inMap = true;
            }
            const int end = m_pending.indexOf(END);
            if (end < 0)
                return size;
            const int length = end + int(qstrlen(END));
            if (!m_table.isEmpty())
                mend(m_pending.data(), length);
            if (!forward(length))
                return -1;
            m_inMap = false;
        }
    }

private:
    static constexpr const char *BEGIN = "begincmap";
    static constexpr const char *END = "endcmap";

    bool forward(int bytes)
    {
        if (bytes <= 0)
            return true;
        const bool written = m_target->write(m_pending.constData(), bytes) == bytes;
        m_pending.remove(0, bytes);
        return written;
    }

    // In "<glyph> <glyph> <code>" a range of one glyph names its code; in
    // "<glyph> <glyph> [<code> ...]" every code; a "<glyph> <code>" pair its
    // code. A linear range of several glyphs stays as it is.
    void mend(char *map, int length)
    {
        int lineStart = 0;
        while (lineStart < length) {
            int lineEnd = lineStart;
            while (lineEnd < length && map[lineEnd] != '\n')
                ++lineEnd;
            mendLine(map + lineStart, lineEnd - lineStart);
            lineStart = lineEnd + 1;
        }
    }

    void mendLine(char *line, int length)
    {
        std::vector<char *> codes;
        bool array = false;
        for (int i = 0; i < length; ++i) {
            if (line[i] == '[')
                array = true;
            if (line[i] == '<' && i + 5 < length && line[i + 5] == '>')
                codes.push_back(line + i + 1);
        }
        if (array) {
            for (size_t i = 2; i < codes.size(); ++i)
                mendCode(codes[i]);
        } else if (codes.size() == 3 && std::equal(codes[0], codes[0] + 4, codes[1])) {
            mendCode(codes[2]);
        } else if (codes.size() == 2) {
            mendCode(codes[1]);
        }
    }

    void mendCode(char *hex)
    {
        bool ok = false;
        const ushort code = QByteArray(hex, 4).toUShort(&ok, 16);
        if (!ok || !m_table.contains(code))
            return;
        const QByteArray replacement
            = QByteArray::number(m_table.value(code), 16).toUpper().rightJustified(4, '0');
        memcpy(hex, replacement.constData(), 4);
    }

    QIODevice *m_target;
    QByteArray m_pending;
    bool m_inMap = false;
    QHash<ushort, ushort> m_table;
};

struct Column
{
    QString title;
    int x;
};

// Glyphs and advances of one font, character by character, for texts that
// need neither shaping nor reordering: Latin, CJK, kana, Hangul. Drawn as a
// glyph run, such a text skips the layout drawText does for every call.
class PlainGlyphs
{
public:
    explicit PlainGlyphs(const QFont &font)
        : m_font(QRawFont::fromFont(font))
        , m_glyphs(0x10000, UNKNOWN)
        , m_advances(0x10000, 0)
    {
    }

    // Adds the glyphs of text with its baseline starting at (x, y) to the
    // page's run, or returns false, adding nothing, when a character is not plain.
    bool append(const QString &text, qreal x, qreal y)
    {
        for (const QChar c : text) {
            if (!isPlain(c.unicode()) || !lookUp(c.unicode()))
                return false;
        }
        for (const QChar c : text) {
            m_runGlyphs.append(m_glyphs[c.unicode()]);
            // Whole dots (1/800 inch) cannot be seen, and a whole number is
            // a third of the bytes of each glyph's place in the page.
            m_runPositions.append(QPointF(qRound(x), qRound(y)));
            x += m_advances[c.unicode()];
        }
        return true;
    }

    // The page's text in this font as one run: each text drawn on its own
    // costs a text object with its state in the page, which then has to be
    // compressed.
    void draw(QPainter &painter)
    {
        if (m_runGlyphs.isEmpty())
            return;
        QGlyphRun run;
        run.setRawFont(m_font);
        run.setGlyphIndexes(m_runGlyphs);
        run.setPositions(m_runPositions);
        painter.drawGlyphRun(QPointF(0, 0), run);
        m_runGlyphs.clear();
        m_runPositions.clear();
    }

private:
    static constexpr quint32 UNKNOWN = 0xFFFFFFFF;

    static bool isPlain(ushort code)
    {
        return (code >= 0x20 && code < 0x7F) || (code >= 0xA0 && code < 0x0300)
            || (code >= 0x2E80 && code < 0xA000) || (code >= 0xAC00 && code < 0xD7A4)
            || (code >= 0xF900 && code < 0xFB00) || (code >= 0xFF00 && code < 0xFFF0);
    }

    // Characters the font lacks go through drawText, which falls back to another font.
    bool lookUp(ushort code)
    {
        if (m_glyphs[code] == UNKNOWN) {
            const QChar c(code);
            quint32 glyph = 0;
            int count = 1;
            if (!m_font.glyphIndexesForChars(&c, 1, &glyph, &count) || count != 1)
                glyph = 0;
            QPointF advance;
            if (glyph != 0)
                m_font.advancesForGlyphIndexes(&glyph, &advance, 1);
            m_glyphs[code] = glyph;
            m_advances[code] = advance.x();
        }
        return m_glyphs[code] != 0;
    }

    QRawFont m_font;
    std::vector<quint32> m_glyphs;
    std::vector<qreal> m_advances;
    QVector<quint32> m_runGlyphs;
    QVector<QPointF> m_runPositions;
};

// Draws the text of the list pages: plain runs at a baseline, which costs
// far less than laying out a text in a rectangle.
class ListPages
{
public:
    ListPages(QPdfWriter &writer, QPainter &painter, RadicalMending &radicals)
        : m_writer(writer)
        , m_painter(painter)
        , m_radicals(radicals)
    {
    }

    void setFont(int weight)
    {
        if (weight == m_weight)
            return;
        std::unique_ptr<Face> &face = m_faces[weight];
        if (!face) {
            const QFont font(reportFont(9, weight), &m_writer);
            face = std::make_unique<Face>(Face { font, QFontMetrics(font).ascent(), PlainGlyphs(font) });
        }
        m_painter.setFont(face->font);
        m_face = face.get();
        m_weight = weight;
    }

    void text(int x, int y, const QString &text)
    {
        if (text.isEmpty())
            return;
        m_radicals.note(text);
        if (!m_face->glyphs.append(text, x, y + m_face->ascent))
            m_painter.drawText(QPointF(x, y + m_face->ascent), text);
    }

    // Draws what the page holds; before the next page and at the end.
    void finishPage()
    {
        for (auto &face : m_faces)
            face.second->glyphs.draw(m_painter);
    }

    void start(const QString &heading, const QList<Column> &columns)
    {
        finishPage();
        m_writer.newPage();
        setFont(75);
        m_radicals.note(heading);
        m_painter.drawText(QPointF(m_writer.width() / 2 - 400, 100), heading);
        m_painter.drawLine(0, 200, m_writer.width(), 200);
        for (const Column &column : columns)
            text(column.x, 200, column.title);
    }

private:
    QPdfWriter &m_writer;
    QPainter &m_painter;
    RadicalMending &m_radicals;
    struct Face
    {
        QFont font;
        int ascent;
        PlainGlyphs glyphs;
    };

    int m_weight = -1;
    std::map<int, std::unique_ptr<Face>> m_faces;
    Face *m_face = nullptr;
};

QString shown(const std::string &text)
{
    return alertTextForDisplay(QString::fromStdString(text));
}

// Few distinct titles and sources: each is made once.
template<typename Make>
const QStringList &cached(
    std::unordered_map<std::string, QStringList> &cache, const std::string &key, Make make)
{
    auto found = cache.find(key);
    if (found == cache.end()) {
        if (cache.size() >= TEXT_CACHE_MAX)
            cache.clear();
        found = cache.emplace(key, make()).first;
    }
    return found->second;
}

bool cancelled(const ExportProgress *progress)
{
    return progress && progress->cancelled.load(std::memory_order_relaxed);
}

// Sources or users, 21 to a page, in the order given.
bool drawHitSection(ListPages &pages, const HitRanking *stats, const QString &heading,
    const QList<Column> &columns, const std::function<QString(const QString &)> &firstLine,
    const QString &latestLabel, ExportProgress *progress)
{
    if (!stats)
        return true;
    auto entry = stats->begin();
    while (entry != stats->end()) {
        if (cancelled(progress))
            return false;
        pages.start(heading, columns);
        int y = FIRST_ROW;
        for (int count = 0; count < ReportPdf::ENTRIES_PER_PAGE && entry != stats->end(); ++count, ++entry) {
            if (entry->first.empty())
                continue;
            pages.setFont(75);
            pages.text(300, y, firstLine(shown(entry->first)));
            pages.setFont(50);
            pages.text(3800, y, QString::number(entry->second.count));
            pages.text(
                300, y + ROW_HEIGHT, QString("%1 %2").arg(latestLabel, shown(entry->second.latestDate)));
            y += 2 * ROW_HEIGHT;
        }
    }
    return true;
}

bool isWordCharacter(QChar c)
{
    return c.unicode() < 0x100 && !c.isSpace();
}

} // namespace

QList<int> ReportPdf::shotOffsets(int totalHeight, int viewportHeight)
{
    QList<int> offsets;
    if (totalHeight <= 0 || viewportHeight <= 0)
        return offsets;
    const int shots = (totalHeight + viewportHeight - 1) / viewportHeight;
    for (int i = 0; i < shots; ++i) {
        const int remaining = totalHeight - i * viewportHeight;
        offsets << (remaining < viewportHeight ? i * viewportHeight - viewportHeight + remaining
                                               : i * viewportHeight);
    }
    return offsets;
}

QStringList ReportPdf::titleLines(const QString &title)
{
    const auto unitsOf = [](QChar c) { return c.unicode() < 0x100 ? 1 : 2; };
    QStringList lines;
    QString line;
    int units = 0;
    for (int i = 0; i < title.size(); ++i) {
        const QChar c = title.at(i);
        line += c;
        // A character outside the basic plane is one character, in two halves.
        if (c.isHighSurrogate() && i + 1 < title.size() && title.at(i + 1).isLowSurrogate())
            line += title.at(++i);
        units += unitsOf(c);
        if (units < TITLE_LINE_UNITS)
            continue;
        const bool inWord = isWordCharacter(c) && i + 1 < title.size() && isWordCharacter(title.at(i + 1));
        const int space = inWord ? line.lastIndexOf(' ') : -1;
        if (space > 0) {
            lines << line.left(space + 1);
            line = line.mid(space + 1);
            units = 0;
            for (QChar rest : line)
                units += rest.isLowSurrogate() ? 0 : unitsOf(rest);
        } else {
            lines << line;
            line.clear();
            units = 0;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

bool ReportPdf::write(const QString &pdfPath, const ReportPdfContent &content, const Translation &translation,
    ExportProgress *progress, QString *error)
{
    ExportFile file;
    if (!file.open(pdfPath, error))
        return false;
    ToUnicodeMending output(file.device());
    QPdfWriter writer(&output);
    const QString title = tr("Intrusion detection statistics report");
    writer.setTitle(content.rangeText.isEmpty() ? title : QString("%1 %2").arg(title, content.rangeText));
    writer.setCreator(
        QString("%1 %2").arg(QCoreApplication::translate("QApplication", "Zorva Intrusion Detector"),
            QStringLiteral(TARVIX_VERSION)));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(RESOLUTION);
    const QSizeF millimetres = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const double pageWidth = millimetres.width() * RESOLUTION / 25.4;
    const double pageHeight = millimetres.height() * RESOLUTION / 25.4;
    QPainter painter;
    if (!painter.begin(&writer)) {
        *error = file.writeError();
        return false;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const QImage &picture = content.picture;
    const double ratio = picture.height() > 0 ? double(picture.width()) / picture.height() : 1.0;
    qCDebug(lcReport) << " image ratio: " << ratio << pageWidth / pageHeight;
    RadicalMending radicals;
    painter.setFont(reportFont(12, 75));
    radicals.note(title);
    painter.drawText(QPointF(writer.width() / 2 - 575, 180), title);
    QSize box = pageWidth / pageHeight < ratio ? QSize(qRound(pageWidth - 400), qRound(pageWidth / ratio))
                                               : QSize(qRound(pageHeight * 0.94 * ratio), qRound(pageHeight));
    // Within the page, with the margins of the top left corner on the other sides too.
    box = box.boundedTo(QSize(qRound(pageWidth) - 2 * 700, qRound(pageHeight) - 2 * 360));
    // The picture keeps its own pixels; the PDF scales it, which costs nothing and stays sharp.
    if (!picture.isNull())
        painter.drawImage(QRect(QPoint(700, 360), picture.size().scaled(box, Qt::KeepAspectRatio)), picture);
    painter.setPen(QPen(Qt::black, 4));

    ListPages pages(writer, painter, radicals);
    const AlertSpan alerts = content.alerts;
    QList<Column> eventColumns;
    for (const AlertColumn field : EVENT_TABLE_FIELDS)
        eventColumns.append({ alertFieldHeading(field), alertFieldInfo(field).pdfHeadingX });
    std::unordered_map<std::string, QStringList> titles;
    std::unordered_map<std::string, QStringList> sources;
    size_t next = 0;
    bool stopped = false;
    while (next < alerts.size() && !(stopped = cancelled(progress))) {
        pages.start(tr("All event statistics"), eventColumns);
        pages.setFont(50);
        const QFontMetrics metrics = painter.fontMetrics();
        int line = 0;
        while (next < alerts.size()) {
            const loginfo &alert = alerts[next];
            const QStringList &titleText = cached(titles, alert.comment,
                [&]() { return titleLines(ruleTitleShown(alert.comment, &translation)); });
            // An alert stays on one page, unless it alone needs more than a page.
            if (line > 0 && line + titleText.size() > LINES_PER_PAGE)
                break;
            const int y = FIRST_ROW + line * ROW_HEIGHT;
            for (const AlertColumn field : EVENT_TABLE_FIELDS) {
                const int x = alertFieldInfo(field).pdfTextX;
                switch (field) {
                case AlertColumn::Title:
                    for (int i = 0; i < titleText.size(); ++i)
                        pages.text(x, y + i * ROW_HEIGHT, titleText.at(i));
                    break;
                case AlertColumn::Location:
                    // A long source would run into the time: cut in the middle, host and file name stay.
                    pages.text(x, y, cached(sources, alert.location, [&]() {
                        return QStringList(
                            metrics.elidedText(shown(alert.location), Qt::ElideMiddle, SOURCE_WIDTH));
                    }).first());
                    break;
                case AlertColumn::Time:
                    // The report keeps the time as recorded.
                    pages.text(x, y, shown(alert.date));
                    break;
                default:
                    pages.text(x, y, alertFieldShown(alert, field, translation));
                }
            }
            line += titleText.size();
            ++next;
        }
        if (progress)
            progress->written.store(qint64(next), std::memory_order_relaxed);
    }

    stopped = stopped
        || !drawHitSection(
            pages, content.sources, tr("All sources of attack"),
            { { tr("Attack IP"), 900 }, { tr("Attack times"), 3600 } },
            [](const QString &address) { return QString("%1 %2").arg(tr("Attack IP:"), address); },
            tr("Latest attack time:"), progress)
        || !drawHitSection(
            pages, content.users, tr("All user statistics"),
            { { tr("User"), 900 }, { tr("Attack Times"), 3600 } },
            [](const QString &user) { return QString("%1: %2").arg(tr("User"), user); },
            tr("Latest attack time:"), progress);

    pages.finishPage();
    output.setTable(radicals.table(reportFont(9, 50)));
    const bool painted = painter.end();
    if (stopped || cancelled(progress)) {
        *error = ExportFile::cancelledError();
        return false;
    }
    if (!painted || !output.finish()) {
        *error = file.writeError();
        return false;
    }
    if (!file.commit(error))
        return false;
    qCDebug(lcReport) << "Successfully converted PNG to PDF.";
    return true;
}
