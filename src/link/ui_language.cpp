#include "link/ui_language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace vrq {

namespace {

UiLanguage g_language = UiLanguage::Japanese;
QTranslator* g_qtTranslator = nullptr;
QTranslator* g_ourTranslator = nullptr;

// An installed translation beside the program wins over the built-in one, so
// an integrator can correct a text without a rebuild.
QString ourTranslationFolder() {
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vrq700-console/translations");
    return QFile::exists(installed + QStringLiteral("/vrq_en.qm")) ? installed : QStringLiteral(":/i18n");
}

std::string translated(const Text& t, long long count) {
    const int n = t.numerus && count >= 0 ? static_cast<int>(count) : -1;
    return QCoreApplication::translate(t.context, t.source, t.comment, n).toStdString();
}

}  // namespace

UiLanguage languageForLocale(const QByteArray& lcAll, const QByteArray& lcMessages, const QByteArray& lang) {
    for (const QByteArray& v : {lcAll, lcMessages, lang}) {
        if (v.isEmpty()) continue;
        return v.startsWith("ja") ? UiLanguage::Japanese : UiLanguage::English;
    }
    return UiLanguage::Japanese;
}

UiLanguage languageFromEnvironment() {
    return languageForLocale(qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG"));
}

std::optional<UiLanguage> languageNamed(const QString& name) {
    if (name == QLatin1String("ja")) return UiLanguage::Japanese;
    if (name == QLatin1String("en")) return UiLanguage::English;
    return std::nullopt;
}

void installUiLanguage(UiLanguage language) {
    for (QTranslator** t : {&g_qtTranslator, &g_ourTranslator}) {
        if (*t) QCoreApplication::removeTranslator(*t);
        delete *t;
        *t = nullptr;
    }
    g_language = language;
    if (language == UiLanguage::Japanese) {
        // Qt's own buttons speak Japanese like the rest of the console.
        g_qtTranslator = new QTranslator;
        if (g_qtTranslator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(g_qtTranslator);
        return;
    }
    // Qt's own texts are English without a translator.
    g_ourTranslator = new QTranslator;
    if (g_ourTranslator->load(QStringLiteral("vrq_en"), ourTranslationFolder()))
        QCoreApplication::installTranslator(g_ourTranslator);
}

UiLanguage uiLanguage() { return g_language; }

std::string renderUtf8(const Message& m) { return m.render(translated); }

QString render(const Message& m) { return QString::fromStdString(renderUtf8(m)); }

}  // namespace vrq
