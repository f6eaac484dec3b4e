#pragma once
// A static text: a plain caption, sized to it unless told otherwise. The main window also keeps parts
// of the current equation in hidden ones.

#include <QLabel>

namespace framework {

class TStaticText : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
public:
    explicit TStaticText(QWidget* parent = nullptr);
    TStaticText(const QString& caption, QWidget* parent);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);

protected:
    void changeEvent(QEvent* event) override;

private:
    bool autoSize_ = true;
};

} // namespace framework
