#pragma once

#include <QString>
#include <QWidget>

namespace ombrelo::window {

// What the window tells a screen reader of its own accord: a new step, the result of Convert,
// a panel opened or closed. Screen readers speak the change of a label only when it has the
// focus, but speak a notification whenever one is shown, without moving the user's focus; so
// Say() shows this invisible notification anew with its text. Takes no room, no focus and no
// input.
class Notice final : public QWidget {
    Q_OBJECT

  public:
    explicit Notice(QWidget* parent);

    void Say(const QString& text);
    QString Text() const { return m_text; }

  private:
    QString m_text;
};

}  // namespace ombrelo::window
