// The main window's status bar, the help file and the texts that follow the language and the
// temperature unit, and the shared save dialog's default extension.
#include <QDir>
#include <QStatusBar>

#include "diagsession.h"
#include "imagelist.h"
#include "mainform.h"
#include "qtports.h"
#include "settingslanguage.h"
#include "statuspanel.h"
#include "unittexts.h"

void TMAIN_Form::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    m_statusPanel = new StatusPanel(&IMAGE_Icon, bar);
    m_statusPanel->sessionStarted = [this] { return m_engine->SessionStarted; };
    m_statusPanel->activityBlink = [this]() -> uint8_t& {
        return m_engine->adapterFrames.ActivityBlink;
    };
    bar->addWidget(m_statusPanel);
    auto* panel1 = new QWidget(bar);
    panel1->setObjectName(QStringLiteral("StatusPanel1"));
    panel1->setFixedWidth(50);
    bar->addWidget(panel1);
}

void TMAIN_Form::repaintStatusBar() {
    if (m_statusPanel) m_statusPanel->update();
}

void TMAIN_Form::HELP_SelectFile() {
    m_help.HELP_SetFile(HelpService::HELP_FileName(ExeDir, LanguageId()));
    // Help is asked for by the user, never inside a reply: the box may open at once.
    m_help.setProblemHandler([this](HelpService::Problem problem, const QString& file) {
        const QString text =
            problem == HelpService::Problem::MissingFile
                ? tr("     Die Hilfedatei wurde nicht gefunden:     \r\n     %1     ")
                : tr("     Für die Hilfedatei ist kein Programm zum Anzeigen "
                     "eingerichtet:     \r\n     %1     ");
        m_ui->messageBox(MsgKind::Information, fromQ(text.arg(QDir::toNativeSeparators(file))),
                         MB_OK);
    });
}

void TMAIN_Form::LANG_SetDateFormats() {
    ::LANG_SetDateFormats(LanguageId());
}

void TMAIN_Form::UNIT_LoadTemperatureTexts(int32_t unit) {
    if (unit == -1) unit = LanguageId() == QLatin1String("ENG") ? 1 : 0;
    UNIT_LoadTexts(unit);
    TemperatureUnit = unit;
    // The engine knows only the two units; any other stored value shows the Celsius texts.
    m_engine->TemperatureUnit = unit == 1 ? 1 : 0;
}

QString TMAIN_Form::SaveDialog1TypeChange(const QString& filter, int filterIndex) {
    const int wanted = 2 * filterIndex - 1;
    if (wanted < 1) return {};
    int bars = 0;
    for (int i = 0; i < filter.size(); ++i) {
        if (filter[i] != QLatin1Char('|') || ++bars != wanted) continue;
        // Skip the pattern's "*." and take up to three characters of its extension; the
        // pattern ends at the end of the text or at the next "|" or ";".
        auto ends = [&filter](int k) {
            return k >= filter.size() || filter[k] == QLatin1Char('|') ||
                   filter[k] == QLatin1Char(';');
        };
        if (ends(i + 1) || ends(i + 2)) return {};
        QString ext;
        for (int k = i + 3; !ends(k) && ext.size() < 3; ++k) ext += filter[k];
        return ext;
    }
    return {};
}
