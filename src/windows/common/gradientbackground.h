#pragma once
// GradientBackground (Degradeur): the pale vertical gradient painted behind every window. It sits as
// the window's first child, below every other control, and follows the size of its parent.

#include <QWidget>

namespace norvex5 {

class GradientBackground : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 StartColor READ startColor WRITE setStartColor)
    Q_PROPERTY(quint32 EndColor READ endColor WRITE setEndColor)

public:
    // The colours every window of the program uses.
    static constexpr quint32 kWindowStartColor = 14680049;  // red 241, green 255, blue 223
    static constexpr quint32 kWindowEndColor = 11271915;    // red 235, green 254, blue 171

    explicit GradientBackground(QWidget* parent);

    // Colours are stored as the windows store them: low byte red, then green, then blue. A value
    // with the top bit set names a system colour, taken from the current palette.
    quint32 startColor() const { return startColor_; }
    quint32 endColor() const { return endColor_; }
    void setStartColor(quint32 colour);
    void setEndColor(quint32 colour);

    // Places a gradient named DegradeClass1 with the window colours behind everything in
    // `window`.
    static GradientBackground* placeBehind(QWidget* window);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    quint32 resolved(quint32 colour) const;

    quint32 startColor_ = 16711680;  // pure blue until a window sets its own
    quint32 endColor_ = 255;         // pure red
};

}  // namespace norvex5
