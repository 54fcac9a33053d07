// The main window's state that is not about widgets, split by who writes it. The engine
// object inherits all three, so the fields keep the names the rest of the program uses
// (engine.AdapterReady, engine.SessionUp, engine.PendingNotFound).
#pragma once

#include <cstdint>

#include "records.h"

// The adapter as the watch and the request clients see it.
struct AdapterState {
    // Serial number of the adapter to open; after an open the one the driver reports (empty
    // when it cannot be read). Kept in the settings and chosen in the adapter selection.
    ByteString AdapterSerial;
    bool AdapterOpen = false;       // the device is open and configured
    bool AdapterReady = false;      // requests may be sent; broadcast to the windows
    bool AdapterLost = false;       // taken out of service; no open until the session has ended
    bool AdapterSelecting = false;  // the adapter selection dialog is open
    bool LinkError = false;         // a reply reported a transfer failure
    ByteString AdapterHwVersion;    // shown by the information window; cleared by the watch
    bool ThreadAlive = false;       // the transfer thread exists and has not finished
};

// The session fields that the scheduler's clean-up rounds and the adapter close touch. The
// diagnosis session reads and writes them too; it keeps its own step record and counters.
struct SessionState {
    uint8_t DeviceClass = 0;           // 0: no session or detection running
    bool SessionStarted = false;       // a session was begun and has not ended
    bool SessionUp = false;            // the device module completed its first cycle
    bool StopRequested = false;        // end of session asked for; carried out by the scheduler
    bool PumpTestDone = false;         // the pump pressure test ran in this session
    int32_t DetectedDeviceIndex = -1;  // device list row found by detection, -1 none

    // A stop is taken only once the session is up (detection ends by its own steps).
    void DIAG_RequestStop() {
        if (SessionUp) StopRequested = true;
    }
};

// Failures found while a reply is processed only set one of these; the 100 ms adapter tick
// shows them, one per tick, in this order.
struct MessageFlags {
    // A service function lost the link while it had the heater or a component switched on
    // (or a store under way); the two texts, already translated, name the function and what
    // may still be running (empty: nothing is on, the store's outcome is unknown).
    bool PendingServiceInterrupted = false;
    ByteString InterruptedFunction;
    ByteString InterruptedItem;
    bool PendingNoConnection = false;
    bool PendingNoConnectionManual = false;
    bool PendingUnsupported = false;
    bool PendingNotFound = false;
    bool PendingMismatch = false;
    bool PendingVoltageFail = false;
    bool PendingCompTestFail = false;
    bool PendingNoTestPlug = false;
    bool PendingCalibrationFault = false;      // the CO2 adjustment failed while finishing
    bool PendingCalibrationUncertain = false;  // its store may have been kept (no answer)
    bool ShowUpdateNotice = false;             // runs the update notice window instead of a box
    bool PendingChangeNotice = false;

    // Flags the interruption message for this function and what may still run.
    void flagServiceInterrupted(const ByteString& function, const ByteString& item) {
        PendingServiceInterrupted = true;
        InterruptedFunction = function;
        InterruptedItem = item;
    }
};
