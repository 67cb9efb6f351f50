#pragma once

#include "core/config/ScreenLayout.h"
#include "core/model/VersoField.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QWidget>

#include <array>

class frmPreview;
class QLabel;
class QPushButton;
class QScrollArea;
struct Session;

// "EDITEUR VERSO": every text of the verso in its box over the picture of the verso form. The
// texts are the day's (saved and opened with it); the editor prints them, previews them and
// opens the verso's font and calibration windows. It keeps the recto editor out of use until
// "Retour Editeur Recto".
class frmVerso : public QWidget
{
    Q_OBJECT
public:
    enum class Button { Print, Calibration, Font, Centring, Preview, Back, Count };

    frmVerso(Session &session, EditorLayout layout, QWidget *parent = nullptr);
    ~frmVerso() override;

    // The control of a text: a QLineEdit, or a QPlainTextEdit for the two multi-line texts.
    QWidget *textBox(VersoField field) const;
    QPushButton *button(Button which) const { return m_buttons[size_t(which)]; }
    // The text that had the focus last; the buttons give it back the focus.
    VersoField rememberedFocus() const { return m_focus; }

    // The layout changed under the editor (calibration): the observations' box follows the line
    // length.
    void layoutChanged();
    // "Aperçu bulletin verso": frame H broken into lines, then the verso preview over the editor.
    frmPreview *openPreview();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildBoxes(QWidget *canvas);
    void buildButtons(QWidget *area);
    void applyTextFont();
    void moveTo(VersoField field);
    void restoreFocus();
    void print();
    void chooseFont();
    void openCalibration();
    void openCentring();

    Session &m_session;
    double m_k; // pixels per millimetre of the picture
    QFont m_textFont; // the texts' font at the picture's scale
    QScrollArea *m_scroll = nullptr;
    QList<QWidget *> m_boxes; // in the Tab order
    QHash<QObject *, VersoField> m_fields;
    QHash<QObject *, QFont> m_lineFonts; // each line's font, smaller where its row is low
    VersoField m_focus;
    std::array<QPushButton *, size_t(Button::Count)> m_buttons{};
};
