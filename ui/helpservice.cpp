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
    const QFileInfo info(m_file);
    if (m_file.isEmpty() || !info.isFile()) {
        report(Problem::MissingFile, m_file);
        return false;
    }
    if (m_opener && m_opener(QUrl::fromLocalFile(info.absoluteFilePath()))) return true;
    report(Problem::NoViewer, m_file);
    return false;
}

void HelpService::report(Problem problem, const QString& file) const {
    if (m_problem) m_problem(problem, file);
}
