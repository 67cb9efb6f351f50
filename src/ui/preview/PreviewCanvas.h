#pragma once

#include "core/print/PrintSide.h"

#include <QFont>
#include <QPixmap>
#include <QWidget>

struct AppState;

// The sheet of one side as it will come out of the printer: the picture of the blank form with
// the texts drawn over it by the printer's renderer, at a number of pixels per millimetre.
class PreviewCanvas : public QWidget
{
    Q_OBJECT
public:
    PreviewCanvas(const AppState &state, PrintSide side, QWidget *parent = nullptr);

    // The printer font of the side, at its printed size.
    void setPrinterFont(const QFont &font);
    const QFont &printerFont() const { return m_font; }

    void setPixelsPerMm(double pixelsPerMm);
    double pixelsPerMm() const { return m_k; }
    // The size of the sheet at a scale.
    static QSize sheetSize(double pixelsPerMm);

    // Draws the sheet: picture, then texts (also used to measure the redraw).
    void paintSheet(QPainter &painter, const QRect &exposed);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void renderPicture();

    const AppState &m_state;
    PrintSide m_side;
    QFont m_font;
    double m_k = 1;
    QPixmap m_picture; // the blank form at the current scale, drawn once per scale
};
