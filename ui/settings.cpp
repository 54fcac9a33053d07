#include "settings.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <cerrno>
#include <cstring>

#include "safefile.h"
#include "settingskeys.h"

namespace K = SettingsKey;

namespace {

QString key(const QString& section, const char* value) {
    return section + '/' + value;
}
QString key(const char* section, const char* value) {
    return key(QString(section), value);
}
QString windowSection(int n) {
    return K::WindowSectionPrefix + QString::number(n);
}
QString listSection(int n) {
    return K::ListSectionPrefix + QString::number(n);
}
QString columnValue(int i) {
    return K::ListColumnPrefix + QString::number(i);
}

QString errnoText(int error) {
    if (error == EINVAL)
        return QCoreApplication::translate("MainSettings", "keine gewöhnliche Datei");
    return QString::fromLocal8Bit(std::strerror(error));
}

// A value that is missing, or that does not hold what its type needs, gives the default; so
// does every value when there is no store.
int32_t readInt(const QSettings* s, const QString& k, int32_t def) {
    if (!s) return def;
    const QVariant v = s->value(k);
    if (!v.isValid()) return def;
    bool ok = false;
    const int i = v.toString().trimmed().toInt(&ok);
    return ok ? i : def;
}

bool readBool(const QSettings* s, const QString& k, bool def) {
    if (!s) return def;
    const QVariant v = s->value(k);
    if (!v.isValid()) return def;
    const QString t = v.toString().trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("1")) return true;
    if (t == QLatin1String("false") || t == QLatin1String("0")) return false;
    return def;
}

ByteString readString(const QSettings* s, const QString& k) {
    if (!s) return {};
    const QVariant v = s->value(k);
    if (!v.isValid()) return {};
    // A hand-edited text with a comma reads back as a list; it is still one text.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(',').toStdString();
    return v.toString().toStdString();
}

QString toQ(const ByteString& s) {
    return QString::fromStdString(s);
}

// Why the store's file could not be written: the reason of the first thing that fails on the
// way to it (its folder, the file itself), or the store's own word.
QString saveReason(const QString& path) {
    const QFileInfo info(path);
    errno = 0;
    if (!QDir().mkpath(info.absolutePath())) return errnoText(errno != 0 ? errno : EACCES);
    const QString probe = info.absolutePath() + QStringLiteral("/.settings-probe~");
    const int fd = TOOL_OpenRegularFile(probe.toStdString(), O_WRONLY | O_CREAT | O_EXCL);
    if (fd < 0) return errnoText(errno);
    ::close(fd);
    ::unlink(probe.toStdString().c_str());
    const QString problem = SETTINGS_FileProblem(path);
    if (!problem.isEmpty()) return problem;
    return QCoreApplication::translate("MainSettings", "Schreibfehler");
}

}  // namespace

QString SETTINGS_FileProblem(const QString& path) {
    if (path.isEmpty()) return {};
    const int fd = TOOL_OpenRegularFile(path.toStdString(), O_RDONLY);
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    // Not there yet (nor its folder): a first run, the save makes it.
    if (errno == ENOENT || errno == ENOTDIR) return {};
    return errnoText(errno);
}

QString SETTINGS_UserStoreFile(const char* application) {
    // Where the native format keeps a user's store on this platform.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
           K::Organisation + '/' + application + QStringLiteral(".conf");
}

bool operator==(const TFormPlacement& a, const TFormPlacement& b) {
    return a.State == b.State && a.Left == b.Left && a.Top == b.Top && a.Height == b.Height &&
           a.Width == b.Width && a.Open == b.Open && a.Pos == b.Pos;
}

MainSettings::MainSettings() : MainSettings(userStore(), {}) {}

MainSettings::StoreFactory MainSettings::userStore() {
    return {SETTINGS_UserStoreFile(K::Application), [] {
                return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                   K::Organisation, K::Application);
            }};
}

MainSettings::MainSettings(StoreFactory store, ScreenSize screen)
    : m_storeFactory(std::move(store)), m_screen(std::move(screen)) {}

MainSettings::~MainSettings() = default;

MainSettings::StoreFactory MainSettings::iniFile(const QString& path) {
    return {path, [path] { return std::make_unique<QSettings>(path, QSettings::IniFormat); }};
}

QSize MainSettings::currentScreen() const {
    if (m_screen) return m_screen();
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size() : QSize(0, 0);
}

TFormPlacement* MainSettings::slot(int tag) {
    return tag >= 1 && tag <= SlotCount ? &FormPlacement[tag] : nullptr;
}
const TFormPlacement* MainSettings::slot(int tag) const {
    return tag >= 1 && tag <= SlotCount ? &FormPlacement[tag] : nullptr;
}

int32_t* MainSettings::columnWidth(int listTag, int column) {
    if (listTag < 1 || listTag > ListCount || column < 0 || column >= ColumnCount) return nullptr;
    return &ListColumnWidths[listTag][column];
}
const int32_t* MainSettings::columnWidth(int listTag, int column) const {
    return const_cast<MainSettings*>(this)->columnWidth(listTag, column);
}

void MainSettings::readWindowSlot(const QSettings* s, int n, const QSize& screen) {
    const QString sec = windowSection(n);
    TFormPlacement& p = FormPlacement[n];
    // On a smaller screen than last time the old positions may lie off it: start at 0.
    const int32_t top =
        screen.height() < StoredScreenHeight ? 0 : readInt(s, key(sec, K::WindowTop), 20);
    const int32_t left =
        screen.width() < StoredScreenWidth ? 0 : readInt(s, key(sec, K::WindowLeft), 20);
    int32_t height = readInt(s, key(sec, K::WindowHeight), screen.height());
    if (height >= screen.height()) height = screen.height() - 30;
    int32_t width = readInt(s, key(sec, K::WindowWidth), screen.width());
    if (width >= screen.width()) width = screen.width() - 1;
    const int32_t state = readInt(s, key(sec, K::WindowState), 0);
    const bool open = readBool(s, key(sec, K::WindowOpen), false);
    const int32_t pos = readInt(s, key(sec, K::WindowPos), -1);
    p.Left = left;
    p.Top = top;
    p.Height = height;
    p.Width = width;
    p.State = state;
    p.Open = open;
    p.Pos = pos;
}

bool MainSettings::SETTINGS_Load() {
    m_store.reset();
    m_problem.clear();
    if (!m_storeFactory) {
        readValues(nullptr);
        return false;
    }
    // Looked at first: QSettings would wait for ever on a pipe in the file's place.
    QString reason = SETTINGS_FileProblem(m_storeFactory.file);
    if (reason.isEmpty()) {
        m_store = m_storeFactory.open();
        if (!m_store)
            reason = errnoText(ENOENT);
        else if (m_store->status() == QSettings::AccessError)
            reason = QCoreApplication::translate("MainSettings", "kein Lesezugriff");
        else if (m_store->status() == QSettings::FormatError)
            reason = QCoreApplication::translate("MainSettings", "ungültiger Inhalt");
    }
    if (!reason.isEmpty()) {
        // The file is set aside: not read, and not overwritten at exit.
        m_store.reset();
        readValues(nullptr);
        m_problem = QCoreApplication::translate(
                        "MainSettings",
                        "     Die Einstellungsdatei %1 kann nicht verwendet werden (%2).     \r\n"
                        "     Das Programm startet mit den Grundeinstellungen.     ")
                        .arg(QDir::toNativeSeparators(m_storeFactory.file), reason);
        return false;
    }
    readValues(m_store.get());
    return true;
}

void MainSettings::readValues(const QSettings* s) {
    const QSize screen = currentScreen();
    StoredScreenHeight = readInt(s, key(K::Screen, K::ScreenHeight), screen.height());
    StoredScreenWidth = readInt(s, key(K::Screen, K::ScreenWidth), screen.width());
    ScreenInit = readBool(s, key(K::Screen, K::ScreenInit), true);
    for (int n = 1; n <= SlotCount; ++n) readWindowSlot(s, n, screen);
    if (ScreenInit) FormPlacement[1].State = 2;  // the main window starts maximised on a first run
    static constexpr int32_t defaultWidths[SavedColumns] = {250, 150, 50};
    for (int n = 1; n <= ListCount; ++n)
        for (int i = 0; i < SavedColumns; ++i)
            ListColumnWidths[n][i] =
                readInt(s, listSection(n) + '/' + columnValue(i), defaultWidths[i]);
    AdapterSerial = readString(s, key(K::Usb, K::UsbDevice));
    ParamSetFileName = readString(s, key(K::File, K::FileEol));
    LogFileName = readString(s, key(K::File, K::FileLog));
    SummaryFileName = readString(s, key(K::File, K::FileSummary));
    ProtocolFileName = readString(s, key(K::File, K::FileProtocol));
    FlashFileName = readString(s, key(K::File, K::FileFlash));
    LogInterval = 1;  // the stored interval is not taken over: each run starts with 1 s
    TemperatureUnit = readInt(s, key(K::Unit, K::UnitTemp), -1);
}

bool MainSettings::SETTINGS_Save() {
    m_problem.clear();
    if (!m_store) return false;  // set aside at the load, and said then
    QSettings& s = *m_store;
    const QSize screen = currentScreen();
    s.setValue(key(K::Screen, K::ScreenHeight), screen.height());
    s.setValue(key(K::Screen, K::ScreenWidth), screen.width());
    s.setValue(key(K::Screen, K::ScreenInit), ScreenInit);
    for (int n = 1; n <= SlotCount; ++n) {
        const QString sec = windowSection(n);
        const TFormPlacement& p = FormPlacement[n];
        s.setValue(key(sec, K::WindowTop), p.Top);
        s.setValue(key(sec, K::WindowLeft), p.Left);
        s.setValue(key(sec, K::WindowHeight), p.Height);
        s.setValue(key(sec, K::WindowWidth), p.Width);
        s.setValue(key(sec, K::WindowState), p.State);
        s.setValue(key(sec, K::WindowOpen), p.Open);
        s.setValue(key(sec, K::WindowPos), p.Pos);
    }
    for (int n = 1; n <= ListCount; ++n)
        for (int i = 0; i < SavedColumns; ++i)
            s.setValue(listSection(n) + '/' + columnValue(i), ListColumnWidths[n][i]);
    s.setValue(key(K::Usb, K::UsbDevice), toQ(AdapterSerial));
    s.setValue(key(K::File, K::FileEol), toQ(ParamSetFileName));
    s.setValue(key(K::File, K::FileLog), toQ(LogFileName));
    s.setValue(key(K::File, K::FileSummary), toQ(SummaryFileName));
    s.setValue(key(K::File, K::FileProtocol), toQ(ProtocolFileName));
    s.setValue(key(K::File, K::FileFlash), toQ(FlashFileName));
    s.setValue(key(K::Prot, K::ProtInterval), LogInterval);
    s.setValue(key(K::Unit, K::UnitTemp), TemperatureUnit);
    s.sync();
    const bool ok = s.status() == QSettings::NoError;
    m_store.reset();
    if (!ok)
        m_problem = QCoreApplication::translate(
                        "MainSettings",
                        "     Die Einstellungen konnten nicht in %1 gespeichert werden (%2).     ")
                        .arg(QDir::toNativeSeparators(m_storeFactory.file),
                             saveReason(m_storeFactory.file));
    return ok;
}
