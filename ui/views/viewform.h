// Common ground of the views that live as MDI children of the main window: the placement slot
// (restored when the window comes up, saved when it is closed), the help context that F1
// opens, and closing, which only minimises the window, since every view lives for the
// whole run.
#pragma once

#include <QPointer>
#include <QWidget>

#include "viewcontext.h"

class QMdiArea;
class QMdiSubWindow;

class ViewForm : public QWidget {
    Q_OBJECT
public:
    ViewForm(int formTag, int helpContext, ViewContext context, QWidget* parent = nullptr);

    int formTag() const { return m_formTag; }
    int helpContext() const { return m_helpContext; }
    void setHelpContext(int context) { m_helpContext = context; }

    // The window on the screen: the MDI sub-window holding the view, else the view.
    QWidget* placedWindow();

    // Run when the placed window comes up (not when it is only restored from minimised).
    virtual void FormShow();
    // Run when the window is closed; the view stays alive.
    virtual void FormCloseQuery();

    // Puts a view into the MDI area once: the sub-window keeps the view when it is closed.
    static QMdiSubWindow* VIEW_AddToMdi(QMdiArea* area, ViewForm* view);

protected:
    const ViewContext& context() const { return m_ctx; }
    void showHelp(int context) const;

    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void watchPlacedWindow();
    void placedWindowEvent(QEvent* e);

    int m_formTag;
    int m_helpContext;
    ViewContext m_ctx;
    QPointer<QWidget> m_watched;
    bool m_formShown = false;
};
