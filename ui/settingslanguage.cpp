#include "settingslanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <QUrl>
#include <memory>

#include "settings.h"
#include "settingskeys.h"
#include "translate.h"

namespace {

struct Formats {
    bool fixed = false;  // false: the system's formats
    QString shortDate;
    QString longTime;
};

Formats& formats() {
    static Formats f;
    return f;
}

std::unique_ptr<QTranslator>& translator() {
    static std::unique_ptr<QTranslator> t;
    return t;
}

std::unique_ptr<QTranslator>& qtTranslator() {
    static std::unique_ptr<QTranslator> t;
    return t;
}

// Value names cannot hold the path separators, so they are written escaped.
QString selectionKey(const QString& programFile) {
    return QString::fromLatin1(QUrl::toPercentEncoding(programFile));
}

}  // namespace

QString LanguageId() {
    return QCoreApplication::translate("TMAIN_Form", "DEU");
}

void LANG_SetDateFormats(const QString& languageId) {
    Formats& f = formats();
    if (languageId == QLatin1String("DEU")) {
        f = {true, QStringLiteral("dd.MM.yy"), QStringLiteral("hh:mm:ss")};
    } else if (languageId == QLatin1String("ENG")) {
        f = {true, QStringLiteral("M/d/yyyy"), QStringLiteral("h:mm:ss  AP")};
    }
}

QString LANG_ShortDateFormat() {
    const Formats& f = formats();
    return f.fixed ? f.shortDate : QLocale::system().dateFormat(QLocale::ShortFormat);
}

QString LANG_LongTimeFormat() {
    const Formats& f = formats();
    return f.fixed ? f.longTime : QLocale::system().timeFormat(QLocale::LongFormat);
}

QString LANG_DateText(const QDate& date) {
    const QLocale l = formats().fixed ? QLocale::c() : QLocale::system();
    return l.toString(date, LANG_ShortDateFormat());
}

QString LANG_TimeText(const QTime& time) {
    const QLocale l = formats().fixed ? QLocale::c() : QLocale::system();
    return l.toString(time, LANG_LongTimeFormat());
}

QString LANG_DateTimeText(const QDateTime& when) {
    return LANG_DateText(when.date()) + ' ' + LANG_TimeText(when.time());
}

QString LANG_ReadSelection(QSettings& store, const QString& programFile) {
    return store.value(selectionKey(programFile)).toString();
}

namespace {
// The user's store is looked at before it is opened: a pipe in its place would block, and a
// store that cannot be used holds no choice and takes none.
bool userStoreUsable() {
    return SETTINGS_FileProblem(SETTINGS_UserStoreFile(SettingsKey::LocalesApplication)).isEmpty();
}
}  // namespace

QString LANG_ReadSelection(const QString& programFile) {
    if (!userStoreUsable()) return {};
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, SettingsKey::Organisation,
                    SettingsKey::LocalesApplication);
    return LANG_ReadSelection(store, programFile);
}

bool LANG_StoreSelection(QSettings& store, const QString& programFile, const QString& code) {
    if (store.status() != QSettings::NoError || !store.isWritable()) return false;
    store.setValue(selectionKey(programFile), code);
    store.sync();
    return store.status() == QSettings::NoError;
}

bool LANG_StoreSelection(const QString& programFile, const QString& code) {
    if (!userStoreUsable()) return false;
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, SettingsKey::Organisation,
                    SettingsKey::LocalesApplication);
    return LANG_StoreSelection(store, programFile, code);
}

QString LANG_ModuleFile(const QString& code, const QString& dir) {
    if (code != QLatin1String("ENG")) return {};
    return QDir(dir).filePath(QStringLiteral("calvix_en.qm"));
}

bool LANG_ModuleExists(const QString& code, const QString& dir) {
    const QString file = LANG_ModuleFile(code, dir);
    return !file.isEmpty() && QFileInfo(file).isFile();
}

bool LANG_Load(const QString& code, const QString& dir) {
    LANG_Unload();
    const QString file = LANG_ModuleFile(code, dir);
    if (file.isEmpty()) return false;
    auto t = std::make_unique<QTranslator>();
    if (!t->load(file) || !QCoreApplication::installTranslator(t.get())) return false;
    translator() = std::move(t);
    TOOL_SetTranslateHook([](const char* context, const char* text) {
        return QCoreApplication::translate(context, text).toStdString();
    });
    return true;
}

void LANG_Unload() {
    TOOL_SetTranslateHook({});
    if (translator()) {
        QCoreApplication::removeTranslator(translator().get());
        translator().reset();
    }
}

bool LANG_LoadSelected() {
    const QString code = LANG_ReadSelection(QCoreApplication::applicationFilePath());
    return LANG_Load(code, QCoreApplication::applicationDirPath());
}

bool LANG_LoadQtTexts(const QString& languageId) {
    if (qtTranslator()) {
        QCoreApplication::removeTranslator(qtTranslator().get());
        qtTranslator().reset();
    }
    if (languageId != QLatin1String("DEU")) return true;
    auto t = std::make_unique<QTranslator>();
    if (!t->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(t.get()))
        return false;
    qtTranslator() = std::move(t);
    return true;
}
