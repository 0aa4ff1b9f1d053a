#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <QRadioButton>

namespace ombrelo::window {

// Selecting an option button from code runs its click handler inside the caller, as the
// user's click would: an error it raises ends the caller too.
class OptionClicks {
  public:
    void Add(const QRadioButton* option, std::function<void()> handler) {
        m_handlers.emplace_back(option, std::move(handler));
    }

    void Select(QRadioButton* option) const {
        option->setChecked(true);
        for (const auto& [button, handler] : m_handlers) {
            if (button == option) handler();
        }
    }

  private:
    std::vector<std::pair<const QRadioButton*, std::function<void()>>> m_handlers;
};

}  // namespace ombrelo::window
