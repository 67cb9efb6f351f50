#include "core/calibration/Calibration.h"

#include "core/base/NumberText.h"
#include "core/base/Prompts.h"
#include "core/base/TextFile.h"
#include "core/model/PrintItems.h"
#include "core/print/PrintLayout.h"
#include "core/print/PrintLayoutFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace Calibration {

namespace {

QString lines(std::initializer_list<const char16_t *> parts)
{
    QStringList out;
    for (const char16_t *p : parts)
        out << QString::fromUtf16(p);
    return out.join(QStringLiteral("\r\n"));
}

// Whether a text starts with a number, as the leading-number parse reads one.
bool startsWithNumber(QStringView text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[-+]?(\\d|\\.\\d)"));
    return number.match(text.toString()).hasMatch();
}

struct SpacingTarget {
    int item;
    bool isX;
};

SpacingTarget spacingTarget(QStringView title)
{
    if (title == observationLengthTitle()) return {PrintItems::VersoObsWidth, true};
    const int item = PrintItems::itemByTitle(title);
    switch (item) {
    case PrintItems::CharPitch:
    case PrintItems::RowPitchB2:
    case PrintItems::LinePitchC:
    case PrintItems::VersoObsWidth:
        return {item, false};
    default:
        return {-1, false};
    }
}

} // namespace

Bounds bounds(Window window)
{
    switch (window) {
    case Window::FramePosition:
        return {{0, 2970}, {0, 2100}};
    case Window::Shift:
        return {{-1900, 1900}, {-50, 1900}};
    case Window::Centring:
        break;
    }
    return {{-50, 50}, {-50, 50}};
}

QString tenthsText(const QString &layoutValue)
{
    // Rounded to a millionth, so that 107.9 shows 1079 and not the binary noise of x 10.
    const double tenths = std::round(NumberText::leadingNumber(layoutValue) * 1e7) / 1e6;
    return NumberText::shortest(tenths);
}

int sliderValue(QStringView typed)
{
    const double value = NumberText::leadingNumber(typed);
    if (!std::isfinite(value) || std::abs(value) > 1e9) return value < 0 ? -1000000000 : 1000000000;
    return int(std::trunc(value));
}

QString layoutValue(int tenths)
{
    return NumberText::layoutText(tenths / 10.0);
}

void storeX(PrintLayout &layout, int item, int tenths)
{
    if (item >= 0 && item < PrintItems::Count) layout.ParaImpX[size_t(item)] = layoutValue(tenths);
}

void storeY(PrintLayout &layout, int item, int tenths)
{
    if (item >= 0 && item < PrintItems::Count) layout.ParaImpY[size_t(item)] = layoutValue(tenths);
}

void store(PrintLayout &layout, int item, int xTenths, int yTenths)
{
    storeX(layout, item, xTenths);
    storeY(layout, item, yTenths);
}

Remembered remember(const PrintLayout &layout, int item)
{
    if (item < 0 || item >= PrintItems::Count) return {};
    return {item, layout.ParaImpX[size_t(item)], layout.ParaImpY[size_t(item)]};
}

void restore(PrintLayout &layout, const Remembered &values)
{
    if (values.item < 0 || values.item >= PrintItems::Count) return;
    layout.ParaImpX[size_t(values.item)] = values.x;
    layout.ParaImpY[size_t(values.item)] = values.y;
}

QString observationLengthTitle()
{
    return QStringLiteral("LONGUEUR DU TEXTE OBSERVATION DU MECANICIEN");
}

QString observationLengthPrompt()
{
    return QStringLiteral(" NOUVELLE LONGUEUR DU TEXTE  MAXI 110 et MINI 20");
}

QString spacingPrompt()
{
    return QStringLiteral("ENTREZ ICI LA NOUVELLE VALEUR DE L'ESPACE");
}

QString spacingValue(const PrintLayout &layout, QStringView title)
{
    const SpacingTarget t = spacingTarget(title);
    if (t.item < 0) return QString();
    return (t.isX ? layout.ParaImpX : layout.ParaImpY)[size_t(t.item)].trimmed();
}

SpacingResult storeSpacing(PrintLayout &layout, QStringView title, const QString &typed)
{
    const SpacingTarget t = spacingTarget(title);
    if (t.item < 0) return SpacingResult::UnknownTitle;
    QString text = typed;
    text.replace(u',', u'.');
    if (!startsWithNumber(text)) return SpacingResult::NotANumber;
    // A number is kept as the driver typed it ("4.30" stays); anything else ("4.3 mm", "+4.3",
    // forty zeros) keeps its number only, so that the file holds short plain numbers alone.
    static const QRegularExpression plainNumber(QStringLiteral("^-?(\\d+\\.?\\d*|\\.\\d+)$"));
    text = text.trimmed();
    (t.isX ? layout.ParaImpX : layout.ParaImpY)[size_t(t.item)] =
        text.size() <= 12 && plainNumber.match(text).hasMatch()
            ? text
            : NumberText::layoutText(NumberText::leadingNumber(text));

    const double length = layout.x(PrintItems::VersoObsWidth);
    if (length > 110) return SpacingResult::TooHigh;
    if (length < 20) return SpacingResult::TooLow;
    return SpacingResult::Stored;
}

void reportSpacing(Prompts &prompts, SpacingResult result)
{
    switch (result) {
    case SpacingResult::TooHigh:
        prompts.message(QStringLiteral("Kerbo"),
                        QStringLiteral("VALEUR SUPERIEURE A 110 RECOMMANCEZ SVP"),
                        Prompts::Icon::Exclamation);
        break;
    case SpacingResult::TooLow:
        prompts.message(QStringLiteral("Kerbo"),
                        QStringLiteral("VALEUR INFERIEURE A 20 RECOMMANCEZ SVP"),
                        Prompts::Icon::Exclamation);
        break;
    case SpacingResult::NotANumber:
        prompts.message(QStringLiteral("Kerbo"),
                        lines({u"LA VALEUR ENTREE N'EST PAS UN NOMBRE.",
                               u"Entrez une valeur en millimètre, par exemple 4,3."}),
                        Prompts::Icon::Exclamation);
        break;
    case SpacingResult::Stored:
    case SpacingResult::UnknownTitle:
        break;
    }
}

void restoreDefaults(PrintLayout &layout, PrintSide side, Prompts &prompts)
{
    if (side == PrintSide::Recto) {
        layout.DefautParaImp();
        prompts.message(QStringLiteral("PARAMETRES IMPRIMANTE RECTO RETABLIS"),
                        QString::fromUtf16(u"Les paramétres par défaut de l'imprimante côté "
                                           u"récto sont rétablis"),
                        Prompts::Icon::Information);
    } else {
        layout.DefautParaImpVerso();
        prompts.message(QStringLiteral("PARAMETRES IMPRIMANTE VERSO RETABLIS"),
                        QString::fromUtf16(u"Les paramétres par défaut de l'imprimante côté "
                                           u"verso sont rétablis"),
                        Prompts::Icon::Information);
    }
}

void showCentringInfo(Prompts &prompts)
{
    prompts.message(
        QStringLiteral("Information"),
        lines({u"Des défauts de cadrage des bulletins provenant de l'imprimerie ",
               u"occasionnent un décalage horizontal ou vertical du centrage", u"sur l'imprimante.",
               u"Cette fenêtre permet de remedier à ce décalage sans toucher ",
               u"aux reglages généraux du bulletin.",
               u"Entrez la nouvelle position de Y ou de X pour rectifier les ",
               u"erreurs de centrage.",
               u"Les valeurs positives sont utilisées pour abaisser les cadres. ",
               u"Les valeurs négatives sont utilisées pour remonter les cadres. ",
               u"La vue écran du BS ne sera pas modifiée et ces modifications ",
               u"ne seront constatées que sur un bulletin imprimé."}),
        Prompts::Icon::Information);
}

QString shiftTitle(PrintSide side)
{
    return QString::fromUtf16(
        PrintItems::item(side == PrintSide::Recto ? PrintItems::RectoShift : PrintItems::VersoShift)
            .title);
}

QString screenCalibrationTitle(PrintSide side)
{
    return QString::fromUtf16(PrintItems::item(side == PrintSide::Recto
                                                   ? PrintItems::ScreenCalibration
                                                   : PrintItems::ScreenCalibrationVerso)
                                  .title);
}

QString centringTitle(PrintSide side)
{
    return QString::fromUtf16(PrintItems::item(side == PrintSide::Recto ? PrintItems::RectoCentring
                                                                        : PrintItems::VersoCentring)
                                  .title);
}

bool saveAndReload(PrintLayout &layout, const QString &dataFolder, Prompts &prompts)
{
    const QString path = PrintLayoutFile::path(dataFolder);
    QString error;
    bool saved = false;
    if (PrintLayoutFile::existsUnreadable(dataFolder))
        error = QStringLiteral("Le fichier %1 existe mais ne peut pas être lu : il n'est pas "
                               "remplacé.")
                    .arg(QDir::toNativeSeparators(path));
    else
        saved = SauveParametresImp(layout, dataFolder, &error);
    if (!saved) {
        prompts.message(
            QStringLiteral("Kerbo"),
            QStringLiteral("LES PARAMETRES DE L'IMPRIMANTE N'ONT PAS ETE SAUVEGARDES.") +
                QStringLiteral("\r\n") + error + QStringLiteral("\r\n\r\n") +
                QString::fromUtf16(u"Le fichier ParametresImp.txt reste tel qu'il était. Les "
                                   u"réglages changés restent en usage jusqu'à la fermeture de "
                                   u"Kerbo, puis seront perdus."),
            Prompts::Icon::Exclamation);
        return false;
    }
    ChargeParaImp(layout, dataFolder);
    return true;
}

} // namespace Calibration
