// The grid editor's data: the values of a set by address (one spare cell beyond the highest),
// the cells the user may edit (those of the set), and the checksum cells the editor keeps
// right after each accepted value. The window shows it in a 16-column grid.
#pragma once

#include <cstdint>
#include <vector>

#include "eolset.h"
#include "ports.h"

class EolGrid {
public:
    static constexpr int Columns = 17;  // the address column, then 00..0F

    // Copies the set in (cells not in the set hold 0), then keeps the checksums of the class.
    void ItemsToGridData(const TEolParamSet& set, uint8_t deviceClass, const EolClassRules& rules);
    // Every item of the set takes the value of its cell.
    void GridDataToItems(TEolParamSet& set) const;
    // Recomputes the checksum cells; returns the addresses written. An area is left alone when
    // it has no checksum or its range or checksum cells lie outside the data.
    std::vector<int32_t> UpdateChecksums();

    // One heading row and one row per 16 addresses.
    int32_t RowCount() const { return (GridLength - 1) / 16 + 2; }
    static int32_t CellToAddr(int32_t column, int32_t row) { return (row - 1) * 16 + (column - 1); }
    static int32_t AddrToColumn(int32_t address) { return address % 16 + 1; }
    static int32_t AddrToRow(int32_t address) { return address / 16 + 1; }
    // Row labels ("  0010:") and column headings ("  0A"); cell (0, 0) is " Adresse".
    static ByteString RowLabel(int32_t row);
    static ByteString ColumnHeading(int32_t column);
    // Two hex digits of a cell of the set; empty for every other address.
    ByteString CellText(int32_t address) const;
    bool Editable(int32_t address) const;

    enum class Commit { Stored, NotEditable, Invalid, OutOfRange };
    // Takes the text typed into a cell (hex). A rejected text leaves the stored value; the
    // window shows the cell again from the data either way. Invalid and OutOfRange show
    // their message through ui. changed: the addresses whose text may have changed.
    Commit CommitCell(int32_t address, const ByteString& text, IUserInteraction& ui,
                      std::vector<int32_t>& changed);

    std::vector<uint8_t> GridData;
    int32_t GridLength = 0;

private:
    bool keepArea(int32_t first, int32_t last, int32_t position, int32_t width,
                  std::vector<int32_t>& written);

    const TEolParamSet* m_set = nullptr;  // the set being edited (for the editable cells)
    uint8_t m_deviceClass = 0;
    EolClassRules m_rules;
};
