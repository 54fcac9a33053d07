#include "helpservice.h"

#include <QDesktopServices>
#include <QFileInfo>

HelpService::HelpService()
    : m_opener([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

HelpService::HelpService(Opener opener) : m_opener(std::move(opener)) {}

QString HelpService::HELP_FileName(const QString& exeDir, const QString& languageId) {
    return exeDir + QStringLiteral("NAVIRON-HELP-") + languageId + QStringLiteral(".CHM");
}

bool HelpService::HELP_ShowContents() {
    return openFile();
}

bool HelpService::HELP_ShowIndex(const QString& /*keyword*/) {
    return openFile();
}

bool HelpService::HELP_ShowContext(int context) {
    if (context <= 0) return false;
    m_lastContext = context;
    // A desktop handler opens the file as a whole: it has no way to jump to a topic number.
    return openFile();
}

bool HelpService::openFile() {
    if (m_file.isEmpty() || !m_opener) return false;
    const QFileInfo info(m_file);
    if (!info.isFile()) return false;
    return m_opener(QUrl::fromLocalFile(info.absoluteFilePath()));
}
