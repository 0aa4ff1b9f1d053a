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

    // What the user sees of the text: the whole text, or its beginning followed by "…".
    QString ShownText() const { return FitFor(text()).shown; }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct Fitting {
        qreal points;   // the size the text is drawn at
        QString shown;  // the whole text, or its beginning and "…"
        qreal cutAt;    // x of the ellipsis within the contents, or -1 when whole
    };
    Fitting FitFor(const QString& whole) const;
    void Fit();
    int UsableWidth() const;

    QFont m_designFont;
    Qt::Alignment m_designAlignment;
    QString m_fittedText;  // the text Fit() last worked on, to refit only on change
    int m_fittedWidth = -1;
    qreal m_cutAt = -1;
};

}  // namespace ombrelo::window
