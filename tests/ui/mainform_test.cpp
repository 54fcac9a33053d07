#include "mainform.h"

#include <gtest/gtest.h>

namespace {

// The QApplication comes from the executable's test environment.
TEST(MainForm, ShowsCaptionAndMdiArea) {
    TMAIN_Form f;
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("NAVIRON Calvix Test"));
    ASSERT_NE(f.mdiArea(), nullptr);
    EXPECT_EQ(f.centralWidget(), f.mdiArea());
}

}  // namespace
