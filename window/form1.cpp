#include "window/form1.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "window/form_builder.h"
#include "window/form_style.h"
#include "window/form_table.h"

namespace ombrelo::window {

Form1::Form1(Platform& platform, const conversion::RegionalSettingsSource& regional,
             QWidget* parent)
    : QWidget(parent), m_dispatcher(platform), m_regional(regional) {
    BuildControls();
    m_displayBox.Bind(txtDisplay);
    m_notice = new Notice(this);
    ConnectHandlers();
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

// Qt deletes a widget's children only after the subclass's members are gone, and deleting the
// focused control moves the focus and may send signals into handlers. So the controls go
// first, in the order ~QObject would take them, while the dispatcher and the engine live.
Form1::~Form1() {
    QObject::disconnect(m_focusChanged);
    m_tabOrder.clear();  // Tab falls back to Qt's own chain while the controls go
    const QObjectList controls = children();
    for (QObject* control : controls)
        delete control;
}

void Form1::BuildControls() {
    const BuiltForm form = BuildForm(*this, FormWindow(), FormRows());

    frmCalcu = form.Get<QGroupBox>("frmCalcu");
    frmNew = form.Get<QGroupBox>("frmNew");
    frmAbout = form.Get<QGroupBox>("frmAbout");
    frmChoose = form.Get<QGroupBox>("frmChoose");
    frmButtons = form.Get<QGroupBox>("frmButtons");
    frmCalc = form.Get<QGroupBox>("frmCalc");
    frmOption = form.Get<QGroupBox>("frmOption");
    lblVersion = form.Get<QLabel>("lblVersion");
    lblTitle = form.Get<QLabel>("lblTitle");

    cmdSelect = form.Get<QPushButton>("cmdSelect");
    Combo1 = form.Get<QComboBox>("Combo1");

    for (std::size_t i = 1; i < optForm.size(); ++i) {
        optForm[i] = form.Get<QRadioButton>("optForm" + std::to_string(i));
    }

    txtCalcDeci = form.Get<QLineEdit>("txtCalcDeci");
    txtCalc2 = form.Get<QLineEdit>("txtCalc2");
    optCalc1 = form.Get<QRadioButton>("optCalc1");
    txtCalc1 = form.Get<QLineEdit>("txtCalc1");
    optCalc2 = form.Get<QRadioButton>("optCalc2");
    lblCalcDeci = form.Get<QLabel>("lblCalcDeci");
    lblOptCalc2 = form.Get<QLabel>("lblOptCalc2");
    Line1 = form.Get<QFrame>("Line1");
    lblCalc6 = form.Get<QLabel>("lblCalc6");
    lblCalc5 = form.Get<QLabel>("lblCalc5");
    lblCalc4 = form.Get<QLabel>("lblCalc4");
    lblCalc3 = form.Get<QLabel>("lblCalc3");
    lblCalc2 = form.Get<QLabel>("lblCalc2");
    lblCalc1 = form.Get<QLabel>("lblCalc1");
    lblCalcFrm1 = form.Get<QLabel>("lblCalcFrm1");
    lblCalcFrm2 = form.Get<QLabel>("lblCalcFrm2");

    cmdCalcu = form.Get<QPushButton>("cmdCalcu");
    cmdAbout = form.Get<QPushButton>("cmdAbout");
    cmdNew = form.Get<QPushButton>("cmdNew");
    cmdClearAll = form.Get<QPushButton>("cmdClearAll");
    cmdExit = form.Get<QPushButton>("cmdExit");
    cmdByteConvert = form.Get<QPushButton>("cmdByteConvert");

    cmdCalcuHide2 = form.Get<QPushButton>("cmdCalcuHide2");
    cmdCalcuHide1 = form.Get<QPushButton>("cmdCalcuHide1");
    txtDisplay = form.Get<QLineEdit>("txtDisplay");
    for (std::size_t i = 0; i < cmdNumber.size(); ++i) {
        cmdNumber[i] = form.Get<QPushButton>("cmdNumber", static_cast<int>(i));
    }
    for (std::size_t i = 1; i < cmdOperator.size(); ++i) {
        cmdOperator[i] = form.Get<QPushButton>("cmdOperator", static_cast<int>(i));
    }
    cmdNumberGroup = form.Group("cmdNumber");
    cmdOperatorGroup = form.Group("cmdOperator");
    cmdEquals = form.Get<QPushButton>("cmdEquals");
    cmdClear = form.Get<QPushButton>("cmdClear");
    cmdClearEntry = form.Get<QPushButton>("cmdClearEntry");
    cmdDecimal = form.Get<QPushButton>("cmdDecimal");
    cmdPlusMinus = form.Get<QPushButton>("cmdPlusMinus");
    tmrUnflash = form.Get<QTimer>("tmrUnflash");

    txtNew = form.Get<QPlainTextEdit>("txtNew");
    txtAbout = form.Get<QPlainTextEdit>("txtAbout");
}

}  // namespace ombrelo::window
