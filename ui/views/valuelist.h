// The read-only three-column list of the data views ("Parameter", "Wert", "Einheit"): report
// style with grid lines, whole-row selection, the parameter column taking the remaining width
// and the value column right-aligned, the columns sharing the list's width (listcolumns.h). The
// dialog helpers reach its rows through IListControl; it counts what it writes, so a refresh that
// changes nothing can be seen to write nothing.
#pragma once

#include <QStringList>
#include <cstdint>

#include "dialoghelpers.h"

class QTreeWidget;
class QWidget;

class ValueList : public IListControl {
public:
    // headers: the three column titles; listTag: the list's slot for its column widths;
    // unitMinimum: the unit column's least width, unless the list is too narrow for it.
    ValueList(QWidget* parent, const QString& objectName, const QStringList& headers, int listTag,
              int valueWidth, int unitWidth, int unitMinimum);

    QTreeWidget* widget() const { return m_list; }

    int rowCount() const override;
    ByteString cell(int row, int column) const override;
    void setCell(int row, int column, const ByteString& text) override;
    void appendRow(const ByteString& caption, const ByteString& sub1,
                   const ByteString& sub2) override;
    void deleteRow(int row) override;
    // Removes every row (counts as one write when there were any).
    void clear();

    uint64_t writes() const { return m_writes; }

private:
    QTreeWidget* m_list;
    uint64_t m_writes = 0;
};
