#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace ombrelo::window {

// What the window tells a screen reader of its own accord: a new step, the result of Convert,
// a panel opened or closed. Screen readers speak the change of a label only when it has the
// focus, but speak a notification whenever one is shown, without moving the user's focus; so
// Say() shows this invisible notification anew with its text. The text stands on a label
// inside it, which is what a screen reader puts on a braille display and speaks after the
// word "notification". Takes no room, no focus and no input.
class Notice final : public QWidget {
    Q_OBJECT

  public:
    explicit Notice(QWidget* parent);

    void Say(const QString& text);
    QString Text() const;

  private:
    QLabel* m_text;
};

}  // namespace ombrelo::window
