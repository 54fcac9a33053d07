// Common ground of the device information and operating data views: one list row per data
// point of the active device class, in the order of the class's key table, with the point's
// caption, value text and unit. The rows are built when a class becomes active and their
// values rewritten cell by cell, only where the text changed, when the device module has new
// values. Losing the adapter empties the list.
#pragma once

#include <cstdint>
#include <memory>

#include "datalisttables.h"
#include "datapoints.h"
#include "statelistener.h"
#include "valuelist.h"
#include "viewform.h"

class QTreeWidget;

class DataListForm : public ViewForm, public StateListener {
    Q_OBJECT
public:
    ~DataListForm() override;

    // The main window's state hooks: each acts only when its value changes.
    void SetLinkState(bool adapterReady) override;
    void SetDeviceClass(uint8_t deviceClass) override;
    // Rewrites the value column from the data-point table.
    void ShowValues();

    bool HeldAdapterReady() const { return m_heldAdapterReady; }
    uint8_t HeldDeviceClass() const { return m_heldDeviceClass; }

    QTreeWidget* list() const { return m_list->widget(); }
    // The rows as the dialog helpers and the summary report read them.
    const IListControl& listControl() const { return *m_list; }
    // Cells written, rows added and removed so far.
    uint64_t writeCount() const { return m_list->writes(); }

protected:
    using RowKeys = const DataListKeys& (*)(uint8_t deviceClass);
    struct Shape {
        int formTag;
        int helpContext;
        int listTag;
        const char* listName;
        int valueWidth;
        int unitWidth;
    };

    DataListForm(const DataPointTable& dataPoints, ViewContext context, const Shape& shape,
                 RowKeys rowKeys, QWidget* parent);

    // Appends one row per key of the held class's table.
    void BuildList();
    // Appends the row of one key: caption, value text, unit (all empty for an unknown key).
    void AddRow(const ByteString& key);
    // Writes the value of a key into a row's value column, only when it differs.
    void SetRowValue(int row, const ByteString& key);

    void FormShow() override;

private:
    const DataPointTable& m_dp;
    RowKeys m_rowKeys;
    int m_listTag;
    bool m_heldAdapterReady = false;
    uint8_t m_heldDeviceClass = 0;
    std::unique_ptr<ValueList> m_list;
};
