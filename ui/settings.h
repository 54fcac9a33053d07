// The program's per-user settings: read once when the main window is created, written once
// when it closes. The main window owns one MainSettings; the windows read and update its
// fields (placement slots, column widths, file names) in between.
#pragma once

#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "layout.h"
#include "records.h"

class QSettings;

// The settings file at a path, looked at without reading it and without waiting on it: empty
// when it can be used (or does not exist yet), else the reason why not. QSettings would block
// on a pipe in its place, so every store is looked at before it is constructed.
QString SETTINGS_FileProblem(const QString& path);
// The file of a per-user store of the program's organisation in the native format.
QString SETTINGS_UserStoreFile(const char* application);

class MainSettings {
public:
    // Where the settings live: the file, and how to open the store on it.
    struct StoreFactory {
        QString file;
        std::function<std::unique_ptr<QSettings>()> open;
        explicit operator bool() const { return static_cast<bool>(open); }
    };
    using ScreenSize = std::function<QSize()>;

    static constexpr int SlotCount = 20;
    static constexpr int ListCount = 5;
    static constexpr int ColumnCount = 5;
    static constexpr int SavedColumns = 3;

    // The user's own store QSettings("Naviron", "TRELUN_10") in the native format, measured
    // against the primary screen.
    MainSettings();
    // Any store and screen size; tests pass a temporary INI file and a fixed size. An empty
    // screen size function measures the primary screen.
    MainSettings(StoreFactory store, ScreenSize screen);
    // A store in an INI file of its own, e.g. in a test's temporary folder.
    static StoreFactory iniFile(const QString& path);
    // The user's own store.
    static StoreFactory userStore();
    ~MainSettings();
    MainSettings(const MainSettings&) = delete;
    MainSettings& operator=(const MainSettings&) = delete;

    // Opens the store and reads every value. false when the store cannot be read (the file is
    // no regular file, may not be read or cannot be parsed): every field then has its default,
    // the file is left as it is, the save at exit writes nothing, and problem() says which
    // file could not be used.
    bool SETTINGS_Load();
    // Writes every value and releases the store; false when the store cannot be written, and
    // problem() then names the file and the reason. Does nothing (false, and no problem) when
    // no store is open.
    bool SETTINGS_Save();
    // The message for the user about the last load or save that failed; empty when it did not.
    const QString& problem() const { return m_problem; }
    // The store is open (the load succeeded and no save has run yet).
    bool hasStore() const { return m_store != nullptr; }

    // Placement slot by window Tag 1..20; nullptr for any other Tag.
    TFormPlacement* slot(int tag);
    const TFormPlacement* slot(int tag) const;
    // Column width by list Tag 1..5 and column 0..4; nullptr outside.
    int32_t* columnWidth(int listTag, int column);
    const int32_t* columnWidth(int listTag, int column) const;

    bool ScreenInit = false;
    int32_t StoredScreenHeight = 0;
    int32_t StoredScreenWidth = 0;
    // Index 0 is unused: slots and lists are addressed by Tag.
    std::array<TFormPlacement, SlotCount + 1> FormPlacement{};
    std::array<std::array<int32_t, ColumnCount>, ListCount + 1> ListColumnWidths{};
    ByteString AdapterSerial;
    ByteString ParamSetFileName;
    ByteString LogFileName;
    ByteString SummaryFileName;
    ByteString ProtocolFileName;
    ByteString FlashFileName;
    int32_t LogInterval = 0;
    int32_t TemperatureUnit = 0;

private:
    QSize currentScreen() const;
    void readValues(const QSettings* s);
    void readWindowSlot(const QSettings* s, int n, const QSize& screen);

    StoreFactory m_storeFactory;
    ScreenSize m_screen;
    std::unique_ptr<QSettings> m_store;  // the open store, from the load to the save
    QString m_problem;
};
