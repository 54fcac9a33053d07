// The overview window: the live state of the connected heater at a glance. Up to eight bar
// gauges, a row of up to fourteen lamps and three status lines, laid out by device class.
// It owns no data: every value is read by key from the data-point table.
#pragma once

#include <QLabel>
#include <array>
#include <cstdint>

#include "datapoints.h"
#include "overviewtables.h"
#include "statelistener.h"
#include "viewform.h"

class LampImage;
class TrackBar;

class TANSI_OVERVIEW_Form : public ViewForm, public StateListener {
    Q_OBJECT
public:
    static constexpr int kFormTag = 13;
    static constexpr int kHelpContext = 201;

    TANSI_OVERVIEW_Form(const DataPointTable& dataPoints, ViewContext context,
                        QWidget* parent = nullptr);
    ~TANSI_OVERVIEW_Form() override;

    // The main window's state hooks: each acts only when its value changes.
    void SetLinkState(bool adapterReady) override;
    void SetDeviceClass(uint8_t deviceClass) override;
    // Refresh from the data-point table after a status reply; writes only what changed.
    void ShowValues();
    // The device-status line of the held class (also written into the measurement log).
    void OVERVIEW_BuildDeviceStatusText(ByteString& text) const;
    ByteString OVERVIEW_BuildDeviceStatusText() const;

    bool HeldAdapterReady() const { return m_heldAdapterReady; }
    uint8_t HeldDeviceClass() const { return m_heldDeviceClass; }
    int RowUnits() const { return m_rowUnits; }
    int StatusRowMode() const { return m_statusRowMode; }

    // How many controls refreshes have written so far: the way to see that an unchanged
    // table leaves the window alone.
    uint64_t writeCount() const { return m_writes; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct BarRow {
        int number = 0;  // 100, 400, ..., 1000
        QWidget* GPanel = nullptr;
        QWidget* LPanel = nullptr;
        QLabel* LLabel = nullptr;
        QWidget* RPanel = nullptr;
        QLabel* Value = nullptr;  // RPanel number + 1
        QWidget* MPanel = nullptr;
        TrackBar* MTrackBar = nullptr;
        std::array<QLabel*, 3> MLabel{};  // minimum, middle, maximum
        QString hint;
    };
    struct Lamp {
        LampImage* image = nullptr;
        QLabel* label = nullptr;
    };

    void FormCreate();
    void FormResize();
    void OVERVIEW_ShowElements();
    void OVERVIEW_BuildLayout();
    void OVERVIEW_SetRowCounts(int bars, int extra, int mode);
    void OVERVIEW_SetupBar(const OverviewBar& bar, int tempUnit);
    void OVERVIEW_SetupLed(const OverviewLamp& lamp);
    void OVERVIEW_UpdateBar(const OverviewBar& bar);
    void OVERVIEW_UpdateLed(const OverviewLamp& lamp);
    void OVERVIEW_LayoutBarRow(BarRow& row, int top, int rowHeight, int nameWidth,
                               int valueColumnWidth, int fieldHeight, int scaleFontSize,
                               int floorSize);
    // Sizes of the layout at a font (overviewgeometry.cpp).
    int legibleFontSize() const;
    int nameColumnWidth(const QFontMetrics& fm) const;
    int valueColumnWidth(const QFontMetrics& fm) const;
    int scaleColumnNeed(const QFontMetrics& fm) const;
    int lampRowNeed(const QFontMetrics& fm) const;
    int columnsNeed(int fontSize, int floorSize) const;
    void LInfoClick(QObject* sender);
    void setStatusText(QLabel* field, const QString& text);
    BarRow& row(int index) { return m_rows[static_cast<size_t>(index - 1)]; }
    Lamp& lamp(int image) { return m_lamps[static_cast<size_t>(image - 10)]; }
    QString tr8(const char* text) const;

    const DataPointTable& m_dp;
    bool m_heldAdapterReady = false;
    uint8_t m_heldDeviceClass = 0;
    int m_rowUnits = 10;
    int m_statusRowMode = 1;
    // The layout of the held class is built and not hidden since.
    bool m_built = false;
    // Change count of the table at the last refresh, and whether a build asks for one anyway.
    uint64_t m_seenChanges = 0;
    bool m_refreshDue = true;
    uint64_t m_writes = 0;

    QWidget* Panel1 = nullptr;
    std::array<BarRow, 8> m_rows;
    QWidget* Panel200 = nullptr;
    std::array<Lamp, 14> m_lamps;
    QWidget* Panel300 = nullptr;
    QWidget* Panel301 = nullptr;
    QWidget* Panel302 = nullptr;
    QLabel* Label302 = nullptr;
    QLabel* Label300 = nullptr;
    QLabel* Label301 = nullptr;
    QLabel* Panel305 = nullptr;
    QLabel* Panel303 = nullptr;
    QLabel* Panel304 = nullptr;
    QLabel* LabelX = nullptr;
};
