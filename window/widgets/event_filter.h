#pragma once

#include <functional>
#include <utility>

#include <QObject>

class QEvent;

namespace ombrelo::window {

// An event filter given as a function of the watched object and its event; true stops the
// event there. Owned by `parent`; installed by the caller on whatever it is to watch.
class EventFilter final : public QObject {
  public:
    using Function = std::function<bool(QObject* watched, QEvent* event)>;

    EventFilter(QObject* parent, Function filter) : QObject(parent), m_filter(std::move(filter)) {}

    bool eventFilter(QObject* watched, QEvent* event) override { return m_filter(watched, event); }

  private:
    Function m_filter;
};

}  // namespace ombrelo::window
