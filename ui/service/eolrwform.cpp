#include "eolrwform.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "layout.h"
#include "printing.h"
#include "qtports.h"

namespace {

constexpr int kAddressColumnWidth = 50 + 24;
constexpr int kCellWidth = 28 + 8;
constexpr int kRowHeight = 19 + 3;
constexpr int kPrintColumns = 90;

}  // namespace

TDS_EOL_RW_Form::TDS_EOL_RW_Form(EolParamSetPorts ports, ViewContext context, QWidget* parent)
    : QDialog(parent), m_service(std::move(ports)), m_ctx(std::move(context)) {
    setObjectName(QStringLiteral("DS_EOL_RW_Form"));
    setWindowTitle(tr("Parametersatz bearbeiten"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    LAYOUT_SetTag(this, kFormTag);
    m_service.setEditorView(this);

    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("EOLGrid"));
    m_grid->setColumnCount(EolGrid::Columns);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setTabKeyNavigation(true);
    m_grid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                            QAbstractItemView::EditKeyPressed);
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->setColumnWidth(0, kAddressColumnWidth);
    for (int c = 1; c < EolGrid::Columns; ++c) m_grid->setColumnWidth(c, kCellWidth);
    m_grid->setMinimumWidth(kAddressColumnWidth + 16 * kCellWidth + 24);
    m_grid->setMinimumHeight(kRowHeight * 17);
    QFont mono = m_grid->font();
    mono.setFamily(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    m_grid->setFont(mono);
    connect(m_grid, &QTableWidget::itemChanged, this, &TDS_EOL_RW_Form::onItemChanged);

    auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    m_program = button("Button1", tr("&Programmieren"));
    m_program->setEnabled(false);
    m_save = button("Button2", tr("In Datei &speichern..."));
    m_print = button("Button4", tr("&Drucken"));
    m_close = button("Button3", tr("Schließen"));
    connect(m_program, &QPushButton::clicked, this,
            [this] { done(EolParamSetService::EditorProgram); });
    connect(m_save, &QPushButton::clicked, this, [this] { done(EolParamSetService::EditorSave); });
    connect(m_print, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(m_close, &QPushButton::clicked, this, [this] { done(3); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_program);
    buttons->addWidget(m_save);
    buttons->addWidget(m_print);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
}

int TDS_EOL_RW_Form::runEditor(EolGrid& grid) {
    m_editing = &grid;
    FillGrid();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    const int result = runModal(*this);
    // A cell still being edited counts as left.
    if (QWidget* editor = m_grid->focusWidget(); editor && editor != m_grid) m_grid->setFocus();
    m_editing = nullptr;
    return result;
}

void TDS_EOL_RW_Form::enableProgram(bool enabled) {
    m_program->setEnabled(enabled);
}

void TDS_EOL_RW_Form::FillGrid() {
    m_filling = true;
    m_grid->clearContents();
    const int rows = m_editing->RowCount();
    m_grid->setRowCount(rows);
    auto fixed = [this](int row, int column, const ByteString& text) {
        auto* item = new QTableWidgetItem(toQ(text));
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(palette().button());
        m_grid->setItem(row, column, item);
    };
    fixed(0, 0, EolGrid::ColumnHeading(0));
    for (int c = 1; c < EolGrid::Columns; ++c) fixed(0, c, EolGrid::ColumnHeading(c));
    for (int r = 1; r < rows; ++r) fixed(r, 0, EolGrid::RowLabel(r));
    // Only the cells of the rows the grid has.
    for (int32_t a = 0; a < (rows - 1) * 16; ++a) ShowCell(a);
    m_filling = false;
}

void TDS_EOL_RW_Form::ShowCell(int32_t address) {
    if (!m_editing) return;
    const int row = EolGrid::AddrToRow(address), column = EolGrid::AddrToColumn(address);
    if (row >= m_grid->rowCount()) return;
    QTableWidgetItem* item = m_grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        m_grid->setItem(row, column, item);
    }
    const bool wasFilling = m_filling;
    m_filling = true;
    item->setText(toQ(m_editing->CellText(address)));
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_editing->Editable(address)) flags |= Qt::ItemIsEditable;
    item->setFlags(flags);
    m_filling = wasFilling;
}

void TDS_EOL_RW_Form::onItemChanged(QTableWidgetItem* item) {
    if (m_filling || !m_editing || item->row() < 1 || item->column() < 1) return;
    const int32_t address = EolGrid::CellToAddr(item->column(), item->row());
    std::vector<int32_t> changed;
    m_editing->CommitCell(address, fromQ(item->text()), *m_ctx.ui, changed);
    for (int32_t a : changed) ShowCell(a);
}

void TDS_EOL_RW_Form::typeIntoCell(int32_t address, const QString& text) {
    if (QTableWidgetItem* item =
            m_grid->item(EolGrid::AddrToRow(address), EolGrid::AddrToColumn(address)))
        if (item->flags() & Qt::ItemIsEditable) item->setText(text);
}

void TDS_EOL_RW_Form::Button4Click() {
    // The printout shows the values as edited so far.
    if (m_editing) m_editing->GridDataToItems(m_service.WorkSet);
    QString text;
    for (const ByteString& line : m_service.printLines()) text += toQ(line) + QLatin1Char('\n');
    if (m_ctx.ui) UI_PrintPlainText(*m_ctx.ui, text, QStringLiteral("Dataset"), kPrintColumns, 0);
}

void TDS_EOL_RW_Form::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous() && m_ctx.restoreForm) m_ctx.restoreForm(this, kFormTag);
    m_grid->setFocus();
}

void TDS_EOL_RW_Form::hideEvent(QHideEvent* e) {
    if (!e->spontaneous() && m_ctx.saveForm) m_ctx.saveForm(this, kFormTag);
    QDialog::hideEvent(e);
}
