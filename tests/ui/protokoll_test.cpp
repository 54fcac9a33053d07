// The telegram log window: what reaches the view and the recording file, pausing, the line
// cap, and that recording failures are shown only after the log call has returned.
#include "protokoll.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <ctime>

#include "fakeui.h"
#include "settings.h"
#include "settingslanguage.h"

namespace {

const QDateTime Clock(QDate(2026, 3, 7), QTime(9, 5, 7));

class ProtokollTest : public ::testing::Test {
protected:
    void SetUp() override {
        LANG_SetDateFormats("DEU");
        form.setClock([] { return Clock; });
        form.setStateTextHook([](uint8_t cls, int32_t state) {
            return "K" + std::to_string(cls) + "S" + std::to_string(state);
        });
        form.SetLinkState(true);
    }

    QString line(int i) { return form.PROT_Text()->document()->findBlockByNumber(i).text(); }
    QColor colour(int i) {
        const QTextBlock b = form.PROT_Text()->document()->findBlockByNumber(i);
        return b.begin().fragment().charFormat().foreground().color();
    }
    QString lastLine() { return line(form.lineCount() - 1); }
    QByteArray fileBytes(const QString& name) const {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Starts recording to a file through the action, the dialog answered with name.
    void record(const QString& name) {
        ui.fileChoices.push_back(FileDialogChoice{name.toStdString(), 1});
        form.PROT_LOG()->trigger();
    }

    FakeUserInteraction ui;
    MainSettings settings{{}, {}};
    TANSI_PROT_Form form{&settings, ui};
    QTemporaryDir dir;
};

TEST_F(ProtokollTest, WindowAndActionsCarryTheirTexts) {
    EXPECT_EQ(form.windowTitle(), "Protokollanzeige");
    struct Case {
        QAction* action;
        const char* name;
        QString caption, hint;
        bool checkable, checked;
    } cases[] = {
        {form.PROT_START(), "PROT_START", "Protokollierung &starten", "Protokollierung start", true,
         true},
        {form.PROT_STOP(), "PROT_STOP", "Protokolierung &anhalten", "Protokollierung stop ", true,
         false},
        {form.PROT_CLR(), "PROT_CLR", QString::fromUtf8("Protokollierung &löschen"),
         QString::fromUtf8("Protokollierung löschen"), false, false},
        {form.PROT_LOG(), "PROT_LOG", "Protokollierung in &Datei", "Protokollierung speichern",
         true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.action->objectName(), c.name);
        EXPECT_EQ(c.action->text(), c.caption) << c.name;
        EXPECT_EQ(c.action->statusTip(), c.hint) << c.name;
        EXPECT_EQ(c.action->isCheckable(), c.checkable) << c.name;
        EXPECT_EQ(c.action->isChecked(), c.checked) << c.name;
        EXPECT_EQ(c.action->property("category").toString(), "Protokoll");
    }
    // The context menu: start, stop, -, clear, -, file.
    const QList<QAction*> menu = form.PROT_Text()->actions();
    ASSERT_EQ(menu.size(), 6);
    EXPECT_EQ(menu[0], form.PROT_START());
    EXPECT_EQ(menu[1], form.PROT_STOP());
    EXPECT_TRUE(menu[2]->isSeparator());
    EXPECT_EQ(menu[3], form.PROT_CLR());
    EXPECT_TRUE(menu[4]->isSeparator());
    EXPECT_EQ(menu[5], form.PROT_LOG());
    EXPECT_TRUE(form.PROT_Text()->isReadOnly());
    EXPECT_EQ(form.PROT_Text()->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(ProtokollTest, TelegramsAreLoggedOnlyWhileTheAdapterIsReady) {
    form.LogTx(ByteString("\x01\xAB\x0F", 3));
    form.LogRx(ByteString("\x4F\x00", 2));
    ASSERT_EQ(form.lineCount(), 2);
    EXPECT_EQ(line(0), "TX: 01 AB 0F ");
    EXPECT_EQ(colour(0), QColor(0, 0, 255));
    EXPECT_EQ(line(1), "RX: 4F 00 ");
    EXPECT_EQ(colour(1), QColor(0, 0x80, 0));

    form.SetLinkState(false);
    EXPECT_FALSE(form.HeldAdapterReady());
    form.LogTx("\x01");
    form.LogRx("\x02");
    EXPECT_EQ(form.lineCount(), 2);
    // Other lines do not depend on the adapter; the file action stays usable.
    form.LogLine(LogColour::Red, "Fehler");
    form.LogStateChange(2, 4, 5);
    EXPECT_EQ(form.lineCount(), 4);
    EXPECT_EQ(line(2), "Fehler");
    EXPECT_EQ(colour(2), QColor(255, 0, 0));
    EXPECT_EQ(line(3), "(K2S4 -> K2S5)");
    EXPECT_TRUE(form.PROT_LOG()->isEnabled());
    EXPECT_TRUE(form.PROT_LOG()->isVisible());
}

TEST_F(ProtokollTest, StateChangesNameBothStatesOfTheClass) {
    form.LogStateChange(2, -1, 5);  // the first state of a session
    form.LogStateChange(6, 1, 2);   // no state texts for this class
    form.LogStateChange(0, 1, 2);
    EXPECT_EQ(form.lineCount(), 0);
    for (uint8_t cls = 1; cls <= 5; ++cls) form.LogStateChange(cls, 0, 12);
    ASSERT_EQ(form.lineCount(), 5);
    EXPECT_EQ(line(0), "(K1S0 -> K1S12)");
    EXPECT_EQ(line(4), "(K5S0 -> K5S12)");
    EXPECT_EQ(colour(4), QColor(0, 0, 0));
}

TEST_F(ProtokollTest, PauseWritesItsLineThenNothingUntilResumed) {
    form.PROT_STOP()->trigger();
    EXPECT_TRUE(form.PROT_STOP()->isChecked());
    EXPECT_FALSE(form.PROT_START()->isChecked());
    ASSERT_EQ(form.lineCount(), 1);
    EXPECT_EQ(line(0), "Protokollierung stop :  07.03.26 09:05:07");
    EXPECT_EQ(colour(0), QColor(0, 0, 0));

    form.PROT_STOP()->trigger();  // already paused: no second line, still paused
    EXPECT_TRUE(form.PROT_STOP()->isChecked());
    form.LogTx("\x01");
    form.LogLine(LogColour::Red, "weg");
    form.LogStateChange(1, 2, 3);
    EXPECT_EQ(form.lineCount(), 1);

    form.PROT_START()->trigger();
    EXPECT_TRUE(form.PROT_START()->isChecked());
    EXPECT_FALSE(form.PROT_STOP()->isChecked());
    ASSERT_EQ(form.lineCount(), 2);
    EXPECT_EQ(line(1), "Protokollierung start:  07.03.26 09:05:07");
    form.PROT_START()->trigger();  // running already: no line
    EXPECT_TRUE(form.PROT_START()->isChecked());
    EXPECT_EQ(form.lineCount(), 2);
}

TEST_F(ProtokollTest, TheViewIsCutByAThousandLinesPastFiveThousand) {
    for (int i = 1; i <= 5001; ++i) form.LogLine(LogColour::Black, "Zeile " + std::to_string(i));
    EXPECT_EQ(form.lineCount(), 5001);
    EXPECT_EQ(form.PROT_Text()->document()->blockCount(), 5001);
    form.LogLine(LogColour::Blue, "Zeile 5002");
    EXPECT_EQ(form.lineCount(), 4001);
    EXPECT_EQ(form.PROT_Text()->document()->blockCount(), 4001);
    EXPECT_EQ(line(0), "Zeile 1002");
    EXPECT_EQ(lastLine(), "Zeile 5002");
    EXPECT_EQ(colour(4000), QColor(0, 0, 255));

    form.PROT_CLR()->trigger();
    EXPECT_EQ(form.lineCount(), 0);
    EXPECT_TRUE(form.PROT_Text()->toPlainText().isEmpty());
    form.LogLine(LogColour::Black, "neu");
    EXPECT_EQ(form.PROT_Text()->document()->blockCount(), 1);
    EXPECT_EQ(line(0), "neu");
}

TEST_F(ProtokollTest, FiftyThousandLinesStayQuick) {
    form.resize(600, 400);
    form.show();
    // The processor time the log takes: the machine's other work does not count.
    const std::clock_t started = std::clock();
    // As in a session: a telegram pair per reply, the GUI loop running in between.
    for (int i = 0; i < 25000; ++i) {
        form.LogTx(ByteString("\xF4\x03\x50\x30\x97", 5));
        form.LogRx(ByteString("\x4F\x0B\xD0\x01\x02\x03\x04\x05\x06\x07\x08", 11));
        QCoreApplication::processEvents();
    }
    form.showWaitingLines();
    const long long ms = (std::clock() - started) * 1000LL / CLOCKS_PER_SEC;
    EXPECT_LE(form.lineCount(), 5001);
    EXPECT_EQ(form.PROT_Text()->document()->blockCount(), form.lineCount());
    EXPECT_EQ(lastLine(), "RX: 4F 0B D0 01 02 03 04 05 06 07 08 ");
    const QScrollBar* bar = form.PROT_Text()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum()) << "the newest line is in sight";
    RecordProperty("append_50000_ms", static_cast<int>(ms));
    std::printf("50000 log lines appended in %lld ms of processor time\n", ms);
    // A guard against appending that grows with the view's length (that took minutes), with
    // room for a sanitizer build on a busy machine.
    EXPECT_LT(ms, 8000);
}

TEST_F(ProtokollTest, RecordingAppendsToAnExistingFileWithNewStartAndStopLines) {
    const QString name = dir.filePath("prot.txt");
    {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alte Zeile\r\n");
    }
    settings.ProtocolFileName = "/vorher/alt.txt";
    record(name);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, "Protokolldatei auswählen");
    EXPECT_EQ(ui.fileRequests[0].filter, "Textdatei  (*.txt)|*.TXT");
    EXPECT_EQ(ui.fileRequests[0].filterIndex, 1);
    EXPECT_EQ(ui.fileRequests[0].initialDir, "/vorher");
    EXPECT_EQ(ui.fileRequests[0].helpContext, 205);
    EXPECT_TRUE(form.PROT_LOG()->isChecked());
    EXPECT_TRUE(form.FileOpen());
    EXPECT_EQ(settings.ProtocolFileName, name.toStdString());

    form.LogTx("\x01\xAB");
    form.LogLine(LogColour::Red, "Überhitzung");
    form.PROT_STOP()->trigger();
    form.LogLine(LogColour::Red, "pausiert");  // neither in the view nor in the file
    form.PROT_START()->trigger();
    form.PROT_LOG()->trigger();  // stops recording
    EXPECT_FALSE(form.PROT_LOG()->isChecked());
    EXPECT_FALSE(form.FileOpen());
    form.LogLine(LogColour::Black, "nach dem Stopp");
    EXPECT_EQ(fileBytes(name), QByteArray("alte Zeile\r\n"
                                          "Dateiaufzeichnung start: 07.03.26 09:05:07\r\n"
                                          "TX: 01 AB \r\n"
                                          "\xDC"
                                          "berhitzung\r\n"
                                          "Protokollierung stop :  07.03.26 09:05:07\r\n"
                                          "Protokollierung start:  07.03.26 09:05:07\r\n"
                                          "Dateiaufzeichnung stop: 07.03.26 09:05:07\r\n"));
    EXPECT_TRUE(ui.boxes.empty());

    // Recording again to the same file appends once more.
    record(name);
    form.PROT_CLR()->trigger();  // the view only
    form.LogLine(LogColour::Black, "zweite");
    form.PROT_LOG()->trigger();
    EXPECT_TRUE(
        fileBytes(name).endsWith("Dateiaufzeichnung stop: 07.03.26 09:05:07\r\n"
                                 "Dateiaufzeichnung start: 07.03.26 09:05:07\r\n"
                                 "zweite\r\n"
                                 "Dateiaufzeichnung stop: 07.03.26 09:05:07\r\n"));
}

TEST_F(ProtokollTest, CancelledDialogLeavesRecordingOff) {
    settings.ProtocolFileName = "/x/keep.txt";
    ui.fileChoices.push_back(std::nullopt);
    form.PROT_LOG()->trigger();
    EXPECT_FALSE(form.PROT_LOG()->isChecked());
    EXPECT_FALSE(form.FileOpen());
    EXPECT_EQ(settings.ProtocolFileName, "/x/keep.txt");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ProtokollTest, FileThatCannotBeOpenedIsReportedAndRecordingStaysOff) {
    for (const QString& name : {dir.filePath("fehlt/prot.txt"), QString("/dev/full")}) {
        ui.boxes.clear();
        record(name);
        EXPECT_FALSE(form.PROT_LOG()->isChecked()) << name.toStdString();
        EXPECT_FALSE(form.FileOpen());
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].kind, MsgKind::Error);
        EXPECT_EQ(ui.boxes[0].buttons, MB_OK);
        const std::string file = name.section('/', -1).toStdString();
        EXPECT_EQ(ui.boxes[0].text, "    Datei " + file + " konnte nicht geöffnet werden!    ");
    }
}

// A device that takes a number of bytes and then fails, like a disk that fills up.
class FillingDevice : public QBuffer {
public:
    FillingDevice(QByteArray* sink, qint64 room) : m_room(room) { setBuffer(sink); }

protected:
    qint64 writeData(const char* data, qint64 len) override {
        if (len > m_room) return -1;
        m_room -= len;
        return QBuffer::writeData(data, len);
    }

private:
    qint64 m_room;
};

TEST_F(ProtokollTest, WriteFailureClosesTheFileAndIsShownOnlyAfterTheLogCall) {
    QByteArray sink;
    form.setRecordDeviceFactory(
        [&sink](const QString&) { return std::make_unique<FillingDevice>(&sink, 60); });
    record("/any/prot.txt");
    ASSERT_TRUE(form.FileOpen());
    form.LogRx("\x4F\x01");  // fits
    ui.onBox = [] { ADD_FAILURE() << "a box opened inside the log call"; };
    form.LogRx(ByteString(40, '\x11'));  // the disk is full now
    ui.onBox = nullptr;
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_FALSE(form.FileOpen());
    EXPECT_FALSE(form.PROT_LOG()->isChecked());
    EXPECT_TRUE(form.hasPendingMessage());
    EXPECT_EQ(form.lineCount(), 2) << "the line still reaches the view";
    form.LogLine(LogColour::Black, "danach");  // no file any more, no second message

    QCoreApplication::processEvents();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].kind, MsgKind::Error);
    EXPECT_EQ(ui.boxes[0].buttons, MB_OK);
    EXPECT_EQ(ui.boxes[0].text, "     Fehler beim schreiben in die Protokolldatei 'PWX.TXT'     ");
    EXPECT_FALSE(form.hasPendingMessage());
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(sink, QByteArray("Dateiaufzeichnung start: 07.03.26 09:05:07\r\nRX: 4F 01 \r\n"));
}

TEST_F(ProtokollTest, ClosingTheMdiChildMinimisesItAndStoresItsPlacement) {
    QMdiArea area;
    area.resize(800, 600);
    auto* log = new TANSI_PROT_Form(&settings, ui);
    QMdiSubWindow* sub = area.addSubWindow(log);
    settings.FormPlacement[2] = {3, 30, 40, 200, 300, false, -1};
    area.show();  // the first showing places it from its slot
    EXPECT_EQ(sub->geometry(), QRect(30, 40, 300, 200));
    sub->close();
    EXPECT_TRUE(sub->isMinimized());
    EXPECT_TRUE(area.subWindowList().contains(sub));
    EXPECT_EQ(settings.FormPlacement[2], (TFormPlacement{3, 30, 40, 200, 300, true, -1}));

    // Laid aside at the last exit: it comes back minimised, and only its first showing
    // places it.
    QMdiArea second;
    auto* again = new TANSI_PROT_Form(&settings, ui);
    QMdiSubWindow* sub2 = second.addSubWindow(again);
    settings.FormPlacement[2].State = 1;
    second.show();
    EXPECT_TRUE(sub2->isMinimized());
    settings.FormPlacement[2].State = 2;
    sub2->showNormal();
    EXPECT_FALSE(sub2->isMaximized());
    EXPECT_FALSE(sub2->isMinimized());
}

TEST_F(ProtokollTest, FileIsClosedWithItsStopLineWhenTheWindowGoes) {
    const QString name = dir.filePath("ende.txt");
    {
        FakeUserInteraction ui2;
        TANSI_PROT_Form other(nullptr, ui2);
        other.setClock([] { return Clock; });
        ui2.fileChoices.push_back(FileDialogChoice{name.toStdString(), 1});
        other.PROT_LOGExecute();
        ASSERT_TRUE(other.FileOpen());
    }
    EXPECT_EQ(fileBytes(name), QByteArray("Dateiaufzeichnung start: 07.03.26 09:05:07\r\n"
                                          "Dateiaufzeichnung stop: 07.03.26 09:05:07\r\n"));
}

}  // namespace
