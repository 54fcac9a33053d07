#include "datalistform.h"

#include <QTreeWidget>
#include <QVBoxLayout>

#include "devicelist.h"

DataListForm::DataListForm(const DataPointTable& dataPoints, ViewContext context,
                           const Shape& shape, RowKeys rowKeys, QWidget* parent)
    : ViewForm(shape.formTag, shape.helpContext, std::move(context), parent),
      m_dp(dataPoints),
      m_rowKeys(rowKeys),
      m_listTag(shape.listTag) {
    setMinimumSize(200, 200);
    constexpr int kUnitMinimum = 100;
    m_list =
        std::make_unique<ValueList>(this, QString::fromLatin1(shape.listName),
                                    QStringList{tr("Parameter"), tr("Wert"), tr("Einheit")},
                                    shape.listTag, shape.valueWidth, shape.unitWidth, kUnitMinimum);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list->widget());
    resize(480, 360);
}

DataListForm::~DataListForm() = default;

void DataListForm::FormShow() {
    ViewForm::FormShow();
    if (context().restoreColumns) context().restoreColumns(m_list->widget(), m_listTag);
}

void DataListForm::SetLinkState(bool adapterReady) {
    if (adapterReady == m_heldAdapterReady) return;
    m_heldAdapterReady = adapterReady;
    if (!adapterReady) m_list->clear();
}

void DataListForm::SetDeviceClass(uint8_t deviceClass) {
    if (deviceClass == m_heldDeviceClass) return;
    m_heldDeviceClass = deviceClass;
    if (!m_heldAdapterReady) return;
    if (deviceClass != dcNone)
        BuildList();
    else
        m_list->clear();
}

void DataListForm::BuildList() {
    for (const char* key : m_rowKeys(m_heldDeviceClass)) AddRow(key);
}

void DataListForm::AddRow(const ByteString& key) {
    const TWerteDaten e = m_dp.DP_Find(key);
    TOOL_ListAddRow(*m_list, e.Caption, e.Value.Text, e.Unit);
}

void DataListForm::ShowValues() {
    const DataListKeys& keys = m_rowKeys(m_heldDeviceClass);
    for (size_t i = 0; i < keys.size(); ++i) SetRowValue(static_cast<int>(i), keys[i]);
}

void DataListForm::SetRowValue(int row, const ByteString& key) {
    TOOL_ListSetCell(*m_list, row, 1, m_dp.DP_GetValue(key).Text);
}
