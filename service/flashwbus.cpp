// Programming a class-3 unit over the W-Bus: into its programming state (0x42 sub 11), memory
// session (0x48 sub 1), the adapter's programming bus mode, seven ranges erased, the whole
// range announced, the blocks written (the special block last), the software checked
// (0x48 sub 2), the session closed and the unit back in its application. A failure after the
// first erase takes the recovery way, which brings the unit back into normal operation before
// the failure is reported.
#include "devicelist.h"
#include "diagsession.h"
#include "flashprogrammer.h"
#include "translate.h"

#define CTX "TEXTRA_FLASH_Form"

namespace {

constexpr uint8_t Calibration = 0x42;
constexpr uint8_t Memory = 0x48;
// Memory services.
constexpr uint8_t Open = 1, Check = 2, Close = 9, Announce = 17, Write = 19, Erase = 20;
// Calibration subs: back to the application, into the programming state.
constexpr uint8_t Application = 10, Programming = 11;
constexpr uint8_t SoftwareComplete = 19;  // the answer of 0x48 sub 2 once the software is whole
constexpr int32_t MaxNegativeAnswers = 3;

struct EraseRange {
    uint32_t first, last;
};
// Steps 15..21.
const EraseRange kErase[] = {
    {0xE000, 0xFFFF},   {0x10000, 0x1DFFF}, {0x1E000, 0x1FFFF}, {0x20000, 0x2DFFF},
    {0x2E000, 0x3BFFF}, {0x3C000, 0x3DFFF}, {0x3E000, 0x3FFFF},
};
constexpr int32_t FirstErase = 15, LastErase = 21;
constexpr uint32_t AnnouncedFirst = 0xE000, AnnouncedLast = 0x3FFFF;

enum Step : int32_t {
    Enter = FlashProgrammer::ClassWBusStart,
    OpenSession = 13,
    ProgrammingBus = 14,
    AnnounceRange = 22,
    WriteBlocks = 23,
    WriteSpecial = 24,
    CheckSoftware = 25,
    CloseSession = 26,
    NormalBus = 27,
    Leave = 28,
    FailNotPossible = 35,
    FailState = FlashProgrammer::ClassWBusErrorStep,
    Recover = 40,
    RecoverClose = 41,
    RecoverBus = 42,
    RecoverLeave = 43,
    FailTransfer = 44,
    Finish = 50,
    WaitLong = 60,
    WaitShort = 61,
};

}  // namespace

void FlashProgrammer::buildWBus() {
    MainEngine& e = m_session.engine();
    const int32_t step = m_req.Step;
    // The recovery stops as soon as there is nobody to talk to; the hooks give the result.
    if (step >= Recover && step <= RecoverLeave && (e.DeviceClass == dcNone || !e.AdapterReady)) {
        m_req.Step = 0;
        return;
    }
    if (step >= FirstErase && step <= LastErase) {
        const EraseRange& r = kErase[step - FirstErase];
        sent(sendWBus(Memory,
                      {Erase, static_cast<long double>(r.first), static_cast<long double>(r.last)}),
             Recover);
        return;
    }
    switch (step) {
        case Enter:
            if (FLASH_Class(e.DeviceClass).way != FlashClass::WBusMemory) {
                m_req.Step = FailNotPossible;
                return;
            }
            sent(sendWBus(Calibration, {Programming, 0}), FailState);
            return;
        case OpenSession:
            sent(sendWBus(Memory, {Open, 7}));
            return;
        case ProgrammingBus:
            sent(sendBusConfig(0, 7, 20, 100, 1000));
            return;
        case AnnounceRange:
            sent(sendWBus(Memory, {Announce, AnnouncedFirst, AnnouncedLast}));
            return;
        case WriteBlocks:
        case WriteSpecial: {
            const FlashBlock* b = step == WriteSpecial ? m_image.specialBlock()
                                  : m_blockIndex < m_image.blocks().size()
                                      ? &m_image.blocks()[m_blockIndex]
                                      : nullptr;
            if (!b) {
                m_req.Step = step == WriteSpecial ? Recover : WriteSpecial;
                return;
            }
            sent(sendWBus(Memory,
                          {Write, static_cast<long double>(b->start),
                           static_cast<long double>(b->data.size() - 1)},
                          b->data));
            return;
        }
        case CheckSoftware:
            sent(sendWBus(Memory, {Check}));
            return;
        case CloseSession:
        case RecoverClose:
            sent(sendWBus(Memory, {Close}));
            return;
        case NormalBus:
        case RecoverBus:
            sent(sendBusConfig(0, 3, 5, 20, 500));
            return;
        case Leave:
            sent(sendWBus(Calibration, {Application, 0}), Finish);
            return;
        case Recover:
            if (m_lastBuiltStep != Recover) m_negatives = 0;
            sent(sendWBus(Memory, {Check}), RecoverBus);
            return;
        case RecoverLeave:
            sent(sendWBus(Calibration, {Application, 0}), FailTransfer);
            return;
        case FailNotPossible:
        case FailState:
        case FailTransfer:
            FLASH_Fail(step == FailNotPossible ? NotPossible
                       : step == FailState     ? StateNotReached
                                               : TransferFailed);
            m_req.Step = 0;
            return;
        case Finish:
            FLASH_Finish();
            m_req.Step = 0;
            return;
        case WaitLong:
        case WaitShort:
            sent(wait(step == WaitLong ? 2000 : 500));
            return;
        default:
            m_req.Step = 0;  // no such step: the run ends without a word
            return;
    }
}

void FlashProgrammer::evaluateWBus() {
    const int32_t step = m_req.Step;
    TUSBREQ& r = m_req;
    // The common way of a refused or unreadable answer.
    auto onError = [&](const TResult& res) {
        TUSBREQ out;
        WBusLayer::WBUS_StepOnError(r, out, res.Value);
        r.Step = out.Step;
    };
    // A negative answer repeats the check, three tries in all, then `exhausted`.
    auto onCheckError = [&](const TResult& res, int32_t exhausted) {
        TUSBREQ out;
        WBusLayer::WBUS_StepOnErrorSkip(r, out, res.Value);
        if (out.Step == step + 1) out.Step = ++m_negatives < MaxNegativeAnswers ? step : exhausted;
        r.Step = out.Step;
    };

    if (step >= FirstErase && step <= LastErase) {
        const TResult res = decodeWBus(2, Memory, Erase);
        if (!res.Invalid) {
            r.Step = res.Value == 1 ? step + 1 : Recover;
            advanceProgress(10);
        } else if (BUS_CodeIs(res.Value, BusCode::Timeout)) {
            // The unit is still erasing and did not answer in time: go on after a pause.
            m_savedStep = step + 1;
            r.Step = WaitLong;
        } else {
            onError(res);
        }
        return;
    }
    switch (step) {
        case Enter: {
            const TResult res = decodeWBus(1, Calibration, Programming);
            if (res.Invalid) return onError(res);
            m_savedStep = OpenSession;
            r.Step = WaitShort;
            return;
        }
        case OpenSession: {
            const TResult res = decodeWBus(2, Memory, Open);
            if (res.Invalid) return onError(res);
            r.Step = ProgrammingBus;
            return;
        }
        case ProgrammingBus:
            if (!configAcknowledged()) {
                r.Step = FailState;
                return;
            }
            m_progressWindow.SetText(TR(CTX, "Löschen... "));
            r.Step = FirstErase;
            return;
        case AnnounceRange: {
            const TResult res = decodeWBus(2, Memory, Announce);
            if (res.Invalid) return onError(res);
            if (res.Value != 1) {
                r.Step = Recover;
                return;
            }
            m_progressWindow.SetText(TR(CTX, "Programmieren... "));
            r.Step = WriteBlocks;
            return;
        }
        case WriteBlocks: {
            const TResult res = decodeWBus(2, Memory, Write);
            if (res.Invalid) return onError(res);
            if (m_blockIndex >= m_image.blocks().size() ||
                res.Value != m_image.blocks()[m_blockIndex].start) {
                r.Step = Recover;
                return;
            }
            m_blockIndex = nextPlainBlock(m_blockIndex + 1);
            advanceProgress(1);
            if (userClosedProgress())
                r.Step = Recover;
            else if (m_blockIndex >= m_image.blocks().size())
                r.Step = WriteSpecial;
            return;
        }
        case WriteSpecial: {
            const TResult res = decodeWBus(2, Memory, Write);
            if (res.Invalid) return onError(res);
            const FlashBlock* special = m_image.specialBlock();
            r.Step = special && res.Value == special->start ? CheckSoftware : Recover;
            return;
        }
        case CheckSoftware: {
            const TResult res = decodeWBus(2, Memory, Check);
            if (res.Invalid) return onCheckError(res, Recover);
            if (res.Value != SoftwareComplete) {
                r.Step = Recover;
                return;
            }
            m_negatives = 0;
            r.Step = CloseSession;
            return;
        }
        case CloseSession:
        case RecoverClose: {
            const TResult res = decodeWBus(2, Memory, Close);
            if (res.Invalid) return onError(res);
            r.Step = step == CloseSession ? NormalBus : RecoverBus;
            return;
        }
        case NormalBus:
            r.Step = configAcknowledged() ? Leave : Recover;
            return;
        case RecoverBus:
            r.Step = configAcknowledged() ? RecoverLeave : RecoverBus;
            return;
        case Leave:
        case RecoverLeave: {
            const TResult res = decodeWBus(1, Calibration, Application);
            if (res.Invalid) return onError(res);
            r.Step = step == Leave ? Finish : FailTransfer;
            return;
        }
        case Recover: {
            const TResult res = decodeWBus(2, Memory, Check);
            if (res.Invalid) return onCheckError(res, RecoverBus);
            r.Step = RecoverClose;
            return;
        }
        case WaitLong:
        case WaitShort:
            r.Step = m_savedStep;
            return;
        default:
            return;
    }
}
