// The transfer progress: the result the dialog returns, the bar's bounds, and what the view
// sees.
#include "transferprogress.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// A view whose modal run is a script: it runs `body` once (what the scheduler would do while
// the dialog is shown) and records what it was told.
class ScriptedView : public ITransferProgressView {
public:
    void runModal(const ByteString& c, const ByteString& t, int32_t max) override {
        caption = c;
        text = t;
        maximum = max;
        ++runs;
        if (body) body();
    }
    void showPosition(int32_t p) override { positions.push_back(p); }
    void showText(const ByteString& t) override { text = t; }
    void endModal() override { ++ends; }

    std::function<void()> body;
    ByteString caption, text;
    int32_t maximum = -1;
    int runs = 0, ends = 0;
    std::vector<int32_t> positions;
};

TEST(TransferProgress, ExecuteReturnsTheLastResultSetWhileShown) {
    struct Case {
        const char* name;
        std::vector<int32_t> results;
        int32_t expected;
    };
    const Case cases[] = {
        {"completed", {TransferProgress::Completed}, 1},
        {"user abort", {TransferProgress::UserAbort}, 3},
        // A failure then the adapter loss before the modal loop returned: the loss wins.
        {"failure then adapter lost", {7, 5}, 5},
        {"abort then link lost", {3, 7}, 7},
        {"ended without a result counts as closed", {}, 2},
    };
    for (const Case& c : cases) {
        ScriptedView view;
        TransferProgress p(&view);
        view.body = [&] {
            for (int32_t r : c.results) p.SetModalResult(r);
        };
        EXPECT_EQ(p.Execute("Cap", "Sende x", 10), c.expected) << c.name;
        EXPECT_FALSE(p.Shown()) << c.name;
        // The modal run is ended once, however many results were set.
        EXPECT_EQ(view.ends, c.results.empty() ? 0 : 1) << c.name;
    }
}

TEST(TransferProgress, ResultsOutsideTheModalRunAreIgnored) {
    ScriptedView view;
    TransferProgress p(&view);
    p.SetModalResult(TransferProgress::Failed);  // before: no dialog, nothing happens
    EXPECT_EQ(view.ends, 0);
    view.body = [&] { p.SetModalResult(TransferProgress::Completed); };
    EXPECT_EQ(p.Execute("a", "b", 3), 1);
    p.SetModalResult(TransferProgress::Failed);  // after: a late result changes nothing
    EXPECT_EQ(p.ModalResult(), 1);
    // The next run starts without the old result.
    view.body = nullptr;
    EXPECT_EQ(p.Execute("a", "b", 3), TransferProgress::Closed);
}

TEST(TransferProgress, PositionIsClampedToTheBar) {
    ScriptedView view;
    TransferProgress p(&view);
    view.body = [&] {
        p.SetProgress(4);
        p.SetProgress(11);  // past the maximum (an image with gaps)
        p.SetProgress(-3);
        p.SetText("Empfange y");
        p.SetModalResult(1);
    };
    p.Execute("Parametersatz auslesen", "Empfange x", 10);
    EXPECT_EQ(view.caption, "Parametersatz auslesen");
    EXPECT_EQ(view.maximum, 10);
    EXPECT_EQ(view.positions, (std::vector<int32_t>{4, 10, 0}));
    EXPECT_EQ(view.text, "Empfange y");
    // A negative maximum makes an empty bar.
    view.body = [&] {
        p.SetProgress(5);
        p.SetModalResult(1);
    };
    p.Execute("a", "b", -1);
    EXPECT_EQ(p.Maximum(), 0);
    EXPECT_EQ(p.Position(), 0);
}

TEST(TransferProgress, SecondTransferWhileShownOrNoViewIsAnAbort) {
    TransferProgress none;
    EXPECT_EQ(none.Execute("a", "b", 1), TransferProgress::Closed);

    ScriptedView view;
    TransferProgress p(&view);
    int32_t inner = -1;
    view.body = [&] {
        if (view.runs == 1) inner = p.Execute("c", "d", 1);
        p.SetModalResult(1);
    };
    EXPECT_EQ(p.Execute("a", "b", 1), 1);
    EXPECT_EQ(inner, TransferProgress::Closed);
    EXPECT_EQ(view.runs, 1);
}

}  // namespace
