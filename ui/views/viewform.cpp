#include "viewform.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QTimer>

#include "layout.h"

ViewForm::ViewForm(int formTag, int helpContext, ViewContext context, QWidget* parent)
    : QWidget(parent), m_formTag(formTag), m_helpContext(helpContext), m_ctx(std::move(context)) {
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, [this] { showHelp(m_helpContext); });
    watchPlacedWindow();
}

QWidget* ViewForm::placedWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) return sub;
    return this;
}

void ViewForm::FormShow() {
    if (m_ctx.restoreForm) m_ctx.restoreForm(placedWindow(), m_formTag);
}

void ViewForm::FormCloseQuery() {
    if (m_ctx.saveForm) m_ctx.saveForm(placedWindow(), m_formTag);
}

void ViewForm::showHelp(int context) const {
    if (context > 0 && m_ctx.showHelp) m_ctx.showHelp(context);
}

QMdiSubWindow* ViewForm::VIEW_AddToMdi(QMdiArea* area, ViewForm* view) {
    QMdiSubWindow* sub = area->addSubWindow(view);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setWindowTitle(view->windowTitle());
    LAYOUT_KeepMdiChild(sub);
    return sub;
}

// The show of the placed window is what counts, and only when it comes up from hidden: an MDI
// child hides and shows itself while it is minimised or restored, which must not apply the
// stored placement again. A hide counts once the event loop finds the window still hidden.
void ViewForm::watchPlacedWindow() {
    QWidget* w = placedWindow();
    if (m_watched == w) return;
    if (m_watched && m_watched != this) m_watched->removeEventFilter(this);
    m_watched = w;
    m_formShown = false;
    if (w != this) w->installEventFilter(this);
}

void ViewForm::placedWindowEvent(QEvent* e) {
    if (e->type() == QEvent::Show && !e->spontaneous() && !m_formShown) {
        m_formShown = true;
        FormShow();
    } else if (e->type() == QEvent::Hide && m_formShown) {
        QTimer::singleShot(0, this, [this] {
            if (m_watched && m_watched->isHidden()) m_formShown = false;
        });
    }
}

bool ViewForm::event(QEvent* e) {
    if (e->type() == QEvent::ParentChange) watchPlacedWindow();
    if (m_watched == this) placedWindowEvent(e);
    return QWidget::event(e);
}

bool ViewForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_watched && watched != this) placedWindowEvent(e);
    return QWidget::eventFilter(watched, e);
}

void ViewForm::closeEvent(QCloseEvent* e) {
    FormCloseQuery();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        // An MDI child is only minimised; the main window brings it back from its menu.
        e->ignore();
        sub->showMinimized();
        return;
    }
    QWidget::closeEvent(e);
}
