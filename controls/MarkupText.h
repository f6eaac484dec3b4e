#pragma once
// The lexical side of the markup engine: the text still to lay out, with its words and tags, the "<#"
// rewriting, entities, tag attributes and whole numbers. Everything is read by index so that the cost
// of a layout grows with the length of the markup, never with its square.

#include <QString>
#include <QStringView>

#include <initializer_list>
#include <optional>
#include <vector>

namespace controls::markup {

constexpr QChar blank = QLatin1Char(' ');

// The text still to lay out. Words and tags are read from its front; the "<#" rewriting removes
// characters further on, which are only marked, so that nothing is ever copied or shifted.
class TextStream {
public:
    explicit TextStream(QString text);

    bool atEnd() const { return front_ >= text_.size(); }
    bool atTag() const { return !atEnd() && text_[front_] == QLatin1Char('<'); }
    qsizetype front() const { return front_; }
    // End of the next word: up to and including the first blank, or up to the next "<"; front() when
    // the text starts with "<".
    qsizetype wordEnd() const;
    // End of the tag at the front: just after its ">", or the end of the text when there is none.
    qsizetype tagEnd() const;
    // The text from the front up to end, without the removed characters.
    QString textTo(qsizetype end) const;
    void appendTo(QString& out, qsizetype end) const;
    void advanceTo(qsizetype end);

    // "<#" opens no tag: the first "<#" still ahead loses its "<", and the first ">" after it goes.
    // Applied once per step of a line, so every such pair is rewritten before the front reaches it.
    void rewriteHashTag();

private:
    bool removed(qsizetype i) const { return !removed_.empty() && removed_[std::size_t(i)]; }
    void remove(qsizetype i);
    // The first character at or after i that is still there, of the given value.
    qsizetype find(QChar c, qsizetype from) const;
    qsizetype nextKept(qsizetype from) const;
    void skipRemoved();

    QString text_;
    std::vector<bool> removed_; // empty until the first removal
    qsizetype front_ = 0;
    // Both scans only move forward: no "<#" or ">" that matters can appear behind them.
    qsizetype hashScan_ = 0;
    qsizetype closeScan_ = 0;
};

// "&lt;", "&gt;", "&amp;" and "&quot;" (any case) replaced inside one word. The scan keeps its
// historic quirks: an entity directly after a replaced one, or any entity once an "&" stands at or
// before the scan position, stays as written.
QString replaceEntities(const QString& word);

// The attributes of one tag: name="value" pairs after the tag's name. Names are matched without regard
// to case unless asked otherwise, the first of a name counts, a value without double quotes is empty,
// and a name inside another attribute's value is never taken for an attribute. Only the names a tag
// has a use for are kept, so a tag of any length costs one scan and little memory.
class TagAttributes {
public:
    TagAttributes(QStringView tag, std::initializer_list<QLatin1String> wanted);

    bool has(QLatin1String name, Qt::CaseSensitivity cs = Qt::CaseInsensitive) const;
    // Empty when the attribute is absent.
    QStringView value(QLatin1String name, Qt::CaseSensitivity cs = Qt::CaseInsensitive) const;

private:
    struct Attribute {
        QStringView name;
        QStringView value;
    };
    const Attribute* find(QLatin1String name, Qt::CaseSensitivity cs) const;

    std::vector<Attribute> attributes_;
};

// A whole number as a tag writes it: optional blanks and sign, then digits only. Values too large for
// any attribute saturate rather than fail.
std::optional<long long> wholeNumber(QStringView text);

} // namespace controls::markup
