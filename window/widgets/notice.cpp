#include "window/widgets/notice.h"

namespace ombrelo::window {

Notice::Notice(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("notice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Notice::Say(const QString& text) {
    hide();
    m_text = text;
    show();
}

}  // namespace ombrelo::window
