// Software programming from the main window: the action follows the class, the window shows
// the file, the progress dialog follows the run, and the result is said once it is over.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <fstream>

#include "flashform.h"
#include "kx3117unit.h"
#include "mainwinharness.h"
#include "srecords.h"
#include "tranzform.h"

namespace {

class MainWindowFlash : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        run = std::make_unique<MainWinRun>(dir.path(), true, &unit);
        run->showReady();
        // The dialog's modal run on the manual clock; what it showed is kept.
        form().tranzForm()->runModalHook = [this](TMAIN_Tranz_Form& d) {
            while (d.progress().ModalResult() == TransferProgress::NoResult &&
                   run->clock.now() < 600000) {
                run->advance(1);
                caption = d.windowTitle();
                lastText = d.Label1()->text();
                maximum = d.ProgressBar1()->maximum();
                value = d.ProgressBar1()->value();
            }
        };
    }
    void TearDown() override { run.reset(); }

    TMAIN_Form& form() { return *run->form; }
    QAction* action(const char* name) { return form().action(QString::fromLatin1(name)); }
    std::string file(const ByteString& content) {
        const std::string path = dir.path().toStdString() + "/soft.s19";
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    QTemporaryDir dir;
    SimKX3117Unit unit;
    std::unique_ptr<MainWinRun> run;
    QString caption, lastText;
    int maximum = -1, value = -1;
};

}  // namespace

TEST_F(MainWindowFlash, ProgramsTheClassThreeUnitFromTheExtrasMenu) {
    EXPECT_FALSE(action("EXTR_FLASH")->isEnabled()) << "no session";
    action("DIAG_Start")->trigger();
    ASSERT_TRUE(run->runUntil([&] { return form().engine().SessionUp; }, 10000));
    ASSERT_TRUE(action("EXTR_FLASH")->isEnabled());

    const ByteString content =
        SREC_File(1, 0xE000, SREC_Pattern(256)) + SREC_File(1, 0xE600, SREC_Pattern(16, 2));
    run->ui.fileChoices.push_back(FileDialogChoice{file(content), 0});
    action("EXTR_FLASH")->trigger();

    EXPECT_EQ(caption, QStringLiteral("Steuergerätesoftware übertragen"));
    EXPECT_EQ(lastText, QStringLiteral("Programmieren... "));
    EXPECT_EQ(maximum, 73);
    EXPECT_EQ(value, 72);
    ASSERT_EQ(run->ui.boxes.size(), 1u);
    EXPECT_EQ(run->ui.boxes[0].kind, MsgKind::Information);
    EXPECT_NE(run->ui.boxes[0].text.find("erfolgreich übertragen"), ByteString::npos);
    for (uint32_t a = 0xE000; a < 0xE100; ++a)
        ASSERT_EQ(unit.memory().software(a), static_cast<uint8_t>(SREC_Pattern(256)[a - 0xE000]));

    TEXTRA_FLASH_Form* w = form().flashForm();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Steuergerätesoftware programmieren"));
    EXPECT_TRUE(w->Memo1()->isReadOnly());
    EXPECT_TRUE(w->Memo1()->toPlainText().startsWith(QStringLiteral("S00600004844521B\nS123E000")));
    EXPECT_EQ(form().settings().FlashFileName, dir.path().toStdString() + "/soft.s19");

    // "Diagnose beenden": the session ends and the action follows
    ASSERT_TRUE(run->runUntil([&] { return !form().engine().SessionStarted; }, 5000));
    EXPECT_FALSE(action("EXTR_FLASH")->isEnabled());
}
