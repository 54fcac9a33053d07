// The small dialogs: device selection, language, temperature unit, about window and update
// notice, each driven as a user would through its buttons, without a modal wait.
#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

#include "devselform.h"
#include "fakeui.h"
#include "helpforms.h"
#include "languageform.h"
#include "unitform.h"

namespace {

// ---- device selection ----

TEST(DeviceSelection, ResultByHowTheDialogCloses) {
    using Act = std::function<void(TDEV_SEL_Form&)>;
    const Act ok = [](TDEV_SEL_Form& d) { d.OKBtn()->click(); };
    const Act cancel = [](TDEV_SEL_Form& d) { d.CancelBtn()->click(); };
    const Act automatic = [](TDEV_SEL_Form& d) { d.AutoBtn()->click(); };
    const Act escape = [](TDEV_SEL_Form& d) { d.reject(); };
    const Act pickRowOne = [](TDEV_SEL_Form& d) {
        d.DEVListView()->setCurrentItem(d.DEVListView()->topLevelItem(1));
        d.OKBtn()->click();
    };
    const Act doubleClickRowFive = [](TDEV_SEL_Form& d) {
        QTreeWidgetItem* row = d.DEVListView()->topLevelItem(5);
        d.DEVListView()->setCurrentItem(row);
        emit d.DEVListView()->itemDoubleClicked(row, 0);
    };
    struct Case {
        const char* what;
        int32_t index;
        int preselected;  // -1: none
        const Act* act;
        int32_t result;
    };
    const Case cases[] = {
        {"automatic, cancelled", -1, 0, &cancel, -1},
        {"automatic, OK", -1, 0, &ok, 0},
        {"row 3, OK", 3, 3, &ok, 3},
        {"row 3, automatic search", 3, 3, &automatic, -1},
        {"row 2, escape", 2, 2, &escape, 2},
        {"row 4, another row chosen", 4, 4, &pickRowOne, 1},
        {"double click", 0, 0, &doubleClickRowFive, 5},
        {"beyond the list, OK", 7, -1, &ok, -1},
        {"beyond the list, cancelled", 7, -1, &cancel, 7},
    };
    TDEV_SEL_Form form(nullptr);
    ASSERT_EQ(form.DEVListView()->topLevelItemCount(), 6);
    EXPECT_EQ(form.DEVListView()->topLevelItem(1)->text(0), QStringLiteral("Calvix 140/180/220"));
    EXPECT_EQ(form.DEVListView()->topLevelItem(5)->text(0), QStringLiteral("Flashloader"));
    form.SetLinkState(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int preselected = -2;
        form.showModal = [&](TDEV_SEL_Form& d) {
            const QList<QTreeWidgetItem*> sel = d.DEVListView()->selectedItems();
            preselected = sel.isEmpty() ? -1 : d.DEVListView()->indexOfTopLevelItem(sel.front());
            (*c.act)(d);
            return d.result();
        };
        EXPECT_EQ(form.DEVSEL_Execute(c.index), c.result);
        EXPECT_EQ(preselected, c.preselected);
    }
}

TEST(DeviceSelection, AutomaticSearchOnlyWithTheAdapter) {
    TDEV_SEL_Form form(nullptr);
    EXPECT_FALSE(form.AutoBtn()->isEnabled());
    form.SetLinkState(true);
    EXPECT_TRUE(form.AutoBtn()->isEnabled());
    EXPECT_TRUE(form.HeldAdapterReady());
    form.SetLinkState(false);
    EXPECT_FALSE(form.AutoBtn()->isEnabled());
}

// ---- language ----

class LanguageDialog : public ::testing::Test {
protected:
    // With the English module beside the program, or without it.
    TEXTRA_SPRACHE_Form& form(bool withModule) {
        if (withModule) {
            QFile module(dir.filePath("calvix_en.qm"));
            EXPECT_TRUE(module.open(QIODevice::WriteOnly));
        }
        m_form = std::make_unique<TEXTRA_SPRACHE_Form>(
            ui, dir.path(),
            [this](const QString& code) {
                stored.push_back(code.toStdString());
                return storeWorks;
            },
            nullptr);
        return *m_form;
    }
    // The user checks a choice (by its picture or its radio button) and closes the dialog.
    void user(std::function<void(TEXTRA_SPRACHE_Form&)> act, int result = ResultOk) {
        m_form->showModal = [act, result, this](TEXTRA_SPRACHE_Form& d) {
            englishOffered = !d.KEYENU()->isHidden() && !d.IMGENU()->isHidden();
            germanChecked = d.KEYDEU()->isChecked();
            if (act) act(d);
            return result;
        };
    }

    QTemporaryDir dir;
    FakeUserInteraction ui;
    std::vector<std::string> stored;
    bool storeWorks = true;
    bool englishOffered = false;
    bool germanChecked = false;

private:
    std::unique_ptr<TEXTRA_SPRACHE_Form> m_form;
};

TEST_F(LanguageDialog, WithoutTheEnglishModuleOnlyGermanIsOffered) {
    TEXTRA_SPRACHE_Form& f = form(false);
    user(nullptr);
    f.LANG_Execute();
    EXPECT_FALSE(englishOffered);
    EXPECT_FALSE(f.KEYDEU()->isHidden());
    EXPECT_TRUE(germanChecked);  // the current language
    // choosing the language that runs stores it and says nothing
    EXPECT_EQ(stored, std::vector<std::string>{"DEU"});
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(LanguageDialog, AnotherLanguageIsStoredForTheNextStart) {
    TEXTRA_SPRACHE_Form& f = form(true);
    user([](TEXTRA_SPRACHE_Form& d) { d.IMGENU()->click(); });
    f.LANG_Execute();
    EXPECT_TRUE(englishOffered);
    EXPECT_EQ(stored, std::vector<std::string>{"ENG"});
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].kind, MsgKind::Information);
    EXPECT_EQ(ui.boxes[0].text,
              "     Die gewählte Sprache wird erst aktiv nach dem das Programm neu gestartet "
              "worden ist.     ");
    // the picture of German checks German again
    f.IMGClick(1);
    EXPECT_TRUE(f.KEYDEU()->isChecked());
}

TEST_F(LanguageDialog, AChoiceThatCannotBeKeptSaysSo) {
    TEXTRA_SPRACHE_Form& f = form(true);
    storeWorks = false;
    user([](TEXTRA_SPRACHE_Form& d) { d.KEYENU()->setChecked(true); });
    f.LANG_Execute();
    EXPECT_EQ(stored, std::vector<std::string>{"ENG"});
    ASSERT_EQ(ui.boxes.size(), 1u);  // no promise of a language at the next start
    EXPECT_EQ(ui.boxes[0].kind, MsgKind::Error);
    EXPECT_EQ(ui.boxes[0].text, "     Die Spracheinstellung konnte nicht gespeichert werden!     ");
}

TEST_F(LanguageDialog, CancelStoresNothing) {
    TEXTRA_SPRACHE_Form& f = form(true);
    user([](TEXTRA_SPRACHE_Form& d) { d.KEYENU()->setChecked(true); }, ResultCancel);
    f.LANG_Execute();
    EXPECT_TRUE(stored.empty());
    EXPECT_TRUE(ui.boxes.empty());
    // the next opening shows the current language again
    user(nullptr, ResultCancel);
    f.LANG_Execute();
    EXPECT_TRUE(germanChecked);
}

// ---- temperature unit ----

TEST(UnitDialog, ShowsTheCurrentUnitAndLoadsTheChosenOne) {
    struct Case {
        int32_t current;
        bool fahrenheitShown;
        const char* pick;  // "C", "F", "" (none); by the picture
        int result;
        std::vector<int32_t> loaded;
    };
    const Case cases[] = {
        {-1, false, "", ResultOk, {0}},    {0, false, "F", ResultOk, {1}},
        {1, true, "C", ResultOk, {0}},     {1, true, "", ResultOk, {1}},
        {7, false, "F", ResultCancel, {}}, {0, false, "F", ResultNone, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.current);
        std::vector<int32_t> loaded;
        TEXTRA_UNIT_Form form([&] { return c.current; },
                              [&](int32_t unit) { loaded.push_back(unit); }, nullptr);
        bool fahrenheitShown = false;
        form.showModal = [&](TEXTRA_UNIT_Form& d) {
            fahrenheitShown = d.KEYF()->isChecked();
            EXPECT_NE(d.KEYC()->isChecked(), fahrenheitShown);
            if (std::string(c.pick) == "C") d.IMGC()->click();
            if (std::string(c.pick) == "F") d.IMGF()->click();
            return c.result;
        };
        form.UNIT_Execute();
        EXPECT_EQ(fahrenheitShown, c.fahrenheitShown);
        EXPECT_EQ(loaded, c.loaded);
    }
}

// ---- about window and update notice ----

TEST(AboutWindow, HardwareVersionFromTwoBytes) {
    struct Case {
        ByteString bytes;
        const char* shown;
    };
    const Case cases[] = {
        {"", ""},
        {"\x21", ""},  // too short: nothing rather than a guess
        {"\x21\x42", "V 2.1 B"},
        {"\xF0W", "V 15.0 W"},
        {"\x13\x41\x99", "V 1.3 A"},
    };
    THELP_Info_Form form(nullptr);
    for (const Case& c : cases) {
        form.SetHardwareVersion("\x21\x42");
        form.SetHardwareVersion(c.bytes);  // every call rewrites the line
        EXPECT_EQ(form.HWVersion()->text().toStdString(), c.shown) << c.shown;
    }
}

TEST(AboutWindow, ShowsTheSoftwareVersionAndOpensTheMakersSite) {
    THELP_Info_Form form(nullptr);
    std::vector<QUrl> opened;
    form.openUrl = [&](const QUrl& u) {
        opened.push_back(u);
        return false;  // a failure is not reported
    };
    QString versionShown;
    form.showModal = [&](THELP_Info_Form& d) {
        versionShown = d.Version()->text();
        d.Label5Click();
        d.OKBtn()->click();
        return d.result();
    };
    form.Execute();
    EXPECT_EQ(versionShown, QStringLiteral("V 1.4"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].host(), form.Label5()->text());
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("https"));
}

TEST(UpdateNotice, NamesTheVersionAndClosesAfterTheLink) {
    THELP_Update_Form form(nullptr);
    int opened = 0;
    form.openUrl = [&](const QUrl&) { return ++opened, true; };
    int result = -1;
    form.showModal = [&](THELP_Update_Form& d) {
        d.Label5Click();
        result = d.result();
        return result;
    };
    form.Execute();
    form.Execute();
    EXPECT_EQ(form.Label9()->text(), QStringLiteral("Software  V 1.4"));
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(result, ResultOk);
}

}  // namespace
