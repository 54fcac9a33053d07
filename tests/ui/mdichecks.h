// Checks on arranged MDI children, shared by the arrangement tests of the arranger and of the
// main window.
#pragma once

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <string>
#include <vector>

inline std::string mdiRectText(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

// The room the area scrolls over, in its children's coordinates (they move as it scrolls).
inline QRect mdiScrollRoom(const QMdiArea* area) {
    const QScrollBar* h = area->horizontalScrollBar();
    const QScrollBar* v = area->verticalScrollBar();
    const QSize view = area->viewport()->size();
    return QRect(h->minimum() - h->value(), v->minimum() - v->value(),
                 view.width() + h->maximum() - h->minimum(),
                 view.height() + v->maximum() - v->minimum());
}

// The height of the row of laid-aside children at the area's bottom (0 when none).
inline int mdiLaidAsideHeight(const QMdiArea* area) {
    int h = 0;
    for (const QMdiSubWindow* s : area->subWindowList())
        if (s->isVisible() && s->isMinimized()) h = std::max(h, s->height());
    return h;
}

// Every shown child that is not laid aside holds its window whole (at least the window's
// minimum, at most its maximum, the window inside the frame) and lies where the area can be
// scrolled to, clear of the row of laid-aside children however the area is scrolled; tiled
// children overlap no other one.
inline void expectArrangedWhole(const QMdiArea* area, bool tiled, const std::string& what) {
    const QRect room = mdiScrollRoom(area);
    const int laidAside = mdiLaidAsideHeight(area);
    std::vector<const QMdiSubWindow*> arranged;
    for (const QMdiSubWindow* s : area->subWindowList()) {
        if (!s->isVisible() || s->isMinimized()) continue;
        arranged.push_back(s);
        const QWidget* inner = s->widget();
        SCOPED_TRACE(what + " " + inner->metaObject()->className() + " " +
                     mdiRectText(s->geometry()));
        EXPECT_GE(inner->width(), inner->minimumWidth());
        EXPECT_GE(inner->height(), inner->minimumHeight());
        EXPECT_LE(inner->width(), inner->maximumWidth());
        EXPECT_LE(inner->height(), inner->maximumHeight());
        EXPECT_TRUE(s->rect().contains(inner->geometry())) << mdiRectText(inner->geometry());
        EXPECT_TRUE(room.contains(s->geometry())) << "scroll room " << mdiRectText(room);
        EXPECT_LE(s->geometry().bottom(), room.bottom() - laidAside) << "over the laid-aside row";
    }
    if (!tiled) return;
    for (size_t i = 0; i < arranged.size(); ++i)
        for (size_t j = i + 1; j < arranged.size(); ++j)
            EXPECT_FALSE(arranged[i]->geometry().intersects(arranged[j]->geometry()))
                << what << ": " << mdiRectText(arranged[i]->geometry()) << " and "
                << mdiRectText(arranged[j]->geometry());
}
