#include "ui/calibration/TenthsControl.h"

#include <QLineEdit>
#include <QSlider>

TenthsControl::TenthsControl(QLineEdit *box, QSlider *slider, Calibration::Range range,
                             QObject *parent)
    : QObject(parent), m_box(box), m_slider(slider)
{
    m_slider->setRange(range.min, range.max);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(10);
    // The driver's text stays as typed: only the slider follows it.
    connect(m_box, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_typing = true;
        m_slider->setValue(Calibration::sliderValue(text));
        m_typing = false;
    });
    connect(m_slider, &QSlider::valueChanged, this, [this](int v) {
        if (!m_typing) m_box->setText(QString::number(v));
        emit valueChanged(v);
    });
}

void TenthsControl::show(const QString &text)
{
    m_typing = true;
    m_box->setText(text);
    m_slider->setValue(Calibration::sliderValue(text));
    m_typing = false;
}

void TenthsControl::setValue(int tenths)
{
    const QSignalBlocker block(m_slider);
    m_slider->setValue(tenths);
    m_box->setText(QString::number(m_slider->value()));
    emit valueChanged(m_slider->value());
}

int TenthsControl::value() const
{
    return m_slider->value();
}
