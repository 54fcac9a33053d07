// The single EOL cell window's logic: one cell of the control unit's EOL memory read and
// written at a time, its address and values in hexadecimal, decimal and binary. For classes 1
// and 2 a write inside the checksummed area also rewrites the unit's stored checksum (the
// checksum first, then the cell), so the parameter set stays consistent. The second request
// client of the scheduler; the window (TDS_EOL_ADR_Form) holds the fields.
#pragma once

#include <cstdint>
#include <functional>

#include "dialoghelpers.h"
#include "requestclient.h"

struct BusLayers;
class MainEngine;

// The window's nine number fields and its two buttons.
struct EolCellControls {
    IEditControl* Edit1 = nullptr;   // address, hex
    IEditControl* Edit3 = nullptr;   // address, decimal
    IEditControl* Edit4 = nullptr;   // address, binary
    IEditControl* Edit5 = nullptr;   // current content, hex (read-only)
    IEditControl* Edit6 = nullptr;   // current content, decimal (read-only)
    IEditControl* Edit7 = nullptr;   // current content, binary (read-only)
    IEditControl* Edit8 = nullptr;   // new content, hex
    IEditControl* Edit9 = nullptr;   // new content, decimal
    IEditControl* Edit10 = nullptr;  // new content, binary
    // "Lesen" and "Schreiben".
    std::function<void(bool enabled)> enableButtons;
};

class EolCellService : public IRequestClient {
public:
    EolCellService(MainEngine& engine, BusLayers& buses, EolCellControls controls);

    void SetLinkState(bool adapterReady);
    void SetDeviceClass(uint8_t deviceClass);
    void EnableControls(bool enabled);
    void ShowAddress();
    void ShowNewValue();
    void ShowCurrentValue(int32_t value);

    // Leaving a field (or Enter in it).
    void Edit1Exit();
    void Edit3Exit();
    void Edit4Exit();
    void Edit8Exit();
    void Edit9Exit();
    void Edit10Exit();
    void Button2Click();  // "Lesen"
    void Button3Click();  // "Schreiben"

    bool NextRequest() override;
    bool EvaluateReply(uint8_t status, const ByteString& reply) override;
    bool Running() const { return Req.Step != 0 || Req.Active; }

    TUSBREQ Req;
    uint8_t DeviceClass = 0;
    bool LinkUp = false;
    int32_t Address = -1;
    int32_t MaxAddress = 255;
    int32_t ChecksumCell = 0;
    int32_t NewValue = -1;
    int32_t WriteValue = 0;
    int32_t OldValue = -1, OldChecksum = -1, NewChecksum = -1;
    // Class 1: the unit's checksummed area A..B (-1 unknown); writes inside it keep the sum.
    int32_t AreaFirst = -1, AreaLast = -1;
    bool ButtonsEnabled = false;

private:
    void buttons(bool on);
    void setValueFields(IEditControl* hex, IEditControl* dec, IEditControl* bin, int32_t value);
    void buildStep();
    void evaluateStep(const ByteString& reply);
    // Decodes the answer of the step's request; true with the answer data in r.Text.
    bool decode(const ByteString& reply, uint8_t service, TResult& r);
    // The failure of an exchange through the bus layer's own step routine.
    void stepOnError(long double code, bool singleExchange);
    void done(int32_t shownValue);
    bool sendRead(int32_t address);
    bool sendWrite(int32_t address, int32_t value);
    bool sendKLine(uint8_t service, std::initializer_list<long double> params);
    bool sent(bool taken);
    // The value at a 1-based position of the decoded answer data, or -1.
    static int32_t at(const TResult& r, size_t position);

    MainEngine& m_engine;
    BusLayers& m_buses;
    EolCellControls m_c;
};
