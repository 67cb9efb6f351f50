#pragma once

#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QString>

// What a printed PDF really holds, read back with pdftotext -bbox (poppler-utils).
struct PdfWord {
    double xMin, yMin, yMax; // millimetres
    QString text;
};

inline bool pdftotextInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The page size and the words of a PDF's first page, in millimetres.
inline QSizeF readPdf(const QString &pdf, QList<PdfWord> &words)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
    static const QRegularExpression size(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    const auto mm = [](const QRegularExpressionMatch &m, int i) {
        return m.captured(i).toDouble() * 25.4 / 72;
    };
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({mm(m, 1), mm(m, 2), mm(m, 3), m.captured(4)});
    }
    const auto s = size.match(html);
    return {mm(s, 1), mm(s, 2)};
}
