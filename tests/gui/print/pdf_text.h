#pragma once
// What a generated PDF file holds, read back with poppler's pdfinfo and pdftotext.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace rp70::test {

/// The output of `program` run on `arguments`, or an empty text when it failed.
inline QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

/// The number of pages of the PDF file at `path`; 0 when it is not a PDF file.
inline int PdfPageCount(const QString& path) {
    const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(RunTool(QStringLiteral("pdfinfo"), {path})).captured(1).toInt();
}

/// The text of page `page` (from 1) laid out as on paper, runs of blanks closed up to one.
inline QString PdfPageText(const QString& path, int page) {
    const QString number = QString::number(page);
    return RunTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QStringLiteral("-f"), number, QStringLiteral("-l"),
                    number, path, QStringLiteral("-")})
        .replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
}

} // namespace rp70::test
