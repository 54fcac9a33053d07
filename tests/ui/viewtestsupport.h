// Small helpers of the view tests: a view context that records what the views ask of the
// main window, and lookups of the views' controls by name.
#pragma once

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QTreeView>
#include <QWidget>
#include <string>
#include <vector>

#include "fakeui.h"
#include "viewcontext.h"

struct RecordingContext {
    FakeUserInteraction ui;
    int temperatureUnit = 0;
    std::vector<int> helpTopics;
    std::vector<std::pair<QWidget*, int>> restored;
    std::vector<std::pair<QWidget*, int>> saved;
    std::vector<int> columnsRestored;
    int deleteRequests = 0;
    bool deleteEnabled = true;

    ViewContext context(bool withDelete = false) {
        ViewContext c;
        c.ui = &ui;
        c.temperatureUnit = [this] { return temperatureUnit; };
        c.showHelp = [this](int topic) { helpTopics.push_back(topic); };
        c.restoreForm = [this](QWidget* w, int tag) { restored.emplace_back(w, tag); };
        c.saveForm = [this](QWidget* w, int tag) { saved.emplace_back(w, tag); };
        c.restoreColumns = [this](QTreeView*, int tag) { columnsRestored.push_back(tag); };
        if (withDelete) {
            c.requestErrorDelete = [this] { ++deleteRequests; };
            c.errorDeleteEnabled = [this] { return deleteEnabled; };
        }
        return c;
    }
};

template <typename T>
T* child(QWidget* parent, const QString& name) {
    return parent->findChild<T*>(name);
}

inline std::string str(const QString& s) {
    return s.toStdString();
}

// The user drags the right edge of a list's column header by dx pixels.
inline void dragColumnEdge(QTreeView* list, int column, int dx) {
    QHeaderView* header = list->header();
    const int edge = header->sectionViewportPosition(column) + header->sectionSize(column) - 1;
    const int y = header->height() / 2;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(edge, y));
    QTest::mouseMove(header->viewport(), QPoint(edge + dx, y));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(edge + dx, y));
    QApplication::processEvents();
}
