// The parameter-set window's logic: the working set, the intermediate buffer, the address
// range and checksum rules of the device class, the movements of a set between file, control
// unit, editor and buffer, and the request/reply step machines that read and write the
// control unit for each device class. It is the third request client of the scheduler; while
// it reads or writes the unit, the progress dialog is open. The window (TDS_EOL_RW_Form) is its
// editor view.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "eolgrid.h"
#include "eolset.h"
#include "requestclient.h"

struct BusLayers;
class MainEngine;
class TransferProgress;

// How the parameter-set transfer talks to the unit of one device class: everything of the
// transfer that differs between the classes is here.
struct EolTransferClass {
    enum Way : uint8_t {
        NoWay,  // the class has no parameter-set transfer
        KLine,  // single cells over the K-Line
        SBus,   // runs of cells in the S-Bus memory messages
        WBusV,  // W-Bus block mode, dialect V: raw frames of one cell, pages of 256 cells
        WBusS,  // W-Bus block mode, dialect S: a memory session moving runs of cells
    };
    Way way = NoWay;
    // The highest address the unit's telegrams can carry.
    int32_t highestAddress = 0xFFFF;
    // The longest run of consecutive cells one telegram carries.
    int32_t maxRun = 0;
    // S-Bus: the memory message, the memory area its telegrams name (0: none) and the
    // minimum length of a read's answer.
    uint8_t sbusMessage = 0;
    uint8_t sbusArea = 0;
    uint8_t sbusReadMinLength = 0;
    // S-Bus: the unit reads past its memory. A short answer or the answer code 23 ends the
    // read, and the last two cells read are not part of the set. Otherwise one answer of at
    // most maxRun cells is the whole read.
    bool readsPastEnd = false;
    // Block mode: the adapter's bus timing while in it (ms), and the exit step that a failed
    // read or write takes.
    long double blockTimes[3] = {0, 0, 0};
    int32_t blockFailExit = 0;

    bool blockMode() const { return way == WBusV || way == WBusS; }
};

// The transfer of a device class; a class without one gives the description of NoWay.
const EolTransferClass& EOL_TransferClass(uint8_t deviceClass);

// What the window does for the logic: the modal editor and its program button.
class IEolEditorView {
public:
    virtual ~IEolEditorView() = default;
    // Shows the grid modally; returns 6 ("&Programmieren"), 7 ("In Datei &speichern...") or
    // any other result for closing.
    virtual int runEditor(EolGrid& grid) = 0;
    virtual void enableProgram(bool enabled) = 0;
};

struct EolParamSetPorts {
    MainEngine& engine;
    BusLayers& buses;
    TransferProgress& progress;
    // The file name offered by the file dialogs (kept with the settings).
    ByteString& paramSetFileName;
    // The date and time of this moment as the program shows them, for the file's header.
    std::function<ByteString()> nowText;
    // The main window's buffer actions follow the buffer.
    std::function<void()> updateBufferActions;
};

class EolParamSetService : public IRequestClient {
public:
    // Editor results.
    static constexpr int EditorProgram = 6;
    static constexpr int EditorSave = 7;

    // The steps of the transfer machines; 0 is idle.
    enum : int32_t {
        // Single cells and runs (K-Line and S-Bus).
        WriteStart = 10,
        WriteCells = 11,
        WriteFailed = 12,
        ReadCells = 20,
        ReadFailed = 21,
        // Block mode (W-Bus): writing starts one step before the entry, reading at the entry;
        // then the adapter's bus mode, the reads or writes and the page change.
        BlockWriteStart = 29,
        BlockEnter = 30,
        BlockBusMode = 31,
        BlockRead = 32,
        BlockWrite = 33,
        BlockPageChange = 34,
        // Leaving the block mode, after success or abort (exit) and after a failure (fail):
        // the memory session closed, the unit back to diagnosis, the adapter's bus mode.
        ExitSession = 35,
        ExitUnit = 36,
        ExitBusMode = 37,
        FailSession = 40,
        FailUnit = 41,
        FailBusMode = 42,
        BlockFailed = 50,
    };

    explicit EolParamSetService(EolParamSetPorts ports);
    void setEditorView(IEolEditorView* view) { m_view = view; }

    // ---- the movements (codes as the main window's actions use them) ----
    // 0 FILE->SG, 1 FILE->EDIT, 2 FILE->ZWIS, 3 EDIT->SG, 4 ZWIS->EDIT, 5 ZWIS->SG.
    void WriteParamSet(int code);
    // 0 SG->FILE, 1 SG->EDIT, 2 SG->ZWIS, 3 EDIT->FILE, 4 ZWIS->FILE.
    void ReadParamSet(int code);

    // ---- sets ----
    void StoreToBuffer();
    void LoadFromBuffer() { copySet(Buffer, WorkSet); }
    void ClearBuffer();
    bool BufferHasData() const { return Buffer.Count >= 1; }
    int32_t LoadFromFile(const ByteString& fileName, int filterIndex);
    bool SaveToFile(const ByteString& fileName);
    // Copies the set into the grid, runs the editor, copies the grid back whatever closed it.
    int ShowEditor();
    // The printout's lines of the working set.
    std::vector<ByteString> printLines() const;

    // ---- state hooks of the main window's broadcast ----
    void SetLinkState(bool adapterReady);
    void SetDeviceClass(uint8_t deviceClass);

    // ---- request client ----
    bool NextRequest() override;
    bool EvaluateReply(uint8_t status, const ByteString& reply) override;
    // A transfer's machine is running or its reply is awaited: no new transfer may start.
    bool TransferRunning() const { return Req.Step != 0 || Req.Active; }

    TEolParamSet WorkSet;
    EolBuffer Buffer;
    EolGrid Grid;
    EolClassRules Rules;
    uint8_t DeviceClass = 0;
    bool LinkUp = false;
    bool Busy = false;
    int FilterIndex = 1;

    TUSBREQ Req;
    int32_t CurIndex = 0;
    int32_t LastIndex = 0;
    int32_t CurAddress = 0;
    int32_t PageOrCount = 0;
    bool Writing = false;
    uint8_t ExpectedValue = 0;

private:
    static void copySet(const TEolParamSet& from, TEolParamSet& to);
    void transferToUnit(const ByteString& displayName);
    void message(const ByteString& text);
    EolAreaInfo areaInfo() const;

    // ---- the step machines (eoltransfer.cpp, eolblockmode.cpp) ----
    void buildStep();
    void evaluateStep(const ByteString& reply);
    void buildSimpleStep();  // K-Line and S-Bus
    void evaluateSimpleStep(const ByteString& reply);
    void buildBlockStep();  // W-Bus block mode
    void evaluateBlockStep(const ByteString& reply);
    void evaluateBlockRead(const ByteString& reply);
    void evaluateBlockWrite(const ByteString& reply);
    void evaluateSimpleRead(const ByteString& reply);
    void evaluateSimpleWrite(const ByteString& reply);
    // A good echo or answer moved CurIndex on: stop after an abort, finish after the last.
    // Returns true when the step was decided.
    bool afterProgress(int32_t stopStep, int32_t doneStep);
    void finish(int32_t result, int32_t nextStep);
    bool sent(bool taken, int32_t errorStep);
    bool sendBusConfig(uint8_t mode, long double t1, long double t2, long double t3);

    bool reqFam2Open();
    bool reqFam2Read(int32_t address);
    bool reqFam2Write(int32_t index);
    bool reqSBusRead(int32_t address);
    bool reqSBusWrite(int32_t index);
    bool reqReadBlock(int32_t address);
    bool reqWriteBlock(int32_t index);
    // The run of items from index on whose addresses follow each other, at most maxRun long.
    int32_t runLength(int32_t index, int32_t maxRun) const;
    const EolTransferClass& transferClass() const { return EOL_TransferClass(DeviceClass); }

    EolParamSetPorts m_ports;
    IEolEditorView* m_view = nullptr;
    int32_t m_sentCount = 0;  // cells of the dialect-S block write in flight
};
