#pragma once

#include "core/calibration/Calibration.h"

#include <QObject>

class QLineEdit;
class QSlider;

// A text box and its slider showing one value in tenths of a millimetre. Moving the slider shows
// its position in the box; typing moves the slider to the integer part of the typed value and
// leaves the typed text alone (the slider holds the value to its bounds).
class TenthsControl : public QObject
{
    Q_OBJECT
public:
    TenthsControl(QLineEdit *box, QSlider *slider, Calibration::Range range, QObject *parent);

    // The text shown on opening: the slider follows it as if it had been typed.
    void show(const QString &text);
    // Slider and box to a value, as "Remise à zéro" does.
    void setValue(int tenths);
    int value() const;

    QLineEdit *box() const { return m_box; }
    QSlider *slider() const { return m_slider; }

signals:
    // The slider's position changed, whatever moved it.
    void valueChanged(int tenths);

private:
    QLineEdit *m_box;
    QSlider *m_slider;
    bool m_typing = false;
};
