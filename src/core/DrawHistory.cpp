// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DrawHistory.h"

#include "core/CountedText.h"
#include "core/PrizeTiers.h"
#include "core/Settings.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>

namespace {

QString joined(const QList<int> &numbers)
{
    QStringList parts;
    for (const int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

// 12,345
QString grouped(qint64 n)
{
    // The window's language groups its own way ("1.234" in German); the command line as always.
    if (const QLocale locale = moneyLocale(); !writesMoneyAsBefore(locale))
        return locale.toString(n);
    QString text = QString::number(n < 0 ? -n : n);
    for (qsizetype at = text.size() - 3; at > 0; at -= 3)
        text.insert(at, QLatin1Char(','));
    return n < 0 ? QLatin1Char('-') + text : text;
}

std::optional<int> cellNumber(const QString &cell)
{
    if (cell.isEmpty() || cell.size() > 3)
        return std::nullopt;
    for (const QChar c : cell)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return cell.toInt();
}

const char roleLetters[] = {'-', 'D', 'M', 'B', 'S'};

// Numbers 0..127 as a set of bits; results are checked against the pools before they get here.
struct Bits {
    std::uint64_t low = 0, high = 0;
    void add(int n)
    {
        if (n >= 0 && n < 64)
            low |= std::uint64_t{1} << n;
        else if (n >= 64 && n < 128)
            high |= std::uint64_t{1} << (n - 64);
    }
    int common(const Bits &o) const { return std::popcount(low & o.low) + std::popcount(high & o.high); }
};
Bits bitsOf(const QList<int> &numbers)
{
    Bits b;
    for (const int n : numbers)
        b.add(n);
    return b;
}

} // namespace

QString drawNumbersText(const StoredDraw &draw)
{
    QString text = joined(draw.main);
    if (!draw.bonus.isEmpty())
        text += QStringLiteral(" + ") + joined(draw.bonus);
    if (!draw.supplementary.isEmpty())
        text += QStringLiteral(" / ") + joined(draw.supplementary);
    return text;
}

QString columnRoleName(ColumnRole role)
{
    switch (role) {
    case ColumnRole::Ignore:
        return QCoreApplication::translate("DrawHistory", "Not used");
    case ColumnRole::Date:
        return QCoreApplication::translate("DrawHistory", "Date");
    case ColumnRole::Main:
        return QCoreApplication::translate("DrawHistory", "Main number");
    case ColumnRole::Bonus:
        return QCoreApplication::translate("DrawHistory", "Bonus number");
    case ColumnRole::Supplementary:
        return QCoreApplication::translate("DrawHistory", "Supplementary");
    }
    return {};
}

bool ResultsLayout::isValid() const
{
    return columns.count(ColumnRole::Date) == 1 && columns.contains(ColumnRole::Main);
}

QString ResultsLayout::toText() const
{
    QString text = header ? QStringLiteral("H:") : QString();
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(',');
        text += QLatin1Char(roleLetters[int(columns[i])]);
    }
    return text;
}

ResultsLayout ResultsLayout::fromText(const QString &text)
{
    ResultsLayout layout;
    QString rest = text;
    if (rest.startsWith(QLatin1String("H:"))) {
        layout.header = true;
        rest = rest.mid(2);
    }
    for (const QString &part : rest.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto *found = part.size() == 1
                                ? std::find(std::begin(roleLetters), std::end(roleLetters), part[0].toLatin1())
                                : std::end(roleLetters);
        if (found == std::end(roleLetters) || layout.columns.size() > 64)
            return {};
        layout.columns << ColumnRole(found - std::begin(roleLetters));
    }
    return layout.isValid() ? layout : ResultsLayout{};
}

QStringList splitResultsLine(const QString &line)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList cells;
    if (line.contains(QLatin1Char('\t')))
        cells = line.split(QLatin1Char('\t'));
    else if (line.contains(QLatin1Char(';')))
        cells = line.split(QLatin1Char(';'));
    else if (line.contains(QLatin1Char(',')))
        cells = line.split(QLatin1Char(','));
    else
        cells = line.trimmed().split(blanks, Qt::SkipEmptyParts);
    for (QString &cell : cells) {
        cell = cell.trimmed();
        if (cell.size() >= 2 && cell.startsWith(QLatin1Char('"')) && cell.endsWith(QLatin1Char('"')))
            cell = cell.mid(1, cell.size() - 2).trimmed();
    }
    return cells;
}

QDate parseDrawDate(const QString &text)
{
    static const QStringList formats{QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyy/MM/dd"),
                                     QStringLiteral("yyyyMMdd"),   QStringLiteral("dd.MM.yyyy"),
                                     QStringLiteral("d.M.yyyy"),   QStringLiteral("dd/MM/yyyy"),
                                     QStringLiteral("d/M/yyyy"),   QStringLiteral("yyyy-M-d")};
    if (text.size() < 8 || text.size() > 10)
        return {};
    for (const QString &format : formats) {
        const QDate date = QDate::fromString(text, format);
        if (date.isValid() && date.year() >= 1900 && date.year() <= 2200)
            return date;
    }
    return {};
}

ResultsLayout guessLayout(const QList<QStringList> &firstLines, const DrawRules &rules)
{
    ResultsLayout layout;
    const auto dateColumn = [](const QStringList &cells) -> qsizetype {
        for (qsizetype i = 0; i < cells.size(); ++i)
            if (parseDrawDate(cells[i]).isValid())
                return i;
        return -1;
    };
    qsizetype first = -1;
    for (qsizetype i = 0; i < firstLines.size() && first < 0; ++i)
        if (!firstLines[i].isEmpty() && dateColumn(firstLines[i]) >= 0)
            first = i;
    if (first < 0)
        return layout;
    // A line before the first draw names the columns.
    layout.header = first > 0;
    const QStringList &cells = firstLines[first];
    const qsizetype date = dateColumn(cells);
    layout.columns = QList<ColumnRole>(cells.size(), ColumnRole::Ignore);
    layout.columns[date] = ColumnRole::Date;
    QList<qsizetype> numbers;
    for (qsizetype i = date + 1; i < cells.size(); ++i)
        if (cellNumber(cells[i]))
            numbers << i;
    if (numbers.isEmpty()) // the date last: the numbers stand before it
        for (qsizetype i = 0; i < date; ++i)
            if (cellNumber(cells[i]))
                numbers << i;
    const int mainCount = rules.mainCount > 0 ? rules.mainCount : int(numbers.size());
    const int bonusCount = std::max(rules.bonusCount, 0);
    const int supplementaryCount = rules.bonusFromMainPool ? 0 : rules.supplementaryCount;
    for (qsizetype k = 0; k < numbers.size(); ++k) {
        ColumnRole role = ColumnRole::Ignore;
        if (k < mainCount)
            role = ColumnRole::Main;
        else if (k < mainCount + bonusCount)
            role = ColumnRole::Bonus;
        else if (k < mainCount + bonusCount + supplementaryCount)
            role = ColumnRole::Supplementary;
        layout.columns[numbers[k]] = role;
    }
    return layout.isValid() ? layout : ResultsLayout{};
}

namespace {

// A results file read a line at a time from any device.
class LineSource {
public:
    explicit LineSource(QIODevice &device) : device_(device) {}
    // The next line without its end; false at the end of the file. `tooLong`: the line ran past
    // maxResultsLineChars and was skipped to its end; `notText`: it is not UTF-8 text.
    bool next(QString &line, bool &tooLong, bool &notText)
    {
        tooLong = notText = false;
        if (device_.atEnd())
            return false;
        QByteArray bytes = device_.readLine(maxResultsLineChars + 2);
        if (bytes.isEmpty() && device_.atEnd())
            return false;
        ++number_;
        if (!bytes.endsWith('\n') && !device_.atEnd()) {
            tooLong = true;
            while (!device_.atEnd()) {
                const QByteArray more = device_.readLine(64 * 1024);
                if (more.isEmpty() || more.endsWith('\n'))
                    break;
            }
            return true;
        }
        while (bytes.endsWith('\n') || bytes.endsWith('\r'))
            bytes.chop(1);
        if (number_ == 1 && bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        if (bytes.contains('\0')) {
            notText = true;
            return true;
        }
        auto decoder = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        line = decoder.decode(bytes);
        notText = decoder.hasError();
        return true;
    }
    qint64 number() const { return number_; }

private:
    QIODevice &device_;
    qint64 number_ = 0;
};

const int previewLines = 12;

QString refusedText(QIODevice &device)
{
    // Binary data shows itself in its first bytes: a text file holds no NUL.
    const QByteArray start = device.peek(64 * 1024);
    if (start.contains('\0'))
        return QCoreApplication::translate("DrawHistory",
                                           "it holds binary data, not lines of text: it is not a results file");
    return {};
}

ResultsRead readResults(QIODevice &device, const QString &name, const DrawRules &rules,
                        const std::optional<ResultsLayout> &given)
{
    ResultsRead out;
    if (const QString why = refusedText(device); !why.isEmpty()) {
        out.error = QCoreApplication::translate("DrawHistory", "%1 was not read: %2.").arg(name, why);
        return out;
    }
    // The preview lines, and the guess from them, come off the first lines as they are read.
    const qint64 start = device.pos();
    {
        LineSource lines(device);
        QString line;
        bool tooLong = false, notText = false;
        while (out.sample.size() < previewLines && lines.next(line, tooLong, notText))
            if (!tooLong && !notText && !line.trimmed().isEmpty())
                out.sample << splitResultsLine(line);
    }
    if (!device.seek(start)) {
        out.error = QCoreApplication::translate("DrawHistory", "%1 could not be read again from its start.").arg(name);
        return out;
    }
    out.layout = given && given->isValid() ? *given : guessLayout(out.sample, rules);
    if (!out.layout.isValid()) {
        out.error =
            QCoreApplication::translate(
                "DrawHistory", "No line of %1 reads as a date and the numbers drawn: say which column holds what.")
                .arg(name);
        return out;
    }
    const ResultsLayout &layout = out.layout;
    const qsizetype needed = [&] {
        qsizetype last = 0;
        for (qsizetype i = 0; i < layout.columns.size(); ++i)
            if (layout.columns[i] == ColumnRole::Date || layout.columns[i] == ColumnRole::Main)
                last = i + 1;
        return last;
    }();

    LineSource lines(device);
    QMap<QDate, qint64> seen; // date -> line
    bool headerSkipped = !layout.header;
    QString line;
    bool tooLong = false, notText = false;
    const auto bad = [&](const QString &reason) {
        ++out.badCount;
        if (out.bad.size() < maxBadLinesListed)
            out.bad << BadLine{lines.number(), reason};
    };
    while (lines.next(line, tooLong, notText)) {
        if (tooLong) {
            bad(QCoreApplication::translate("DrawHistory", "the line is longer than %1 characters")
                    .arg(maxResultsLineChars));
            continue;
        }
        if (notText) {
            bad(QCoreApplication::translate("DrawHistory", "the line is not text"));
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        if (!headerSkipped) {
            headerSkipped = true;
            continue;
        }
        const QStringList cells = splitResultsLine(line);
        if (cells.size() < needed) {
            bad(countedText("DrawHistory", "1 column found, %1 expected",
                            QT_TRANSLATE_N_NOOP("DrawHistory", "%n columns found, %1 expected"), cells.size())
                    .arg(needed));
            continue;
        }
        StoredDraw draw;
        QString fault;
        for (qsizetype i = 0; i < layout.columns.size() && i < cells.size() && fault.isEmpty(); ++i) {
            const QString &cell = cells[i];
            const ColumnRole role = layout.columns[i];
            if (role == ColumnRole::Ignore)
                continue;
            if (role == ColumnRole::Date) {
                draw.date = parseDrawDate(cell);
                if (!draw.date.isValid())
                    fault = QCoreApplication::translate("DrawHistory", "\"%1\" is not a date").arg(cell.left(20));
                continue;
            }
            if (cell.isEmpty() && role != ColumnRole::Main)
                continue; // bonus numbers may be left out
            const auto n = cellNumber(cell);
            if (!n) {
                fault = cell.isEmpty() ? QCoreApplication::translate("DrawHistory", "column %1 is empty").arg(i + 1)
                                       : QCoreApplication::translate("DrawHistory", "\"%1\" is not a lottery number")
                                             .arg(cell.left(20));
                continue;
            }
            (role == ColumnRole::Main ? draw.main : role == ColumnRole::Bonus ? draw.bonus : draw.supplementary) << *n;
        }
        if (fault.isEmpty())
            fault = validateDraw(draw.draw(), rules);
        if (fault.isEmpty() && seen.contains(draw.date))
            fault = QCoreApplication::translate("DrawHistory", "the draw of %1 is already on line %2")
                        .arg(draw.date.toString(Qt::ISODate))
                        .arg(seen.value(draw.date));
        if (!fault.isEmpty()) {
            bad(fault);
            continue;
        }
        seen.insert(draw.date, lines.number());
        out.draws << draw;
    }
    if (out.draws.isEmpty() && out.badCount > 0)
        out.error = QCoreApplication::translate("DrawHistory", "No line of %1 is a draw of this lottery (%2).")
                        .arg(name, countedText("DrawHistory", "1 bad line",
                                               QT_TRANSLATE_N_NOOP("DrawHistory", "%n bad lines"), out.badCount));
    return out;
}

} // namespace

ResultsRead readResultsFile(const QString &path, const DrawRules &rules, const std::optional<ResultsLayout> &layout)
{
    ResultsRead out;
    const QFileInfo info(path);
    if (!info.exists()) {
        out.error = QCoreApplication::translate("DrawHistory", "%1 does not exist.").arg(path);
        return out;
    }
    if (!info.isFile()) {
        out.error = QCoreApplication::translate("DrawHistory", "%1 is not a file.").arg(path);
        return out;
    }
    if (info.size() > maxResultsFileBytes) {
        out.error =
            QCoreApplication::translate(
                "DrawHistory", "%1 was not read: it is %2 MB, and a results file of more than %3 MB is not one.")
                .arg(path)
                .arg(info.size() / (1024 * 1024))
                .arg(maxResultsFileBytes / (1024 * 1024));
        return out;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.error =
            QCoreApplication::translate("DrawHistory", "%1 cannot be opened: %2.").arg(path, file.errorString());
        return out;
    }
    return readResults(file, path, rules, layout);
}

ResultsRead readResultsBytes(const QByteArray &bytes, const DrawRules &rules,
                             const std::optional<ResultsLayout> &layout, const QString &name)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    if (bytes.size() > maxResultsFileBytes) {
        ResultsRead out;
        out.error = QCoreApplication::translate("DrawHistory",
                                                "The results were not read: more than %1 MB is not a results file.")
                        .arg(maxResultsFileBytes / (1024 * 1024));
        return out;
    }
    return readResults(buffer, name.isEmpty() ? QCoreApplication::translate("DrawHistory", "The results") : name, rules,
                       layout);
}

QString badLinesText(const ResultsRead &read, int most)
{
    QStringList lines;
    for (const BadLine &bad : read.bad) {
        if (lines.size() >= most)
            break;
        lines << QCoreApplication::translate("DrawHistory", "Line %1: %2").arg(bad.line).arg(bad.reason);
    }
    if (read.badCount > lines.size())
        lines << QCoreApplication::translate("DrawHistory", "... and %1 more").arg(read.badCount - lines.size());
    return lines.join(QLatin1Char('\n'));
}

std::optional<ResultsLayout> rememberedLayout(const QString &country, const QString &lottery)
{
    const ResultsLayout layout = ResultsLayout::fromText(Settings().resultsLayout(country, lottery));
    if (!layout.isValid())
        return std::nullopt;
    return layout;
}

void rememberLayout(const QString &country, const QString &lottery, const ResultsLayout &layout)
{
    Settings().rememberResultsLayout(country, lottery, layout.isValid() ? layout.toText() : QString());
}

QString drawsStoredText(const DrawsStored &stored)
{
    if (!stored.ok())
        return stored.problem;
    QString text = stored.added == 0 ? QCoreApplication::translate("DrawHistory", "No draw added")
                                     : countedText("DrawHistory", "1 draw added",
                                                   QT_TRANSLATE_N_NOOP("DrawHistory", "%n draws added"), stored.added);
    if (stored.alreadyStored > 0)
        text += QCoreApplication::translate("DrawHistory", ", %1 already stored").arg(stored.alreadyStored);
    if (!stored.different.isEmpty()) {
        QStringList dates;
        for (const QDate &d : stored.different)
            dates << d.toString(Qt::ISODate);
        //: %1 lists the dates, such as "2026-11-28, 2026-12-02".
        text +=
            countedText("DrawHistory", "; 1 date already holds other numbers, kept as stored: %1",
                        QT_TRANSLATE_N_NOOP("DrawHistory", "; %n dates already hold other numbers, kept as stored: %1"),
                        stored.different.size())
                .arg(dates.join(QStringLiteral(", ")));
    }
    return text;
}

QList<StoredDraw> drawsBetween(const QList<StoredDraw> &draws, const QDate &from, const QDate &to)
{
    QList<StoredDraw> out;
    for (const StoredDraw &d : draws)
        if ((!from.isValid() || d.date >= from) && (!to.isValid() || d.date <= to))
            out << d;
    std::stable_sort(out.begin(), out.end(), [](const StoredDraw &a, const StoredDraw &b) { return a.date < b.date; });
    return out;
}

HistoryCheck checkHistory(const QList<TicketNumbers> &tickets, const QList<StoredDraw> &draws,
                          const LotteryFacts &facts, std::optional<double> price, const QString &currency,
                          const std::atomic_bool *cancelled)
{
    HistoryCheck out;
    out.tiers = facts.tiers;
    out.tickets = int(tickets.size());
    out.currency = currency;
    const DrawRules rules = drawRulesFor(facts);

    // Each ticket as bit sets, so that a match count is two AND and two popcounts.
    struct Ticket {
        Bits main, bonus;
        bool carriesBonus = false;
    };
    std::vector<Ticket> sets;
    sets.reserve(tickets.size());
    int mostMain = 0, mostBonus = 0;
    for (const TicketNumbers &t : tickets) {
        sets.push_back({bitsOf(t.main), bitsOf(t.bonus), !t.bonus.isEmpty()});
        mostMain = std::max(mostMain, int(t.main.size()));
        mostBonus = std::max(mostBonus, int(t.bonus.size()));
    }
    // What a ticket's tier needs, as checkDraw() judges it: supplementary numbers drawn from the
    // main pool (as the draw's bonus, or on their own beside a separate pool) and the separate pool.
    const int supplementaryCount = rules.bonusFromMainPool ? std::max(rules.bonusCount, 0) : rules.supplementaryCount;
    const int separateCount = rules.bonusFromMainPool ? 0 : std::max(rules.bonusCount, 0);
    const int mostSupplementary = std::max(supplementaryCount, mostMain);
    const int mostSeparate = std::max(separateCount, mostBonus);
    // tierOf() for every count once: main x supplementary x separate.
    const int dimS = mostSupplementary + 1, dimB = mostSeparate + 1;
    std::vector<int> tierTable;
    if (!out.tiers.isEmpty()) {
        tierTable.resize(std::size_t(mostMain + 1) * dimS * dimB);
        for (int m = 0; m <= mostMain; ++m)
            for (int s = 0; s < dimS; ++s)
                for (int b = 0; b < dimB; ++b)
                    tierTable[(std::size_t(m) * dimS + s) * dimB + b] = tierOf(out.tiers, m, s, b);
    }
    const auto tierAt = [&](int m, int s, int b) {
        return tierTable[(std::size_t(m) * dimS + std::min(s, dimS - 1)) * dimB + std::min(b, dimB - 1)];
    };

    std::vector<int> perMatches(mostMain + 1);
    std::vector<int> perTier(out.tiers.size());
    for (const StoredDraw &d : draws) {
        if (cancelled && cancelled->load(std::memory_order_relaxed))
            break;
        DrawOutcome row;
        row.draw = d;
        const Bits drawMain = bitsOf(d.main), drawBonus = bitsOf(d.bonus), drawSupplementary = bitsOf(d.supplementary);
        const bool supplementaryKnown =
            supplementaryCount == 0 || !(rules.bonusFromMainPool ? d.bonus : d.supplementary).isEmpty();
        std::fill(perMatches.begin(), perMatches.end(), 0);
        std::fill(perTier.begin(), perTier.end(), 0);
        for (const Ticket &t : sets) {
            const int main = t.main.common(drawMain);
            const int bonus = rules.bonusFromMainPool ? t.main.common(drawBonus) : t.bonus.common(drawBonus);
            ++perMatches[main];
            if (main > row.bestMain || (main == row.bestMain && bonus > row.bestBonus)) {
                row.bestMain = main;
                row.bestBonus = bonus;
            }
            if (tierTable.empty())
                continue;
            const int supplementary = rules.bonusFromMainPool ? bonus : t.main.common(drawSupplementary);
            const int separate = rules.bonusFromMainPool ? 0 : bonus;
            // A digit of the player's own never comes with a results file: such a tier is not judged.
            const bool separateKnown =
                separateCount == 0 || (!d.bonus.isEmpty() && !rules.bonusIsDigit && t.carriesBonus);
            const int tier = tierAt(main, supplementaryKnown ? supplementary : 0, separateKnown ? separate : 0);
            const int possible = tierAt(main, supplementaryKnown ? supplementary : supplementaryCount,
                                        separateKnown ? separate : separateCount);
            if (tier != possible)
                ++row.unjudged;
            else if (tier >= 0)
                ++perTier[tier];
        }
        for (int m = 0; m <= mostMain; ++m)
            if (perMatches[m] > 0) {
                row.ticketsPerMatches[m] = perMatches[m];
                out.ticketsPerMatches[m] += perMatches[m];
            }
        for (qsizetype i = 0; i < out.tiers.size(); ++i) {
            if (perTier[i] == 0)
                continue;
            row.ticketsPerTier[int(i)] = perTier[i];
            out.ticketsPerTier[int(i)] += perTier[i];
            const TierRule &won = out.tiers[i];
            if (won.prize == TierRule::Prize::Fixed)
                row.fixedWon[won.currency] += won.cents * perTier[i];
            row.sharedWon = row.sharedWon || won.prize == TierRule::Prize::Shared;
            row.unknownPrizeWon = row.unknownPrizeWon || won.prize == TierRule::Prize::Unknown;
        }
        for (auto it = row.fixedWon.cbegin(); it != row.fixedWon.cend(); ++it)
            out.fixedWon[it.key()] += it.value();
        out.sharedWon = out.sharedWon || row.sharedWon;
        out.unknownPrizeWon = out.unknownPrizeWon || row.unknownPrizeWon;
        out.unjudged += row.unjudged;
        out.mostMain = std::max(out.mostMain, row.bestMain);
        out.draws << row;
    }
    out.ticketsBought = qint64(out.tickets) * out.draws.size();
    if (price)
        out.cost = *price * double(out.ticketsBought);
    return out;
}

QString outcomeWinsText(const HistoryCheck &check, const DrawOutcome &row)
{
    QStringList parts;
    if (!check.tiers.isEmpty()) {
        for (auto it = row.ticketsPerTier.cbegin(); it != row.ticketsPerTier.cend(); ++it)
            parts << QStringLiteral("%1 x %2").arg(it.value()).arg(check.tiers.value(it.key()).name);
        if (row.unjudged > 0)
            parts << QCoreApplication::translate("DrawHistory", "%1 not judged").arg(row.unjudged);
    } else {
        for (auto it = row.ticketsPerMatches.cend(); it != row.ticketsPerMatches.cbegin();) {
            --it;
            if (it.key() >= 2)
                parts << QStringLiteral("%1 x %2")
                             .arg(it.value())
                             .arg(countedText("DrawHistory", "1 match",
                                              QT_TRANSLATE_N_NOOP("DrawHistory", "%n matches"), it.key()));
        }
    }
    return parts.isEmpty() ? QCoreApplication::translate("DrawHistory", "none") : parts.join(QStringLiteral(", "));
}

QStringList historyTotalsText(const HistoryCheck &check)
{
    QStringList lines;
    lines << QCoreApplication::translate("DrawHistory", "Draws: %1").arg(grouped(check.draws.size()));
    lines << QCoreApplication::translate("DrawHistory", "Tickets bought: %1 (%2 x %3)")
                 .arg(grouped(check.ticketsBought), grouped(check.tickets), grouped(check.draws.size()));
    if (check.cost)
        lines << QCoreApplication::translate("DrawHistory", "Cost: %1")
                     .arg(formatAmount(qint64(std::llround(*check.cost * 100)), check.currency));
    else
        lines << QCoreApplication::translate("DrawHistory", "Cost: not known (no ticket price)");
    if (!check.tiers.isEmpty()) {
        QStringList left;
        if (check.sharedWon)
            left << QCoreApplication::translate("DrawHistory", "shared prizes");
        if (check.unknownPrizeWon)
            left << QCoreApplication::translate("DrawHistory", "prizes not known here");
        if (check.unjudged > 0)
            left << countedText("DrawHistory", "1 ticket not judged",
                                QT_TRANSLATE_N_NOOP("DrawHistory", "%n tickets not judged"), check.unjudged);
        const QString won = fixedPrizesWonText(check.fixedWon, left);
        lines << won;
        for (auto it = check.ticketsPerTier.cbegin(); it != check.ticketsPerTier.cend(); ++it)
            lines << QStringLiteral("  %1: %2").arg(tierWithPrize(check.tiers.value(it.key())), grouped(it.value()));
    } else {
        lines << QCoreApplication::translate("DrawHistory",
                                             "Prize tiers: not known here; tickets per count of matches:");
        for (auto it = check.ticketsPerMatches.cend(); it != check.ticketsPerMatches.cbegin();) {
            --it;
            lines << QStringLiteral("  %1: %2")
                         .arg(countedText("DrawHistory", "1 match", QT_TRANSLATE_N_NOOP("DrawHistory", "%n matches"),
                                          it.key()),
                              grouped(it.value()));
        }
    }
    return lines;
}

QString pastDrawsSentence()
{
    return QStringLiteral("Past draws do not make any future draw more or less likely: every draw is new. The "
                          "exact odds are what to expect; these figures only show how the tickets would have "
                          "done.");
}

HistoryBesideOdds historyBesideOdds(const HistoryCheck &check, const OddsQuestion &question, const ExactOdds &exact)
{
    HistoryBesideOdds out;
    out.draws = check.draws.size();
    out.unjudged = check.unjudged;
    if (exact.tiers) {
        const odds::TierOdds &t = *exact.tiers;
        OddsBesideRow any{QCoreApplication::translate("DrawHistory", "Any prize"), 0, 0, t.anyPrize, 0};
        for (qsizetype i = 0; i < question.tiers.size() && i < qsizetype(t.anyTicket.size()); ++i) {
            OddsBesideRow row{question.tiers[i].name, 0, check.ticketsPerTier.value(int(i)),
                              t.anyTicket[std::size_t(i)], t.expectedTickets[std::size_t(i)]};
            for (const DrawOutcome &d : check.draws)
                row.drawsWon += d.ticketsPerTier.contains(int(i)) ? 1 : 0;
            any.tickets += row.tickets;
            any.expected += row.expected;
            out.rows << row;
        }
        for (const DrawOutcome &d : check.draws)
            any.drawsWon += d.ticketsPerTier.isEmpty() ? 0 : 1;
        out.anyPrize = any;
        out.fixedExpected = expectedFixedReturn(question.tiers, t);
        if (out.fixedExpected)
            out.fixedWon = check.fixedWon.value(out.fixedExpected->currency);
        return out;
    }
    if (!exact.matches)
        return out;
    const odds::Table &table = *exact.matches;
    out.byMatches = true;
    // Tickets matching at least b, so that the chance (the best ticket matches at least b) and
    // the tickets speak of the same row.
    double expected = 0;
    qint64 tickets = 0;
    for (int b = int(table.expected.size()) - 1; b >= 1; --b) {
        expected += table.expected[std::size_t(b)];
        tickets += check.ticketsPerMatches.value(b);
        const double chance = b < int(table.atLeast.size()) ? table.atLeast[std::size_t(b)] : 0;
        if (chance <= 0 && tickets == 0)
            continue;
        OddsBesideRow row{b == table.drawn ? countedText("DrawHistory", "1 match",
                                                         QT_TRANSLATE_N_NOOP("DrawHistory", "%n matches"), b)
                                           : QCoreApplication::translate("DrawHistory", "%1 or more matches").arg(b),
                          0, tickets, chance, expected};
        for (const DrawOutcome &d : check.draws)
            row.drawsWon += d.bestMain >= b ? 1 : 0;
        out.rows << row;
        if (b == exact.lowestPrizeMain) {
            row.name = QCoreApplication::translate("DrawHistory", "Any prize");
            row.chance = table.prize >= 0 ? table.prize : chance;
            out.anyPrize = row;
        }
    }
    return out;
}
