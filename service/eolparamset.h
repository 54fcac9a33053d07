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
    void buildSimpleStep();                         // classes 2, 4 and 5
    void evaluateSimpleStep(const ByteString& reply);
    void buildBlockStep();                          // classes 1 and 3
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
    bool reqFam4Read(int32_t address);
    bool reqFam5Read(int32_t address, int32_t length);
    bool reqSBusWrite(int32_t index, uint8_t messageId, int32_t maxRun);
    bool reqReadBlock(int32_t address);
    bool reqWriteBlock(int32_t index);
    // The run of items from index on whose addresses follow each other, at most maxRun long.
    int32_t runLength(int32_t index, int32_t maxRun) const;

    EolParamSetPorts m_ports;
    IEolEditorView* m_view = nullptr;
    int32_t m_sentCount = 0;  // cells of the block write in flight (class 3)
};
