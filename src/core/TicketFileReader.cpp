// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TicketFileReader.h"

#include "core/CountedText.h"
#include "core/TextSafety.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>

namespace {

const QString plusSeparator = QStringLiteral(" + ");

// Lines are quoted back to the player; a damaged file can hold a line of any length.
QString quoted(const QString &text)
{
    return quotedForMessage(text);
}

// The separator of one run of numbers: ", " is tried before "," and " " last, because the
// wider separators contain or sit beside the narrower ones.
QString separatorOf(const QString &numbers)
{
    if (numbers.contains(QStringLiteral(", ")))
        return QStringLiteral(", ");
    if (numbers.contains(QLatin1Char(',')))
        return QStringLiteral(",");
    if (numbers.contains(QLatin1Char('-')))
        return QStringLiteral("-");
    return QStringLiteral(" ");
}

// Reads "5 17 3" and the like into numbers; what (e.g. "bonus number") names them in messages.
QString parseNumbers(const QString &text, const char *what, QList<int> &out)
{
    const QStringList parts = text.split(separatorOf(text));
    QSet<int> seen;
    for (const QString &part : parts) {
        if (part.isEmpty())
            //: %1 is "number" or "bonus number".
            return QCoreApplication::translate("TicketFileReader",
                                               "a %1 is missing (two separators in a row, or one at an end)")
                .arg(QCoreApplication::translate("TicketFileReader", what));
        bool digits = true;
        for (const QChar c : part)
            digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!digits)
            return QCoreApplication::translate("TicketFileReader", "%1 is not a number").arg(quoted(part));
        // Lottery pools stay far below 1000; longer runs of digits are damage, not numbers.
        if (part.size() > 3)
            return QCoreApplication::translate("TicketFileReader", "%1 is too long for a lottery number")
                .arg(quoted(part));
        const int n = part.toInt();
        if (n == 0)
            return QCoreApplication::translate("TicketFileReader", "%1 is not a lottery number (they start at 1)")
                .arg(quoted(part));
        if (seen.contains(n))
            return QCoreApplication::translate("TicketFileReader", "%1 appears twice in this ticket").arg(n);
        seen.insert(n);
        out << n;
    }
    return {};
}

// The file's text as lines, or the fault that stops it being read.
struct DecodedLines {
    QStringList lines;
    TicketFileError error;
};

// CR LF is what the program writes; a bare LF (an editor's save, a pipe) is taken as well.
QStringList splitLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &l : lines)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    return lines;
}

DecodedLines decodeLines(const QByteArray &bytes)
{
    DecodedLines out;
    if (bytes.isEmpty()) {
        out.error = {1, QCoreApplication::translate("TicketFileReader", "the file is empty")};
        return out;
    }
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    QStringConverter::Encoding encoding;
    if (bytes.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xFE)
        encoding = QStringConverter::Utf16LE;
    else if (bytes.size() >= 2 && byte(0) == 0xFE && byte(1) == 0xFF)
        encoding = QStringConverter::Utf16BE;
    else if (bytes.startsWith("\xEF\xBB\xBF")) {
        out.error = {1, QCoreApplication::translate("TicketFileReader",
                                                    "the file is UTF-8, but ticket files are written in UTF-16")};
        return out;
    } else {
        out.error = {1, QCoreApplication::translate(
                            "TicketFileReader", "not a ticket file: it does not start with a UTF-16 byte-order mark")};
        return out;
    }

    // The mark is dropped here; one found later is text and fails where it stands.
    QStringDecoder decoder(encoding, QStringConverter::Flag::ConvertInitialBom);
    const QString text = decoder.decode(QByteArrayView(bytes).sliced(2));
    // The decoder passes lone surrogates through; a pair broken by damage is caught here.
    qsizetype broken = -1;
    for (qsizetype i = 0; i < text.size() && broken < 0; ++i) {
        const QChar c = text[i];
        const bool loneHigh = c.isHighSurrogate() && (i + 1 == text.size() || !text[i + 1].isLowSurrogate());
        const bool loneLow = c.isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate());
        if (loneHigh || loneLow)
            broken = i;
        else if (c.isHighSurrogate())
            ++i;
    }

    out.lines = splitLines(text);
    if (bytes.size() % 2 != 0) {
        // A file cut short ends in half a character, on whatever line was being written.
        int last = int(out.lines.size());
        if (last > 1 && out.lines.last().isEmpty())
            --last;
        out.error = {
            last, QCoreApplication::translate("TicketFileReader", "the file is cut off in the middle of a character")};
    } else if (broken >= 0) {
        const int line = int(QStringView(text).first(broken).count(QLatin1Char('\n'))) + 1;
        out.error = {line, QCoreApplication::translate("TicketFileReader", "this line is not valid UTF-16 text")};
    }
    return out;
}

// Row 1 of the format matrix pads one-digit numbers; the file tells only when it holds one.
bool writtenPadded(const QString &line)
{
    QString digits;
    const QString spaced = line + QLatin1Char(' ');
    for (const QChar c : spaced) {
        if (c.isDigit()) {
            digits += c;
            continue;
        }
        if (digits.size() == 2 && digits[0] == QLatin1Char('0'))
            return true;
        digits.clear();
    }
    return false;
}

bool holdsOneDigitNumber(const TicketNumbers &t)
{
    const auto small = [](int n) { return n < 10; };
    return std::any_of(t.main.begin(), t.main.end(), small) || std::any_of(t.bonus.begin(), t.bonus.end(), small);
}

} // namespace

QString TicketFileError::describe(const QString &fileName) const
{
    if (line > 0)
        return fileName + QLatin1Char(':') + QString::number(line) + QStringLiteral(": ") + message;
    return fileName + QStringLiteral(": ") + message;
}

ParsedTicketLine parseTicketLine(const QString &line)
{
    ParsedTicketLine out;
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty()) {
        out.error = QCoreApplication::translate("TicketFileReader", "the line is empty");
        return out;
    }
    const QStringList halves = trimmed.split(plusSeparator);
    if (halves.size() > 2) {
        out.error = QCoreApplication::translate("TicketFileReader", "\" + \" appears more than once in this ticket");
        return out;
    }
    out.error = parseNumbers(halves[0], QT_TRANSLATE_NOOP("TicketFileReader", "number"), out.ticket.main);
    if (out.error.isEmpty() && halves.size() == 2) {
        if (halves[1].trimmed().isEmpty())
            out.error = QCoreApplication::translate("TicketFileReader", "no bonus numbers follow \" + \"");
        else
            out.error =
                parseNumbers(halves[1], QT_TRANSLATE_NOOP("TicketFileReader", "bonus number"), out.ticket.bonus);
    }
    if (!out.error.isEmpty())
        out.ticket = {};
    return out;
}

QString formatTicket(const TicketNumbers &ticket, int format)
{
    if (format < 0 || format > 7)
        format = 0;
    static const char *const separators[] = {" ", "-", ",", ", "};
    const QString separator = QLatin1String(separators[format % 4]);
    const bool pad = format >= 4;
    const auto join = [&](const QList<int> &numbers) {
        QString s;
        for (qsizetype i = 0; i < numbers.size(); ++i) {
            if (i > 0)
                s += separator;
            s += QString::number(numbers[i]).rightJustified(pad ? 2 : 1, QLatin1Char('0'));
        }
        return s;
    };
    QString text = join(ticket.main);
    if (!ticket.bonus.isEmpty())
        text += plusSeparator + join(ticket.bonus);
    return text;
}

// The tickets of `lines` from `first` on, one a line, into `c`: every ticket as long as the
// first, no empty line among them; the format is taken from how they are written.
TicketFileError readTicketLines(const QStringList &lines, qsizetype first, TicketFileContents &c)
{
    // Empty lines after the last ticket are harmless; one between tickets is damage.
    qsizetype end = lines.size();
    while (end > first && lines[end - 1].trimmed().isEmpty())
        --end;
    if (end == first)
        return {int(lines.size() > first ? first + 1 : std::max<qsizetype>(first, 1)),
                QCoreApplication::translate("TicketFileReader", "the file holds no tickets")};
    bool padded = false;
    bool unpadded = false;
    for (qsizetype i = first; i < end; ++i) {
        const int lineNo = int(i + 1);
        if (lines[i].trimmed().isEmpty()) {
            return {lineNo, QCoreApplication::translate("TicketFileReader", "an empty line stands among the tickets")};
        }
        ParsedTicketLine p = parseTicketLine(lines[i]);
        if (!p.error.isEmpty()) {
            return {lineNo, p.error};
        }
        p.ticket.line = lineNo;
        if (!c.tickets.isEmpty()) {
            const TicketNumbers &first = c.tickets.first();
            if (p.ticket.main.size() != first.main.size()) {
                return {lineNo, countedText("TicketFileReader", "this ticket has 1 number, the first one has %1",
                                            QT_TRANSLATE_N_NOOP("TicketFileReader",
                                                                "this ticket has %n numbers, the first one has %1"),
                                            p.ticket.main.size())
                                    .arg(first.main.size())};
            }
            if (p.ticket.bonus.size() != first.bonus.size()) {
                return {lineNo,
                        countedText("TicketFileReader", "this ticket has 1 bonus number, the first one has %1",
                                    QT_TRANSLATE_N_NOOP("TicketFileReader",
                                                        "this ticket has %n bonus numbers, the first one has %1"),
                                    p.ticket.bonus.size())
                            .arg(first.bonus.size())};
            }
        }
        if (c.tickets.isEmpty())
            c.format =
                int(QList<QString>{QStringLiteral(" "), QStringLiteral("-"), QStringLiteral(","), QStringLiteral(", ")}
                        .indexOf(separatorOf(lines[i].trimmed().split(plusSeparator).first())));
        if (writtenPadded(lines[i]))
            padded = true;
        else if (holdsOneDigitNumber(p.ticket))
            unpadded = true;
        c.tickets << p.ticket;
    }
    // A file whose numbers are all 10 or more reads the same in both rows; the unpadded one is shown.
    if (padded && !unpadded)
        c.format += 4;
    return {};
}

TicketFileRead readTicketFile(const QByteArray &bytes)
{
    TicketFileRead out;
    if (bytes.size() > maxTicketFileBytes) {
        out.error = {0, QCoreApplication::translate("TicketFileReader", "the file is too large to be a ticket file")};
        return out;
    }
    DecodedLines decoded = decodeLines(bytes);
    if (!decoded.error.isEmpty()) {
        out.error = decoded.error;
        return out;
    }
    const QStringList &lines = decoded.lines;
    TicketFileContents &c = out.contents;

    // The three header lines, each "Name:value".
    const char *const names[] = {"Country:", "Lottery:", "Key:"};
    QString values[3];
    for (int i = 0; i < 3; ++i) {
        const QString name = QLatin1String(names[i]);
        if (i >= lines.size() || (i == lines.size() - 1 && lines[i].isEmpty())) {
            out.error = {
                i + 1,
                QCoreApplication::translate("TicketFileReader", "the file ends before the \"%1\" line").arg(name)};
            return out;
        }
        if (!lines[i].startsWith(name)) {
            out.error = {i + 1, QCoreApplication::translate("TicketFileReader", "expected \"%1\" here, found %2")
                                    .arg(name, quoted(lines[i]))};
            return out;
        }
        values[i] = lines[i].mid(name.size());
    }
    c.country = values[0];
    c.lottery = values[1];
    bool keyOk = false;
    c.key = values[2].toInt(&keyOk);
    if (!keyOk || c.key < 0) {
        out.error = {3, QCoreApplication::translate("TicketFileReader", "the key number %1 is not a whole number")
                            .arg(quoted(values[2]))};
        return out;
    }
    if (lines.size() < 4 || !lines[3].isEmpty()) {
        out.error = {4, lines.size() < 4 ? QCoreApplication::translate(
                                               "TicketFileReader", "the file ends before the empty line after the key")
                                         : QCoreApplication::translate("TicketFileReader",
                                                                       "expected an empty line after the key, found %1")
                                               .arg(quoted(lines[3]))};
        return out;
    }

    // The program ends every line with CR LF: a last line without its end was cut short.
    if (!lines.last().isEmpty()) {
        out.error = {int(lines.size()), QCoreApplication::translate(
                                            "TicketFileReader", "the file ends inside this line: it was cut short")};
        return out;
    }
    out.error = readTicketLines(lines, 4, c);
    return out;
}

TicketFileRead loadTicketFile(const QString &path)
{
    return loadTickets(path, false);
}

TicketFileError checkTicketRanges(const TicketFileContents &contents, int pool, int bonusPool)
{
    if (contents.key > pool)
        return {3, QCoreApplication::translate("TicketFileReader", "the key number %1 lies outside the numbers 1 to %2")
                       .arg(contents.key)
                       .arg(pool)};
    for (const TicketNumbers &t : contents.tickets) {
        for (const int n : t.main)
            if (n > pool)
                return {t.line, QCoreApplication::translate("TicketFileReader", "%1 lies outside the numbers 1 to %2")
                                    .arg(n)
                                    .arg(pool)};
        if (!t.bonus.isEmpty() && bonusPool <= 0)
            return {t.line, QCoreApplication::translate(
                                "TicketFileReader", "this lottery has no bonus numbers, but the ticket carries some")};
        for (const int n : t.bonus)
            if (n > bonusPool)
                return {t.line, QCoreApplication::translate("TicketFileReader",
                                                            "bonus number %1 lies outside the bonus numbers 1 to %2")
                                    .arg(n)
                                    .arg(bonusPool)};
    }
    return {};
}

TicketFileRead readTicketList(const QByteArray &bytes)
{
    TicketFileRead out;
    if (bytes.size() > maxTicketFileBytes) {
        out.error = {0,
                     QCoreApplication::translate("TicketFileReader", "the file is too large to be a list of tickets")};
        return out;
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return readTicketFile(bytes);
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        out.error = {0, QCoreApplication::translate("TicketFileReader",
                                                    "the text is neither a UTF-16 ticket file nor UTF-8 lines")};
        return out;
    }
    QStringList lines = splitLines(text);
    // The spreadsheet export: a header row "N1,N2,...,B1", then one ticket a row.
    if (lines.first().startsWith(QLatin1String("N1,")) || lines.first() == QLatin1String("N1")) {
        const QStringList header = lines.first().split(QLatin1Char(','));
        for (qsizetype i = 1; i < lines.size(); ++i) {
            if (lines[i].trimmed().isEmpty())
                continue;
            const QStringList cells = lines[i].split(QLatin1Char(','));
            QStringList main;
            QStringList bonus;
            for (qsizetype k = 0; k < cells.size(); ++k)
                if (!cells[k].trimmed().isEmpty())
                    (header.value(k).startsWith(QLatin1Char('B')) ? bonus : main) << cells[k].trimmed();
            lines[i] = main.join(QLatin1Char(' ')) +
                       (bonus.isEmpty() ? QString() : plusSeparator + bonus.join(QLatin1Char(' ')));
        }
        out.error = readTicketLines(lines, 1, out.contents);
        out.contents.format = 0;
        return out;
    }
    out.error = readTicketLines(lines, 0, out.contents);
    return out;
}

TicketFileRead loadTickets(const QString &path, bool anyList)
{
    TicketFileRead out;
    // Only a regular file is read: a named pipe or a device would block or never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        out.error = {
            0, QCoreApplication::translate("TicketFileReader", "is not a regular file, so it is not read as tickets")};
        return out;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.error = {0,
                     QCoreApplication::translate("TicketFileReader", "cannot be opened: %1").arg(file.errorString())};
        return out;
    }
    // Read one byte past the limit so that an oversized file is seen without reading all of it.
    const QByteArray bytes = file.read(maxTicketFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        out.error = {0, QCoreApplication::translate("TicketFileReader", "cannot be read: %1").arg(file.errorString())};
        return out;
    }
    return anyList ? readTicketList(bytes) : readTicketFile(bytes);
}
