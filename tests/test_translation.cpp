// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The window in other languages: which language a system gets, the catalogues complete, the
// window's titles and alerts translated, figures in the language's way, and every label wide
// enough for its text. The checks that need a translator's work run for the languages listed
// as finished in CMakeLists.txt (WHEELWRIGHT_FINISHED_LANGUAGES).
#include "GuiDriver.h"
#include "core/CountedText.h"
#include "core/LotteryFaultText.h"
#include "core/LotteryRules.h"
#include "core/PrizeTiers.h"
#include "core/WheelComparison.h"
#include "core/WheelValue.h"
#include "ui/AuxWindows.h"
#include "ui/DrawHistoryWindow.h"
#include "ui/Language.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {
QStringList finishedLanguages()
{
    return QString::fromUtf8(FINISHED_LANGUAGES).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

// The messages of a .ts catalogue that a player would still read in English: unfinished,
// vanished or obsolete, or with an empty translation (or an empty plural form).
QStringList untranslated(const QByteArray &ts)
{
    QStringList out;
    QXmlStreamReader xml(ts);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            QString text;
            QStringList forms;
            while (!xml.atEnd() &&
                   !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == QLatin1String("translation"))) {
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    forms << xml.readElementText().trimmed();
            }
            const bool empty = forms.isEmpty() ? text.trimmed().isEmpty() : forms.contains(QString());
            if (!type.isEmpty() || empty)
                out << context + QStringLiteral(": ") + source +
                           (type.isEmpty() ? QString() : QStringLiteral(" (") + type + u')');
        }
    }
    if (xml.hasError())
        out << QStringLiteral("the catalogue is not well-formed XML: %1").arg(xml.errorString());
    return out;
}

// A catalogue made here from `ts` by lrelease, for the checks that need a translation of their own.
bool makeCatalogue(QTranslator &translator, const QString &folder, const QByteArray &ts)
{
    QFile file(folder + QStringLiteral("/probe.ts"));
    if (!file.open(QIODevice::WriteOnly) || file.write(ts) != ts.size())
        return false;
    file.close();
    QProcess lrelease;
    lrelease.start(QStringLiteral(LRELEASE), {QStringLiteral("-silent"), file.fileName()});
    return lrelease.waitForFinished(60000) && lrelease.exitCode() == 0 &&
           translator.load(folder + QStringLiteral("/probe.qm"));
}

// Every label and button shown in `top` whose text needs more room than it has: a label its
// size hint (one that wraps, the height of its lines), a push button its text and frame (the style's least width of a
// push button is no need of the text), a check or radio button its size hint.
QStringList cutTexts(QWidget *top)
{
    QStringList out;
    for (QWidget *w : top->findChildren<QWidget *>()) {
        // The number buttons show a number drawn over a ball, the same in every language.
        if (!w->isVisible() || w->width() <= 0 || qobject_cast<NumberButton *>(w))
            continue;
        QString text;
        int needed = w->sizeHint().width();
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()) {
            text = label->text();
            // A label that wraps needs the height of its lines at the width it has.
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height())
                    out << QStringLiteral("%1 \"%2\": needs %3 high, has %4")
                               .arg(w->objectName(), text)
                               .arg(label->heightForWidth(label->width()))
                               .arg(label->height());
                continue;
            }
        } else if (auto *button = qobject_cast<QAbstractButton *>(w); button && !button->text().isEmpty()) {
            text = button->text();
            if (qobject_cast<QPushButton *>(w))
                needed = w->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&'))) +
                         (button->icon().isNull() ? 0 : button->iconSize().width() + 4) + 8;
        } else {
            continue;
        }
        if (needed > w->width())
            out << QStringLiteral("%1 \"%2\": needs %3, has %4").arg(w->objectName(), text).arg(needed).arg(w->width());
    }
    return out;
}
} // namespace

class TestTranslation : public QObject, public GuiDriver {
    Q_OBJECT
private slots:
    void init() { prepare(); }
    void cleanup()
    {
        finish();
        QVERIFY(useWindowLanguage(QStringLiteral("en")));
    }

    void systemLanguagePicksACatalogue_data();
    void systemLanguagePicksACatalogue();
    void chosenLanguageComesFirst();
    void countedTextTakesTheCatalogueForms();
    void catalogueCheckerFindsWhatIsUntranslated();
    void catalogueIsComplete_data();
    void catalogueIsComplete();
    void everyLotteryFaultHasAWording();
    void lotteryFaultsAreTranslated();
    void germanFiguresFollowTheLocale();
    void englishFiguresStayAsBefore();
    void prizesFollowTheWindowsMoney();
    void commandLineStaysEnglish();
    void languageMenuKeepsTheChoice();
    void windowSpeaksTheLanguage_data();
    void windowSpeaksTheLanguage();
    void textsFitTheirPlace_data();
    void textsFitTheirPlace();
    void screenshots();
};

void TestTranslation::systemLanguagePicksACatalogue_data()
{
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("code");
    QTest::newRow("German of Austria") << QStringList{QStringLiteral("de-AT"), QStringLiteral("de")} << "de";
    QTest::newRow("Brazil") << QStringList{QStringLiteral("pt-BR")} << "pt_BR";
    QTest::newRow("Portugal takes Brazil's") << QStringList{QStringLiteral("pt-PT")} << "pt_BR";
    QTest::newRow("simplified Chinese") << QStringList{QStringLiteral("zh-Hans-CN")} << "zh_CN";
    QTest::newRow("traditional Chinese is passed over")
        << QStringList{QStringLiteral("zh-Hant-TW"), QStringLiteral("el-GR")} << "el";
    QTest::newRow("Taiwan alone is English") << QStringList{QStringLiteral("zh_TW")} << "en";
    QTest::newRow("English before Dutch") << QStringList{QStringLiteral("en-GB"), QStringLiteral("nl-NL")} << "en";
    QTest::newRow("unknown, then Malay") << QStringList{QStringLiteral("fi-FI"), QStringLiteral("ms-MY")} << "ms";
    QTest::newRow("nothing known") << QStringList{QStringLiteral("fi"), QStringLiteral("C")} << "en";
    QTest::newRow("nothing at all") << QStringList{} << "en";
}

void TestTranslation::systemLanguagePicksACatalogue()
{
    QFETCH(QStringList, preferred);
    QFETCH(QString, code);
    QCOMPARE(languageFor(preferred), code);
}

void TestTranslation::chosenLanguageComesFirst()
{
    QCOMPARE(startLanguage(QStringLiteral("tr")), QStringLiteral("tr"));
    QCOMPARE(startLanguage(QStringLiteral("en")), QStringLiteral("en"));
    // A stored value the window does not speak falls back to the system's language.
    QCOMPARE(startLanguage(QStringLiteral("xx")), languageFor(QLocale::system().uiLanguages()));
    // Each language is listed by its own name, English last.
    QCOMPARE(windowLanguages().size(), 10);
    QCOMPARE(windowLanguages().constLast().code, QStringLiteral("en"));
    QCOMPARE(windowLanguages().constFirst().name, QStringLiteral("Deutsch"));
}

void TestTranslation::countedTextTakesTheCatalogueForms()
{
    // English has no catalogue and writes its own two forms.
    QCOMPARE(countedText("Probe", "1 ticket", "%n tickets", 1), QStringLiteral("1 ticket"));
    QCOMPARE(countedText("Probe", "1 ticket", "%n tickets", 0), QStringLiteral("0 tickets"));
    QCOMPARE(countedText("Probe", "1 ticket", "%n tickets", 12), QStringLiteral("12 tickets"));
    // A catalogue gives every form, the singular too.
    QTranslator translator;
    QVERIFY(
        makeCatalogue(translator, dir.path(),
                      "<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\" language=\"de_DE\">"
                      "<context><name>Probe</name><message numerus=\"yes\"><source>%n tickets</source>"
                      "<translation><numerusform>%n Schein</numerusform><numerusform>%n Scheine</numerusform>"
                      "</translation></message></context></TS>"));
    QCoreApplication::installTranslator(&translator);
    const QString one = countedText("Probe", "1 ticket", "%n tickets", 1);
    const QString many = countedText("Probe", "1 ticket", "%n tickets", 12);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(one, QStringLiteral("1 Schein"));
    QCOMPARE(many, QStringLiteral("12 Scheine"));
}

void TestTranslation::catalogueCheckerFindsWhatIsUntranslated()
{
    const QByteArray ts =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\" language=\"de_DE\">"
        "<context><name>Page</name>"
        "<message><source>Done</source><translation>Fertig</translation></message>"
        "<message><source>Open</source><translation type=\"unfinished\"></translation></message>"
        "<message><source>Old</source><translation type=\"vanished\">Alt</translation></message>"
        "<message><source>Blank</source><translation>  </translation></message>"
        "<message numerus=\"yes\"><source>%n rows</source><translation>"
        "<numerusform>%n Zeile</numerusform><numerusform></numerusform></translation></message>"
        "<message numerus=\"yes\"><source>%n days</source><translation>"
        "<numerusform>%n Tag</numerusform><numerusform>%n Tage</numerusform></translation></message>"
        "</context></TS>";
    QCOMPARE(untranslated(ts),
             (QStringList{QStringLiteral("Page: Open (unfinished)"), QStringLiteral("Page: Old (vanished)"),
                          QStringLiteral("Page: Blank"), QStringLiteral("Page: %n rows")}));
    QVERIFY(!untranslated("<TS><context><name>x</name><message>").isEmpty());
}

void TestTranslation::catalogueIsComplete_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : finishedLanguages())
        QTest::newRow(qPrintable(code)) << code;
    // A table without rows would run the test once without data.
    if (finishedLanguages().isEmpty())
        QTest::newRow("none finished yet") << QString();
}

void TestTranslation::catalogueIsComplete()
{
    QFETCH(QString, code);
    if (code.isEmpty())
        QSKIP("No language is listed as finished in WHEELWRIGHT_FINISHED_LANGUAGES");
    // lupdate over today's sources into a copy: a text added to the window since the catalogue
    // was last updated comes out unfinished, as does one the translator left.
    const QString copy = dir.filePath(QStringLiteral("wheelwright_%1.ts").arg(code));
    QFile::remove(copy);
    QVERIFY(QFile::copy(QStringLiteral(TRANSLATIONS_DIR "/wheelwright_%1.ts").arg(code), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    QStringList arguments;
    for (const char *folder : {"/src/ui", "/src/app", "/src/core", "/resources/layouts"})
        arguments << QStringLiteral(SOURCE_DIR) + QLatin1String(folder);
    arguments << QStringLiteral("-ts") << copy << QStringLiteral("-locations") << QStringLiteral("none")
              << QStringLiteral("-no-obsolete") << QStringLiteral("-silent");
    lupdate.start(QStringLiteral(LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(300000));
    QCOMPARE(lupdate.exitCode(), 0);
    QFile file(copy);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList missing = untranslated(file.readAll());
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 messages untranslated, the first: %2")
                                               .arg(missing.size())
                                               .arg(missing.mid(0, 8).join(QStringLiteral("; ")))));
}

namespace {
TierRow tierRow(const char *name, int main, int supplementary = 0, int bonus = 0, const char *prize = "",
                const char *currency = "", int line = 0)
{
    TierRow t;
    t.tier = 1;
    t.name = name;
    t.main = main;
    t.supplementary = supplementary;
    t.bonus = bonus;
    t.prize = prize;
    t.currency = currency;
    t.line = line;
    return t;
}

// Every reason lotteryrules gives, from facts that break each rule.
std::vector<std::string> lotteryFaults()
{
    namespace rules = lotteryrules;
    std::optional<double> price;
    LotteryRow lottery{"Canada", "Lotto 6/49", 49, 6};
    lottery.drawn = 6;
    lottery.supplementary = 1;
    lottery.bonusPick = 1;
    std::vector<std::string> out{rules::countryFault("Atlantis"),
                                 rules::nameFault(""),
                                 rules::nameFault(std::string(81, 'x')),
                                 rules::nameFault("a\tb"),
                                 rules::nameFault(" a"),
                                 rules::poolFault(100),
                                 rules::pickFault(0, 49),
                                 rules::pickFault(1, 1),
                                 rules::pickFault(6, 6),
                                 rules::drawnFault(50, 49),
                                 rules::supplementaryFault(10, 10, 1),
                                 rules::supplementaryFault(9, 10, 6),
                                 rules::bonusPoolFault(100),
                                 rules::bonusPickFault(1, 0),
                                 rules::bonusPickFault(3, 2),
                                 rules::lowestPrizeFault(1, std::nullopt, 6, 6, 0),
                                 rules::lowestPrizeFault(7, 0, 6, 6, 0),
                                 rules::lowestPrizeFault(2, 2, 6, 6, 1),
                                 rules::lowestPrizeFault(0, 0, 6, 6, 1),
                                 rules::priceFault("2,50", "EUR", price),
                                 rules::priceFault("0", "EUR", price),
                                 rules::priceFault("2.50", "", price),
                                 rules::priceFault("", "EUR", price),
                                 rules::priceFault("2.50", "euro", price),
                                 rules::monthFault("12/2026")};
    const auto tier = [&](TierRow t, const std::vector<TierRow> &earlier = {}) {
        out.push_back(rules::tierFault(t, lottery, earlier));
    };
    tier(tierRow("", 6));
    tier(tierRow("a, b", 6));
    tier(tierRow("Jackpot", 7));
    tier(tierRow("Jackpot", 5, 2));
    tier(tierRow("Jackpot", 5, 0, 2));
    tier(tierRow("Jackpot", 6, 1, 0));
    tier(tierRow("Nothing", 0));
    tier(tierRow("Jackpot", 6, 0, 0, "shared", "EUR"));
    tier(tierRow("Jackpot", 6, 0, 0, "10"));
    tier(tierRow("Jackpot", 6, 0, 0, "10.00", "eu"));
    tier(tierRow("Second", 5), {tierRow("First", 5)});
    tier(tierRow("Second", 5), {tierRow("First", 5, 0, 0, "", "", 12)});
    LotteryRow withTier = lottery;
    withTier.tiers = {tierRow("Jackpot", 7)};
    out.push_back(rules::lotteryFault(withTier));
    return out;
}
} // namespace

void TestTranslation::everyLotteryFaultHasAWording()
{
    // A reason reworded in lotteryrules without its wording here would reach the window untranslated.
    for (const std::string &fault : lotteryFaults()) {
        QVERIFY(!fault.empty());
        QVERIFY2(knownLotteryFault(fault), fault.c_str());
        QCOMPARE(translatedLotteryFault(fault), QString::fromStdString(fault));
    }
    QVERIFY(!knownLotteryFault("a reason nobody wrote"));
    QCOMPARE(translatedLotteryFault("a reason nobody wrote"), QStringLiteral("a reason nobody wrote"));
}

void TestTranslation::lotteryFaultsAreTranslated()
{
    QTranslator translator;
    QVERIFY(makeCatalogue(
        translator, dir.path(),
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\" language=\"de_DE\">"
        "<context><name>LotteryRules</name>"
        "<message><source>a ticket holds %1 numbers, so the pool needs at least %2</source>"
        "<translation>mindestens %2 Zahlen braucht die Urne für %1 Zahlen je Schein</translation></message>"
        "<message><source>tier \"%1\": %2</source><translation>Rang „%1“: %2</translation></message>"
        "<message><source>bonus must be a whole number from 0 to %1 for \"%2\"</source>"
        "<translation>Zusatzzahlen: eine ganze Zahl von 0 bis %1 für „%2“</translation></message>"
        "</context></TS>"));
    QCoreApplication::installTranslator(&translator);
    const QString reordered = translatedLotteryFault(lotteryrules::pickFault(6, 6));
    const QString nested =
        translatedLotteryFault("tier \"5 + %2\": bonus must be a whole number from 0 to 1 for \"Lotto\"");
    const QString untouched = translatedLotteryFault(lotteryrules::poolFault(1));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(reordered, QStringLiteral("mindestens 7 Zahlen braucht die Urne für 6 Zahlen je Schein"));
    // The tier's own reason is translated too, and a name holding "%2" is kept as it is.
    QCOMPARE(nested, QStringLiteral("Rang „5 + %2“: Zusatzzahlen: eine ganze Zahl von 0 bis 1 für „Lotto“"));
    QCOMPARE(untouched, QStringLiteral("the pool holds 2 to 99 numbers"));
}

void TestTranslation::germanFiguresFollowTheLocale()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(moneyText(12, QStringLiteral("EUR"), german), german.toCurrencyString(12.0, QStringLiteral("€"), 2));
    QVERIFY(moneyText(12, QStringLiteral("EUR"), german).startsWith(QStringLiteral("12,00")));
    QVERIFY(moneyText(12, QStringLiteral("EUR"), german).endsWith(QStringLiteral("€")));
    // A currency without a well-known sign keeps its code, in the German way of writing money.
    QVERIFY(moneyText(3, QStringLiteral("CAD"), german).startsWith(QStringLiteral("3,00")));
    QVERIFY(moneyText(3, QStringLiteral("CAD"), german).endsWith(QStringLiteral("CAD")));
    const QString cost = costLine(6, 2, QStringLiteral("EUR"), german);
    QCOMPARE(cost, QStringLiteral("6 tickets x %1 = %2")
                       .arg(moneyText(2, QStringLiteral("EUR"), german), moneyText(12, QStringLiteral("EUR"), german)));
    QCOMPARE(oneInText(1.0 / 13983816, german), QStringLiteral("1 in 13.983.816"));
    QCOMPARE(amountText(125000, QStringLiteral("EUR"), german),
             german.toCurrencyString(1250.0, QStringLiteral("€"), 2));
    QVERIFY(amountText(125000, QStringLiteral("EUR"), german).startsWith(QStringLiteral("1.250,00")));
    QCOMPARE(percentText(0.05823, german), QStringLiteral("5,82%"));
    // The smallest chances keep three figures and no exponent.
    QCOMPARE(percentText(7.151e-8, german), QStringLiteral("0,00000715%"));
    QCOMPARE(percentText(5e-7, german), QStringLiteral("0,00005%"));
    // The catalogue says where the sign goes: German sets it apart.
    QTranslator translator;
    QVERIFY(
        makeCatalogue(translator, dir.path(),
                      "<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\" language=\"de_DE\">"
                      "<context><name>WheelValue</name><message><source>%1%</source>"
                      "<translation>%1 %</translation></message></context></TS>"));
    QCoreApplication::installTranslator(&translator);
    const QString percent = percentText(0.05823, german);
    const QString certain = percentText(1, german);
    const QString nearly = percentText(0.99996, german);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(percent, QStringLiteral("5,82 %"));
    QCOMPARE(certain, QStringLiteral("100 %"));
    QCOMPARE(nearly, QStringLiteral(">99,9 %"));
}

void TestTranslation::englishFiguresStayAsBefore()
{
    // English and the command line's C write what the program always wrote, whatever the
    // English locale's own habits (no thousands commas in the odds).
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QCOMPARE(costLine(39, 2.2, QStringLiteral("CAD"), locale), QStringLiteral("39 tickets x 2.20 CAD = 85.80 CAD"));
        QCOMPARE(costLine(1, 3, QString(), locale), QStringLiteral("1 ticket x 3.00 = 3.00"));
        QCOMPARE(oneInText(1.0 / 13983816, locale), QStringLiteral("1 in 13983816"));
        QCOMPARE(percentText(0.05823, locale), QStringLiteral("5.82%"));
        QCOMPARE(percentText(0.99996, locale), QStringLiteral(">99.9%"));
        QCOMPARE(percentText(1, locale), QStringLiteral("100%"));
        QCOMPARE(percentText(7.151e-8, locale), QStringLiteral("0.00000715%"));
        QCOMPARE(percentText(1.5e-6, locale), QStringLiteral("0.00015%"));
        QCOMPARE(amountText(125000, QStringLiteral("EUR"), locale), QStringLiteral("1,250.00 EUR"));
        QCOMPARE(figureLocale(locale).toString(1234.0, 'f', 0), QStringLiteral("1234"));
    }
}

// The prizes the core words for the window and the command line alike: in the money of the
// window's language once the window sets it, and as always until then (the command line).
void TestTranslation::prizesFollowTheWindowsMoney()
{
    TierRule three;
    three.name = QStringLiteral("3 matches");
    three.prize = TierRule::Prize::Fixed;
    three.cents = 1000;
    three.currency = QStringLiteral("EUR");
    const QMap<QString, qint64> won{{QStringLiteral("EUR"), 125000}};
    QCOMPARE(prizeText(three), QStringLiteral("10.00 EUR"));
    QCOMPARE(fixedPrizesWonText(won, {}), QStringLiteral("Fixed prizes won: 1,250.00 EUR"));
    QCOMPARE(budgetText(1250, QStringLiteral("EUR"), true), QStringLiteral("1250.00 EUR"));

    const QLocale german(QLocale::German, QLocale::Germany);
    setMoneyLocale(german);
    const QString prize = prizeText(three);
    const QString total = fixedPrizesWonText(won, {});
    const QString budget = budgetText(1250, QStringLiteral("EUR"), true);
    setMoneyLocale(QLocale::c());
    QCOMPARE(budget, german.toCurrencyString(1250.0, QStringLiteral("€"), 2));
    QCOMPARE(prize, german.toCurrencyString(10.0, QStringLiteral("€"), 2));
    QVERIFY(prize.startsWith(QStringLiteral("10,00")));
    QVERIFY(total.contains(german.toCurrencyString(1250.0, QStringLiteral("€"), 2)));
    QCOMPARE(prizeText(three), QStringLiteral("10.00 EUR"));
}

void TestTranslation::commandLineStaysEnglish()
{
    // Scripts read the command line: a German system, even with German chosen for the window,
    // gets the same English text and C figures as any other.
    {
        QSettings chosen(dir.filePath(QStringLiteral("Wheelwright/Wheelwright.conf")), QSettings::IniFormat);
        chosen.setValue(QStringLiteral("Language"), QStringLiteral("de"));
    }
    const auto run = [this](const QByteArray &language) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANG", "LC_ALL", "LC_NUMERIC", "LANGUAGE"})
            environment.insert(QString::fromLatin1(name), QString::fromLatin1(language));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(WHEELWRIGHT),
                      {QStringLiteral("odds"), QStringLiteral("--country"), QStringLiteral("Germany"),
                       QStringLiteral("--lottery"), QStringLiteral("Lotto 6aus49"), QStringLiteral("--numbers"),
                       QStringLiteral("10"), QStringLiteral("--wheel"), QStringLiteral("3 if 4"),
                       QStringLiteral("--database"), QStringLiteral(DATABASE)});
        program.waitForFinished(120000);
        return std::make_pair(program.exitCode(),
                              QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError()));
    };
    const auto english = run("C");
    const auto german = run("de_DE.UTF-8");
    QCOMPARE(german.first, english.first);
    QCOMPARE(german.second, english.second);
    QVERIFY2(english.second.contains(QLatin1String("%")), qPrintable(english.second));
}

void TestTranslation::languageMenuKeepsTheChoice()
{
    startProgram(QStringLiteral(DATABASE));
    auto *menu = app->mainWindow()->findChild<QMenu *>(QStringLiteral("languageMenu"));
    QVERIFY(menu);
    QStringList names;
    QAction *greek = nullptr;
    for (QAction *action : menu->actions()) {
        names << action->text();
        if (action->data().toString() == QLatin1String("el"))
            greek = action;
    }
    QCOMPARE(names, (QStringList{QStringLiteral("Deutsch"), QStringLiteral("Français"), QStringLiteral("Español"),
                                 QStringLiteral("Português (Brasil)"), QStringLiteral("Nederlands"),
                                 QStringLiteral("Türkçe"), QStringLiteral("Ελληνικά"), QStringLiteral("简体中文"),
                                 QStringLiteral("Bahasa Melayu"), QStringLiteral("English")}));
    QVERIFY(menu->actions().constLast()->isChecked());
    QVERIFY(greek);
    greek->trigger();
    QVERIFY(greek->isChecked() && !menu->actions().constLast()->isChecked());
    QCOMPARE(Settings().language(), QStringLiteral("el"));
    // The player is told once that the choice takes over at the next start.
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts[0].message, textInLanguage(QStringLiteral("el"), "Application",
                                               "Wheelwright speaks this language from its next start."));
    // The window itself stays in the language it started in.
    QCOMPARE(currentWindowLanguage(), QStringLiteral("en"));
    QCOMPARE(widget<QTabWidget>("mainTabs")->tabText(0), QStringLiteral("1  Lottery"));
    // Choosing the language the window speaks is kept without a word.
    menu->actions().constLast()->trigger();
    QCOMPARE(Settings().language(), QStringLiteral("en"));
    QCOMPARE(alerts.size(), 1);
}

void TestTranslation::windowSpeaksTheLanguage_data()
{
    catalogueIsComplete_data();
}

void TestTranslation::windowSpeaksTheLanguage()
{
    QFETCH(QString, code);
    if (code.isEmpty())
        QSKIP("No language is listed as finished in WHEELWRIGHT_FINISHED_LANGUAGES");
    QVERIFY(useWindowLanguage(code));
    QCOMPARE(QLocale().name().left(2), code.left(2));
    startProgram(QStringLiteral(DATABASE));
    auto *tabs = widget<QTabWidget>("mainTabs");
    const char *titles[] = {"1  Lottery", "2  Numbers", "3  Wheel", "4  Tickets"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(tabs->tabText(i), QCoreApplication::translate("MainWindow", titles[i]));
        QVERIFY2(tabs->tabText(i) != QLatin1String(titles[i]), titles[i]);
    }
    // An alert of the window, asked through the installed catalogue.
    answers << 0;
    app->mainWindow()->findChild<QAction *>(QStringLiteral("exitAction"))->trigger();
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts[0].message, QCoreApplication::translate("Application", "Are you sure to exit?"));
    QVERIFY(alerts[0].message != QLatin1String("Are you sure to exit?"));
    // The help page says, in the language, that it is written in English.
    app.reset();
    HelpWindow help;
    auto *note = help.findChild<QLabel *>(QStringLiteral("languageNote"));
    QVERIFY(note);
    QCOMPARE(note->text(), QCoreApplication::translate("HelpWindow", "The help below is in English."));
}

void TestTranslation::textsFitTheirPlace_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("en") << QStringLiteral("en");
    for (const QString &code : finishedLanguages())
        if (code == QLatin1String("de") || code == QLatin1String("zh_CN"))
            QTest::newRow(qPrintable(code)) << code;
}

void TestTranslation::textsFitTheirPlace()
{
    QFETCH(QString, code);
    QVERIFY(useWindowLanguage(code));
    app = std::make_unique<Application>(QStringLiteral(DATABASE), path("own-wheels.sqlite3"));
    app->start();
    MainWindow *window = app->mainWindow();
    window->show(); // at the size the window opens with
    QVERIFY(QTest::qWaitForWindowExposed(window));
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    QStringList cut;
    const auto look = [&](const QString &where) {
        for (const QString &text : cutTexts(window))
            cut << where + QStringLiteral(": ") + text;
    };
    // The windows the pages open, each at the size it opens with, then closed.
    int looked = 0;
    const auto lookAtWindows = [&] {
        // A window closed may take others with it (a dialog closes with its window).
        QList<QPointer<QWidget>> tops;
        for (QWidget *top : QApplication::topLevelWidgets())
            tops << top;
        for (const QPointer<QWidget> &top : tops) {
            if (!top || top == window || !top->isVisible() || top->inherits("QMenu"))
                continue;
            QVERIFY(QTest::qWaitForWindowExposed(top));
            // Texts a count set since: their layouts are asked for again before they are measured.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            for (const QString &text : cutTexts(top))
                cut << top->windowTitle() + QStringLiteral(": ") + text;
            top->close();
            ++looked;
        }
    };
    look(QStringLiteral("lottery page"));
    click("nextButton");
    for (int n : {3, 9, 17, 23, 31, 38, 44})
        tap(n);
    look(QStringLiteral("number page"));
    click("numberWindowButton");
    lookAtWindows();
    click("nextButton");
    look(QStringLiteral("wheel page"));
    click("generateButton");
    look(QStringLiteral("ticket page"));
    click("checkButton");
    click("checkDrawsButton");
    // The results import, from the past draws of the tickets.
    const QString results = path("results.csv");
    {
        QFile file(results);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Date;A;B;C;D;E;F;Bonus\n05/12/2026;1;2;3;10;11;12;7\n09/12/2026;1;2;3;4;5;60;9\n");
    }
    OpenPanel::setResponder([&](const OpenPanel::Done &done) { done(results); });
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *history = qobject_cast<DrawHistoryWindow *>(top); history && history->isVisible())
            click(history->findChild<QPushButton *>(QStringLiteral("importResultsButton")));
    OpenPanel::setResponder({});
    click("textViewButton");
    click("wheelsButton");
    click("aboutButton");
    click("helpButton");
    lookAtWindows();
    click("previousButton");
    click("makeWheelButton");
    click("compareButton");
    click("pastDrawsButton");
    lookAtWindows();
    click("previousButton");
    click("previousButton");
    for (QPushButton *button : window->findChildren<QPushButton *>())
        if (button->text() == QCoreApplication::translate("LotteryPage", "L&otteries..."))
            click(button);
    lookAtWindows();
    // Random pick; draw check, past draws, results import, text, wheels, about, help; maker,
    // comparison, past draws of the wheel; lotteries.
    QCOMPARE(looked, 12);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
}

// With WHEELWRIGHT_SCREENSHOTS set, the number and wheel pages in German and Chinese go to docs/.
void TestTranslation::screenshots()
{
    if (qEnvironmentVariableIsEmpty("WHEELWRIGHT_SCREENSHOTS"))
        QSKIP("set WHEELWRIGHT_SCREENSHOTS to render the pictures");
    for (const QString &code : {QStringLiteral("de"), QStringLiteral("zh_CN")}) {
        QVERIFY(useWindowLanguage(code));
        startProgram(QStringLiteral(DATABASE));
        QVERIFY(QTest::qWaitForWindowExposed(app->mainWindow()));
        chooseLottery(QStringLiteral("Germany"), QStringLiteral("Lotto 6aus49"));
        click("nextButton");
        for (int n : {17, 3, 40, 8, 25, 31, 44, 12, 9, 21})
            tap(n);
        app->mainWindow()->grab().save(QStringLiteral(DOCS_DIR "/page-numbers-%1.png").arg(code));
        click("nextButton");
        auto *odds = widget<QTableWidget>("oddsTable");
        QVERIFY(odds);
        QTRY_VERIFY_WITH_TIMEOUT(odds->isVisible() && odds->rowCount() > 0, 30000);
        app->mainWindow()->grab().save(QStringLiteral(DOCS_DIR "/page-wheel-%1.png").arg(code));
        app.reset();
    }
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestTranslation t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_translation.moc"
