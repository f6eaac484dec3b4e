#include "controls/MarkupText.h"

#include <algorithm>
#include <array>
#include <limits>

namespace controls::markup {

// ---------------------------------------------------------------------------------------------------
// TextStream

TextStream::TextStream(QString text)
    : text_(std::move(text)) {}

void TextStream::remove(qsizetype i) {
    if (removed_.empty()) {
        removed_.assign(std::size_t(text_.size()), false);
    }
    removed_[std::size_t(i)] = true;
}

void TextStream::skipRemoved() {
    while (front_ < text_.size() && removed(front_)) {
        ++front_;
    }
}

qsizetype TextStream::nextKept(qsizetype from) const {
    while (from < text_.size() && removed(from)) {
        ++from;
    }
    return from;
}

qsizetype TextStream::find(QChar c, qsizetype from) const {
    while (true) {
        const qsizetype at = text_.indexOf(c, from);
        if (at < 0 || !removed(at)) {
            return at;
        }
        from = at + 1;
    }
}

qsizetype TextStream::wordEnd() const {
    for (qsizetype i = front_; i < text_.size(); ++i) {
        if (removed(i)) {
            continue;
        }
        const QChar c = text_[i];
        if (c == blank) {
            return i + 1;
        }
        if (c == QLatin1Char('<')) {
            return i;
        }
    }
    return text_.size();
}

qsizetype TextStream::tagEnd() const {
    const qsizetype close = find(QLatin1Char('>'), front_ + 1);
    return close < 0 ? text_.size() : close + 1;
}

void TextStream::appendTo(QString& out, qsizetype end) const {
    if (removed_.empty()) {
        out.append(QStringView(text_).mid(front_, end - front_));
        return;
    }
    for (qsizetype i = front_; i < end; ++i) {
        if (!removed(i)) {
            out.append(text_[i]);
        }
    }
}

QString TextStream::textTo(qsizetype end) const {
    QString out;
    out.reserve(end - front_);
    appendTo(out, end);
    return out;
}

void TextStream::advanceTo(qsizetype end) {
    front_ = end;
    skipRemoved();
}

void TextStream::rewriteHashTag() {
    hashScan_ = std::max(hashScan_, front_);
    qsizetype open = -1;
    for (qsizetype at = find(QLatin1Char('<'), hashScan_); at >= 0;) {
        const qsizetype next = nextKept(at + 1);
        if (next >= text_.size()) {
            break;
        }
        if (text_[next] == QLatin1Char('#')) {
            open = at;
            break;
        }
        at = find(QLatin1Char('<'), next);
    }
    if (open < 0) {
        hashScan_ = text_.size();
        return;
    }
    hashScan_ = open;
    remove(open);
    // A ">" between an earlier rewritten pair and its own removed ">" cannot exist, so the search for
    // the closing one may resume where the last one ended.
    const qsizetype close = find(QLatin1Char('>'), std::max(closeScan_, open + 1));
    if (close >= 0) {
        remove(close);
        closeScan_ = close + 1;
    } else {
        closeScan_ = text_.size();
    }
    skipRemoved();
}

// ---------------------------------------------------------------------------------------------------
// Entities

namespace {

struct Entity {
    QLatin1String text;
    QChar replacement;
};

// In the order they are tried.
constexpr std::array<Entity, 4> entities{{
    {QLatin1String("&lt;"), QLatin1Char('<')},
    {QLatin1String("&gt;"), QLatin1Char('>')},
    {QLatin1String("&amp;"), QLatin1Char('&')},
    {QLatin1String("&quot;"), QLatin1Char('"')},
}};

} // namespace

QString replaceEntities(const QString& word) {
    // The scan replaces, again and again, the first occurrence of the first entity (in the order
    // above) found in the word, as long as no "&" stands at or before the scan position, which lies
    // just after the last replaced character. Since nothing before that position may hold an "&",
    // every first occurrence lies in the unread rest of the word, so each entity's next occurrence
    // can be searched once and kept until it is used: the cost stays linear.
    if (!word.contains(QLatin1Char('&'))) {
        return word;
    }
    std::array<qsizetype, entities.size()> next{};
    for (std::size_t e = 0; e < entities.size(); ++e) {
        next[e] = word.indexOf(entities[e].text, 0, Qt::CaseInsensitive);
    }
    QString out;
    qsizetype read = 0;
    while (true) {
        std::size_t chosen = entities.size();
        for (std::size_t e = 0; e < entities.size(); ++e) {
            if (next[e] >= 0) {
                chosen = e;
                break;
            }
        }
        if (chosen == entities.size()) {
            break;
        }
        const qsizetype at = next[chosen];
        const QStringView skipped = QStringView(word).mid(read, at - read);
        out.append(skipped);
        out.append(entities[chosen].replacement);
        read = at + entities[chosen].text.size();
        next[chosen] = word.indexOf(entities[chosen].text, read, Qt::CaseInsensitive);
        const bool ampersandBehind =
            skipped.contains(QLatin1Char('&')) || entities[chosen].replacement == QLatin1Char('&');
        const bool ampersandAtScan = read < word.size() && word[read] == QLatin1Char('&');
        if (ampersandBehind || ampersandAtScan) {
            break;
        }
    }
    out.append(QStringView(word).mid(read));
    return out;
}

// ---------------------------------------------------------------------------------------------------
// TagAttributes

namespace {

bool isSpace(QChar c) {
    return c == blank || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

} // namespace

TagAttributes::TagAttributes(QStringView tag, std::initializer_list<QLatin1String> wanted) {
    if (tag.endsWith(QLatin1Char('>'))) {
        tag.chop(1);
    }
    // Skip "<" or "</" and the tag's name.
    qsizetype i = tag.startsWith(QLatin1String("</")) ? 2 : 1;
    while (i < tag.size() && !isSpace(tag[i])) {
        ++i;
    }
    const qsizetype n = tag.size();
    while (i < n) {
        while (i < n && isSpace(tag[i])) {
            ++i;
        }
        const qsizetype nameStart = i;
        while (i < n && !isSpace(tag[i]) && tag[i] != QLatin1Char('=') && tag[i] != QLatin1Char('"')) {
            ++i;
        }
        const QStringView name = tag.mid(nameStart, i - nameStart);
        while (i < n && isSpace(tag[i])) {
            ++i;
        }
        QStringView value;
        if (i < n && tag[i] == QLatin1Char('=')) {
            ++i;
            while (i < n && isSpace(tag[i])) {
                ++i;
            }
            if (i < n && tag[i] == QLatin1Char('"')) {
                const qsizetype close = tag.indexOf(QLatin1Char('"'), i + 1);
                if (close >= 0) {
                    value = tag.mid(i + 1, close - i - 1);
                    i = close + 1;
                } else {
                    i = n; // an unterminated value reads as empty
                }
            } else {
                while (i < n && !isSpace(tag[i])) {
                    ++i;
                }
            }
        } else if (name.isEmpty() && i < n) {
            // A stray quote: skip it and whatever it quotes, so its contents are no attributes.
            const qsizetype close = tag.indexOf(QLatin1Char('"'), i + 1);
            i = close < 0 ? n : close + 1;
        }
        // Each spelling of a wanted name is kept once: its first occurrence is the one that counts.
        const bool isWanted = std::any_of(wanted.begin(), wanted.end(), [&](QLatin1String w) {
            return name.compare(w, Qt::CaseInsensitive) == 0;
        });
        const bool seen = std::any_of(attributes_.begin(), attributes_.end(),
                                      [&](const Attribute& a) { return a.name == name; });
        if (isWanted && !seen) {
            attributes_.push_back({name, value});
        }
    }
}

const TagAttributes::Attribute* TagAttributes::find(QLatin1String name, Qt::CaseSensitivity cs) const {
    for (const Attribute& attribute : attributes_) {
        if (attribute.name.compare(name, cs) == 0) {
            return &attribute;
        }
    }
    return nullptr;
}

bool TagAttributes::has(QLatin1String name, Qt::CaseSensitivity cs) const {
    return find(name, cs) != nullptr;
}

QStringView TagAttributes::value(QLatin1String name, Qt::CaseSensitivity cs) const {
    const Attribute* attribute = find(name, cs);
    return attribute ? attribute->value : QStringView();
}

// ---------------------------------------------------------------------------------------------------

std::optional<long long> wholeNumber(QStringView text) {
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+'))) {
        negative = text[0] == QLatin1Char('-');
        text = text.mid(1);
    }
    if (text.isEmpty()) {
        return std::nullopt;
    }
    constexpr long long saturation = std::numeric_limits<int>::max();
    long long value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
        value = std::min(saturation, value * 10 + (c.unicode() - '0'));
    }
    return negative ? -value : value;
}

} // namespace controls::markup
