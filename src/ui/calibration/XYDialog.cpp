#include "ui/calibration/XYDialog.h"

#include "ui/NamedBy.h"
#include "ui/WithinScreen.h"
#include "ui/calibration/TenthsControl.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

QLabel *wrapped(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

XYDialog::XYDialog(const QString &title, Calibration::Window window, const Captions &captions,
                   QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    setModal(true);
    const Calibration::Bounds bounds = Calibration::bounds(window);

    auto *grid = new QGridLayout;
    const auto addAxis = [&](int row, const QString &axis, const QString &prompt,
                             const QString &range) {
        auto *box = new QLineEdit(this);
        box->setObjectName(axis);
        box->setMaxLength(12);
        box->setFixedWidth(90);
        if (!prompt.isEmpty()) grid->addWidget(wrapped(prompt, this), row, 0, 1, 4);
        grid->addWidget(captionFor(box, axis), row + 1, 0);
        grid->addWidget(box, row + 1, 1);
        grid->addWidget(new QLabel(QString::fromUtf16(u"en  dixiéme de millimètre"), this), row + 1,
                        2);
        grid->addWidget(new QLabel(range, this), row + 1, 3);
        return box;
    };

    auto *hSlider = new QSlider(Qt::Horizontal, this);
    auto *vSlider = new QSlider(Qt::Vertical, this);
    // Y grows downwards on the form: the top of the slider is the top of the form.
    vSlider->setInvertedAppearance(true);
    vSlider->setInvertedControls(true); // Up moves the handle up, as it looks
    vSlider->setMinimumHeight(180);
    hSlider->setAccessibleName(QStringLiteral("X"));
    vSlider->setAccessibleName(QStringLiteral("Y"));
    QLineEdit *xBox = addAxis(0, QStringLiteral("X"), captions.xPrompt, captions.xRange);
    grid->addWidget(hSlider, 2, 0, 1, 4);
    QLineEdit *yBox = addAxis(3, QStringLiteral("Y"), captions.yPrompt, captions.yRange);
    if (!captions.note.isEmpty()) grid->addWidget(wrapped(captions.note, this), 5, 0, 1, 4);
    grid->addWidget(vSlider, 0, 4, 6, 1, Qt::AlignHCenter);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(6, 1);

    m_x = new TenthsControl(xBox, hSlider, bounds.x, this);
    m_y = new TenthsControl(yBox, vSlider, bounds.y, this);

    m_resetY = new QPushButton(QString::fromUtf16(u"Remise à zéro en hauteur"), this);
    m_resetX = new QPushButton(QString::fromUtf16(u"Remise à zéro en largeur"), this);
    m_ok = new QPushButton(captions.ok, this);
    m_cancel = new QPushButton(QStringLiteral("Annuler"), this);
    m_ok->setDefault(true);
    connect(m_resetY, &QPushButton::clicked, this, [this] { m_y->setValue(0); });
    connect(m_resetX, &QPushButton::clicked, this, [this] { m_x->setValue(0); });

    m_buttons = new QHBoxLayout;
    m_buttons->addWidget(m_resetX);
    m_buttons->addWidget(m_resetY);
    m_buttons->addStretch();
    m_buttons->addWidget(m_ok);
    m_buttons->addWidget(m_cancel);

    auto *column = new QVBoxLayout(this);
    auto *title_ = new QLabel(title, this);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    title_->setWordWrap(true);
    column->addWidget(title_);
    column->addLayout(grid);
    column->addLayout(m_buttons);
    holdWidthForTitle(this, 640);

    // The keys go through the window as it reads, from the X box on.
    QWidget *order[] = {xBox, hSlider, yBox, vSlider, m_resetX, m_resetY, m_ok, m_cancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    xBox->setFocus();
}

void XYDialog::showItem(const QString &x, const QString &y)
{
    m_x->show(Calibration::tenthsText(x));
    m_y->show(Calibration::tenthsText(y));
}

void XYDialog::highlightFocusedBox()
{
    const QString style =
        QStringLiteral("QLineEdit:focus { background: rgb(255, 255, 192); color: black; }");
    m_x->box()->setStyleSheet(style);
    m_y->box()->setStyleSheet(style);
}

QPushButton *XYDialog::addButton(const QString &caption)
{
    auto *b = new QPushButton(caption, this);
    m_buttons->addWidget(b);
    return b;
}
