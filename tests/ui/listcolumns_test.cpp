// The value column of the three parameter, value, unit lists (the error list, the device
// information and the operating data), as a first run lays them out: no value shown cut off
// while the list has room, and a width the user set by hand kept.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTreeWidget>
#include <memory>
#include <ostream>
#include <string>

#include "betriebform.h"
#include "errorform.h"
#include "konfigform.h"
#include "layout.h"
#include "settings.h"
#include "viewdata.h"
#include "viewtestsupport.h"

namespace {

template <typename Form>
std::unique_ptr<ViewForm> make(DataPointTable& dp, RecordingContext& rec) {
    return std::make_unique<Form>(dp, rec.context(true));
}

// Link up, class 1, then the values, as a session brings them.
template <typename Form>
void showClassOne(ViewForm& view) {
    auto& f = static_cast<Form&>(view);
    f.SetLinkState(true);
    f.SetDeviceClass(1);
    f.ShowValues();
}

// The error list of class 1 with two long texts; later a longer one in its first entry.
void fillErrors(DataPointTable& dp) {
    viewdata::fillClass(dp, 1);
    viewdata::set(dp, viewdata::key("ERRSTATE", 1), "Nicht aktuell und gespeichert", 0);
    viewdata::set(dp, viewdata::key("ERRBEZ", 2), "Temperatursensor Kurzschluss", 0);
}
void lengthenErrors(DataPointTable& dp) {
    viewdata::set(dp, viewdata::key("ERRBEZ", 1), "Temperatursensor Kurzschluss Vorlauf", 0);
}
QTreeWidget* errorList(ViewForm& f) {
    return static_cast<TANSI_ERROR_Form&>(f).ErrorList();
}

// The rows of a class-1 device-information or operating-data list, each captioned with its
// key, the first two with long values, the others short; later a longer one in the first row.
using RowKeys = const DataListKeys& (*)(uint8_t deviceClass);
template <RowKeys keysOf>
void fillRows(DataPointTable& dp) {
    const DataListKeys& keys = keysOf(1);
    const char* values[] = {"Heizgerät HVD 420 Sonderausführung", "Diesel 12 V 5 kW Luft"};
    for (size_t i = 0; i < keys.size(); ++i) {
        dp.DP_Register(keys[i], keys[i], "");
        dp.DP_SetValue(keys[i], 0, i < 2 ? values[i] : "1", 0);
    }
}
template <RowKeys keysOf>
void lengthenRows(DataPointTable& dp) {
    dp.DP_SetValue(keysOf(1)[0], 0, "Heizgerät HVD 420 Sonderausführung Boot", 0);
}
QTreeWidget* dataList(ViewForm& f) {
    return static_cast<DataListForm&>(f).list();
}

struct ListCase {
    const char* name;
    int listTag;
    std::unique_ptr<ViewForm> (*make)(DataPointTable&, RecordingContext&);
    QTreeWidget* (*list)(ViewForm&);
    void (*fill)(DataPointTable&);
    void (*show)(ViewForm&);
    void (*lengthen)(DataPointTable&);
};

void PrintTo(const ListCase& c, std::ostream* os) {
    *os << c.name;
}

const ListCase kLists[] = {
    {"ErrorList", 3, make<TANSI_ERROR_Form>, errorList, fillErrors, showClassOne<TANSI_ERROR_Form>,
     lengthenErrors},
    {"DeviceInformation", 1, make<TANSI_KONFIG_Form>, dataList, fillRows<KONFIG_RowKeys>,
     showClassOne<DataListForm>, lengthenRows<KONFIG_RowKeys>},
    {"OperatingData", 2, make<TANSI_BETRIEB_Form>, dataList, fillRows<BETRIEB_RowKeys>,
     showClassOne<DataListForm>, lengthenRows<BETRIEB_RowKeys>},
};

class ValueColumn : public ::testing::TestWithParam<ListCase> {
protected:
    void SetUp() override {
        form = GetParam().make(dp, rec);
        form->resize(600, 500);
        form->show();
        list = GetParam().list(*form);
    }
    // The widest text of the value column.
    int widest() const {
        int w = 0;
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            w = std::max(w, list->sizeHintForIndex(list->model()->index(r, 1)).width());
        return w;
    }
    void resizeTo(int width) {
        form->resize(width, 305);
        QApplication::processEvents();
        QApplication::processEvents();
    }

    DataPointTable dp;
    RecordingContext rec;
    std::unique_ptr<ViewForm> form;
    QTreeWidget* list = nullptr;
};

// A first run's settings give 250, 150 and 50 pixels (the unit column keeps its least 100). In
// a wide window one above the other and in narrow ones, where the columns share the list, then
// after the user set the value column's width by hand.
TEST_P(ValueColumn, ShowsItsLongestTextWholeWhileThereIsRoom) {
    MainSettings settings{{}, {}};
    settings.ListColumnWidths[GetParam().listTag] = {250, 150, 50, 0, 0};
    LAYOUT_RestoreColumns(settings, list);
    GetParam().fill(dp);
    GetParam().show(*form);
    ASSERT_GT(widest(), 150) << "texts wider than the column was given";
    for (int width : {1592, 525, 330, 200}) {
        resizeTo(width);
        SCOPED_TRACE(width);
        const int room = list->viewport()->width();
        const int column = list->columnWidth(1);
        const int unit = list->columnWidth(2);
        // The names' widest text, and the least room they keep: up to half the list.
        int names = list->header()->sectionSizeHint(0);
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            names = std::max(names, list->sizeHintForIndex(list->model()->index(r, 0)).width());
        const int nameShare = std::min(names, room / 2);
        const int wide = std::max(150, std::min(widest(), room / 2));
        if (room - wide - 100 >= names) {
            EXPECT_EQ(column, wide) << "the width given, widened up to half the list";
            EXPECT_EQ(unit, 100) << "the unit column's least width";
        } else {
            EXPECT_GE(column, std::min(widest(), room - nameShare - unit)) << "no value cut";
            EXPECT_GE(list->columnWidth(0), nameShare - 1) << "the names' share";
        }
        EXPECT_LE(list->columnWidth(0) + column + unit, room) << "every column in sight";
        EXPECT_GE(column, list->header()->minimumSectionSize());
    }

    // Dragged narrower by hand: kept, whatever comes.
    resizeTo(1592);
    dragColumnEdge(list, 1, -60);
    const int byHand = list->columnWidth(1);
    ASSERT_LT(byHand, widest());
    GetParam().lengthen(dp);
    GetParam().show(*form);
    resizeTo(1000);
    EXPECT_EQ(list->columnWidth(1), byHand);
}

INSTANTIATE_TEST_SUITE_P(Lists, ValueColumn, ::testing::ValuesIn(kLists),
                         [](const ::testing::TestParamInfo<ListCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
