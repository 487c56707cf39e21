// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LotteryFile.h"

#include "wheelsearch/wheel.h"

#include <QCoreApplication>
#include <QMap>
#include <QStringList>

#include <functional>

namespace {

const char *const kKeys[] = {"country",
                             "lottery",
                             "pool",
                             "numbers a ticket",
                             "drawn",
                             "supplementary drawn",
                             "bonus pool",
                             "bonus drawn",
                             "lowest prize main",
                             "lowest prize bonus",
                             "price",
                             "currency",
                             "facts read",
                             "changed"};

std::string trimmed(const std::string &s)
{
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string::npos)
        return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

// One lottery's lines as read: each key's value and line, its tiers and their lines.
struct Block {
    QMap<std::string, std::pair<std::string, int>> fields;
    std::vector<std::pair<std::string, int>> tiers;
    int firstLine = 0;
};

// Turns a block into a lottery, or says why not with the line of the field at fault.
bool readBlock(const Block &b, PlayerLottery &out, int &line, QString &why)
{
    const auto has = [&](const char *key) { return b.fields.contains(key); };
    const auto value = [&](const char *key) { return b.fields.value(key).first; };
    const auto at = [&](const char *key) { return b.fields.value(key, {std::string(), b.firstLine}).second; };
    const auto fault = [&](const char *key, const std::string &reason) {
        line = at(key);
        why = QString::fromStdString(reason);
        return false;
    };
    for (const char *needed : {"country", "lottery", "pool", "numbers a ticket"})
        if (!has(needed))
            return fault(needed, std::string("the lottery needs a line \"") + needed + ": ...\"");
    LotteryRow &r = out.facts;
    r.country = value("country");
    r.name = value("lottery");
    const auto number = [&](const char *key, std::optional<int> &into) {
        if (!has(key))
            return true;
        int n = 0;
        if (!wheel::wholeNumber(value(key), n)) {
            line = at(key);
            why = QCoreApplication::translate("LotteryFile", "%1 must be a whole number").arg(QLatin1String(key));
            return false;
        }
        into = n;
        return true;
    };
    std::optional<int> pool, pick;
    if (!number("pool", pool) || !number("numbers a ticket", pick) || !number("drawn", r.drawn) ||
        !number("supplementary drawn", r.supplementary) || !number("bonus pool", r.bonusPool) ||
        !number("bonus drawn", r.bonusPick) || !number("lowest prize main", r.lowestMain) ||
        !number("lowest prize bonus", r.lowestBonus))
        return false;
    r.pool = *pool;
    r.pick = *pick;
    namespace rules = lotteryrules;
    const int drawn = r.drawn.value_or(r.pick);
    const int bonusPool = r.bonusPool.value_or(0);
    const std::pair<const char *, std::function<std::string()>> checks[] = {
        {"country", [&] { return rules::countryFault(r.country); }},
        {"lottery", [&] { return rules::nameFault(r.name); }},
        {"pool", [&] { return rules::poolFault(r.pool); }},
        {"numbers a ticket", [&] { return rules::pickFault(r.pick, r.pool); }},
        {"drawn", [&] { return r.drawn ? rules::drawnFault(drawn, r.pool) : std::string(); }},
        {"supplementary drawn",
         [&] { return r.supplementary ? rules::supplementaryFault(*r.supplementary, r.pool, drawn) : std::string(); }},
        {"bonus pool", [&] { return rules::bonusPoolFault(bonusPool); }},
        {"bonus drawn", [&] { return rules::bonusPickFault(r.bonusPick.value_or(0), bonusPool); }},
        {has("lowest prize main") ? "lowest prize main" : "lowest prize bonus",
         [&] { return rules::lowestPrizeFault(r.lowestMain, r.lowestBonus, r.pick, drawn, r.bonusPick.value_or(0)); }},
        {has("price") ? "price" : "currency",
         [&] { return rules::priceFault(value("price"), value("currency"), r.price); }},
        {"facts read", [&] { return has("facts read") ? rules::monthFault(value("facts read")) : std::string(); }},
    };
    for (const auto &[key, check] : checks)
        if (const std::string reason = check(); !reason.empty())
            return fault(key, reason);
    r.currency = value("currency");
    r.factsRead = value("facts read");
    if (has("changed")) {
        out.changed = QDate::fromString(QString::fromStdString(value("changed")), Qt::ISODate);
        if (!out.changed.isValid())
            return fault("changed", "the day is written like 2026-12-10");
    }
    for (const auto &[text, tierLine] : b.tiers) {
        line = tierLine;
        QStringList parts = QString::fromStdString(text).split(QLatin1Char(','));
        for (QString &p : parts)
            p = p.trimmed();
        if (parts.size() < 4 || parts.size() > 6) {
            why = QCoreApplication::translate("LotteryFile",
                                              "a tier is name, main, supplementary, bonus, prize, currency");
            return false;
        }
        TierRow t;
        t.tier = static_cast<int>(r.tiers.size()) + 1;
        t.line = tierLine;
        t.name = parts[0].toStdString();
        const char *const counts[] = {"main", "supplementary", "bonus"};
        int *const into[] = {&t.main, &t.supplementary, &t.bonus};
        for (int i = 0; i < 3; ++i)
            if (!wheel::wholeNumber(parts[i + 1].toStdString(), *into[i])) {
                why = QCoreApplication::translate("LotteryFile", "the tier's %1 matches must be a whole number")
                          .arg(QLatin1String(counts[i]));
                return false;
            }
        t.prize = parts.value(4).toStdString();
        t.currency = parts.value(5).toStdString();
        if (const std::string reason = rules::tierFault(t, r, r.tiers); !reason.empty()) {
            why = QString::fromStdString(reason);
            return false;
        }
        r.tiers.push_back(t);
    }
    return true;
}

} // namespace

LotteryFileRead readLotteryFile(const QByteArray &bytes, const QString &fileName)
{
    LotteryFileRead result;
    int lineNo = 0;
    const auto fail = [&](int line, const QString &why) {
        result.lotteries.clear();
        result.error = QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(why);
        return result;
    };
    if (bytes.contains('\0'))
        return fail(static_cast<int>(bytes.left(bytes.indexOf('\0')).count('\n')) + 1,
                    QCoreApplication::translate("LotteryFile", "holds a NUL byte"));
    Block block;
    const auto finish = [&](QString &why, int &line) {
        if (block.fields.isEmpty() && block.tiers.empty())
            return true;
        PlayerLottery lottery;
        if (!readBlock(block, lottery, line, why))
            return false;
        for (const PlayerLottery &o : result.lotteries)
            if (o.facts.country == lottery.facts.country && o.facts.name == lottery.facts.name) {
                line = block.fields.value("lottery").second;
                why =
                    QStringLiteral("\"%1\" of %2 is in the file twice")
                        .arg(QString::fromStdString(lottery.facts.name), QString::fromStdString(lottery.facts.country));
                return false;
            }
        result.lotteries << lottery;
        block = Block{};
        return true;
    };
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray raw : lines) {
        ++lineNo;
        if (lineNo == 1 && raw.startsWith("\xef\xbb\xbf"))
            raw.remove(0, 3);
        if (raw.endsWith('\r'))
            raw.chop(1);
        const QString text = QString::fromUtf8(raw);
        if (text.toUtf8() != raw)
            return fail(lineNo, QCoreApplication::translate("LotteryFile", "is not UTF-8 text"));
        const std::string line = trimmed(raw.toStdString());
        QString why;
        int at = lineNo;
        if (line.empty()) {
            if (!finish(why, at))
                return fail(at, why);
            continue;
        }
        if (line[0] == '#')
            continue;
        const auto colon = line.find(':');
        if (colon == std::string::npos)
            return fail(lineNo, QStringLiteral("expected \"field: value\""));
        const std::string key = trimmed(line.substr(0, colon));
        const std::string value = trimmed(line.substr(colon + 1));
        if (block.fields.isEmpty() && block.tiers.empty())
            block.firstLine = lineNo;
        if (key == "tier") {
            block.tiers.emplace_back(value, lineNo);
            continue;
        }
        if (std::find(std::begin(kKeys), std::end(kKeys), key) == std::end(kKeys))
            return fail(lineNo, QStringLiteral("\"%1\" is not a field of a lottery").arg(QString::fromStdString(key)));
        if (block.fields.contains(key))
            return fail(lineNo, QStringLiteral("\"%1\" is given twice (a blank line parts two lotteries)")
                                    .arg(QString::fromStdString(key)));
        block.fields.insert(key, {value, lineNo});
    }
    QString why;
    int at = lineNo;
    if (!finish(why, at))
        return fail(at, why);
    return result;
}

QByteArray writeLotteryFile(const QList<PlayerLottery> &lotteries)
{
    QByteArray out;
    const auto put = [&out](const char *key, const std::string &value) {
        out += key;
        out += ": ";
        out += QByteArray::fromStdString(value);
        out += '\n';
    };
    const auto putCount = [&put](const char *key, const std::optional<int> &n) {
        if (n)
            put(key, std::to_string(*n));
    };
    for (const PlayerLottery &l : lotteries) {
        const LotteryRow &r = l.facts;
        if (!out.isEmpty())
            out += '\n';
        put("country", r.country);
        put("lottery", r.name);
        put("pool", std::to_string(r.pool));
        put("numbers a ticket", std::to_string(r.pick));
        putCount("drawn", r.drawn);
        putCount("supplementary drawn", r.supplementary);
        putCount("bonus pool", r.bonusPool);
        putCount("bonus drawn", r.bonusPick);
        putCount("lowest prize main", r.lowestMain);
        putCount("lowest prize bonus", r.lowestBonus);
        if (r.price) {
            // As many decimals as the price has, at least two ("2.50", "0.1250").
            QString price = QString::number(*r.price, 'f', 4);
            while (price.endsWith(QLatin1Char('0')) && price.indexOf(QLatin1Char('.')) < price.size() - 3)
                price.chop(1);
            put("price", price.toStdString());
            put("currency", r.currency);
        }
        if (!r.factsRead.empty())
            put("facts read", r.factsRead);
        if (l.changed.isValid())
            put("changed", l.changed.toString(Qt::ISODate).toStdString());
        for (const TierRow &t : r.tiers) {
            std::string line = t.name + ", " + std::to_string(t.main) + ", " + std::to_string(t.supplementary) + ", " +
                               std::to_string(t.bonus);
            if (!t.prize.empty())
                line += ", " + t.prize;
            if (!t.currency.empty())
                line += ", " + t.currency;
            put("tier", line);
        }
    }
    return out;
}
