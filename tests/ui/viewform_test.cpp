#include "viewform.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>

#include "errorform.h"
#include "overviewform.h"
#include "viewdata.h"
#include "viewtestsupport.h"

namespace {

class ViewFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        main.setCentralWidget(area);
        main.resize(1000, 800);
    }
    QMainWindow main;
    QMdiArea* area = new QMdiArea;
    DataPointTable dp;
    RecordingContext rec;
};

TEST_F(ViewFormTest, PlacementRestoredOnceWhenTheSubWindowComesUp) {
    auto* view = new TANSI_OVERVIEW_Form(dp, rec.context());
    QMdiSubWindow* sub = ViewForm::VIEW_AddToMdi(area, view);
    EXPECT_EQ(view->placedWindow(), sub);
    EXPECT_EQ(sub->windowTitle(), QStringLiteral("Übersicht"));
    main.show();
    sub->show();
    ASSERT_EQ(rec.restored.size(), 1u);
    EXPECT_EQ(rec.restored[0].first, sub);
    EXPECT_EQ(rec.restored[0].second, 13);
    sub->showMinimized();
    QApplication::processEvents();
    sub->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(rec.restored.size(), 1u) << "restoring from minimised keeps the window where it is";
    sub->hide();
    QApplication::processEvents();
    sub->show();
    EXPECT_EQ(rec.restored.size(), 2u) << "shown again after it was hidden";
}

TEST_F(ViewFormTest, ClosingSavesAndOnlyMinimises) {
    auto* view = new TANSI_ERROR_Form(dp, rec.context());
    QPointer<QMdiSubWindow> sub = ViewForm::VIEW_AddToMdi(area, view);
    main.show();
    sub->show();
    EXPECT_EQ(rec.columnsRestored, std::vector<int>{3});
    EXPECT_FALSE(sub->close());
    ASSERT_EQ(rec.saved.size(), 1u);
    EXPECT_EQ(rec.saved[0].first, sub.data());
    EXPECT_EQ(rec.saved[0].second, 10);
    ASSERT_FALSE(sub.isNull()) << "the view lives for the whole run";
    EXPECT_TRUE(sub->isMinimized());
    EXPECT_EQ(area->subWindowList().size(), 1);
}

TEST_F(ViewFormTest, F1OpensTheWindowsHelpContext) {
    auto* view = new TANSI_OVERVIEW_Form(dp, rec.context());
    QMdiSubWindow* sub = ViewForm::VIEW_AddToMdi(area, view);
    main.show();
    sub->show();
    QApplication::setActiveWindow(&main);
    area->setActiveSubWindow(sub);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_F1);
    viewdata::fillClass(dp, 4);
    view->SetLinkState(true);
    view->SetDeviceClass(4);
    QTest::keyClick(view, Qt::Key_F1);
    EXPECT_EQ(rec.helpTopics, (std::vector<int>{201, 213}));
}

TEST(ViewFormAlone, ShowAndCloseWithoutAnMdiArea) {
    DataPointTable dp;
    RecordingContext rec;
    TANSI_ERROR_Form view(dp, rec.context());
    view.show();
    EXPECT_EQ(view.placedWindow(), &view);
    ASSERT_EQ(rec.restored.size(), 1u);
    EXPECT_EQ(rec.restored[0].first, &view);
    EXPECT_TRUE(view.close());
    EXPECT_EQ(rec.saved.size(), 1u);
    QApplication::processEvents();
    view.show();
    EXPECT_EQ(rec.restored.size(), 2u);
}

}  // namespace
