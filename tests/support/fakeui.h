// A user-interaction port that answers from a script and records every box, so no test ever
// waits on a modal dialog.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "dialoghelpers.h"
#include "ports.h"

class FakeUserInteraction : public IUserInteraction {
public:
    struct Box {
        MsgKind kind;
        ByteString text;
        int buttons;
        int helpContext = 0;  // above 0: the box has a Help button for this topic
    };

    int messageBox(MsgKind kind, const ByteString& text, int buttons,
                   int helpContext = 0) override {
        if (onBox) onBox();
        boxes.push_back({kind, text, buttons, helpContext});
        if (!answers.empty()) {
            const int a = answers.front();
            answers.pop_front();
            return a;
        }
        return (buttons & MB_OK) ? MB_OK : (buttons & MB_YES) ? MB_YES : MB_NO;
    }
    std::optional<FileDialogChoice> openFileDialog(const FileDialogRequest& r) override {
        fileRequests.push_back(r);
        return nextChoice();
    }
    std::optional<FileDialogChoice> saveFileDialog(const FileDialogRequest& r) override {
        fileRequests.push_back(r);
        return nextChoice();
    }

    std::optional<PrintChoice> printDialog(const PrintRequest& r) override {
        if (onBox) onBox();
        printRequests.push_back(r);
        if (printChoices.empty()) return std::nullopt;
        auto c = printChoices.front();
        printChoices.pop_front();
        return c;
    }

    std::deque<int> answers;                                  // buttons to press, in order
    std::deque<std::optional<FileDialogChoice>> fileChoices;  // nullopt = cancelled
    std::vector<Box> boxes;
    std::vector<FileDialogRequest> fileRequests;
    std::deque<std::optional<PrintChoice>> printChoices;  // nullopt = cancelled
    std::vector<PrintRequest> printRequests;
    std::function<void()> onBox;  // e.g. to assert that no box opens inside a reply

private:
    std::optional<FileDialogChoice> nextChoice() {
        if (fileChoices.empty()) return std::nullopt;
        auto c = fileChoices.front();
        fileChoices.pop_front();
        return c;
    }
};

// An edit field in memory.
class FakeEdit : public IEditControl {
public:
    explicit FakeEdit(ByteString t = {}) : value(std::move(t)) {}
    ByteString text() const override { return value; }
    void setText(const ByteString& t) override { value = t; }
    void setFocus() override { ++focusCount; }
    bool isEnabled() const override { return enabled; }
    void setEnabled(bool on) override { enabled = on; }
    void setWindowBackground(bool w) override { windowBackground = w; }

    ByteString value;
    bool enabled = true;
    bool windowBackground = true;
    int focusCount = 0;
};

// A list view in memory that counts cell writes (to see that unchanged cells are left alone).
class FakeList : public IListControl {
public:
    int rowCount() const override { return static_cast<int>(rows.size()); }
    ByteString cell(int r, int c) const override { return rows.at(r).at(c); }
    void setCell(int r, int c, const ByteString& t) override {
        rows.at(r).at(c) = t;
        ++writes;
    }
    void appendRow(const ByteString& a, const ByteString& b, const ByteString& c) override {
        rows.push_back({a, b, c});
    }
    void deleteRow(int r) override { rows.erase(rows.begin() + r); }

    std::vector<std::vector<ByteString>> rows;
    int writes = 0;
};
