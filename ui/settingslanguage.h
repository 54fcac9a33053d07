// The program's language. German is built in; English comes from the module calvix_en.qm
// beside the program, which the per-user language choice ("DEU" or "ENG") selects at start.
// Dates and times that the program writes anywhere follow the language's formats.
#pragma once

#include <QDateTime>
#include <QString>

class QSettings;

// "DEU", or "ENG" while the English module is loaded: itself a translated text.
QString LanguageId();

// Sets the process-wide date and time formats for the language: German "dd.MM.yy" and
// "hh:mm:ss", English "M/d/yyyy" and "h:mm:ss  AP" (12-hour with AM/PM). Any other id leaves
// the formats as they are (at first the system's).
void LANG_SetDateFormats(const QString& languageId);
QString LANG_ShortDateFormat();
QString LANG_LongTimeFormat();
QString LANG_DateText(const QDate& date);
QString LANG_TimeText(const QTime& time);
// Short date, a blank, long time: the stamp of log lines and files.
QString LANG_DateTimeText(const QDateTime& when);

// The per-user language choice of one program file: a value named by the program's full file
// name with the data "DEU" or "ENG". The store is QSettings("Naviron", "Locales") unless a
// test passes its own.
QString LANG_ReadSelection(const QString& programFile);
QString LANG_ReadSelection(QSettings& store, const QString& programFile);
// false when the choice could not be stored.
bool LANG_StoreSelection(const QString& programFile, const QString& code);
bool LANG_StoreSelection(QSettings& store, const QString& programFile, const QString& code);

// File name of a language's module in a folder ("ENG" -> dir/calvix_en.qm); empty for German
// and unknown codes, which have no module.
QString LANG_ModuleFile(const QString& code, const QString& dir);
bool LANG_ModuleExists(const QString& code, const QString& dir);

// Loads the language's module from dir and makes every text, the engine's included, come from
// it. German, or a module that cannot be loaded, keeps the built-in texts (result false).
bool LANG_Load(const QString& code, const QString& dir);
// Back to the built-in German texts.
void LANG_Unload();
// At program start: the choice stored for this program file, its module from the program's
// folder.
bool LANG_LoadSelected();

// Qt's own texts (the buttons of the message boxes, the file dialogs) in the program's
// language: for "DEU" Qt's German texts from Qt's translations folder (installed with the
// program's packages); for any other language Qt's built-in English. false when German is
// wanted but Qt's German texts cannot be loaded.
bool LANG_LoadQtTexts(const QString& languageId);
