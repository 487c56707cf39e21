// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LotteryFaultText.h"

#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>

namespace {
// Every wording of src/core/LotteryRules.cpp, numbers and names as %1, %2 in their order there.
// "1 number" and "%1 numbers" are separate wordings, so each language writes its own plural.
const char *const kWordings[] = {
    QT_TRANSLATE_NOOP("LotteryRules", "\"%1\" is not a country the program offers"),
    QT_TRANSLATE_NOOP("LotteryRules", "the lottery needs a name"),
    QT_TRANSLATE_NOOP("LotteryRules", "the name is longer than 80 bytes"),
    QT_TRANSLATE_NOOP("LotteryRules", "the name holds a character that does not print"),
    QT_TRANSLATE_NOOP("LotteryRules", "the name begins or ends with a space"),
    QT_TRANSLATE_NOOP("LotteryRules", "the pool holds 2 to 99 numbers"),
    QT_TRANSLATE_NOOP("LotteryRules", "a ticket holds at least 1 number"),
    QT_TRANSLATE_NOOP("LotteryRules", "a ticket holds 1 number, so the pool needs at least %1"),
    QT_TRANSLATE_NOOP("LotteryRules", "a ticket holds %1 numbers, so the pool needs at least %2"),
    QT_TRANSLATE_NOOP("LotteryRules", "the draw takes 1 to %1 numbers from a pool of %2"),
    //: Said when one number is drawn: the English reads "1 number are drawn".
    QT_TRANSLATE_NOOP("LotteryRules", "after 1 number are drawn the pool has %1 left for supplementary numbers"),
    QT_TRANSLATE_NOOP("LotteryRules", "after %1 numbers are drawn the pool has %2 left for supplementary numbers"),
    QT_TRANSLATE_NOOP("LotteryRules", "the bonus pool holds 0 (none) to 99 numbers"),
    QT_TRANSLATE_NOOP("LotteryRules", "there is no bonus pool, so no bonus numbers are drawn"),
    QT_TRANSLATE_NOOP("LotteryRules", "the bonus pool of %1 gives 1 to %2 bonus numbers"),
    QT_TRANSLATE_NOOP("LotteryRules", "the lowest prize's main and bonus matches are given together or not at all"),
    QT_TRANSLATE_NOOP("LotteryRules", "the lowest prize needs 0 to %1 main matches"),
    QT_TRANSLATE_NOOP("LotteryRules", "the lowest prize needs 0 to %1 bonus matches"),
    QT_TRANSLATE_NOOP("LotteryRules", "the lowest prize cannot need no match at all"),
    QT_TRANSLATE_NOOP("LotteryRules", "a price is an amount like 2.50"),
    QT_TRANSLATE_NOOP("LotteryRules", "a price is more than nothing"),
    QT_TRANSLATE_NOOP("LotteryRules", "a price needs its currency"),
    QT_TRANSLATE_NOOP("LotteryRules", "a currency needs a price"),
    QT_TRANSLATE_NOOP("LotteryRules", "the currency is a three-letter code like EUR (ISO 4217)"),
    QT_TRANSLATE_NOOP("LotteryRules", "the month is written like 2026-12"),
    QT_TRANSLATE_NOOP("LotteryRules", "the tier needs a name of 1 to 80 bytes"),
    QT_TRANSLATE_NOOP("LotteryRules", "the tier's name holds a comma or a character that does not print"),
    //: %2 is the lottery's name.
    QT_TRANSLATE_NOOP("LotteryRules", "main must be a whole number from 0 to %1 for \"%2\""),
    QT_TRANSLATE_NOOP("LotteryRules", "supplementary must be a whole number from 0 to %1 for \"%2\""),
    QT_TRANSLATE_NOOP("LotteryRules", "bonus must be a whole number from 0 to %1 for \"%2\""),
    QT_TRANSLATE_NOOP("LotteryRules", "a ticket holds %1 numbers: it cannot match %2 main and %3 supplementary"),
    QT_TRANSLATE_NOOP("LotteryRules", "a tier cannot need no match at all"),
    QT_TRANSLATE_NOOP("LotteryRules", "a currency goes only with a fixed amount"),
    //: "empty" and "shared" are what the prize column may hold, kept as they are.
    QT_TRANSLATE_NOOP("LotteryRules", "prize must be empty, shared, or an amount with two decimals like 10.00"),
    QT_TRANSLATE_NOOP("LotteryRules", "a fixed amount needs a three-letter currency code (ISO 4217)"),
    //: %1 and %2 are names of prize tiers.
    QT_TRANSLATE_NOOP("LotteryRules", "no ticket can reach \"%1\": \"%2\" comes first and takes every ticket it would"),
    //: %1 and %2 are names of prize tiers, %3 a line of the lottery file.
    QT_TRANSLATE_NOOP("LotteryRules",
                      "no ticket can reach \"%1\": \"%2\" (line %3) comes first and takes every ticket it would"),
    //: %1 is the name of a prize tier, %2 what is wrong with it.
    QT_TRANSLATE_NOOP("LotteryRules", "tier \"%1\": %2"),
};

struct Wording {
    const char *text;
    QRegularExpression pattern; // the English with each %N as a group
    QList<int> order;           // the N of each group
};

const QList<Wording> &wordings()
{
    static const QList<Wording> all = [] {
        QList<Wording> out;
        static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
        for (const char *text : kWordings) {
            const QString english = QString::fromUtf8(text);
            QString pattern = QStringLiteral("^");
            QList<int> order;
            qsizetype at = 0;
            for (const QRegularExpressionMatch &m : placeholder.globalMatch(english)) {
                pattern +=
                    QRegularExpression::escape(english.mid(at, m.capturedStart() - at)) + QStringLiteral("(.+?)");
                order << m.captured(1).toInt();
                at = m.capturedEnd();
            }
            pattern += QRegularExpression::escape(english.mid(at)) + u'$';
            out.append({text, QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption), order});
        }
        return out;
    }();
    return all;
}

// `text` with each %N replaced by values[N - 1] in one pass, so a value holding "%2" stays as it is.
QString filledIn(const QString &text, const QStringList &values)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size() && text[i + 1].isDigit()) {
            const int n = text[i + 1].digitValue();
            if (n >= 1 && n <= values.size()) {
                out += values[n - 1];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

const Wording *wordingOf(const QString &reason, QStringList *values)
{
    for (const Wording &w : wordings()) {
        const QRegularExpressionMatch m = w.pattern.match(reason);
        if (!m.hasMatch())
            continue;
        values->clear();
        for (int i = 0; i < w.order.size(); ++i)
            values->append(QString());
        for (int i = 0; i < w.order.size(); ++i)
            if (w.order[i] >= 1 && w.order[i] <= values->size())
                (*values)[w.order[i] - 1] = m.captured(i + 1);
        return &w;
    }
    return nullptr;
}
} // namespace

QString translatedLotteryFault(const std::string &reason)
{
    const QString english = QString::fromStdString(reason);
    QStringList values;
    const Wording *w = wordingOf(english, &values);
    if (!w)
        return english;
    // A tier's reason holds another reason.
    if (qstrcmp(w->text, "tier \"%1\": %2") == 0 && values.size() == 2)
        values[1] = translatedLotteryFault(values[1].toStdString());
    return filledIn(QCoreApplication::translate("LotteryRules", w->text), values);
}

bool knownLotteryFault(const std::string &reason)
{
    QStringList values;
    return wordingOf(QString::fromStdString(reason), &values) != nullptr;
}
