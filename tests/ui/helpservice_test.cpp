#include "helpservice.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <vector>

namespace {

struct Opened {
    std::vector<QUrl> urls;
    bool answer = true;
    std::vector<std::pair<HelpService::Problem, QString>> problems;
    HelpService::Opener opener() {
        return [this](const QUrl& u) {
            urls.push_back(u);
            return answer;
        };
    }
    HelpService::ProblemHandler problemHandler() {
        return
            [this](HelpService::Problem p, const QString& file) { problems.emplace_back(p, file); };
    }
};

TEST(HelpService, FileNameByLanguage) {
    EXPECT_EQ(HelpService::HELP_FileName("/opt/calvix/", "DEU"),
              QStringLiteral("/opt/calvix/NAVIRON-HELP-DEU.CHM"));
    EXPECT_EQ(HelpService::HELP_FileName("/opt/calvix/", "ENG"),
              QStringLiteral("/opt/calvix/NAVIRON-HELP-ENG.CHM"));
}

TEST(HelpService, EveryRequestWithoutTheFileSaysWhichFileIsMissing) {
    Opened o;
    HelpService help(o.opener());
    help.setProblemHandler(o.problemHandler());
    const QString file = "/nonexistent/NAVIRON-HELP-DEU.CHM";
    help.HELP_SetFile(file);
    EXPECT_FALSE(help.HELP_ShowContents());
    EXPECT_FALSE(help.HELP_ShowIndex());
    EXPECT_FALSE(help.HELP_ShowContext(2101));
    EXPECT_FALSE(help.HELP_ShowContext(0)) << "no topic: nothing asked, nothing to say";
    EXPECT_TRUE(o.urls.empty());
    EXPECT_EQ(help.lastContext(), 2101);
    ASSERT_EQ(o.problems.size(), 3u);
    for (const auto& [problem, named] : o.problems) {
        EXPECT_EQ(problem, HelpService::Problem::MissingFile);
        EXPECT_EQ(named, file);
    }
}

TEST(HelpService, OpensTheFileBesideTheProgram) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = HelpService::HELP_FileName(dir.path() + "/", "DEU");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("ITSF");
    f.close();

    Opened o;
    HelpService help(o.opener());
    help.HELP_SetFile(file);
    EXPECT_TRUE(help.HELP_ShowContents());
    EXPECT_TRUE(help.HELP_ShowIndex());
    EXPECT_TRUE(help.HELP_ShowContext(212));
    ASSERT_EQ(o.urls.size(), 3u);
    EXPECT_EQ(o.urls[0], QUrl::fromLocalFile(file));
    EXPECT_EQ(help.lastContext(), 212);

    EXPECT_FALSE(help.HELP_ShowContext(0)) << "no topic";
    EXPECT_EQ(o.urls.size(), 3u);
    EXPECT_TRUE(o.problems.empty());
    help.setProblemHandler(o.problemHandler());
    o.answer = false;
    EXPECT_FALSE(help.HELP_ShowContents()) << "no desktop handler";
    ASSERT_EQ(o.problems.size(), 1u);
    EXPECT_EQ(o.problems[0].first, HelpService::Problem::NoViewer);
    EXPECT_EQ(o.problems[0].second, file);
}

}  // namespace
