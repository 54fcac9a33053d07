// The error window: the error memory of the connected control unit as a three-column list
// (parameter, value, unit), one group of rows per stored error. Clicking the selected row, or
// Enter, opens the help topic of that error's code.
#pragma once

#include <QRect>
#include <array>
#include <cstdint>
#include <memory>

#include "datapoints.h"
#include "dialoghelpers.h"
#include "statelistener.h"
#include "valuelist.h"
#include "viewform.h"

class QAction;
class QTreeWidget;
struct ErrorClassRows;

class TANSI_ERROR_Form : public ViewForm, public StateListener {
    Q_OBJECT
public:
    static constexpr int kFormTag = 10;
    static constexpr int kHelpContext = 204;
    static constexpr int kListTag = 3;
    static constexpr int kSlots = 11;

    // Which rows one shown entry occupies, and its code for the help lookup (0: slot empty).
    struct ErrorHelpEntry {
        int32_t Code = 0;
        int32_t FirstRow = 0;
        int32_t LastRow = 0;
    };

    // The table is written too: clearing the error memory of classes 1 and 3 resets its points.
    TANSI_ERROR_Form(DataPointTable& dataPoints, ViewContext context, QWidget* parent = nullptr);
    ~TANSI_ERROR_Form() override;

    // The main window's state hooks: each acts only when its value changes.
    void SetLinkState(bool adapterReady) override;
    void SetDeviceClass(uint8_t deviceClass) override;
    // Rebuilds the list after an error-memory read; rewrites only cells that changed.
    void ShowValues();
    // After the control unit confirmed the deletion (classes 1 and 3): count 0, codes 0.
    void ClearErrorList();
    uint8_t ERROR_GetDeviceType() const { return m_heldDeviceClass; }
    void ERROR_ShowHelpForRow(int row);

    bool HeldAdapterReady() const { return m_heldAdapterReady; }
    const ErrorHelpEntry& HelpEntry(int n) const { return m_helpEntries[static_cast<size_t>(n)]; }
    QRect SelectedRowRect() const { return m_selectedRowRect; }

    // The list as it stands (the summary report reads its rows).
    QTreeWidget* ErrorList() const { return m_list; }
    const IListControl& listControl() const;
    // Context-menu entry that runs the main window's error-delete action.
    QAction* errorDeleteAction() const { return m_deleteAction; }

    // Cells written, rows added and rows deleted so far: an unchanged memory writes nothing.
    uint64_t writeCount() const;

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void ERROR_SetRow(int row, const ByteString& key, bool valid);
    void emptyList();
    bool entryValid(int n) const;
    long double codeValue(int n) const;
    void showCounted(int rowsPerEntry, const ErrorClassRows& rows);
    void showFirst(int rowsPerEntry, const ErrorClassRows& rows);
    void writeEntry(int n, const ErrorClassRows& rows, bool valid);
    void ErrorListSelectItem();
    void refreshSelectedRowRect();
    void ErrorListMouseMove(int y);
    void setHandCursor(bool hand);
    void updateDeleteAction();
    int selectedRow() const;

    DataPointTable& m_dp;
    bool m_heldAdapterReady = false;
    uint8_t m_heldDeviceClass = 0;
    std::array<ErrorHelpEntry, kSlots + 1> m_helpEntries{};  // slots 1..11
    QRect m_selectedRowRect;
    bool m_handCursor = false;
    uint64_t m_seenChanges = 0;
    bool m_refreshDue = true;

    QTreeWidget* m_list = nullptr;
    std::unique_ptr<ValueList> m_control;
    QAction* m_deleteAction = nullptr;
};
