#include "qtmainthread.h"

#include <QCoreApplication>
#include <QThread>

void QtMainThread::post(std::function<void()> fn) {
    QMetaObject::invokeMethod(&m_context, std::move(fn), Qt::QueuedConnection);
}

void QtMainThread::invokeBlocking(std::function<void()> fn) {
    if (QThread::currentThread() == m_context.thread()) {
        fn();
        return;
    }
    QMetaObject::invokeMethod(&m_context, std::move(fn), Qt::BlockingQueuedConnection);
}

void QtMainThread::processEvents() {
    QCoreApplication::processEvents();
}
