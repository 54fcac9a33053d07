#include "helpservice.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <vector>

namespace {

struct Opened {
    std::vector<QUrl> urls;
    bool answer = true;
    HelpService::Opener opener() {
        return [this](const QUrl& u) {
            urls.push_back(u);
            return answer;
        };
    }
};

TEST(HelpService, FileNameByLanguage) {
    EXPECT_EQ(HelpService::HELP_FileName("/opt/calvix/", "DEU"),
              QStringLiteral("/opt/calvix/NAVIRON-HELP-DEU.CHM"));
    EXPECT_EQ(HelpService::HELP_FileName("/opt/calvix/", "ENG"),
              QStringLiteral("/opt/calvix/NAVIRON-HELP-ENG.CHM"));
}

TEST(HelpService, WithoutTheFileNothingHappens) {
    Opened o;
    HelpService help(o.opener());
    EXPECT_FALSE(help.HELP_ShowContents());
    help.HELP_SetFile("/nonexistent/NAVIRON-HELP-DEU.CHM");
    EXPECT_FALSE(help.HELP_ShowContents());
    EXPECT_FALSE(help.HELP_ShowIndex());
    EXPECT_FALSE(help.HELP_ShowContext(2101));
    EXPECT_TRUE(o.urls.empty());
    EXPECT_EQ(help.lastContext(), 2101);
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
    o.answer = false;
    EXPECT_FALSE(help.HELP_ShowContents()) << "no desktop handler";
}

}  // namespace
