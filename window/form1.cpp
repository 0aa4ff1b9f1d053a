#include "window/form1.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "window/form/form_builder.h"
#include "window/form/form_table.h"
#include "window/widgets/form_style.h"

namespace ombrelo::window {

Form1::Form1(Platform& platform, const numbers::RegionalSettingsSource& regional, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_regional(regional), m_ui(BuildControls(*this)) {
    ConnectHandlers();
}

Form1Controls Form1::BuildControls(QWidget& window) {
    BuildForm(window, FormWindow(), FormRows());
    return FindControls(window);
}

void Form1::paintEvent(QPaintEvent* event) {
    QPainter(this).fillRect(event->rect(), QColor(kDesignBlue));
}

// A decoration that offers maximize all the same (Qt 6.4's own, on Wayland) asks the
// compositor for it; the fixed window takes it back at once rather than ignore it.
void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && windowState().testFlag(Qt::WindowMaximized))
        QMetaObject::invokeMethod(
            this, [this] { setWindowState(Qt::WindowNoState); }, Qt::QueuedConnection);
}

// The window's close button and the window manager's close keystroke end the program as Exit
// does. The window is left as it is rather than torn down first, so no handler runs on the way.
void Form1::closeEvent(QCloseEvent* event) {
    event->ignore();
    m_dispatcher.Run([this] { m_sidePanels.cmdExit_Click(); });
}

// Tab and Shift+Tab (keyboard_reach.h), an entry point like the others.
bool Form1::focusNextPrevChild(bool next) {
    if (!m_keyboardReach.HasTabOrder()) return QWidget::focusNextPrevChild(next);
    bool moved = false;
    m_dispatcher.Run([&] { moved = m_keyboardReach.FocusNextPrevChild(next); });
    return moved;
}

// Qt deletes a widget's children only after the subclass's members are gone, and deleting the
// focused control moves the focus and may send signals into handlers. So the controls go
// first, in the order ~QObject would take them, while the dispatcher and the handlers live.
Form1::~Form1() {
    QObject::disconnect(m_focusChanged);
    m_keyboardReach.ForgetTabOrder();  // Tab falls back to Qt's own chain while the controls go
    const QObjectList controls = children();
    for (QObject* control : controls)
        delete control;
}

}  // namespace ombrelo::window
