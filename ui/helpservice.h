// The program's help: contents, index and the topic of a help context. It opens the help file
// that lies beside the program with the desktop's handler for that kind of file. The help
// texts are not part of the program: a request that finds no file, or no handler for it, is
// told to the problem handler with the file looked for, so the user learns why nothing opens.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class HelpService {
public:
    // Hands a file to the desktop; false when no handler took it.
    using Opener = std::function<bool(const QUrl&)>;
    enum class Problem { MissingFile, NoViewer };
    using ProblemHandler = std::function<void(Problem problem, const QString& file)>;

    HelpService();  // opens with the desktop's handler
    explicit HelpService(Opener opener);

    // exeDir + "NAVIRON-HELP-" + languageId + ".CHM" (exeDir ends with a separator).
    static QString HELP_FileName(const QString& exeDir, const QString& languageId);

    void HELP_SetFile(const QString& fileName) { m_file = fileName; }
    const QString& helpFile() const { return m_file; }

    bool HELP_ShowContents();
    bool HELP_ShowIndex(const QString& keyword = QString());
    // A context of 0 or less has no topic.
    bool HELP_ShowContext(int context);

    // The last topic asked for (0: none yet), whether or not a viewer showed it.
    int lastContext() const { return m_lastContext; }

    void setProblemHandler(ProblemHandler handler) { m_problem = std::move(handler); }

private:
    bool openFile();

    void report(Problem problem, const QString& file) const;

    Opener m_opener;
    ProblemHandler m_problem;
    QString m_file;
    int m_lastContext = 0;
};
