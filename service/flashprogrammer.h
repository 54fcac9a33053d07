// Software programming: loads a Motorola S-record file, checks it against the connected class
// and sends it to the control unit as the scheduler's first request client, under the modal
// progress window. A class-3 unit is programmed over the W-Bus with the memory services 0x48;
// a class-5 unit is switched into its boot loader, which then takes the image over the S-Bus
// like a class-6 unit (a unit already running its boot loader).
//
// The window (TEXTRA_FLASH_Form) only shows the file; everything else is here, so a test runs a
// whole programming on the manual clock against the simulated units.
#pragma once

#include <functional>

#include "flashimage.h"
#include "ports.h"
#include "requestclient.h"
#include "transferprogress.h"

class DiagSession;

struct FlashDate {
    int year = 2000, month = 1, day = 1;
};

class FlashProgrammer : public IRequestClient {
public:
    struct Hooks {
        // The main window's action "Diagnose beenden".
        std::function<void()> stopDiagnosis;
        // Today's date, for the programming fingerprint.
        std::function<FlashDate()> today;
        // The loaded file's text, shown in the window.
        std::function<void(const ByteString& text)> showFile;
    };

    // Failure sub-codes of a run that ended with the result Failed.
    enum Failure { NoFailure = 0, NotPossible = 1, StateNotReached = 2, TransferFailed = 3 };

    // A software file is far smaller than this; a larger one is not read.
    static constexpr size_t MaxFileBytes = 32u * 1024 * 1024;
    static constexpr int HelpContext = 605;

    // fileName: the last programming file (a settings value), read and updated by Execute.
    FlashProgrammer(DiagSession& session, IUserInteraction& ui, TransferProgress& progress,
                    ByteString& fileName, Hooks hooks);
    ~FlashProgrammer() override;
    FlashProgrammer(const FlashProgrammer&) = delete;
    FlashProgrammer& operator=(const FlashProgrammer&) = delete;

    // The whole entry: file dialog, loading, checking, the run under the progress window and
    // its final message. Does nothing while an earlier run is still finishing its exchange.
    void Execute();

    // The pieces of Execute, each showing its own message.
    bool FLASH_LoadFile(const ByteString& fileName);
    bool FLASH_ParseS19();
    bool FLASH_CheckRange(uint8_t deviceClass);
    void FLASH_PrepareStamp(uint8_t deviceClass);
    void FLASH_Fail(int subCode);
    void FLASH_Finish();

    // The request client of the scheduler's first slot.
    bool NextRequest() override;
    bool EvaluateReply(uint8_t status, const ByteString& reply) override;

    // The main window's broadcasts and the diagnosis tick.
    void SetLinkState(bool adapterReady);
    void SetDeviceClass(uint8_t deviceClass);
    void DiagTick();

    // ---- state, for the window and tests ----
    const TUSBREQ& request() const { return m_req; }
    const FlashImage& image() const { return m_image; }
    int32_t progressMaximum() const { return m_progressMax; }
    int failure() const { return m_failure; }
    bool done() const { return m_done; }
    uint32_t runningCrc() const { return m_crc; }
    const FlashDate& stamp() const { return m_stamp; }

    // Where the machines start, and where they go after a failure. The W-Bus machine (class 3)
    // enters the programming state; the S-Bus machine starts with leaving the application
    // (class 5) or, for a unit already in its boot loader, with the fingerprint.
    static constexpr int32_t ClassWBusStart = 12;
    static constexpr int32_t ClassWBusErrorStep = 36;
    static constexpr int32_t Class5Start = 80;
    static constexpr int32_t Class6Start = 89;
    static constexpr int32_t SBusErrorStep = 100;

private:
    // The class-3 machine (steps 12..61) and the S-Bus machine (80..110).
    void buildWBus();
    void evaluateWBus();
    void buildSBus();
    void evaluateSBus();

    // Requests; each returns whether the transport took it.
    bool sendWBus(uint8_t command, std::initializer_list<long double> params,
                  const ByteString& raw = ByteString());
    bool sendSBus(uint8_t id, std::initializer_list<long double> params,
                  const ByteString& text = ByteString());
    bool sendBusConfig(uint8_t bus, uint8_t mode, int t1, int t2, int t3);
    bool wait(int ms);
    // Marks the step's request as sent (or not) with its error step.
    void sent(bool ok, int32_t errorStep);
    void sent(bool ok) { sent(ok, m_req.ErrorStep); }

    TResult decodeWBus(uint8_t minimumLength, uint8_t command, uint8_t sub);
    TResult decodeSBus(uint8_t minimumLength, uint8_t id);
    bool configAcknowledged() const;

    void advanceProgress(int32_t by);
    void setProgress(int32_t position);
    bool userClosedProgress() const;
    // The next class-3 block to write in list order, the special block left for last.
    size_t nextPlainBlock(size_t from) const;

    DiagSession& m_session;
    IUserInteraction& m_ui;
    TransferProgress& m_progressWindow;
    ByteString& m_fileName;
    Hooks m_hooks;

    TUSBREQ m_req;
    int32_t m_savedStep = 0;
    int32_t m_lastBuiltStep = 0;
    ByteString m_text;
    FlashImage m_image;
    int32_t m_progressMax = 0;
    int32_t m_progress = 0;
    size_t m_blockIndex = 0;     // class 3: position in the block list
    uint32_t m_blockNumber = 1;  // S-Bus: number of the next chunk
    int64_t m_address = 0;       // S-Bus: start of the next chunk
    uint32_t m_crc = 0;
    FlashDate m_stamp;
    int32_t m_keepAlive = 0;
    int32_t m_negatives = 0;
    bool m_done = false;
    bool m_transferRunning = false;
    int m_failure = NoFailure;
    bool m_lastAdapterReady = false;
    uint8_t m_lastDeviceClass = 0;
};
