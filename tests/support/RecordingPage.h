#pragma once

#include "core/print/Page.h"

#include <QList>

// A page that keeps what is drawn on it, with the shift applied, so that positions can be
// compared with the layout. Sizes follow the point size: a line is 1.2 em high, a character
// 0.6 em wide.
class RecordingPage : public Page
{
public:
    struct Text {
        double x = 0;
        double y = 0;
        QString text;
        QFont font;
    };

    QList<Text> texts;
    int endedPages = 0;

    void setShift(double dx, double dy) override
    {
        m_dx = dx;
        m_dy = dy;
    }
    void setFont(const QFont &font) override { m_font = font; }
    QFont font() const override { return m_font; }
    void drawText(double x, double y, const QString &text) override
    {
        texts.append({x + m_dx, y + m_dy, text, m_font});
    }
    double textWidth(const QString &text) const override { return em() * 0.6 * text.size(); }
    double textHeight(const QString &) const override { return em() * 1.2; }
    void endPage() override { ++endedPages; }

    // Every text drawn exactly as `text`, in drawing order.
    QList<Text> find(const QString &text) const
    {
        QList<Text> found;
        for (const Text &t : texts)
            if (t.text == text)
                found << t;
        return found;
    }

private:
    double em() const { return m_font.pointSizeF() * 25.4 / 72.0; }

    double m_dx = 0;
    double m_dy = 0;
    QFont m_font;
};
