// Programming over the S-Bus. A class-5 unit is told to leave its application for its boot
// loader (message 155 sub 0), which answers at address 3 on the boot loader's bus timing; a
// class-6 unit already runs it. The boot loader then takes the fingerprint (159), erases in two
// parts (155 sub 3 and 4), is told the image's range (160), takes the image in numbered 64-byte
// chunks (161) with a keep-alive between them (30), finishes (162), compares the CRC-32 over
// the bytes sent (154) and starts the application (155 sub 1).
#include "checksums.h"
#include "diagsession.h"
#include "flashprogrammer.h"
#include "modulehelpers.h"
#include "translate.h"

#define CTX "TEXTRA_FLASH_Form"

namespace {

constexpr uint8_t MsgVerify = 154, MsgSwitch = 155, MsgFingerprint = 159, MsgRange = 160,
                  MsgChunk = 161, MsgFinish = 162, MsgSession = 30, MsgBusVersion = 27;
// Sub-codes of message 155.
constexpr uint8_t ToBootLoader = 0, StartApplication = 1, EraseFirst = 3, EraseSecond = 4;
const char* const SwitchKey = "KX3166EXIT";
constexpr uint32_t SessionKey = 0x01000006;
constexpr uint8_t ProgrammerId = 101, ProgrammerSerial = 1;
constexpr int32_t FirstKeepAliveTicks = 100, KeepAliveTicks = 500;

enum Step : int32_t {
    Leave = FlashProgrammer::Class5Start,
    LoaderBus = 81,
    LoaderWait = 82,
    OpenSession = 83,
    BusVersion = 84,
    Begin = FlashProgrammer::Class6Start,
    Fingerprint = 90,
    Erase1 = 91,
    EraseWait = 92,
    Erase2 = 93,
    Range = 94,
    Chunk = 95,
    Finish = 96,
    Verify = 97,
    Start = 98,
    StartWait = 99,
    Failed = FlashProgrammer::SBusErrorStep,
    KeepAlive = 110,
};

bool sessionConfirmed(const TResult& res) {
    return !res.Invalid && DIAG_SBusSessionConfirmed(res.Text);
}

}  // namespace

void FlashProgrammer::buildSBus() {
    const int32_t step = m_req.Step;
    auto sendSwitch = [this](uint8_t sub) {
        sent(sendSBus(MsgSwitch, {static_cast<long double>(sub)}, SwitchKey));
    };
    switch (step) {
        case Leave:
            m_req.ErrorStep = Failed;
            sendSwitch(ToBootLoader);
            return;
        case LoaderBus:
            m_session.buses().sbus.SBUS_SetDeviceAddress(3);
            sent(sendBusConfig(2, 5, 0, 0, 1000));
            return;
        case LoaderWait:
        case EraseWait:
        case StartWait:
            sent(wait(step == EraseWait ? 2000 : 500));
            return;
        case OpenSession:
        case KeepAlive:
            sent(sendSBus(MsgSession, {1, SessionKey}));
            return;
        case BusVersion:
            sent(sendSBus(MsgBusVersion, {}));
            return;
        case Begin:
        case Finish:
            sent(sendSBus(MsgFinish, {}));
            return;
        case Fingerprint:
            m_keepAlive = FirstKeepAliveTicks;
            sent(sendSBus(MsgFingerprint,
                          {ProgrammerId, ProgrammerSerial, static_cast<long double>(m_stamp.year),
                           static_cast<long double>(m_stamp.month),
                           static_cast<long double>(m_stamp.day)}),
                 Failed);
            return;
        case Erase1:
            sendSwitch(EraseFirst);
            return;
        case Erase2:
            sendSwitch(EraseSecond);
            return;
        case Range:
            sent(sendSBus(MsgRange, {static_cast<long double>(m_image.minimumStart()),
                                     static_cast<long double>(m_image.length())}));
            return;
        case Chunk: {
            const ByteString chunk = m_image.FLASH_GetChunk(m_address, m_image.maximumEnd());
            const bool ok = sendSBus(MsgChunk, {static_cast<long double>(m_blockNumber)}, chunk);
            sent(ok);
            if (!ok) return;
            // The CRC covers the chunk's own bytes; the zero bytes that pad it on the wire
            // are not part of the image.
            m_crc = TOOL_Crc32(m_crc, chunk);
            ++m_blockNumber;
            m_address += FlashImage::ChunkSize;
            return;
        }
        case Verify:
            sent(sendSBus(MsgVerify, {0, static_cast<long double>(m_crc)}));
            return;
        case Start:
            sendSwitch(StartApplication);
            return;
        case Failed:
            FLASH_Fail(TransferFailed);
            m_req.Step = 0;
            return;
        default:
            m_req.Step = 0;  // no such step: the run ends without a word
            return;
    }
}

void FlashProgrammer::evaluateSBus() {
    const int32_t step = m_req.Step;
    TUSBREQ& r = m_req;
    // An accepted answer whose value is `expected` goes on to `next`; another value fails
    // the run; an answer the decoder refuses takes the error step.
    auto expect = [&](const TResult& res, long double expected, int32_t next) {
        if (res.Invalid) {
            r.Step = r.ErrorStep;
        } else if (res.Value == expected) {
            r.Step = next;
        } else {
            FLASH_Fail(step == Leave ? StateNotReached : TransferFailed);
            r.Step = 0;
        }
        return r.Step == next;
    };
    switch (step) {
        case Leave:
            expect(decodeSBus(2, MsgSwitch), 0, LoaderBus);
            return;
        case LoaderBus:
            r.Step = configAcknowledged() ? LoaderWait : r.ErrorStep;
            return;
        case LoaderWait:
            r.Step = OpenSession;
            return;
        case EraseWait:
            r.Step = Erase2;
            return;
        case StartWait:
            FLASH_Finish();
            r.Step = 0;
            return;
        case OpenSession:
        case KeepAlive:
            r.Step = sessionConfirmed(decodeSBus(1, MsgSession))
                         ? (step == OpenSession ? BusVersion : Chunk)
                         : r.ErrorStep;
            return;
        case BusVersion:
            r.Step = decodeSBus(0, MsgBusVersion).Invalid ? r.ErrorStep : Begin;
            return;
        case Begin:
            decodeSBus(0, MsgFinish);  // whatever the boot loader says, the run goes on
            r.Step = Fingerprint;
            return;
        case Fingerprint:
            if (expect(decodeSBus(1, MsgFingerprint), 1, Erase1))
                m_progressWindow.SetText(TR(CTX, "Löschen... "));
            return;
        case Erase1:
            expect(decodeSBus(2, MsgSwitch), 0, EraseWait);
            return;
        case Erase2:
            expect(decodeSBus(2, MsgSwitch), 0, Range);
            return;
        case Range:
            if (expect(decodeSBus(1, MsgRange), 1, Chunk))
                m_progressWindow.SetText(TR(CTX, "Programmieren... "));
            return;
        case Chunk:
            if (!expect(decodeSBus(1, MsgChunk), 1, Chunk)) return;
            setProgress(static_cast<int32_t>(m_blockNumber));
            if (userClosedProgress()) {
                r.Step = 0;
            } else if (m_image.maximumEnd() < m_address) {
                r.Step = Finish;
            } else if (m_keepAlive == 0) {
                m_keepAlive = KeepAliveTicks;
                r.Step = KeepAlive;
            }
            return;
        case Finish:
            expect(decodeSBus(1, MsgFinish), 1, Verify);
            return;
        case Verify:
            if (expect(decodeSBus(5, MsgVerify), 1, Start))
                m_progressWindow.SetText(TR(CTX, "Applikation starten... "));
            return;
        case Start:
            expect(decodeSBus(2, MsgSwitch), 0, StartWait);
            return;
        default:
            return;
    }
}
