// The measurement log while it runs: opening the file with the summary report beside it, the
// header line, one value line per tick of its own timer, and every way it stops (the user, the
// adapter going away, the class falling to 0, a write error, the program closing). The start
// dialog collects the file name and the interval and hands them to PROT_Begin.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "datapoints.h"
#include "measurementlogfile.h"
#include "ports.h"

class MeasurementLog {
public:
    struct Hooks {
        // The clock; read once per line.
        std::function<LogClockReading()> now;
        // The overview's device-status line of the moment (UTF-8).
        std::function<ByteString()> deviceStatusText;
        // The summary report of the moment (UTF-8, empty remark); empty hook or text: no side
        // file.
        std::function<ByteString()> summaryReport;
        // The main window's stop action (which ends in PROT_Stop); empty: PROT_Stop.
        std::function<void()> stopAction;
        // Runs a message box from the event loop once the current call has returned; empty:
        // at once.
        std::function<void(std::function<void()>)> defer;
        // The start dialog's controls usable or not (PROT_EnableControls).
        std::function<void(bool on)> enableControls;
        // The log has stopped (the main window's MeasurementLogActive := false).
        std::function<void()> stopped;
        // Opens the file; empty: MeasurementLogFile::open. Tests put in sinks that fail.
        std::function<std::unique_ptr<ILogLineSink>(const ByteString& fileName)> openFile;
    };

    MeasurementLog(const DataPointTable& dataPoints, ITimerFactory& timers, IUserInteraction& ui,
                   Hooks hooks);
    ~MeasurementLog();

    // The state hooks of the main window's broadcast; each acts only on a change.
    void SetLinkState(bool adapterReady);
    void SetDeviceClass(uint8_t deviceClass);

    // The start after the dialog's OK: opens (or creates) the file, writes the side file, the
    // header and starts the timer. false, after its message, when the file cannot be opened.
    bool PROT_Begin(const ByteString& fileName, int32_t intervalSeconds);
    void PROT_Stop();
    void PROT_OpenFile(const ByteString& fileName);
    void PROT_CloseFile();
    void PROT_WriteLine(const ByteString& bytes);
    void PROT_WriteHeader();
    void PROTTimerTimer();
    // Set from the file name by the start dialog (PROT_SetFileName).
    void setColumnMode(int32_t mode) { ColumnMode = mode; }

    ITimer& PROTTimer() { return *m_timer; }
    const ByteString& openFileName() const { return m_fileName; }

    uint8_t HeldDeviceClass = 0;
    bool HeldAdapterReady = false;
    bool LogOpen = false;
    int32_t ColumnMode = LOG_TABS;
    bool TickBusy = false;

private:
    MeasurementLogLines lines() const {
        return MeasurementLogLines(m_dp, HeldDeviceClass, ColumnMode);
    }
    void writeSideFile(const ByteString& fileName);

    const DataPointTable& m_dp;
    IUserInteraction& m_ui;
    Hooks m_hooks;
    std::unique_ptr<ITimer> m_timer;
    std::unique_ptr<ILogLineSink> m_file;
    ByteString m_fileName;
};
