#include "core/print/PrinterFonts.h"

#include "core/base/NumberText.h"
#include "core/config/Config.h"
#include "core/base/Prompts.h"
#include "core/print/Page.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>

#include <cmath>

namespace PrinterFonts {
namespace {

using Keys = ConfigKeys::FontKeys;
constexpr const Keys &RectoKeys = ConfigKeys::RectoFont;
constexpr const Keys &VersoKeys = ConfigKeys::VersoFont;

// Fills the settings that are missing from the device's font, and stores those (one save).
void complete(PrinterFont &font, const Config &config, const Keys &keys, const QFont &device)
{
    const PrinterFont from = fromQFont(device);
    QList<Config::Entry> completed;
    if (font.name.isEmpty()) {
        font.name = from.name;
        completed.append({keys.section, keys.name, font.name});
    }
    if (font.size == 0) {
        font.size = from.size;
        completed.append({keys.section, keys.size, QString::number(font.size)});
    }
    if (font.bold.isEmpty()) {
        font.bold = from.bold;
        completed.append({keys.section, keys.bold, font.bold});
    }
    if (font.italic.isEmpty()) {
        font.italic = from.italic;
        completed.append({keys.section, keys.italic, font.italic});
    }
    if (!completed.isEmpty())
        config.write(completed);
}

void save(const PrinterFont &font, const Config &config, const Keys &keys,
          const QString &sizeText = {})
{
    config.write({{keys.section, keys.name, font.name},
                  {keys.section, keys.size,
                   sizeText.isEmpty() ? QString::number(font.size) : sizeText},
                  {keys.section, keys.bold, font.bold},
                  {keys.section, keys.italic, font.italic}});
}

} // namespace

QString boolText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

bool textBool(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    bool isNumber = false;
    const int n = t.toInt(&isNumber);
    return isNumber && n != 0;
}

bool isComplete(const PrinterFont &font)
{
    return !font.name.isEmpty() && font.size != 0 && !font.bold.isEmpty() && !font.italic.isEmpty();
}

QFont toQFont(const PrinterFont &font)
{
    QFont f(font.name);
    if (font.size > 0)
        f.setPointSize(font.size);
    f.setBold(textBool(font.bold));
    f.setItalic(textBool(font.italic));
    return f;
}

PrinterFont fromQFont(const QFont &font)
{
    // The family and size actually used, not merely asked for.
    const QFontInfo info(font);
    return PrinterFont{info.family(), NumberText::roundedToInt(info.pointSizeF()), boolText(info.bold()),
                       boolText(info.italic())};
}

double lineHeightMm(const QFont &font)
{
    // Measured as a printer measures it, at 600 dots per inch: a line of the font, in millimetres.
    constexpr int Dpi = 600;
    QImage sheet(1, 1, QImage::Format_Mono);
    sheet.setDotsPerMeterX(qRound(Dpi / 0.0254));
    sheet.setDotsPerMeterY(qRound(Dpi / 0.0254));
    return QFontMetricsF(font, &sheet).height() / Dpi * 25.4;
}

QFont deviceDefaultFont()
{
    // A printer here has no font of its own. The form's default layout was set for a font with
    // the line of DejaVu Sans at 9 points, which nearly every Linux desktop has: it is taken when
    // there. Today's desktop fonts sit lower in their line (Noto Sans, Cantarell, Nimbus Sans
    // for Arial), their tails crossing the verso's row lines: they stand in only where DejaVu Sans
    // is missing, at the largest whole size up to 9 points whose line fits the recto's boxes.
    // Measured once per desktop font: every page drawn starts from it.
    static QFont desktop, fitted;
    static bool measured = false;
    const QFont now;
    if (measured && now == desktop) return fitted;
    const QString preferred = QStringLiteral("DejaVu Sans");
    QFont font = QFontDatabase::hasFamily(preferred) ? QFont(preferred) : now;
    int points = DefaultPoints;
    font.setPointSize(points);
    while (points > MinimumPoints && lineHeightMm(font) > RectoHeightLimitMm)
        font.setPointSize(--points);
    desktop = now;
    fitted = font;
    measured = true;
    return font;
}

void ErreurPolice_Recto(Config &config, const QFont &deviceFont)
{
    complete(config.rectoFont, config, RectoKeys, deviceFont);
}

void ErreurPolice_Verso(Config &config, const QFont &deviceFont)
{
    complete(config.versoFont, config, VersoKeys, deviceFont);
}

void SauvePolicesImprimante(const Config &config) { save(config.rectoFont, config, RectoKeys); }

void SauvePolicesImprimanteVerso(const Config &config)
{
    save(config.versoFont, config, VersoKeys);
}

QFont rectoFontForPrinting(Config &config, const QFont &deviceFont)
{
    if (!isComplete(config.rectoFont))
        ErreurPolice_Recto(config, deviceFont);
    return toQFont(config.rectoFont);
}

QFont versoFontForPrinting(Config &config, const QFont &deviceFont)
{
    if (!isComplete(config.versoFont))
        ErreurPolice_Verso(config, deviceFont);
    return toQFont(config.versoFont);
}

bool chooseFont(PrinterFont &font, double limitMm, Page &measure, Prompts &prompts,
                const FontDialog &dialog, double *chosenPoints)
{
    QFont initial = toQFont(font);
    for (;;) {
        const std::optional<QFont> chosen = dialog(initial);
        if (!chosen)
            return false;
        const PrinterFont candidate =
            PrinterFont{chosen->family(), NumberText::roundedToInt(chosen->pointSizeF()),
                        boolText(chosen->bold()), boolText(chosen->italic())};
        measure.setFont(toQFont(candidate));
        if (measure.textHeight(QStringLiteral("W")) <= limitMm) {
            font = candidate;
            if (chosenPoints)
                *chosenPoints = chosen->pointSizeF();
            return true;
        }
        prompts.message(
            QStringLiteral(
                "ERREUR : TAILLE DES POLICES SUPERIEURES AU MAXIMUM DES BOITES DE TEXTE "),
            QStringLiteral("ATTENTION LA TAILLE DE CETTE POLICE EST SUPERIEURE A LA TAILLE DES "
                           "BOITES DE TEXTE VEUILLEZ CHOISIR UN POLICE AVEC UNE TAILLE INFERIEURE "
                           "S.V.P."),
            Prompts::Icon::Exclamation);
        // The dialog opens again on the refused font, so that the user only has to shrink it.
        initial = toQFont(candidate);
    }
}

bool Police_Recto(Config &config, Page &measure, Prompts &prompts, const FontDialog &dialog)
{
    if (!chooseFont(config.rectoFont, RectoHeightLimitMm, measure, prompts, dialog))
        return false;
    SauvePolicesImprimante(config);
    return true;
}

bool Police_Verso(Config &config, double limitMm, Page &measure, Prompts &prompts,
                  const FontDialog &dialog)
{
    double points = 0;
    if (!chooseFont(config.versoFont, limitMm, measure, prompts, dialog, &points))
        return false;
    // "10.5" or "10": the shortest text of the chosen size.
    save(config.versoFont, config, VersoKeys, QString::number(points));
    return true;
}

void checkAtStartUp(Config &config)
{
    // Past the first start both are complete: the printer's font is not measured.
    if (isComplete(config.rectoFont) && isComplete(config.versoFont)) return;
    const QFont device = deviceDefaultFont();
    ErreurPolice_Recto(config, device);
    ErreurPolice_Verso(config, device);
}

} // namespace PrinterFonts
