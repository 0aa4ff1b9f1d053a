#pragma once

#include <cstdio>

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>

namespace ombrelo::bench {

// Tells the start-up driver that the window is on the screen, then ends the process. The
// window receives its first paint event before its children are painted and the whole is
// flushed; a queued call runs only after all of that has finished.
class FirstPaintReporter final : public QObject {
  public:
    explicit FirstPaintReporter(QWidget& window) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::fputs("painted\n", stdout);
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool m_reported = false;
};

}  // namespace ombrelo::bench
