// The adapter selection dialog as a user meets it: the rows of the attached adapters, their
// refresh while the dialog is open, and the serial it returns by how it was closed.
#include "usbselform.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTreeWidget>
#include <functional>
#include <string>
#include <vector>

#include "manualclock.h"
#include "simftdriver.h"

namespace {

class UsbSelection : public ::testing::Test {
protected:
    UsbSelection() : d2xx(sim, nullptr), form(d2xx, clock, nullptr) { d2xx.ShowErrors = false; }

    std::vector<std::string> rows() const {
        std::vector<std::string> out;
        QTreeWidget* l = form.USBListView();
        for (int i = 0; i < l->topLevelItemCount(); ++i)
            out.push_back(l->topLevelItem(i)->text(0).toStdString() + " " +
                          l->topLevelItem(i)->text(1).toStdString());
        return out;
    }
    std::string selectedSerial() const {
        const auto sel = form.USBListView()->selectedItems();
        return sel.isEmpty() ? "" : sel.front()->text(0).toStdString();
    }
    // Opens the dialog with the user's doings inside; returns what Execute returned.
    ByteString run(const ByteString& current, std::function<int(TEXTRA_USB_Sel&)> user) {
        form.showModal = std::move(user);
        return form.Execute(current);
    }

    ManualClock clock;
    SimFtDriver sim;
    D2XXUnit d2xx;
    TEXTRA_USB_Sel form;
};

TEST_F(UsbSelection, TwoAdaptersFromTheFirstScanOnAndAnUnpluggedOneGoes) {
    const size_t first = sim.addAdapter("NAV0001");
    sim.addAdapter("USB0815", "USB Serial Converter");
    sim.addAdapter("NAV0002");
    const ByteString chosen = run("NAV0001", [&](TEXTRA_USB_Sel& d) {
        EXPECT_TRUE(rows().empty());
        clock.advance(499);
        EXPECT_TRUE(rows().empty());
        clock.advance(1);
        EXPECT_EQ(rows(), (std::vector<std::string>{"NAV0001 NAVIRON Diagnose Adapter",
                                                    "NAV0002 NAVIRON Diagnose Adapter"}));
        sim.unplug(first);
        clock.advance(250);
        EXPECT_EQ(rows(), std::vector<std::string>{"NAV0002 NAVIRON Diagnose Adapter"});
        d.USBListView()->setCurrentItem(d.USBListView()->topLevelItem(0));
        // the adapters stay as they are: the selection survives the refreshes
        clock.advance(2000);
        EXPECT_EQ(selectedSerial(), "NAV0002");
        d.OKBtn()->click();
        return d.result();
    });
    EXPECT_EQ(chosen, "NAV0002");
    EXPECT_FALSE(form.Timer1().isActive());  // no scanning once closed
}

TEST_F(UsbSelection, ResultByHowTheDialogCloses) {
    sim.addAdapter("NAV0001");
    sim.addAdapter("NAV0002");
    using User = std::function<int(TEXTRA_USB_Sel&)>;
    const auto pick = [this](int row) {
        clock.advance(500);
        if (row >= 0) form.USBListView()->setCurrentItem(form.USBListView()->topLevelItem(row));
    };
    struct Case {
        const char* what;
        User user;
        ByteString result;
    };
    const Case cases[] = {
        {"OK with a row",
         [&](TEXTRA_USB_Sel& d) { return pick(1), d.OKBtn()->click(), d.result(); }, "NAV0002"},
        {"OK without a row",
         [&](TEXTRA_USB_Sel& d) { return pick(-1), d.OKBtn()->click(), d.result(); }, ""},
        {"cancelled",
         [&](TEXTRA_USB_Sel& d) { return pick(1), d.CancelBtn()->click(), d.result(); }, "NAV0007"},
        {"escape", [&](TEXTRA_USB_Sel& d) { return pick(0), d.reject(), d.result(); }, "NAV0007"},
        {"double click",
         [&](TEXTRA_USB_Sel& d) {
             pick(0);
             emit d.USBListView()->itemDoubleClicked(d.USBListView()->topLevelItem(0), 0);
             return d.result();
         },
         "NAV0001"},
    };
    for (const Case& c : cases) EXPECT_EQ(run("NAV0007", c.user), c.result) << c.what;
}

TEST_F(UsbSelection, NoAdapterAndElevenAdapters) {
    EXPECT_EQ(run("NAV0001",
                  [&](TEXTRA_USB_Sel& d) {
                      clock.advance(1000);
                      EXPECT_TRUE(rows().empty());
                      d.OKBtn()->click();
                      return d.result();
                  }),
              "");
    for (int i = 1; i <= 11; ++i) sim.addAdapter("NAV" + std::to_string(1000 + i));
    run("", [&](TEXTRA_USB_Sel& d) {
        clock.advance(500);
        EXPECT_EQ(d.USBListView()->topLevelItemCount(), 10);
        EXPECT_EQ(rows().back(), "NAV1010 NAVIRON Diagnose Adapter");
        return int(ResultCancel);
    });
}

TEST_F(UsbSelection, TheAdapterInUseIsMarked) {
    sim.addAdapter("NAV0001");
    const size_t second = sim.addAdapter("NAV0002");
    struct Case {
        const char* current;
        const char* marked;  // after the first scan
        const char* okGives;
    };
    const Case cases[] = {{"NAV0002", "NAV0002", "NAV0002"},
                          {"NAV0001", "NAV0001", "NAV0001"},
                          {"NAV0007", "", ""},
                          {"", "", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.current);
        EXPECT_EQ(run(c.current,
                      [&](TEXTRA_USB_Sel& d) {
                          clock.advance(500);
                          EXPECT_EQ(selectedSerial(), c.marked);
                          d.OKBtn()->click();
                          return d.result();
                      }),
                  c.okGives);
    }
    // Plugged in again, the adapter in use is marked once more.
    run("NAV0002", [&](TEXTRA_USB_Sel& d) {
        clock.advance(500);
        sim.unplug(second);
        clock.advance(250);
        EXPECT_EQ(selectedSerial(), "");
        sim.replug(second);
        clock.advance(250);
        EXPECT_EQ(selectedSerial(), "NAV0002");
        return int(ResultCancel);
    });
}

}  // namespace
