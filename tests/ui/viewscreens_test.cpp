// Both views filled with a class-1 heater inside the main window, painted to pictures. With
// CALVIX_SCREENSHOT_DIR set the pictures are written there to be looked at.
#include <gtest/gtest.h>

#include <QDir>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QTreeWidget>

#include "errorform.h"
#include "overviewform.h"
#include "viewdata.h"
#include "viewtestsupport.h"

namespace {

void save(const QPixmap& pm, const char* name) {
    const QByteArray dir = qgetenv("CALVIX_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    EXPECT_TRUE(pm.save(QDir(QString::fromLocal8Bit(dir)).filePath(name)));
}

TEST(ViewScreens, ClassOneHeaterInTheMainWindow) {
    DataPointTable dp;
    RecordingContext rec;
    viewdata::fillClass(dp, 1);
    // A bare MDI frame: the views alone, without the engine behind the program's main window.
    QMainWindow main;
    auto* mdi = new QMdiArea(&main);
    main.setCentralWidget(mdi);
    main.resize(1180, 760);
    auto* overview = new TANSI_OVERVIEW_Form(dp, rec.context());
    auto* errors = new TANSI_ERROR_Form(dp, rec.context(true));
    QMdiSubWindow* o = ViewForm::VIEW_AddToMdi(mdi, overview);
    QMdiSubWindow* e = ViewForm::VIEW_AddToMdi(mdi, errors);
    main.show();
    o->setGeometry(0, 0, 600, 680);
    e->setGeometry(600, 0, 560, 680);
    for (auto* v : {static_cast<QWidget*>(overview), static_cast<QWidget*>(errors)}) v->show();
    overview->SetLinkState(true);
    errors->SetLinkState(true);
    overview->SetDeviceClass(1);
    errors->SetDeviceClass(1);
    overview->ShowValues();
    errors->ShowValues();
    errors->ErrorList()->topLevelItem(2)->setSelected(true);
    QApplication::processEvents();

    const QPixmap ov = o->grab();
    const QPixmap er = e->grab();
    const QPixmap all = main.grab();
    EXPECT_FALSE(ov.isNull());
    EXPECT_FALSE(er.isNull());
    EXPECT_EQ(errors->ErrorList()->topLevelItemCount(), 16);
    save(ov, "overview-class1.png");
    save(er, "errors-class1.png");
    save(all, "mainwindow-class1.png");
}

// The other classes' layouts, painted the same way.
TEST(ViewScreens, EveryClass) {
    for (int cls = 1; cls <= 5; ++cls) {
        DataPointTable dp;
        RecordingContext rec;
        viewdata::fillClass(dp, cls);
        TANSI_OVERVIEW_Form overview(dp, rec.context());
        TANSI_ERROR_Form errors(dp, rec.context());
        overview.resize(600, 680);
        errors.resize(560, 680);
        overview.show();
        errors.show();
        overview.SetLinkState(true);
        errors.SetLinkState(true);
        overview.SetDeviceClass(static_cast<uint8_t>(cls));
        errors.SetDeviceClass(static_cast<uint8_t>(cls));
        overview.ShowValues();
        errors.ShowValues();
        QApplication::processEvents();
        const QPixmap ov = overview.grab();
        EXPECT_FALSE(ov.isNull());
        save(ov, QStringLiteral("overview-class%1.png").arg(cls).toUtf8().constData());
        save(errors.grab(), QStringLiteral("errors-class%1.png").arg(cls).toUtf8().constData());
    }
}

}  // namespace
