#include "Watchers.h"

#include "framework/ErrorGuard.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>

#include <algorithm>
#include <cstdio>

namespace monkey {

ErrorWatch::ErrorWatch(Findings& findings, bool record)
    : findings_(findings)
    , record_(record) {
    perEvent_.push_back({"outside every event", {}});
    if (record_) {
        framework::setErrorRecorder([this](const QString& text) { recorded(text); });
    }
}

ErrorWatch::~ErrorWatch() {
    if (record_) {
        framework::setErrorRecorder({});
    }
}

void ErrorWatch::beginEvent(std::string name) {
    perEvent_.push_back({std::move(name), {}});
}

void ErrorWatch::endEvent() {
    if (perEvent_.size() > 1) {
        perEvent_.pop_back();
    }
}

void ErrorWatch::recorded(const QString& text) {
    if (reporting_) {
        findings_.add("error box inside error box", text);
    }
    reporting_ = true;
    ++total_;
    ++counts_[text];
    if (++perEvent_.back().messages[text] == 2) {
        findings_.add("same error twice for one event",
                      QString::fromStdString(perEvent_.back().name) + QStringLiteral(": ") + text);
    }
    reporting_ = false;
}

QMessageBox* ErrorWatch::scanBoxes() {
    QMessageBox* open = nullptr;
    int visible = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box == nullptr || !box->isVisible()) {
            continue;
        }
        ++visible;
        open = box;
        if (!knownBoxes_.contains(box)) {
            knownBoxes_.insert(box);
            QObject::connect(box, &QObject::destroyed, [this, box] { knownBoxes_.remove(box); });
            ++boxesSeen_;
            if (record_) {
                findings_.add("message box shown", box->text());
            } else {
                // With the real boxes, each box is one message.
                ++total_;
                ++counts_[box->text()];
            }
        }
    }
    if (visible > 1) {
        findings_.add("two message boxes at once", open->text());
    }
    return record_ ? open : nullptr;
}

void ErrorWatch::printSummary() const {
    std::printf("error messages: %zu (%zu distinct)%s\n", total_, counts_.size(),
                record_ ? "" : ", shown as real boxes");
    std::vector<std::pair<std::size_t, QString>> sorted;
    for (const auto& [text, count] : counts_) {
        sorted.emplace_back(count, text);
    }
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t i = 0; i < sorted.size() && i < 12; ++i) {
        std::printf("  %6zu  %s\n", sorted[i].first, qPrintable(sorted[i].second.left(150)));
    }
    if (sorted.size() > 12) {
        std::printf("  ... and %zu more distinct messages\n", sorted.size() - 12);
    }
}

namespace {

// The one watch Qt's message handler reports to (a plain function pointer cannot carry it).
QtMessageWatch* messageWatch = nullptr;
QtMessageHandler previousHandler = nullptr;

// Warnings that say nothing about the program: the offscreen platform's limits.
bool harmless(const QString& message) {
    static const QStringList known{
        QStringLiteral("This plugin does not support"),
    };
    return std::any_of(known.begin(), known.end(), [&](const QString& k) { return message.contains(k); });
}

} // namespace

QtMessageWatch::QtMessageWatch(Findings& findings)
    : findings_(findings) {
    messageWatch = this;
    previousHandler = qInstallMessageHandler(&QtMessageWatch::handler);
}

QtMessageWatch::~QtMessageWatch() {
    qInstallMessageHandler(previousHandler);
    messageWatch = nullptr;
}

void QtMessageWatch::handler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (messageWatch != nullptr && (type == QtWarningMsg || type == QtCriticalMsg)) {
        messageWatch->received(type, message);
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    }
}

void QtMessageWatch::received(QtMsgType type, const QString& message) {
    const std::size_t seen = ++counts_[message];
    if (seen > 1) {
        return;
    }
    if (harmless(message)) {
        std::fprintf(stderr, "monkey: Qt (harmless): %s\n", qPrintable(message));
    } else {
        findings_.add(type == QtCriticalMsg ? "Qt critical" : "Qt warning", message);
    }
}

void QtMessageWatch::printSummary() const {
    std::size_t total = 0;
    for (const auto& entry : counts_) {
        total += entry.second;
    }
    std::printf("Qt warnings: %zu (%zu distinct)\n", total, counts_.size());
    for (const auto& [text, count] : counts_) {
        std::printf("  %6zu  %s\n", count, qPrintable(text.left(150)));
    }
}

void WindowCensus::scan() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const bool visible = w->isVisible();
        auto it = shown_.find(w);
        if (it == shown_.end()) {
            it = shown_.insert(w, false);
            QObject::connect(w, &QObject::destroyed, [this, w] { shown_.remove(w); });
        }
        if (visible && !it.value()) {
            ++opened_[QString::fromLatin1(w->metaObject()->className())];
        }
        it.value() = visible;
    }
}

std::size_t WindowCensus::opened(const QString& className) const {
    const auto it = opened_.find(className);
    return it == opened_.end() ? 0 : it->second;
}

void WindowCensus::printSummary() const {
    std::printf("windows opened:\n");
    for (const auto& [name, count] : opened_) {
        std::printf("  %6zu  %s\n", count, qPrintable(name));
    }
}

} // namespace monkey
