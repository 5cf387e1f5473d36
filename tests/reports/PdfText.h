#pragma once

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>

// The words of a PDF with their boxes in millimetres from the top-left corner
// of their page, as poppler's pdftotext reads them.
struct PdfText
{
    struct Word
    {
        int page = 0;
        QString text;
        QRectF box;
    };

    QSizeF pageSize; // of the first page, mm
    QList<Word> words;

    static bool available() { return !QStandardPaths::findExecutable("pdftotext").isEmpty(); }

    static PdfText read(const QString& pdf)
    {
        PdfText result;
        QProcess process;
        process.start(QStandardPaths::findExecutable("pdftotext"), {"-bbox", pdf, "-"});
        if (!process.waitForFinished(20000))
            return result;
        const QString html = QString::fromUtf8(process.readAllStandardOutput());
        constexpr qreal mm = 25.4 / 72;
        static const QRegularExpression pageTag(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
        static const QRegularExpression wordTag(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
        int page = 0;
        for (const QString& line : html.split('\n')) {
            if (auto p = pageTag.match(line); p.hasMatch()) {
                if (++page == 1)
                    result.pageSize =
                        QSizeF(p.captured(1).toDouble(), p.captured(2).toDouble()) * mm;
            } else if (auto w = wordTag.match(line); w.hasMatch()) {
                const QPointF from(w.captured(1).toDouble(), w.captured(2).toDouble());
                const QPointF to(w.captured(3).toDouble(), w.captured(4).toDouble());
                result.words.append({page, w.captured(5), QRectF(from * mm, to * mm)});
            }
        }
        return result;
    }

    // The first word with that text, or an empty box.
    QRectF box(const QString& text) const
    {
        for (const Word& w : words)
            if (w.text == text)
                return w.box;
        return {};
    }
    QList<QRectF> boxes(const QString& text) const
    {
        QList<QRectF> found;
        for (const Word& w : words)
            if (w.text == text)
                found.append(w.box);
        return found;
    }
    bool contains(const QString& text) const { return !box(text).isNull(); }
};
