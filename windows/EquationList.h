#pragma once
// The teacher's own equations, kept in the user's data folder from one lesson to the next. Every change
// is written at once, through a temporary file that replaces the list only when it is whole; a change that
// cannot be written is undone and reported, so the list in memory and on disk never differ.

#include "windows/TeacherFiles.h"

#include <QString>

#include <functional>
#include <vector>

namespace windows {

class EquationList {
public:
    // The list kept at path; by default equations.json in the user's data folder.
    explicit EquationList(QString path = defaultPath());

    static QString defaultPath();

    // Reads the kept list. A file that cannot be read is moved aside (its name is told in the message)
    // rather than written over, and FileFormatError says why; the list then starts empty.
    void load();

    const std::vector<KeptEquation>& equations() const { return equations_; }
    int indexOf(const QString& text) const; // -1 when no kept equation has that text

    // Keeps an equation, in place of the one with the same text if there is one.
    void keep(const KeptEquation& equation);
    void rename(int index, const QString& title);
    void remove(int index);

    // Merges the list of another file: an equation of the same text as a kept one replaces it only when
    // replace says so. Nothing is kept when the file cannot be read. Returns how many were added or
    // replaced.
    using ReplaceQuestion = std::function<bool(const KeptEquation& kept, const KeptEquation& imported)>;
    int importFrom(const QString& path, const ReplaceQuestion& replace);
    QByteArray exported() const;

    const QString& path() const { return path_; }

private:
    void store(std::vector<KeptEquation> equations);

    QString path_;
    std::vector<KeptEquation> equations_;
};

} // namespace windows
