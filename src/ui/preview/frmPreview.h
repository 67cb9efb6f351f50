#pragma once

#include "core/print/PrintSide.h"

#include <QWidget>

#include <array>

class PreviewCanvas;
class QComboBox;
class QPushButton;
class QScrollArea;
struct Session;

// The print preview of one side, "VISUALISATION DU BS RECTO AVANT D'IMPRIMER" or "... VERSO
// ...": the sheet as it will come out of the printer, with its print, font and calibration
// commands. It keeps the editor behind it out of use until "Retour Editeur".
class frmPreview : public QWidget
{
    Q_OBJECT
public:
    enum class Button { Print, PlainPaper, Font, Calibration, Centring, Back, Count };
    enum class Zoom { FitPage, Actual, Double };

    frmPreview(Session &session, PrintSide side, QWidget *parent = nullptr);

    static QString caption(PrintSide side);

    QPushButton *button(Button which) const { return m_buttons[size_t(which)]; }
    PreviewCanvas *canvas() const { return m_canvas; }
    QScrollArea *scrollArea() const { return m_scroll; }
    QComboBox *zoomChoice() const { return m_zoom; }
    void setZoom(Zoom zoom);

    // Draws the sheet again from the current font, layout and texts; for the verso, frame H is
    // broken into lines again first.
    void redraw();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildButtons(QWidget *bar);
    void splitButtons(QWidget *bar);
    void applyZoom();
    void printOnPrinter();
    void printOnPlainPaper();
    void chooseFont();
    void openCalibration();
    void openCentring();

    Session &m_session;
    PrintSide m_side;
    PreviewCanvas *m_canvas = nullptr;
    QScrollArea *m_scroll = nullptr;
    QComboBox *m_zoom = nullptr;
    std::array<QPushButton *, size_t(Button::Count)> m_buttons{};
};
