// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prize tiers in "wheelwright odds", over the database the build ships.
#include "CommandRun.h"
#include "cli/OddsCommand.h"
#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/Play.h"
#include "core/WheelShelf.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

QStringList oddsArguments(const QString &country, const QString &lottery, int numbers, const QString &wheel)
{
    return {QStringLiteral("odds"),
            QStringLiteral("--country"),
            country,
            QStringLiteral("--lottery"),
            lottery,
            QStringLiteral("--numbers"),
            QString::number(numbers),
            QStringLiteral("--wheel"),
            wheel,
            QStringLiteral("--database"),
            QStringLiteral(DATABASE)};
}

QJsonObject parsed(const CommandRun &r)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
    return error.error == QJsonParseError::NoError ? doc.object() : QJsonObject();
}

// The tier count made here from the stored lines, as the command should have made it.
odds::TierOdds countedHere(const QString &country, const QString &lottery, int numbers, const QString &wheel,
                           const QList<int> &bonus)
{
    Database database;
    if (!database.open(QStringLiteral(DATABASE)))
        return {};
    const Catalogue catalogue(database);
    const auto details = catalogue.details(country, lottery);
    if (!details)
        return {};
    const WheelOffer offer{details->pick, WheelType::TypeA, numbers, wheel, 0, WheelOrigin::Shipped};
    std::vector<wheel::Line> lines;
    for (const QString &text : catalogue.storedLines(offer)) {
        wheel::Line bits = 0;
        std::string problem;
        if (!wheel::parseLine(text.toStdString(), numbers, bits, problem))
            return {};
        lines.push_back(bits);
    }
    const OddsQuestion q = oddsQuestion(PlayedLottery{country, lottery, *details}, offer, lines, bonus);
    odds::TierOdds out;
    std::string error;
    odds::computeTiers(q.tierQuestion(), out, error);
    return out;
}

} // namespace

class TestOddsCommand : public QObject {
    Q_OBJECT
private slots:
    void tiersInJson_data();
    void tiersInJson();
    void unknownTiers();
    void tierTableInText();
    void refusesBadBonus_data();
    void refusesBadBonus();
};

void TestOddsCommand::tiersInJson_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("lottery");
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<int>("supplementary");
    QTest::addColumn<int>("bonusPool");
    QTest::addColumn<int>("bonusDrawn");
    QTest::addColumn<QString>("second"); // the second tier's name and what it needs beyond main numbers
    QTest::addColumn<int>("secondExtra");
    QTest::newRow("a bonus ball from the main pool") << QStringLiteral("Canada") << QStringLiteral("Lotto 6/49")
                                                     << QString() << 1 << 0 << 0 << QStringLiteral("5 + bonus") << 1;
    QTest::newRow("a separate bonus pool, two bonus numbers spread")
        << QStringLiteral("United States") << QStringLiteral("Powerball") << QStringLiteral("5,12") << 0 << 26 << 1
        << QStringLiteral("5 matches") << 0;
    QTest::newRow("two drawn from the bonus pool")
        << QStringLiteral("United Kingdom") << QStringLiteral("EuroMillions") << QStringLiteral("3,7,11") << 0 << 12
        << 2 << QStringLiteral("5 + 1 Lucky Star") << 1;
}

// The fields added for the tiers follow today's, agree with the count, and the fixed prizes
// times the tickets expected in them add up to the return.
void TestOddsCommand::tiersInJson()
{
    QFETCH(QString, country);
    QFETCH(QString, lottery);
    QFETCH(QString, bonus);
    QFETCH(int, supplementary);
    QFETCH(int, bonusPool);
    QFETCH(int, bonusDrawn);
    QFETCH(QString, second);
    QFETCH(int, secondExtra);
    QStringList arguments = oddsArguments(country, lottery, 10, QStringLiteral("3 if 4")) << QStringLiteral("--json");
    QList<int> bonusNumbers;
    if (!bonus.isEmpty()) {
        arguments << QStringLiteral("--bonus") << bonus;
        for (const QString &b : bonus.split(u','))
            bonusNumbers << b.toInt();
    }
    const CommandRun r = runCommand(arguments);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.status, 0);
    const QJsonObject o = parsed(r);
    QVERIFY2(!o.isEmpty(), qPrintable(r.out));
    // Today's fields first, the new ones after them in the documented order.
    qsizetype at = r.out.indexOf(QStringLiteral("\"lowestPrize\":"));
    QVERIFY(at > 0);
    for (const char *field : {"supplementary", "bonusPool", "bonusDrawn", "tiers", "anyPrize", "expectedReturn"}) {
        const qsizetype next = r.out.indexOf(QLatin1Char('"') + QLatin1String(field) + QStringLiteral("\":"), at);
        QVERIFY2(next > at, field);
        at = next;
    }
    QCOMPARE(o.value(QStringLiteral("supplementary")).toInt(-1), supplementary);
    QCOMPARE(o.value(QStringLiteral("bonusPool")).toInt(-1), bonusPool);
    QCOMPARE(o.value(QStringLiteral("bonusDrawn")).toInt(-1), bonusDrawn);

    const QJsonArray tiers = o.value(QStringLiteral("tiers")).toArray();
    const odds::TierOdds here = countedHere(country, lottery, 10, QStringLiteral("3 if 4"), bonusNumbers);
    QCOMPARE(static_cast<std::size_t>(tiers.size()), here.anyTicket.size());
    QVERIFY(tiers.size() >= 5);
    const QJsonObject secondTier = tiers[1].toObject();
    QCOMPARE(secondTier.value(QStringLiteral("name")).toString(), second);
    QCOMPARE(secondTier.value(QStringLiteral("extra")).toInt(-1), secondExtra);
    double fixedReturn = 0;
    bool anyFixed = false;
    int previousMain = 99;
    for (qsizetype i = 0; i < tiers.size(); ++i) {
        const QJsonObject t = tiers[i].toObject();
        QCOMPARE(t.value(QStringLiteral("anyTicket")).toDouble(), here.anyTicket[static_cast<std::size_t>(i)]);
        QCOMPARE(t.value(QStringLiteral("expectedTickets")).toDouble(),
                 here.expectedTickets[static_cast<std::size_t>(i)]);
        // `extra` is what the tier needs of the bonus pool where there is one.
        QCOMPARE(t.value(QStringLiteral("extra")).toInt(-1),
                 t.value(bonusPool > 0 ? QStringLiteral("bonus") : QStringLiteral("supplementary")).toInt(-2));
        QVERIFY(t.value(QStringLiteral("main")).toInt() <= previousMain + 2); // best first, roughly by main
        previousMain = t.value(QStringLiteral("main")).toInt();
        const QJsonValue amount = t.value(QStringLiteral("amount"));
        QCOMPARE(amount.isNull(), t.value(QStringLiteral("currency")).isNull());
        if (!amount.isNull()) {
            anyFixed = true;
            fixedReturn += amount.toDouble() * t.value(QStringLiteral("expectedTickets")).toDouble();
        }
    }
    QCOMPARE(o.value(QStringLiteral("anyPrize")).toDouble(), here.anyPrize);
    QCOMPARE(o.value(QStringLiteral("expectedReturn")).isNull(), !anyFixed);
    if (anyFixed)
        QVERIFY(qAbs(o.value(QStringLiteral("expectedReturn")).toDouble() - fixedReturn) < 1e-9 * fixedReturn);
}

void TestOddsCommand::unknownTiers()
{
    const CommandRun r = runCommand(
        oddsArguments(QStringLiteral("Malaysia"), QStringLiteral("Supreme Toto 6/58"), 10, QStringLiteral("3 if 4"))
        << QStringLiteral("--json"));
    QCOMPARE(r.status, 0);
    const QJsonObject o = parsed(r);
    QVERIFY(o.value(QStringLiteral("tiers")).isArray());
    QVERIFY(o.value(QStringLiteral("tiers")).toArray().isEmpty());
    QVERIFY(o.value(QStringLiteral("anyPrize")).isNull());
    QVERIFY(o.value(QStringLiteral("expectedReturn")).isNull());
    QVERIFY(o.contains(QStringLiteral("have"))); // today's figures stay
    const CommandRun text = runCommand(
        oddsArguments(QStringLiteral("Malaysia"), QStringLiteral("Supreme Toto 6/58"), 10, QStringLiteral("3 if 4")));
    QVERIFY(text.out.contains(QStringLiteral("The prize tiers of this lottery are not known.")));
}

void TestOddsCommand::tierTableInText()
{
    const CommandRun r =
        runCommand(oddsArguments(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), 10, QStringLiteral("3 if 4")));
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split(u'\n');
    const auto row = [&](const QString &start) {
        for (const QString &l : lines)
            if (l.startsWith(start))
                return l;
        return QString();
    };
    QVERIFY(row(QStringLiteral("Tier ")).contains(QStringLiteral("At least one ticket")));
    QVERIFY(row(QStringLiteral("5 + bonus ")).contains(QStringLiteral("shared")));
    QVERIFY(row(QStringLiteral("3 matches ")).contains(QStringLiteral("10.00 CAD")));
    QVERIFY(row(QStringLiteral("Some ticket wins a prize in ")).endsWith(QStringLiteral(" of draws.")));
    const QString fixed = row(QStringLiteral("The fixed prizes return "));
    QVERIFY2(fixed.contains(QStringLiteral("Tiers with shared prizes are not in this figure.")), qPrintable(fixed));
    QVERIFY(fixed.contains(QStringLiteral("CAD")));
    for (const QString &l : lines)
        QVERIFY2(!l.endsWith(u' '), qPrintable(l));
}

void TestOddsCommand::refusesBadBonus_data()
{
    QTest::addColumn<QString>("lottery");
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<QString>("message");
    QTest::newRow("no bonus pool") << QStringLiteral("Lotto 6/49") << QStringLiteral("3")
                                   << QStringLiteral("--bonus: Lotto 6/49 has no separate bonus pool");
    QTest::newRow("beyond the pool") << QStringLiteral("Daily Grand") << QStringLiteral("8")
                                     << QStringLiteral("--bonus: 8 is outside the bonus numbers 1 to 7");
    QTest::newRow("twice") << QStringLiteral("Daily Grand") << QStringLiteral("2,2")
                           << QStringLiteral("--bonus: 2 is given twice");
    QTest::newRow("not a number") << QStringLiteral("Daily Grand") << QStringLiteral("x")
                                  << QStringLiteral("--bonus: ");
}

void TestOddsCommand::refusesBadBonus()
{
    QFETCH(QString, lottery);
    QFETCH(QString, bonus);
    QFETCH(QString, message);
    const CommandRun r = runCommand(oddsArguments(QStringLiteral("Canada"), lottery, 10, QStringLiteral("3 if 4"))
                                    << QStringLiteral("--bonus") << bonus);
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
}

QTEST_GUILESS_MAIN(TestOddsCommand)
#include "test_odds_command.moc"
