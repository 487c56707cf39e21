// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Language.h"

#include "core/PrizeTiers.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace {
const QString kEnglish = QStringLiteral("en");

struct Loaded {
    QString code = kEnglish;
    QPointer<QTranslator> ours;
    QPointer<QTranslator> qt;
};

Loaded &loaded()
{
    static Loaded state;
    return state;
}

// The program's catalogues are compiled in under :/i18n.
bool loadOurs(QTranslator &translator, const QString &code)
{
    return translator.load(QStringLiteral(":/i18n/wheelwright_") + code);
}

void unload(QPointer<QTranslator> &translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

// English in the window's figures too, where the system speaks another language; an English or
// C system keeps its locale, and nothing is done at all.
QLocale englishLocale()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::English || system.language() == QLocale::C)
        return system;
    return QLocale(QLocale::English, system.territory());
}
} // namespace

const QList<WindowLanguage> &windowLanguages()
{
    static const QList<WindowLanguage> languages{
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {QStringLiteral("tr"), QStringLiteral("Türkçe")},
        {QStringLiteral("el"), QStringLiteral("Ελληνικά")},
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
        {QStringLiteral("ms"), QStringLiteral("Bahasa Melayu")},
        {kEnglish, QStringLiteral("English")},
    };
    return languages;
}

QString languageFor(const QStringList &preferred)
{
    for (QString tag : preferred) {
        tag.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = tag.section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("zh")) {
            // Only the simplified script: Taiwan and Hong Kong write the traditional one.
            const bool traditional = tag.contains(QLatin1String("Hant")) || tag.endsWith(QLatin1String("_TW")) ||
                                     tag.endsWith(QLatin1String("_HK")) || tag.endsWith(QLatin1String("_MO"));
            if (!traditional)
                return QStringLiteral("zh_CN");
            continue;
        }
        // Portuguese is Brazil's: the only Portuguese catalogue, and nearer than English.
        if (language == QLatin1String("pt"))
            return QStringLiteral("pt_BR");
        for (const WindowLanguage &known : windowLanguages())
            if (known.code == language)
                return known.code;
    }
    return kEnglish;
}

QString startLanguage(const QString &chosen)
{
    for (const WindowLanguage &known : windowLanguages())
        if (known.code == chosen)
            return chosen;
    return languageFor(QLocale::system().uiLanguages());
}

bool useWindowLanguage(const QString &code)
{
    Loaded &state = loaded();
    if (code == kEnglish) {
        unload(state.ours);
        unload(state.qt);
        state.code = kEnglish;
        if (QLocale() != englishLocale())
            QLocale::setDefault(englishLocale());
        setMoneyLocale(englishLocale());
        return true;
    }
    if (code == state.code)
        return true;
    auto ours = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!loadOurs(*ours, code))
        return false;
    unload(state.ours);
    unload(state.qt);
    state.ours = ours.release();
    QCoreApplication::installTranslator(state.ours);
    // Qt's own catalogue, where Debian ships one (none for Greek and Malay): the dialogs' buttons.
    auto qt = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        state.qt = qt.release();
        QCoreApplication::installTranslator(state.qt);
    }
    state.code = code;
    QLocale::setDefault(QLocale(code));
    setMoneyLocale(QLocale(code));
    return true;
}

QString currentWindowLanguage()
{
    return loaded().code;
}

QString textInLanguage(const QString &code, const char *context, const char *source)
{
    QTranslator translator;
    if (code != kEnglish && loadOurs(translator, code))
        if (const QString text = translator.translate(context, source); !text.isEmpty())
            return text;
    return QString::fromUtf8(source);
}
