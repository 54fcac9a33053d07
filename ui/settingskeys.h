// Every name under which the program keeps its settings: the store, its sections and values.
// The names are fixed; other windows and tools may read the same store.
#pragma once

namespace SettingsKey {

// The per-user store (the registry key Software\Naviron\TRELUN_10 on Windows).
inline constexpr char Organisation[] = "Naviron";
inline constexpr char Application[] = "TRELUN_10";

inline constexpr char Screen[] = "Screen";
inline constexpr char ScreenHeight[] = "Height";
inline constexpr char ScreenWidth[] = "Width";
inline constexpr char ScreenInit[] = "Init";

// One section per placement slot: "Fenster1" .. "Fenster20".
inline constexpr char WindowSectionPrefix[] = "Fenster";
inline constexpr char WindowTop[] = "Top";
inline constexpr char WindowLeft[] = "Left";
inline constexpr char WindowHeight[] = "Height";
inline constexpr char WindowWidth[] = "Width";
inline constexpr char WindowState[] = "WS";
inline constexpr char WindowOpen[] = "Open";
inline constexpr char WindowPos[] = "Pos";

// One section per list view: "LView1" .. "LView5", values "Col0" .. "Col2".
inline constexpr char ListSectionPrefix[] = "LView";
inline constexpr char ListColumnPrefix[] = "Col";

inline constexpr char Usb[] = "USB";
inline constexpr char UsbDevice[] = "Device";

inline constexpr char File[] = "File";
inline constexpr char FileEol[] = "EOL";
inline constexpr char FileLog[] = "LOG";
inline constexpr char FileSummary[] = "ZUSAM";
inline constexpr char FileProtocol[] = "PROT";
inline constexpr char FileFlash[] = "FLASH";

inline constexpr char Prot[] = "Prot";
inline constexpr char ProtInterval[] = "Zeit";

inline constexpr char Unit[] = "Unit";
inline constexpr char UnitTemp[] = "Temp";

// The language choice lives in a store of its own, one value per program file.
inline constexpr char LocalesApplication[] = "Locales";

}  // namespace SettingsKey
