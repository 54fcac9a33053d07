#include "toolbarseparators.h"

#include <QAction>
#include <QPointer>
#include <QToolBar>
#include <vector>

void TOOLBAR_TidySeparators(QToolBar* bar) {
    if (!bar) return;
    std::vector<std::pair<QAction*, bool>> wanted;
    QAction* pending = nullptr;  // the first separator after the last shown button
    bool buttonBefore = false;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) {
            wanted.emplace_back(a, false);
            if (buttonBefore && !pending) pending = a;
        } else if (a->isVisible()) {
            if (pending)
                for (auto& w : wanted)
                    if (w.first == pending) w.second = true;
            pending = nullptr;
            buttonBefore = true;
        }
    }
    for (const auto& [separator, shown] : wanted)
        if (separator->isVisible() != shown) separator->setVisible(shown);
}

void TOOLBAR_KeepSeparatorsTidy(QToolBar* bar) {
    if (!bar) return;
    QPointer<QToolBar> guarded(bar);
    for (QAction* a : bar->actions())
        if (!a->isSeparator())
            QObject::connect(a, &QAction::changed, bar,
                             [guarded] { TOOLBAR_TidySeparators(guarded.data()); });
    TOOLBAR_TidySeparators(bar);
}
