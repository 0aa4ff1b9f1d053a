// A random walk of user actions over the real window, with the invariants that hold in every
// state checked after each one. The seed is printed, so a failure replays exactly:
//   OMBRELO_TEST_SEED=1234 OMBRELO_SOAK_ACTIONS=20000 window_soak
// It also prints, per kind of action, the median and slowest time from the input event to the
// handled state.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <QClipboard>
#include <QGroupBox>
#include <QPlainTextEdit>

#include "calculator/calculator_engine.h"
#include "conversion/catalog.h"
#include "numbers/number_text.h"
#include "numbers/run_time_error.h"
#include "tests/test_seed.h"
#include "tests/window/form_driver.h"

namespace ombrelo::window {
namespace {

using namespace Qt::StringLiterals;

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const qulonglong number = value.toULongLong(&ok);
    return ok ? number : fallback;
}

// Settings whose separators the typed texts then meet in odd places.
std::vector<numbers::RegionalNumberSettings> SoakSettings() {
    numbers::RegionalNumberSettings point;
    numbers::RegionalNumberSettings comma{.decimalSeparator = ",", .groupSeparator = "."};
    numbers::RegionalNumberSettings spaced{
        .decimalSeparator = ",",
        .groupSeparator = "\u202F",
        .negativePattern = numbers::NegativePattern::TrailingMinus};
    numbers::RegionalNumberSettings indian{.groupSizes = {3, 2}};
    return {point, comma, spaced, indian};
}

// The areas that offer formulas.
std::vector<std::string_view> LiveAreas() {
    std::vector<std::string_view> live;
    for (const std::string_view area : conversion::AreaEntries()) {
        if (conversion::FindArea(area) != nullptr) live.push_back(area);
    }
    return live;
}

QString MegabyteOfDigits() {
    QString digits(1 << 20, u'7');
    digits[0] = u'1';
    return digits;
}

// clang-format off
const QStringList kAmounts = {
    u"1000"_s, u"-12.5"_s, u"0"_s, u"abc"_s, u"12abc"_s, u"1E+999"_s, u"-1e999"_s, u"1e-400"_s,
    u"&HFFFF"_s, u"&O777"_s, u"&O18"_s, u"&H"_s, u"١٢٣"_s, u"۱۰۰۰"_s, u"１２３"_s, u"1,234.5"_s,
    u"1.234,5"_s, u"1 000"_s, u"1\u202F000"_s, u",,5"_s, u"."_s, u"-"_s, u""_s, u"  7  "_s,
    u"😀"_s, u"1D5"_s, u"NaN"_s, u"Infinity"_s, u"1.7976931348623157E+308"_s, u"4.9E-324"_s,
    u"-0"_s, u"+3"_s, u"(5)"_s, u"5-"_s, u"$5"_s, u"1,5"_s, u"9999999999999999999999"_s};
// clang-format on
const QStringList kPlaces = {u"-5"_s, u"-1"_s,         u"0"_s,   u"2"_s,   u"9"_s,
                             u"10"_s, u"20"_s,         u"abc"_s, u""_s,    u"2.5"_s,
                             u"+3"_s, u"3000000000"_s, u"٣"_s,   u"1e1"_s, u" 4 "_s};

// Every key the calculator knows, and some it does not, with the keypad both ways.
struct SoakKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    bool equals;  // performs Equals when the panel has the focus
};
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;
const SoakKey kCalculatorKeys[] = {
    {Qt::Key_0, {}, "0", false},          {Qt::Key_1, {}, "1", false},
    {Qt::Key_5, {}, "5", false},          {Qt::Key_9, {}, "9", false},
    {Qt::Key_Period, {}, ".", false},     {Qt::Key_Comma, {}, ",", false},
    {Qt::Key_Plus, {}, "+", true},        {Qt::Key_Minus, {}, "-", true},
    {Qt::Key_X, {}, "x", true},           {Qt::Key_Asterisk, {}, "*", true},
    {Qt::Key_Slash, {}, "/", true},       {Qt::Key_Equal, {}, "=", true},
    {Qt::Key_Return, {}, "\r", true},     {Qt::Key_C, {}, "c", false},
    {Qt::Key_Backspace, {}, "\b", false}, {Qt::Key_Delete, {}, "\x7f", false},
    {Qt::Key_Escape, {}, "\x1b", false},  {Qt::Key_Space, {}, " ", false},
    {Qt::Key_2, kPad, "2", false},        {Qt::Key_7, kPad, "7", false},
    {Qt::Key_Plus, kPad, "+", true},      {Qt::Key_Asterisk, kPad, "*", true},
    {Qt::Key_Period, kPad, ".", false},   {Qt::Key_Enter, kPad, "\r", true},
    {Qt::Key_Clear, kPad, "", false},     {Qt::Key_Delete, kPad, "\x7f", false},
    {Qt::Key_Up, kPad, "", false},        {Qt::Key_X, Qt::AltModifier, "x", false},
};
const Qt::Key kAccessKeys[] = {Qt::Key_S, Qt::Key_V, Qt::Key_U, Qt::Key_A, Qt::Key_W,
                               Qt::Key_C, Qt::Key_E, Qt::Key_Q, Qt::Key_Z};
const Qt::Key kMoveKeys[] = {Qt::Key_Up,  Qt::Key_Down,    Qt::Key_Left, Qt::Key_Right,
                             Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Home, Qt::Key_End};

class Soak : public FormTest {
  protected:
    using Action = std::function<void()>;
    struct Kind {
        const char* name;
        int weight;
        Action act;
    };

    template <typename Container>
    const auto& Pick(const Container& from) {
        const auto size = static_cast<std::size_t>(std::size(from));
        const std::size_t i = std::uniform_int_distribution<std::size_t>(0, size - 1)(m_random);
        return *(std::begin(from) + static_cast<std::ptrdiff_t>(i));
    }
    bool Chance(int percent) { return std::uniform_int_distribution(0, 99)(m_random) < percent; }

    template <typename T>
    std::vector<T*> Usable() const {
        std::vector<T*> found;
        for (T* control : form.findChildren<T*>()) {
            if (control->isVisible() && control->isEnabled()) found.push_back(control);
        }
        return found;
    }

    static void Paste(QLineEdit* box, const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    void Enter(QLineEdit* box, const QString& text) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        if (Chance(50) || text.size() > 200) {
            Paste(box, text);
        } else {
            TypeText(box, text);
        }
    }

    bool PanelHasFocus() const {
        return ui.frmCalcu->isVisible() && ui.frmCalcu->isAncestorOf(QApplication::focusWidget());
    }

    std::vector<Kind> Kinds() {
        return {
            {"click button", 30, [this] { Click(Pick(Usable<QPushButton>())); }},
            {"click option", 10,
             [this] {
                 if (const auto options = Usable<QRadioButton>(); !options.empty())
                     Click(Pick(options));
             }},
            {"click reverse label", 2,
             [this] {
                 if (ui.lblOptCalc2->isVisible()) Click(ui.lblOptCalc2);
             }},
            {"move key", 6, [this] { Press(Pick(kMoveKeys)); }},
            // Straight to a direction of some formula, so the boxes of step 3 see their share.
            {"choose direction", 6,
             [this] {
                 for (QPushButton* back : {ui.cmdCalcu, ui.cmdNew, ui.cmdAbout}) {
                     if (back->text() == u"Back"_s) Click(back);
                 }
                 Enter(ui.Combo1->lineEdit(), ToQString(Pick(m_liveAreas)));
                 Click(ui.cmdSelect);
                 if (const auto options = Usable<QRadioButton>(); !options.empty())
                     Click(Pick(options));
                 if (ui.optCalc1->isVisible()) Click(Chance(50) ? ui.optCalc1 : ui.optCalc2);
                 if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
                     Enter(box, Chance(5) ? MegabyteOfDigits() : Pick(kAmounts));
                 }
             }},
            {"convert", 6,
             [this] {
                 if (ui.cmdByteConvert->isVisible() && ui.cmdByteConvert->isEnabled())
                     Click(ui.cmdByteConvert);
             }},
            {"access key", 1, [this] { AccessKey(Pick(kAccessKeys)); }},
            {"area item", 6,
             [this] {
                 ui.Combo1->setFocus();
                 Press(Chance(50) ? Qt::Key_Down : Qt::Key_Up);
             }},
            {"area text", 4,
             [this] {
                 const QString text = Chance(70) ? Pick(kAmounts) : ToQString(Pick(m_liveAreas));
                 Enter(ui.Combo1->lineEdit(), text);
             }},
            {"amount", 10,
             [this] {
                 for (QLineEdit* box : {ui.txtCalc1, ui.txtCalc2}) {
                     if (box->isVisible())
                         Enter(box, Chance(1) ? MegabyteOfDigits() : Pick(kAmounts));
                 }
             }},
            {"decimal places", 4,
             [this] {
                 if (ui.txtCalcDeci->isVisible()) Enter(ui.txtCalcDeci, Pick(kPlaces));
             }},
            {"calculator key", 25,
             [this] {
                 const SoakKey& key = Pick(kCalculatorKeys);
                 if (ui.frmCalcu->isVisible() && Chance(30)) ui.txtDisplay->setFocus();
                 m_equals = key.equals && PanelHasFocus();
                 QWidget* focus = QApplication::focusWidget();
                 if (focus != nullptr) {
                     QTest::sendKeyEvent(QTest::Click, focus, key.key, QString::fromUtf8(key.text),
                                         key.modifiers);
                 }
             }},
            {"regional settings", 1, [this] { regional.Set(Pick(m_settings)); }},
        };
    }

    // The invariants of every state.
    void Check(const char* action) {
        SCOPED_TRACE(action);
        const struct {
            QGroupBox* panel;
            QPushButton* button;
            const char* closed;
        } panels[] = {{ui.frmAbout, ui.cmdAbout, "&About"},
                      {ui.frmNew, ui.cmdNew, "&What's New"},
                      {ui.frmCalcu, ui.cmdCalcu, "Calc&ulator"}};
        int open = 0;
        for (const auto& p : panels) {
            const bool shown = !p.panel->isHidden();
            open += shown ? 1 : 0;
            ASSERT_EQ(p.button->text(), shown ? u"Back"_s : QString::fromUtf8(p.closed));
        }
        ASSERT_LE(open, 1);
        for (const auto& p : panels) {
            // A panel's button is enabled when its panel or none is open.
            ASSERT_EQ(p.button->isEnabled(), open == 0 || !p.panel->isHidden())
                << p.button->objectName().toStdString();
        }

        ASSERT_TRUE(!ui.frmChoose->isHidden() || ui.frmCalc->isHidden());
        ASSERT_TRUE(ui.frmChoose->isHidden() || m_selected) << "step 2 only after a Select";
        if (!ui.frmCalc->isHidden()) {
            int formulas = 0;
            for (std::size_t n = 1; n <= 8; ++n)
                formulas += ui.optForm[n]->isChecked() ? 1 : 0;
            ASSERT_EQ(formulas, 1) << "step 3 only with a formula selected";
        }
        if (ui.cmdByteConvert->isEnabled()) {
            ASSERT_FALSE(ui.frmCalc->isHidden()) << "Convert only with its formula on screen";
            ASSERT_TRUE(ui.optCalc1->isChecked() || ui.optCalc2->isChecked());
        }

        const QString display = ui.txtDisplay->text();
        ASSERT_LE(display.size(), calculator::kDisplayMaxLength);
        for (std::size_t i = m_errorsSeen; i < platform.errors.size(); ++i) {
            ASSERT_TRUE(std::set<int>({5, 6, 11, 13}).contains(platform.errors[i]))
                << platform.errors[i];
        }
        if (m_equals && platform.errors.size() == m_errorsSeen) {
            // A shown result reads back to the accumulator within the digits it shows.
            const std::string text = display.toStdString();
            const double shown = numbers::ParseNumber(text, regional.Current());
            const double accumulator = form.Calculator().Accumulator();
            const std::string mantissa = text.substr(0, text.find('E'));
            const auto significant = std::ranges::count_if(
                mantissa.substr(std::min(mantissa.find_first_of("123456789"), mantissa.size())),
                [](char c) { return c >= '0' && c <= '9'; });
            const double slack =
                std::fabs(accumulator) * std::pow(10.0, 1 - static_cast<double>(significant));
            ASSERT_LE(std::fabs(shown - accumulator), slack) << text;
        }
        m_errorsSeen = platform.errors.size();
    }

    std::mt19937_64 m_random;
    const std::vector<std::string_view> m_liveAreas = LiveAreas();
    std::vector<numbers::RegionalNumberSettings> m_settings = SoakSettings();
    bool m_selected = false;  // a Select since the last Clear All
    bool m_equals = false;    // the last action performed Equals
    std::size_t m_errorsSeen = 0;
};

TEST_F(Soak, EveryStateKeepsTheInvariants) {
    const std::uint64_t seed = testing_support::TestSeed();
    const std::uint64_t actions = EnvNumber("OMBRELO_SOAK_ACTIONS", 2000);
    std::printf("soak: %llu actions\n", static_cast<unsigned long long>(actions));
    m_random.seed(seed);

    // Select and Clear All reached by any route: a click, an access key, Enter on the button.
    QObject::connect(ui.cmdSelect, &QPushButton::clicked, [this] { m_selected = true; });
    QObject::connect(ui.cmdClearAll, &QPushButton::clicked, [this] { m_selected = false; });

    std::vector<Kind> kinds = Kinds();
    std::vector<int> weights;
    for (const Kind& kind : kinds)
        weights.push_back(kind.weight);
    std::discrete_distribution<std::size_t> choose(weights.begin(), weights.end());
    std::map<std::string, std::vector<double>> timings;

    for (std::uint64_t i = 0; i < actions; ++i) {
        const Kind& kind = kinds[choose(m_random)];
        m_equals = false;
        const auto start = std::chrono::steady_clock::now();
        kind.act();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        timings[kind.name].push_back(took.count());
        Check(kind.name);
        if (HasFatalFailure()) {
            ADD_FAILURE() << "action " << i << " of OMBRELO_TEST_SEED=" << seed;
            return;
        }
    }

    std::printf("soak: %zu errors reported, %d quits asked\n", platform.errors.size(),
                platform.quits);
    for (auto& [name, times] : timings) {
        std::ranges::sort(times);
        std::printf("soak: %-20s %8zu actions, median %7.3f ms, slowest %8.3f ms\n", name.c_str(),
                    times.size(), times[times.size() / 2], times.back());
    }
}

}  // namespace
}  // namespace ombrelo::window
