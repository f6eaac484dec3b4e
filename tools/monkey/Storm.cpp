#include "Storm.h"

#include "Garbage.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <thread>

namespace monkey {

namespace {

std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

const char* actName(int act) {
    static const char* const names[] = {"click",        "right click",  "double click", "drag",
                                        "hover",        "wheel",        "key",          "type",
                                        "paste",        "press button", "menu",         "click outside menu",
                                        "close window", "activate",     "press hidden"};
    return names[act];
}

QString buttonName(Qt::MouseButton button) {
    return button == Qt::LeftButton    ? QStringLiteral("L")
           : button == Qt::RightButton ? QStringLiteral("R")
                                       : QStringLiteral("M");
}

QString at(QPoint p) {
    return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

Qt::KeyboardModifiers someModifiers(Dice& dice) {
    switch (dice.below(12)) {
    case 0:
        return Qt::ShiftModifier;
    case 1:
        return Qt::ControlModifier;
    case 2:
        return Qt::AltModifier;
    default:
        return Qt::NoModifier;
    }
}

struct KeyChoice {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

const std::vector<KeyChoice>& keyChoices() {
    static const std::vector<KeyChoice> keys{
        {Qt::Key_Left, {}, "Left"},
        {Qt::Key_Right, {}, "Right"},
        {Qt::Key_Up, {}, "Up"},
        {Qt::Key_Down, {}, "Down"},
        {Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
        {Qt::Key_Right, Qt::ControlModifier, "Ctrl+Right"},
        {Qt::Key_Tab, {}, "Tab"},
        {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
        {Qt::Key_Return, {}, "Return"},
        {Qt::Key_Enter, Qt::KeypadModifier, "Enter"},
        {Qt::Key_Escape, {}, "Escape"},
        {Qt::Key_Space, {}, "Space"},
        {Qt::Key_PageUp, {}, "PageUp"},
        {Qt::Key_PageDown, {}, "PageDown"},
        {Qt::Key_Home, {}, "Home"},
        {Qt::Key_End, {}, "End"},
        {Qt::Key_Delete, {}, "Delete"},
        {Qt::Key_Backspace, {}, "Backspace"},
        {Qt::Key_Insert, {}, "Insert"},
        {Qt::Key_Menu, {}, "Menu"},
        {Qt::Key_F1, {}, "F1"},
        {Qt::Key_F4, Qt::AltModifier, "Alt+F4"},
        {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
        {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
        {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
        {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
        {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
        {Qt::Key_Insert, Qt::ShiftModifier, "Shift+Insert"},
    };
    return keys;
}

// The key code a character's key has: Qt's codes for the printable ASCII keys are their upper-case
// characters; anything else comes from a key Qt does not name.
int keyOf(QChar c) {
    const char16_t u = c.toUpper().unicode();
    return u >= 0x20 && u < 0x7f ? static_cast<int>(u) : static_cast<int>(Qt::Key_unknown);
}

} // namespace

Storm::Storm(StormOptions options, std::function<QWidget*()> createMainWindow, EventLog& log)
    : options_(std::move(options))
    , createMainWindow_(std::move(createMainWindow))
    , log_(log)
    , findings_(log)
    , meter_{clock_, stats_, findings_, options_.limitMs}
    , errors_(findings_, options_.recordErrors)
    , input_(meter_, errors_)
    , targets_([this] { return main_.data(); })
    , qtMessages_(findings_)
    , timers_(meter_, errors_, options_.eventMs)
    , master_(options_.seed) {
    for (const auto& [window, control] : options_.forbidden) {
        targets_.forbid(window, control);
    }
    for (const char* scheme : {"file", "http", "https"}) {
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
    }
    QFile opener(desktop_.filePath(QStringLiteral("xdg-open")));
    if (opener.open(QIODevice::WriteOnly)) {
        opener.write("#!/bin/sh\necho \"$1\" >> \"$(dirname \"$0\")/opened\"\nexit 1\n");
        opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);
    }
    previousPath_ = qgetenv("PATH");
    qputenv("PATH", desktop_.path().toLocal8Bit() + ':' + previousPath_);
}

std::size_t Storm::userGuideRequests() const {
    QFile opened(desktop_.filePath(QStringLiteral("opened")));
    return urlRequests_ + (opened.open(QIODevice::ReadOnly) ? std::size_t(opened.readAll().count('\n')) : 0);
}

Storm::~Storm() {
    qputenv("PATH", previousPath_);
    for (const char* scheme : {"file", "http", "https"}) {
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    delete main_.data();
}

void Storm::openUrl(const QUrl& url) {
    ++urlRequests_;
    if (urlRequests_ == 1) {
        std::printf("monkey: the program asked the desktop to open %s\n", qPrintable(url.toString()));
    }
}

int Storm::run() {
    std::printf("monkey: seed %llu, %llu events, handling limit %.0f ms, error messages %s\n",
                static_cast<unsigned long long>(options_.seed),
                static_cast<unsigned long long>(options_.events), options_.limitMs,
                options_.recordErrors ? "recorded" : "shown in real boxes");
    std::fflush(stdout);
    started_ = Clock::now();
    lastTickNs_ = nowNs();
    ensureMainWindow();

    std::atomic<bool> running{true};
    std::thread watchdog([this, &running] {
        while (running.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const std::int64_t idle = nowNs() - lastTickNs_.load();
            if (idle > std::int64_t{options_.watchdogSeconds} * 1'000'000'000) {
                log_.dump(2, "hang: no event could be sent for the watchdog's time");
                std::abort();
            }
        }
    });
    scheduleNext();
    QApplication::exec();
    running = false;
    watchdog.join();
    seconds_ = std::chrono::duration<double>(Clock::now() - started_).count();

    delete main_.data();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            findings_.add("window left open at the end", describe(w));
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return findings_.empty() ? 0 : 1;
}

void Storm::scheduleNext() {
    // A timer that is being handled does not fire again inside its own handler's nested loops, so the
    // next tick goes to one that is not.
    for (std::size_t i = 0; i < pool_.size(); ++i) {
        if (!firing_[i] && !pool_[i]->isActive()) {
            pool_[i]->start();
            return;
        }
    }
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(0);
    const std::size_t index = pool_.size();
    connect(timer, &QTimer::timeout, this, [this, index] {
        firing_[index] = true;
        tick();
        firing_[index] = false;
    });
    timers_.ignore(timer);
    pool_.push_back(timer);
    firing_.push_back(false);
    timer->start();
}

void Storm::tick() {
    lastTickNs_ = nowNs();
    ++ticks_;
    ++depth_;
    census_.scan();
    if (sent_ >= options_.events) {
        if (windDown()) {
            scheduleNext();
        } else {
            QCoreApplication::quit();
        }
        --depth_;
        return;
    }
    scheduleNext();
    ensureMainWindow();
    current_ = sent_++;
    actionTick_ = ticks_;
    Dice dice(master_());
    timers_.advance();
    errors_.beginEvent("storm event");
    if (QMessageBox* box = errors_.scanBoxes()) {
        answerBox(box);
    } else if (QDialog* dialog = outsideDialog()) {
        cancelOutsideDialog(dialog);
    } else {
        sendRandomAction(dice);
    }
    errors_.endEvent();
    --depth_;
}

bool Storm::interrupted() const {
    // A nested loop ran (a modal window opened and perhaps closed): what the action planned on may
    // be gone.
    return ticks_ != actionTick_;
}

void Storm::log(const QString& what) {
    const QByteArray text = what.toUtf8();
    log_.record(current_, std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (options_.trace) {
        std::printf("#%llu %s\n", static_cast<unsigned long long>(current_), text.constData());
        std::fflush(stdout);
    }
}

bool Storm::windDown() {
    // Close what is open, innermost first; each close ends a nested loop once this tick returns.
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return true;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (++windDownTicks_ > 200) {
            findings_.add("a window does not close", describe(modal));
            modal->hide();
        } else {
            modal->close();
        }
        return true;
    }
    if (depth_ > 1) {
        return true; // the nested loops unwind before the next tick
    }
    if (!finished_) {
        finished_ = true;
        QCoreApplication::sendPostedEvents();
    }
    return false;
}

void Storm::ensureMainWindow() {
    if (!main_.isNull() && main_->isVisible()) {
        return;
    }
    if (!main_.isNull()) {
        // The storm got past the guards of "Quitter": the run goes on with a new main window.
        ++mainRecreated_;
        std::printf("monkey: the main window closed at event #%llu; it is created again\n",
                    static_cast<unsigned long long>(current_));
        main_->deleteLater();
    }
    main_ = createMainWindow_();
    main_->show();
    main_->activateWindow();
    QCoreApplication::sendPostedEvents();
}

std::vector<double> Storm::weights(QWidget* window) const {
    std::vector<double> w(static_cast<std::size_t>(Act::PressHidden) + 1, 0.0);
    auto set = [&w](Act act, double weight) { w[static_cast<std::size_t>(act)] = weight; };
    if (qobject_cast<QMenu*>(window) != nullptr) {
        set(Act::MenuChoice, 40);
        set(Act::Key, 15);
        set(Act::Hover, 10);
        set(Act::Click, 5);
        set(Act::ClickOutside, 6);
        return w;
    }
    set(Act::Click, 16);
    set(Act::RightClick, 5);
    set(Act::DoubleClick, 4);
    set(Act::Drag, 8);
    set(Act::Hover, 6);
    set(Act::Wheel, 4);
    set(Act::Key, 14);
    set(Act::Type, 12);
    set(Act::Paste, 4);
    set(Act::PressButton, 10);
    if (targets_.isMainWindow(window)) {
        set(Act::Activate, 0.5);
        set(Act::PressHidden, options_.hidden.empty() ? 0 : 0.3);
    } else {
        set(Act::CloseWindow, 2.5);
    }
    return w;
}

void Storm::sendRandomAction(Dice& dice) {
    QWidget* window = targets_.inputWindow();
    if (window == nullptr) {
        log(QStringLiteral("no window takes input"));
        return;
    }
    const auto act = static_cast<Act>(dice.weighted(weights(window)));
    const std::string name = actName(static_cast<int>(act));
    ++counts_[name];
    input_.setKind(name);
    switch (act) {
    case Act::Click:
        return click(window, dice, Qt::LeftButton, false);
    case Act::RightClick:
        return click(window, dice, Qt::RightButton, false);
    case Act::DoubleClick:
        return click(window, dice, Qt::LeftButton, true);
    case Act::Drag:
        return drag(window, dice);
    case Act::Hover:
        return hover(window, dice);
    case Act::Wheel:
        return wheel(window, dice);
    case Act::Key:
        return key(window, dice);
    case Act::Type:
        return type(window, dice);
    case Act::Paste:
        return paste(window, dice);
    case Act::PressButton:
        return pressButton(window, dice);
    case Act::MenuChoice:
        return menuChoice(window, dice);
    case Act::ClickOutside:
        return clickOutside(window, dice);
    case Act::CloseWindow:
        return closeWindow(window, dice);
    case Act::Activate:
        log(QStringLiteral("activate ") + describe(window));
        return input_.activate(window);
    case Act::PressHidden:
        return pressHidden(dice);
    }
}

QWidget* Storm::pickWidget(QWidget* window, Dice& dice) const {
    const std::vector<QWidget*> all = targets_.reachable(window);
    if (all.empty()) {
        return nullptr;
    }
    std::vector<double> weights;
    weights.reserve(all.size());
    for (const QWidget* w : all) {
        weights.push_back(qobject_cast<const QLineEdit*>(w) != nullptr ? 3.0
                          : isDraggable(w) || isClickable(w)           ? 2.0
                                                                       : 1.0);
    }
    return all[dice.weighted(weights)];
}

QWidget* Storm::pickLineEdit(QWidget* window, Dice& dice) const {
    const bool editableOnly = dice.chance(0.8);
    const std::vector<QWidget*> edits = targets_.reachable(window, [editableOnly](QWidget* w) {
        const auto* edit = qobject_cast<QLineEdit*>(w);
        return edit != nullptr && (!editableOnly || !edit->isReadOnly());
    });
    return edits.empty() ? nullptr : dice.pick(edits);
}

void Storm::click(QWidget* window, Dice& dice, Qt::MouseButton button, bool twice) {
    QWidget* widget = pickWidget(window, dice);
    const std::optional<QPoint> pos =
        widget != nullptr ? targets_.pointIn(window, widget, dice) : std::nullopt;
    if (!pos) {
        log(QStringLiteral("click: nothing to click in ") + describe(window));
        return;
    }
    const Qt::KeyboardModifiers modifiers = someModifiers(dice);
    log(QStringLiteral("%1 %2 in %3 at %4 on %5")
            .arg(twice ? QStringLiteral("double click") : QStringLiteral("click"), buttonName(button),
                 describe(window), at(*pos), describe(window->childAt(*pos))));
    if (twice) {
        input_.doubleClick(window, *pos, button);
    } else {
        input_.click(window, *pos, button, modifiers);
    }
}

void Storm::drag(QWidget* window, Dice& dice) {
    std::vector<QWidget*> draggable = targets_.reachable(window, [](QWidget* w) { return isDraggable(w); });
    QWidget* widget =
        !draggable.empty() && dice.chance(0.6) ? dice.pick(draggable) : pickWidget(window, dice);
    const std::optional<QPoint> from =
        widget != nullptr ? targets_.pointIn(window, widget, dice) : std::nullopt;
    if (!from) {
        log(QStringLiteral("drag: nothing to drag in ") + describe(window));
        return;
    }
    const Qt::MouseButton button = dice.chance(0.9) ? Qt::LeftButton : Qt::RightButton;
    const int steps = dice.between(1, 12);
    // Often along the widget (a slider's groove, a splitter's travel), sometimes anywhere, even past
    // the window's edges, where the mouse grab still delivers the moves.
    const QPoint to = dice.chance(0.6) ? widget->mapTo(window, QPoint(dice.between(-20, widget->width() + 20),
                                                                      dice.between(0, widget->height())))
                                       : QPoint(dice.between(-40, window->width() + 40),
                                                dice.between(-40, window->height() + 40));
    log(QStringLiteral("drag %1 in %2 from %3 on %4 to %5 in %6 steps")
            .arg(buttonName(button), describe(window), at(*from), describe(window->childAt(*from)), at(to))
            .arg(steps));
    QPointer<QWidget> guard(window);
    input_.press(window, *from, button);
    for (int i = 1; i <= steps && !guard.isNull() && !interrupted(); ++i) {
        const QPoint p = *from + (to - *from) * i / steps + QPoint(dice.between(-2, 2), dice.between(-2, 2));
        input_.move(window, p, button);
    }
    if (!guard.isNull()) {
        input_.release(window, to, button);
    }
}

void Storm::hover(QWidget* window, Dice& dice) {
    const int moves = dice.between(1, 6);
    QPoint p(dice.between(0, window->width() - 1), dice.between(0, window->height() - 1));
    log(QStringLiteral("hover in %1 from %2 on %3, %4 moves")
            .arg(describe(window), at(p), describe(window->childAt(p)))
            .arg(moves));
    QPointer<QWidget> guard(window);
    for (int i = 0; i < moves && !guard.isNull() && !interrupted(); ++i) {
        input_.move(window, p);
        p += QPoint(dice.between(-30, 30), dice.between(-30, 30));
    }
}

void Storm::wheel(QWidget* window, Dice& dice) {
    const QPoint p(dice.between(0, window->width() - 1), dice.between(0, window->height() - 1));
    const int amount = dice.pick({120, -120, 15, -15, 360, -360, 1200, -1200});
    const QPoint delta = dice.chance(0.85) ? QPoint(0, amount) : QPoint(amount, 0);
    const Qt::KeyboardModifiers modifiers = someModifiers(dice);
    log(QStringLiteral("wheel %1 in %2 at %3 on %4")
            .arg(at(delta), describe(window), at(p), describe(window->childAt(p))));
    input_.wheel(window, p, delta, modifiers);
}

void Storm::key(QWidget* window, Dice& dice) {
    KeyChoice choice = dice.pick(keyChoices());
    QString text;
    if (dice.chance(0.12)) {
        // Alt and a letter: the accelerators of captions and menus.
        const int letter = dice.between(0, 25);
        choice = {Qt::Key_A + letter, Qt::AltModifier, "Alt+letter"};
        text = QString(QChar(u'a' + letter));
    } else if (choice.key == Qt::Key_Space) {
        text = QStringLiteral(" ");
    }
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && targets_.forbidden(focus)) {
        log(QStringLiteral("key %1: skipped, the focus is on %2")
                .arg(QString::fromLatin1(choice.name), describe(focus)));
        return;
    }
    log(QStringLiteral("key %1%2 in %3, focus %4")
            .arg(QString::fromLatin1(choice.name),
                 choice.key >= Qt::Key_A && choice.key <= Qt::Key_Z && choice.modifiers == Qt::AltModifier
                     ? QStringLiteral(" (") + text + QLatin1Char(')')
                     : QString(),
                 describe(window), describe(focus)));
    input_.key(window, choice.key, choice.modifiers, text);
}

void Storm::typeText(QWidget* window, const QString& text) {
    QPointer<QWidget> guard(window);
    for (qsizetype i = 0; i < text.size() && !guard.isNull() && !interrupted(); ++i) {
        QString typed(text[i]);
        if (text[i].isHighSurrogate() && i + 1 < text.size()) {
            typed += text[++i];
        }
        input_.key(window, keyOf(typed[0]), {}, typed);
    }
}

void Storm::type(QWidget* window, Dice& dice) {
    QWidget* edit = pickLineEdit(window, dice);
    const std::optional<QPoint> pos = edit != nullptr ? targets_.pointIn(window, edit, dice) : std::nullopt;
    if (!pos) {
        log(QStringLiteral("type: no field in ") + describe(window));
        return;
    }
    const QString text = typedGarbage(dice);
    const int before = static_cast<int>(dice.below(4)); // 0 select all, 1 erase some, else insert
    const int after = static_cast<int>(dice.below(5));  // 0 Return, 1 Tab, else nothing
    log(QStringLiteral("type \"%1\" into %2 of %3%4%5")
            .arg(text.left(60), describe(edit), describe(window),
                 before == 0   ? QStringLiteral(" over all")
                 : before == 1 ? QStringLiteral(" after erasing")
                               : QString(),
                 after == 0   ? QStringLiteral(", then Return")
                 : after == 1 ? QStringLiteral(", then Tab")
                              : QString()));
    QPointer<QWidget> guard(window);
    input_.click(window, *pos, Qt::LeftButton);
    if (guard.isNull() || interrupted()) {
        return;
    }
    if (before == 0) {
        input_.key(window, Qt::Key_A, Qt::ControlModifier);
    } else if (before == 1) {
        const int erased = dice.between(1, 8);
        for (int i = 0; i < erased && !guard.isNull() && !interrupted(); ++i) {
            input_.key(window, Qt::Key_Backspace);
        }
    }
    typeText(window, text);
    if (guard.isNull() || interrupted()) {
        return;
    }
    if (after == 0) {
        input_.key(window, Qt::Key_Return);
    } else if (after == 1) {
        input_.key(window, Qt::Key_Tab);
    }
}

void Storm::paste(QWidget* window, Dice& dice) {
    QWidget* edit = pickLineEdit(window, dice);
    const std::optional<QPoint> pos = edit != nullptr ? targets_.pointIn(window, edit, dice) : std::nullopt;
    if (!pos) {
        log(QStringLiteral("paste: no field in ") + describe(window));
        return;
    }
    const QString text = pastedGarbage(dice);
    const bool all = dice.chance(0.5);
    const bool shiftInsert = dice.chance(0.2);
    log(QStringLiteral("paste %1 characters \"%2\" into %3 of %4%5")
            .arg(text.size())
            .arg(text.left(40), describe(edit), describe(window),
                 all ? QStringLiteral(" over all") : QString()));
    QGuiApplication::clipboard()->setText(text);
    QPointer<QWidget> guard(window);
    input_.click(window, *pos, Qt::LeftButton);
    if (guard.isNull() || interrupted()) {
        return;
    }
    if (all) {
        input_.key(window, Qt::Key_A, Qt::ControlModifier);
    }
    if (guard.isNull() || interrupted()) {
        return;
    }
    if (shiftInsert) {
        input_.key(window, Qt::Key_Insert, Qt::ShiftModifier);
    } else {
        input_.key(window, Qt::Key_V, Qt::ControlModifier);
    }
}

void Storm::pressButton(QWidget* window, Dice& dice) {
    const std::vector<QWidget*> buttons =
        targets_.reachable(window, [](QWidget* w) { return isClickable(w); });
    if (buttons.empty()) {
        return click(window, dice, Qt::LeftButton, false);
    }
    QWidget* button = dice.pick(buttons);
    const std::optional<QPoint> pos = targets_.pointIn(window, button, dice);
    if (!pos) {
        log(QStringLiteral("press button: %1 is covered").arg(describe(button)));
        return;
    }
    log(QStringLiteral("press %1 in %2 at %3").arg(describe(button), describe(window), at(*pos)));
    input_.click(window, *pos, Qt::LeftButton);
}

void Storm::menuChoice(QWidget* window, Dice& dice) {
    auto* menu = qobject_cast<QMenu*>(window);
    std::vector<QAction*> items;
    for (QAction* action : menu->actions()) {
        if (action->isVisible() && !action->isSeparator() && !menu->actionGeometry(action).isEmpty()) {
            items.push_back(action);
        }
    }
    if (items.empty()) {
        log(QStringLiteral("menu %1 has no item; Escape").arg(describe(menu)));
        return input_.key(window, Qt::Key_Escape);
    }
    QAction* action = dice.pick(items);
    const QRect r = menu->actionGeometry(action);
    const QPoint p(r.left() + dice.between(0, r.width() - 1), r.top() + dice.between(0, r.height() - 1));
    const bool hoverFirst = dice.chance(0.7);
    log(QStringLiteral("menu %1: item \"%2\"%3 at %4%5")
            .arg(describe(menu), action->text(),
                 action->menu() != nullptr ? QStringLiteral(" (submenu)") : QString(), at(p),
                 action->isEnabled() ? QString() : QStringLiteral(", disabled")));
    QPointer<QWidget> guard(window);
    if (hoverFirst) {
        input_.move(window, p);
    }
    if (!guard.isNull() && !interrupted()) {
        input_.click(window, p, Qt::LeftButton);
    }
}

void Storm::clickOutside(QWidget* window, Dice& dice) {
    const QPoint p = dice.chance(0.5) ? QPoint(-dice.between(1, 60), dice.between(-60, window->height() + 60))
                                      : QPoint(window->width() + dice.between(1, 60), dice.between(-60, 0));
    log(QStringLiteral("click L outside %1 at %2").arg(describe(window), at(p)));
    input_.click(window, p, dice.chance(0.8) ? Qt::LeftButton : Qt::RightButton);
}

void Storm::closeWindow(QWidget* window, Dice& dice) {
    switch (dice.below(3)) {
    case 0:
        log(QStringLiteral("close %1 with Escape").arg(describe(window)));
        return input_.key(window, Qt::Key_Escape);
    case 1:
        log(QStringLiteral("close %1 with its close box").arg(describe(window)));
        return input_.closeBox(window);
    default:
        log(QStringLiteral("close %1 with close()").arg(describe(window)));
        return input_.closeCall(window);
    }
}

void Storm::pressHidden(Dice& dice) {
    const HiddenControl& hidden = dice.pick(options_.hidden);
    QWidget* control = main_.isNull() ? nullptr : main_->findChild<QWidget*>(hidden.controlName);
    if (control == nullptr || main_->objectName() != hidden.windowName) {
        log(QStringLiteral("press hidden %1: not found").arg(hidden.controlName));
        return;
    }
    log(QStringLiteral("press hidden %1 of %2").arg(describe(control), describe(main_)));
    ++hiddenPresses_;
    input_.call("press hidden", [&] { hidden.press(control); });
}

QDialog* Storm::outsideDialog() {
    // A file or print dialog reaches outside the program: storming it would create, rename or delete
    // files and folders, or print. It is cancelled as soon as it opens, which ends its nested loop and
    // lets the program go on as after a user's "Annuler".
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    const bool outside =
        dialog != nullptr && (dialog->inherits("QFileDialog") || dialog->inherits("QAbstractPrintDialog") ||
                              dialog->inherits("QPageSetupDialog"));
    return outside ? dialog : nullptr;
}

void Storm::cancelOutsideDialog(QDialog* dialog) {
    log(QStringLiteral("cancel %1").arg(describe(dialog)));
    ++counts_["cancel file or print dialog"];
    input_.setKind("cancel dialog");
    input_.call("cancel dialog", [dialog] { dialog->reject(); });
}

void Storm::answerBox(QWidget* box) {
    // Recording the error guard's messages, no box should appear; one that does is answered at once.
    log(QStringLiteral("answer %1").arg(describe(box)));
    input_.setKind("answer box");
    input_.key(box, Qt::Key_Return);
    if (box->isVisible()) {
        box->close();
    }
}

void Storm::printSummary() const {
    std::printf("\n==== monkey summary ====\n");
    std::printf("seed %llu: %llu events in %.1f s (%.0f events/s), %llu ticks, %zu program timer ticks\n",
                static_cast<unsigned long long>(options_.seed), static_cast<unsigned long long>(sent_),
                seconds_, seconds_ > 0 ? static_cast<double>(sent_) / seconds_ : 0.0,
                static_cast<unsigned long long>(ticks_), timers_.ticks());
    std::printf("events by kind:\n");
    for (const auto& [name, count] : counts_) {
        std::printf("  %8zu  %s\n", count, name.c_str());
    }
    const HandlingStats::Summary all = stats_.summary();
    std::printf("handling times: %zu measured, median %.2f ms, 99th percentile %.2f ms, max %.2f ms (limit "
                "%.0f ms)\n",
                all.count, all.p50Ms, all.p99Ms, all.maxMs, options_.limitMs);
    std::printf("  %-28s %8s %9s %9s %9s\n", "kind", "count", "median", "p99", "max");
    for (const std::string& kind : stats_.kinds()) {
        const HandlingStats::Summary s = stats_.summary(kind);
        std::printf("  %-28s %8zu %9.2f %9.2f %9.2f\n", kind.c_str(), s.count, s.p50Ms, s.p99Ms, s.maxMs);
    }
    std::printf("  distribution:");
    const std::vector<std::size_t> histogram = stats_.histogram();
    const std::vector<double>& bounds = HandlingStats::bucketBounds();
    for (std::size_t i = 0; i < histogram.size(); ++i) {
        if (i < bounds.size()) {
            std::printf(" <%gms:%zu", bounds[i], histogram[i]);
        } else {
            std::printf(" more:%zu", histogram[i]);
        }
    }
    std::printf("\n");
    errors_.printSummary();
    census_.printSummary();
    std::printf("main window recreated: %zu; hidden controls pressed: %zu; user guide requests: %zu; "
                "measurements left open by a dying object: %llu\n",
                mainRecreated_, hiddenPresses_, userGuideRequests(),
                static_cast<unsigned long long>(clock_.abandoned()));
    qtMessages_.printSummary();
    findings_.print();
    std::printf("%s\n", resultLine().c_str());
}

std::string Storm::resultLine() const {
    const HandlingStats::Slowest slowest = stats_.slowest();
    const QString verdict = findings_.empty()
                                ? QStringLiteral("CLEAN")
                                : QStringLiteral("FAILED with %1 findings").arg(findings_.size());
    return QStringLiteral(
               "monkey: %1: %2 events in %3 s, %4 error messages answered, slowest event %5 ms (%6, "
               "limit %7 ms), seed %8")
        .arg(verdict)
        .arg(sent_)
        .arg(seconds_, 0, 'f', 0)
        .arg(errors_.messages())
        .arg(slowest.ms, 0, 'f', 1)
        .arg(slowest.kind.empty() ? QStringLiteral("nothing measured") : QString::fromStdString(slowest.kind))
        .arg(options_.limitMs, 0, 'f', 0)
        .arg(options_.seed)
        .toStdString();
}

} // namespace monkey
