// What a technician must be able to read in the main window's three parameter lists (device
// information, operating data, error view) and in its arrangements: every class's names, values
// and units in lists of several widths, and every view of a session in sight, at the screen
// sizes of small and large workshop laptops.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <functional>
#include <memory>
#include <string>

#include "betriebform.h"
#include "errorform.h"
#include "konfigform.h"
#include "kx3024unit.h"
#include "kx3090unit.h"
#include "kx3117unit.h"
#include "kx3141unit.h"
#include "kx3166unit.h"
#include "layout.h"
#include "mainwinharness.h"
#include "mdichecks.h"
#include "overviewform.h"
#include "protokoll.h"
#include "settings.h"
#include "trendform.h"

namespace {

void settle() {
    for (int i = 0; i < 4; ++i) QApplication::processEvents();
}

// A simulated unit of each class.
struct ClassUnit {
    int deviceClass;
    std::function<std::unique_ptr<ISimControlUnit>()> make;
};
const ClassUnit kUnits[] = {
    {1, [] { return std::make_unique<SimKX3090Unit>(); }},
    {2, [] { return std::make_unique<SimKX3024Unit>(); }},
    {3, [] { return std::make_unique<SimKX3117Unit>(); }},
    {4, [] { return std::make_unique<SimKX3141Unit>(); }},
    {5, [] { return std::make_unique<SimKX3166Unit>(); }},
};

// A session of the class's unit, up and with its lists filled.
struct Session {
    explicit Session(const ClassUnit& c, const QString& folder, QSize window = QSize()) {
        unit = c.make();
        run = std::make_unique<MainWinRun>(folder, true, unit.get());
        run->showReady();
        if (window.isValid()) {
            run->form->showNormal();
            run->form->resize(window);
            settle();
        }
        run->form->action(QStringLiteral("DIAG_Start"))->trigger();
        up = run->runUntil([&] { return run->form->engine().SessionUp; }, 20000);
        run->advance(3000);  // the first status blocks and the error list
        settle();
    }
    TMAIN_Form& form() { return *run->form; }

    std::unique_ptr<ISimControlUnit> unit;
    std::unique_ptr<MainWinRun> run;
    bool up = false;
};

struct ListView {
    const char* name;
    QTreeWidget* (*list)(TMAIN_Form&);
};
const ListView kListViews[] = {
    {"device information", [](TMAIN_Form& f) { return f.konfigForm()->list(); }},
    {"operating data", [](TMAIN_Form& f) { return f.betriebForm()->list(); }},
    {"error view", [](TMAIN_Form& f) { return f.errorForm()->ErrorList(); }},
};

// The widths the program set for the list's columns: what it saves.
std::pair<int, int> setWidths(QTreeWidget* list) {
    MainSettings settings{{}, {}};
    LAYOUT_SaveColumns(settings, list);
    const auto& w = settings.ListColumnWidths[static_cast<size_t>(LAYOUT_Tag(list))];
    return {w[1], w[2]};
}

// What each column of a list needs for its widest text, measured here from the rows.
struct Needs {
    int name = 0;
    int value = 0;
    int unit = 0;
};
int cellHint(const QTreeWidget* list, const QTreeWidgetItem* it, int column) {
    const QModelIndex index = list->indexFromItem(const_cast<QTreeWidgetItem*>(it), column);
    const QAbstractItemView* view = list;
    return view->sizeHintForIndex(index).width();
}
int indentOf(const QTreeWidgetItem* it, int indentation) {
    int depth = 0;
    for (const QTreeWidgetItem* p = it->parent(); p; p = p->parent()) ++depth;
    return depth * indentation;
}
Needs needsOf(const QTreeWidget* list) {
    Needs n;
    n.name = list->header()->sectionSizeHint(0);
    n.value = list->header()->sectionSizeHint(1);
    n.unit = list->header()->sectionSizeHint(2);
    for (QTreeWidgetItemIterator i(const_cast<QTreeWidget*>(list)); *i; ++i) {
        n.name = std::max(n.name, cellHint(list, *i, 0) + indentOf(*i, list->indentation()));
        n.value = std::max(n.value, cellHint(list, *i, 1));
        n.unit = std::max(n.unit, cellHint(list, *i, 2));
    }
    return n;
}

// Every name shows at least min(12, its length) characters in the parameter column, read from
// the column's width and the font: its first characters and the ellipsis fit, or it is whole.
void expectNamesReadable(const QTreeWidget* list, const std::string& what) {
    const QFontMetrics fm(list->font());
    const int column = list->columnWidth(0);
    for (QTreeWidgetItemIterator i(const_cast<QTreeWidget*>(list)); *i; ++i) {
        const QString text = (*i)->text(0);
        if (text.isEmpty()) continue;
        const int padding = cellHint(list, *i, 0) - fm.horizontalAdvance(text);
        const int room = column - indentOf(*i, list->indentation()) - padding;
        const int k = std::min<int>(12, static_cast<int>(text.size()));
        const int shown = k == text.size() ? fm.horizontalAdvance(text)
                                           : fm.horizontalAdvance(text.left(k) + QChar(0x2026));
        EXPECT_LE(shown, room) << what << " name \"" << text.toStdString() << "\" in " << column
                               << " px";
    }
}

// The list `width` pixels wide inside its MDI child.
void setListWidth(QTreeWidget* list, int width) {
    auto* sub = qobject_cast<QMdiSubWindow*>(list->parentWidget()->parentWidget());
    ASSERT_NE(sub, nullptr);
    sub->showNormal();
    sub->resize(sub->width() + width - list->width(), std::max(sub->height(), 400));
    settle();
}

class ListColumnsInTheMainWindow : public ::testing::TestWithParam<ClassUnit> {
protected:
    QTemporaryDir dir;
};

// Each class's three lists at 200, 280, 400 and 800 pixels: names readable from 280 on, no value
// cut that fits beside the names' share, units no wider than their text when the list is
// narrow, every column in sight, and the design widths in a wide list.
TEST_P(ListColumnsInTheMainWindow, ShareTheListFairly) {
    Session s(GetParam(), dir.path());
    ASSERT_TRUE(s.up);
    for (const ListView& v : kListViews) {
        QTreeWidget* list = v.list(s.form());
        ASSERT_GT(list->topLevelItemCount(), 0) << v.name;
        const auto [valueSet, unitSet] = setWidths(list);
        for (int width : {200, 280, 400, 800}) {
            setListWidth(list, width);
            const std::string what = "class " + std::to_string(GetParam().deviceClass) + " " +
                                     v.name + " at " + std::to_string(width);
            SCOPED_TRACE(what);
            ASSERT_EQ(list->width(), width);
            const Needs need = needsOf(list);
            const int room = list->viewport()->width();
            const int name = list->columnWidth(0), value = list->columnWidth(1),
                      unit = list->columnWidth(2);
            EXPECT_LE(name + value + unit, room) << "every column in sight";
            const int wideValue = std::max(valueSet, std::min(need.value, room / 2));
            if (room - wideValue - unitSet >= need.name) {
                EXPECT_EQ(value, wideValue) << "the width set, widened for the values";
                EXPECT_EQ(unit, unitSet) << "the width set";
            } else {
                EXPECT_LE(unit, need.unit) << "no wider than its widest text";
                EXPECT_GE(name, std::min(need.name, room / 2) - 1) << "the names' share";
                EXPECT_GE(value,
                          std::min(need.value, room - std::min(need.name, room / 2) - need.unit))
                    << "no value cut that fits";
            }
            if (width >= 800) {
                EXPECT_GE(name, need.name) << "every name whole";
            }
            if (width >= 280) expectNamesReadable(list, what);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Classes, ListColumnsInTheMainWindow, ::testing::ValuesIn(kUnits),
                         [](const ::testing::TestParamInfo<ClassUnit>& info) {
                             return "Class" + std::to_string(info.param.deviceClass);
                         });

struct ScreenCase {
    int deviceClass;
    QSize window;
};
class ArrangementsInTheMainWindow : public ::testing::TestWithParam<ScreenCase> {
protected:
    QTemporaryDir dir;
};

// Every view of a session in sight, whole and unscrolled: the first run's arrangement, then,
// with the telegram log up too, each tiling; the lists' names readable in each.
TEST_P(ArrangementsInTheMainWindow, KeepEveryViewInSightAndReadable) {
    const ClassUnit& c = kUnits[GetParam().deviceClass - 1];
    Session s(c, dir.path(), GetParam().window);
    ASSERT_TRUE(s.up);
    TMAIN_Form& f = s.form();
    QMdiArea* area = f.mdiArea();
    const auto check = [&](const std::string& what, bool tiled) {
        settle();
        SCOPED_TRACE(what);
        expectArrangedWhole(area, tiled, what);
        const QRect view = area->viewport()->rect();
        for (QMdiSubWindow* w : area->subWindowList()) {
            if (!w->isVisible() || w->isMinimized()) continue;
            EXPECT_TRUE(view.contains(w->geometry()))
                << w->windowTitle().toStdString() << " " << mdiRectText(w->geometry());
        }
        EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(area->verticalScrollBar()->isVisible());
        for (const ListView& v : kListViews) expectNamesReadable(v.list(f), what + " " + v.name);
        // A telegram log in sight shows telegrams, not only its frame.
        const auto* log = f.findChild<QPlainTextEdit*>(QStringLiteral("PROT_Text"));
        ASSERT_TRUE(log);
        if (log->isVisible()) {
            EXPECT_GE(log->viewport()->height(), 3 * log->fontMetrics().lineSpacing())
                << "telegram lines in sight";
        }
    };
    check("first run", true);
    f.WIN_PDataExecute();
    settle();
    for (const char* name : {"WindowTileHorizontal1", "WindowTileVertical1"}) {
        f.action(QString::fromLatin1(name))->trigger();
        check(name, true);
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ArrangementsInTheMainWindow,
                         ::testing::Values(ScreenCase{1, {1366, 768}}, ScreenCase{5, {1366, 768}},
                                           ScreenCase{1, {1600, 1000}},
                                           ScreenCase{5, {1600, 1000}}),
                         [](const ::testing::TestParamInfo<ScreenCase>& info) {
                             return "Class" + std::to_string(info.param.deviceClass) + "At" +
                                    std::to_string(info.param.window.width());
                         });

}  // namespace
