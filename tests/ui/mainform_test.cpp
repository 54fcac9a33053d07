#include "mainform.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

TEST(MainForm, ShowsCaptionAndMdiArea) {
    int argc = 1;
    char name[] = "ui_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    TMAIN_Form f;
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("NAVIRON Calvix Test"));
    ASSERT_NE(f.mdiArea(), nullptr);
    EXPECT_EQ(f.centralWidget(), f.mdiArea());
}

}  // namespace
