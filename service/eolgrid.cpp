#include "eolgrid.h"

#include "buscommon.h"
#include "devicelist.h"
#include "textconv.h"
#include "translate.h"

#define CTX "TDS_EOL_RW_Form"

void EolGrid::ItemsToGridData(const TEolParamSet& set, uint8_t deviceClass,
                              const EolClassRules& rules) {
    m_set = &set;
    m_deviceClass = deviceClass;
    m_rules = rules;
    GridLength = set.Highest + 1;
    GridData.assign(static_cast<size_t>(GridLength) + 1, 0);
    for (int32_t i = 1; i <= set.Count; ++i) {
        const TEolItem& it = set.item(i);
        GridData[static_cast<size_t>(it.Address)] = it.Value;
    }
    UpdateChecksums();
}

void EolGrid::GridDataToItems(TEolParamSet& set) const {
    for (int32_t i = 1; i <= set.Count; ++i) {
        TEolItem& it = set.Items[static_cast<size_t>(i)];
        if (it.Address >= 0 && static_cast<size_t>(it.Address) < GridData.size())
            it.Value = GridData[static_cast<size_t>(it.Address)];
    }
}

bool EolGrid::keepArea(int32_t first, int32_t last, int32_t position, int32_t width,
                       std::vector<int32_t>& written) {
    if (position < 0 || position + width - 1 > GridLength) return false;
    if (last >= first && (first < 0 || last > GridLength)) return false;
    const uint16_t sum = EOL_Sum(GridData, first, last);
    GridData[static_cast<size_t>(position)] = static_cast<uint8_t>(sum & 0xFF);
    written.push_back(position);
    if (width == 2) {
        GridData[static_cast<size_t>(position) + 1] = static_cast<uint8_t>(sum >> 8);
        written.push_back(position + 1);
    }
    return true;
}

std::vector<int32_t> EolGrid::UpdateChecksums() {
    std::vector<int32_t> written;
    const EolClassRules& r = m_rules;
    if (r.CsPos1 < 0) return written;
    switch (m_deviceClass) {
        case dcKX3090:
            keepArea(r.CsStart1, r.CsEnd1, r.CsPos1, 1, written);
            break;
        case dcKX3024:
            keepArea(r.CsStart1, r.CsEnd1, r.CsPos1, 2, written);
            break;
        case dcKX3117:
            keepArea(r.CsStart1, r.CsEnd1, r.CsPos1, 2, written);
            keepArea(r.CsStart2, r.CsEnd2, r.CsPos2, 2, written);
            break;
        default:
            break;
    }
    return written;
}

ByteString EolGrid::RowLabel(int32_t row) {
    return BUS_Format("  %4.4X:", static_cast<unsigned>((row - 1) * 16) & 0xFFFFu);
}

ByteString EolGrid::ColumnHeading(int32_t column) {
    return column == 0 ? ByteString(" Adresse") : BUS_Format("  %2.2X", column - 1);
}

bool EolGrid::Editable(int32_t address) const {
    return m_set && address >= 0 && address < GridLength && m_set->HasAddr(address);
}

ByteString EolGrid::CellText(int32_t address) const {
    if (!Editable(address)) return {};
    return BUS_Hex2(GridData[static_cast<size_t>(address)]);
}

EolGrid::Commit EolGrid::CommitCell(int32_t address, const ByteString& text, IUserInteraction& ui,
                                    std::vector<int32_t>& changed) {
    changed.push_back(address);
    if (!Editable(address)) return Commit::NotEditable;
    const int64_t v = TOOL_HexToInt(TOOL_StripBlanks(text));
    if (v < 0) {
        ui.messageBox(MsgKind::Error, TR(CTX, "      Eingabe fehlerhaft!      "), MB_OK);
        return Commit::Invalid;
    }
    if (v > 255) {
        ui.messageBox(MsgKind::Error, TR(CTX, "      Wertebereich überschritten!       "), MB_OK);
        return Commit::OutOfRange;
    }
    GridData[static_cast<size_t>(address)] = static_cast<uint8_t>(v);
    for (int32_t a : UpdateChecksums()) changed.push_back(a);
    return Commit::Stored;
}
