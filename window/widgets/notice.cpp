#include "window/widgets/notice.h"

#include <QLabel>

#include "window/widgets/accessible_controls.h"

namespace ombrelo::window {

Notice::Notice(QWidget* parent) : QWidget(parent), m_text(new QLabel(this)) {
    setObjectName(QStringLiteral("notice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setGeometry(0, 0, 0, 0);
    hide();
}

void Notice::Say(const QString& text) {
    hide();
    m_text->setText(text);
    // A screen reader reads the label's state when the notice shows: a fresh object, not one
    // it cached while the notice was hidden.
    RenewAccessible(*m_text);
    show();
}

QString Notice::Text() const {
    return m_text->text();
}

}  // namespace ombrelo::window
