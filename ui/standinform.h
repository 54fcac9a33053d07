// A window the program does not have yet, held in its place so that the main window's
// broadcasts reach every window in their order. It keeps the last values it was given and
// shows nothing; the actions that would open it stay disabled.
#pragma once

#include <QWidget>
#include <cstdint>

#include "records.h"

class StandInForm : public QWidget {
    Q_OBJECT
public:
    // className: the window's name in the program ("TANSI_KONFIG_Form").
    StandInForm(const QString& className, QWidget* parent);

    void SetLinkState(bool adapterReady) { m_adapterReady = adapterReady; }
    void SetDeviceClass(uint8_t deviceClass) { m_deviceClass = deviceClass; }
    void SetHardwareVersion(const ByteString& version) { m_hardwareVersion = version; }
    // The parameter-set window's intermediate buffer: empty while there is no such window.
    bool BufferHasData() const { return false; }

    bool HeldAdapterReady() const { return m_adapterReady; }
    uint8_t HeldDeviceClass() const { return m_deviceClass; }
    const ByteString& HeldHardwareVersion() const { return m_hardwareVersion; }

private:
    bool m_adapterReady = false;
    uint8_t m_deviceClass = 0;
    ByteString m_hardwareVersion;
};
