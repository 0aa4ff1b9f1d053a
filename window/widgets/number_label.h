#pragma once

#include <QFont>
#include <QLabel>

namespace ombrelo::window {

// A label that shows a computed number whole, or shows plainly that it does not: the number
// at its design font; else the same number smaller, down to a readable floor; else, at the
// floor, cut at its end with an ellipsis. It never wraps. Its text stays the whole number:
// what the handlers read back, what a screen reader announces, what its tooltip shows and
// what Copy copies. Selectable with the mouse and the keyboard; Tab reaches it.
//
// No Q_OBJECT: it adds no signals or properties, and to Qt's meta-object system it is the
// QLabel the form describes.
class NumberLabel final : public QLabel {
  public:
    // The smallest size a number is drawn at before it is cut (at 96 dpi; DesignPointScale).
    static constexpr double kFloorPoints = 6.5;

    NumberLabel(const QFont& designFont, Qt::Alignment designAlignment, QWidget* parent);

    // Shows the text and fits it at once. QLabel's own setText is not virtual and says nothing,
    // so a number is written through this one: through a QLabel pointer it would keep the fit
    // of the text before.
    void setText(const QString& text);

    // What the user sees of the text as it was last drawn: the whole text, or its beginning
    // followed by "…".
    QString ShownText() const { return m_shown; }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Fit();
    int UsableWidth() const;

    QFont m_designFont;
    Qt::Alignment m_designAlignment;
    QString m_fittedText;  // the text Fit() last worked on, to refit only on change
    int m_fittedWidth = -1;
    QString m_shown;
    qreal m_cutAt = -1;  // x of the ellipsis within the contents, or -1 when whole
};

}  // namespace ombrelo::window
