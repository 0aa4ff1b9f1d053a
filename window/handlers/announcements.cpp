#include "window/handlers/announcements.h"

#include <utility>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "window/form/form1_controls.h"
#include "window/handlers/panels.h"
#include "window/widgets/notice.h"

// What the window says to a screen reader of its own accord. Each text begins with what the
// user would see appear: the caption of the new step, the result's caption, the panel's title.

namespace ombrelo::window {

namespace {

// A frame's caption as the first sentence: "3. Calculations" gains its full stop.
QString Heading(const QGroupBox* frame) {
    const QString title = frame->title();
    return title.endsWith(u'.') ? title + u' ' : title + QStringLiteral(". ");
}

}  // namespace

Announcements::Announcements(QWidget& window, const Form1Controls& ui, const Panels& panels)
    : m_window(window),
      m_panels(panels),
      m_notice(new Notice(&window)),
      frmChoose(ui.frmChoose),
      frmCalc(ui.frmCalc),
      optCalc1(ui.optCalc1),
      lblOptCalc2(ui.lblOptCalc2),
      lblCalc2(ui.lblCalc2),
      lblCalc3(ui.lblCalc3),
      lblCalc5(ui.lblCalc5),
      lblCalc6(ui.lblCalc6) {}

void Announcements::AnnounceFormulas(std::size_t count) {
    QString formulas = count == 0   ? QStringLiteral("No formulas for this area.")
                       : count == 1 ? QStringLiteral("1 formula.")
                                    : QStringLiteral("%1 formulas.").arg(count);
    m_notice->Say(Heading(frmChoose) + formulas);
}

void Announcements::AnnounceDirections(bool named) {
    QString text = Heading(frmCalc);
    if (named) text += optCalc1->text() + QStringLiteral(" or ") + lblOptCalc2->text() + u'.';
    m_notice->Say(text.trimmed());
}

// The shown direction's result with its caption, as the user sees it; nothing while a panel
// covers it.
void Announcements::AnnounceResult() {
    for (const auto& [caption, value] : {std::pair{lblCalc2, lblCalc3}, {lblCalc5, lblCalc6}}) {
        if (value->isVisibleTo(&m_window) && !m_panels.IsCovered(value) && !value->text().isEmpty())
            m_notice->Say(caption->text() + u' ' + value->text());
    }
}

// A panel that opens with the focus inside it is heard through the focus; otherwise its opening
// is said, and its closing always, with the button that has the focus then.
void Announcements::AnnouncePanel(const QGroupBox* panel) {
    const QWidget* const focus = QApplication::focusWidget();
    if (!panel->isHidden()) {
        if (!panel->isAncestorOf(focus))
            m_notice->Say(panel->title() + QStringLiteral(" panel open."));
        return;
    }
    QString text = panel->title() + QStringLiteral(" panel closed.");
    if (const auto* button = qobject_cast<const QAbstractButton*>(focus))
        text += QStringLiteral(" Focus on ") + QString(button->text()).remove(u'&') +
                QStringLiteral(" button.");
    m_notice->Say(text);
}

}  // namespace ombrelo::window
